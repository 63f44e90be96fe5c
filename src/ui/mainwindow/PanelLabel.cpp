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

bool TPanelLabel::NeedsTwoLines() const {
  QFont smallest = font();
  smallest.setPixelSize(SmallestPixels);
  return QFontMetrics(smallest).horizontalAdvance(text()) > TextRect().width();
}

QFont TPanelLabel::TwoLineFont() const {
  QFont fitted = font();
  const QRect area = TextRect();
  while (fitted.pixelSize() > SmallestPixels) {
    const QRect needed =
        QFontMetrics(fitted).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (needed.width() <= area.width() && needed.height() <= area.height())
      break;
    fitted.setPixelSize(fitted.pixelSize() - 1);
  }
  return fitted;
}

// A text drawn smaller keeps the middle of its ink where the same text has it
// in the panel's own font, so that it stays centred like the other panels.
int TPanelLabel::FittedBaseline(const QFont& fitted) const {
  const QRect area = TextRect();
  const QFontMetrics own(font());
  const int ownBaseline = area.top() + (area.height() - own.height()) / 2 + own.ascent();
  const QRect ownInk = own.tightBoundingRect(text());
  const QRect fittedInk = QFontMetrics(fitted).tightBoundingRect(text());
  const int middle2 = 2 * ownBaseline + ownInk.top() + ownInk.bottom();
  return (middle2 - fittedInk.top() - fittedInk.bottom() + 1) / 2;
}

void TPanelLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  if (NeedsTwoLines()) {
    painter.setFont(TwoLineFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(TextRect(), Qt::AlignCenter | Qt::TextWordWrap, text());
    return;
  }
  const QFont fitted = FittedFont();
  painter.setFont(fitted);
  painter.setPen(palette().color(QPalette::WindowText));
  if (fitted.pixelSize() == font().pixelSize()) {
    painter.drawText(TextRect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    return;
  }
  const QRect area = TextRect();
  const int width = QFontMetrics(fitted).horizontalAdvance(text());
  painter.drawText(QPoint(area.left() + (area.width() - width) / 2, FittedBaseline(fitted)),
                   text());
}
