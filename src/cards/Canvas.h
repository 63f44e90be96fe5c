#pragma once

#include <QColor>
#include <QImage>

// The table picture being drawn on, with the fill colour that shapes such as
// the highlight frame are filled with.
class TCanvas {
 public:
  static constexpr QRgb TableColour = 0xff008000;  // RGB (0, 128, 0)

  explicit TCanvas(QImage& picture) : Picture(picture) {}

  QImage& Picture;
  QRgb Brush = TableColour;
};
