#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

// The table picture being drawn on, with the fill colour that shapes such as
// the highlight frame are filled with. The picture may be a piece of the
// table: `Origin` is the table point at its top-left corner.
class TCanvas {
 public:
  static constexpr QRgb TableColour = 0xff008000;  // RGB (0, 128, 0)

  explicit TCanvas(QImage& picture, QPoint origin = {}) : Picture(picture), Origin(origin) {}

  // The part of the table the picture covers.
  QRect Area() const { return {Origin, Picture.size()}; }

  QImage& Picture;
  QPoint Origin;
  QRgb Brush = TableColour;
};
