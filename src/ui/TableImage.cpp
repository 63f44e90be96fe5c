#include "ui/TableImage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "cards/Canvas.h"
#include "game/GameHost.h"

namespace {

int HeldButtons(const QMouseEvent* event) {
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

TTableImage::TTableImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void TTableImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Between a resize and the next repaint of the table the picture may be
  // smaller than the window.
  if (FPicture == nullptr || FPicture->size() != size())
    painter.fillRect(event->rect(), QColor(TCanvas::TableColour));
  if (FPicture != nullptr)
    for (const QRect& area : event->region())
      painter.drawImage(area, *FPicture, area);
}

void TTableImage::resizeEvent(QResizeEvent*) {
  if (OnResize)
    OnResize(size());
}

void TTableImage::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown)
    OnMouseDown(HeldButtons(event), event->position().toPoint());
}

void TTableImage::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove)
    OnMouseMove(event->position().toPoint());
}

void TTableImage::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp)
    OnMouseUp(event->position().toPoint());
}
