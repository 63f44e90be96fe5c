#include "ui/dialogs/ProgressDlg.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr QSize ClientSize{313, 29};
constexpr int PanelBorder = 2;

}  // namespace

TProgressDlg::TProgressDlg(QWidget* parent, TClock& clock)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint), FClock(clock) {
  setWindowTitle(QStringLiteral("Progress"));
  setFixedSize(ClientSize);
  setModal(false);
  Panel1 = new QFrame(this);
  Panel1->setGeometry(QRect(QPoint(0, 0), ClientSize));
  auto* layout = new QVBoxLayout(Panel1);
  layout->setContentsMargins(PanelBorder, PanelBorder, PanelBorder, PanelBorder);
  ProgressBar1 = new QProgressBar(Panel1);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  layout->addWidget(ProgressBar1);
}

void TProgressDlg::ShowAtZero() {
  ProgressBar1->setValue(0);
  Repaint();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  // Paints only: no input reaches the window while the game loads.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgressDlg::SetPosition(int percent) {
  const int value = std::clamp(percent, 0, 100);
  if (value == ProgressBar1->value())
    return;
  // QProgressBar repaints at once on a large step; here only when due.
  ProgressBar1->setUpdatesEnabled(false);
  ProgressBar1->setValue(value);
  ProgressBar1->setUpdatesEnabled(true);
  if (FClock.NowMs() - FPaintedAt >= RepaintIntervalMs)
    Repaint();
}

void TProgressDlg::Repaint() {
  ProgressBar1->repaint();
  FPaintedAt = FClock.NowMs();
}
