// The keyboard frame's shape and paint.

#include <algorithm>

#include "cards/Canvas.h"
#include "cards/PixelScale.h"
#include "cards/Raster.h"
#include "game/KeyFocus.h"

namespace {

constexpr QRgb LightDash = 0xffffffff;
constexpr QRgb DarkDash = 0xff000000;
// Dashes are this many line widths long.
constexpr int DashLength = 3;

// One side of the ring, `length` device pixels from `start` along x, or
// along y when `down`, `line` pixels thick, in alternating dashes.
void PaintSide(QImage& picture, QPoint start, int length, int line, int dash, bool down) {
  for (int along = 0, k = 0; along < length; along += dash, ++k) {
    const int piece = std::min(dash, length - along);
    const QRect rect = down ? QRect(start.x(), start.y() + along, line, piece)
                            : QRect(start.x() + along, start.y(), piece, line);
    Raster::FillRect(picture, rect, k % 2 == 0 ? LightDash : DarkDash);
  }
}

}  // namespace

TFocusFrame FocusFrameAround(const QRect& area, int columnGap) {
  if (area.isEmpty())
    return {};
  // The glow reaches up to three pixels beyond a selected card: the frame
  // keeps to the outer part of the half gap.
  const int margin = std::max(columnGap / 2, 2);
  const int width = std::min(std::max(margin / 2, 2), margin);
  return {area.adjusted(-margin, -margin, margin, margin), width};
}

void PaintFocusFrame(TCanvas& canvas, const TFocusFrame& frame, const TPixelScale& scale) {
  if (frame.Outer.isEmpty() || frame.Width <= 0)
    return;
  const QRect ring = scale.Cover(frame.Outer).translated(-canvas.Origin);
  const int line = std::min(scale.Length(frame.Width), std::min(ring.width(), ring.height()) / 2);
  const int dash = std::max(scale.Length(DashLength * frame.Width), 1);
  QImage& picture = canvas.Picture;
  PaintSide(picture, ring.topLeft(), ring.width(), line, dash, false);
  PaintSide(picture, {ring.left(), ring.bottom() - line + 1}, ring.width(), line, dash, false);
  PaintSide(picture, ring.topLeft(), ring.height(), line, dash, true);
  PaintSide(picture, {ring.right() - line + 1, ring.top()}, ring.height(), line, dash, true);
}
