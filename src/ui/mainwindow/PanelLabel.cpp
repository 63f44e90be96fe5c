#include "ui/mainwindow/PanelLabel.h"

#include <QPainter>

namespace {
constexpr int SmallestPixels = 8;
constexpr int TextInset = 2;
}  // namespace

QRect TPanelLabel::TextRect() const {
  return contentsRect().adjusted(TextInset, 0, -TextInset, 0);
}

QFont TPanelLabel::FittedFont() const {
  QFont fitted = font();
  const int room = TextRect().width();
  while (fitted.pixelSize() > SmallestPixels &&
         QFontMetrics(fitted).horizontalAdvance(text()) > room)
    fitted.setPixelSize(fitted.pixelSize() - 1);
  return fitted;
}

void TPanelLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  painter.setFont(FittedFont());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(TextRect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}
