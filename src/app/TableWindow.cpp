#include "app/TableWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "cards/Clock.h"

namespace {

int Buttons(const QMouseEvent* event) {
  int buttons = 0;
  if (event->buttons() & Qt::LeftButton)
    buttons |= mbLeft;
  if (event->buttons() & Qt::RightButton)
    buttons |= mbRight;
  if (event->buttons() & Qt::MiddleButton)
    buttons |= mbMiddle;
  return buttons;
}

}  // namespace

TableWindow::TableWindow(QWidget* parent) : QWidget(parent), Engine(*this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  Engine.EngineStart();
}

void TableWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Engine.TablePicture());
}

void TableWindow::resizeEvent(QResizeEvent*) {
  Engine.ResizeTable(size());
}

void TableWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Engine.TableMouseDown(Buttons(event), p.x(), p.y());
}

void TableWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Engine.TableMouseMove(p.x(), p.y());
}

void TableWindow::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Engine.TableMouseUp(p.x(), p.y());
}

void TableWindow::ShowTable() {
  repaint();
}

void TableWindow::ProcessMessages() {
  QApplication::processEvents();
}

TClock& TableWindow::Clock() {
  return TSteadyClock::Instance();
}

int TableWindow::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().width() : 1024;
}
