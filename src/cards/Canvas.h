#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

// The table picture being drawn on, with the fill colour that shapes such as
// the highlight frame are filled with. The picture may be a piece of the
// table: `Origin` is the pixel of the whole table picture at its top-left
// corner. Both count the picture's own pixels, which on a screen with a
// device pixel ratio are the device's (see TPixelScale).
class TCanvas {
 public:
  static constexpr QRgb TableColour = 0xff008000;  // RGB (0, 128, 0)

  explicit TCanvas(QImage& picture, QPoint origin = {}) : Picture(picture), Origin(origin) {}

  // The part of the table picture the picture covers.
  QRect Area() const { return {Origin, Picture.size()}; }

  QImage& Picture;
  QPoint Origin;
  QRgb Brush = TableColour;
};
