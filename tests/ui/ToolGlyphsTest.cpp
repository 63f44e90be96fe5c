#include <gtest/gtest.h>

#include <QImage>

#include "support/QtPrinters.h"
#include "ui/mainwindow/ToolGlyphs.h"

namespace {

// The buttons show a glyph's bottom-left colour as see-through, so that key
// must frame the drawing without leaking into it: no pixel may be a blend of
// the key with the drawing's colours.
void ExpectCleanKeyedPicture(const QImage& glyph, int ratio = 1) {
  const int side = 32 * ratio;
  ASSERT_EQ(glyph.size(), QSize(side, side));
  ASSERT_EQ(glyph.devicePixelRatio(), ratio);
  ASSERT_EQ(glyph.format(), QImage::Format_RGB32);
  const QRgb key = glyph.pixel(0, side - 1);
  int drawn = 0;
  for (int y = 0; y < glyph.height(); ++y) {
    for (int x = 0; x < glyph.width(); ++x) {
      const QRgb pixel = glyph.pixel(x, y);
      if (pixel == key)
        continue;
      ++drawn;
      const bool keyTinted = qRed(pixel) > 160 && qBlue(pixel) > 160 && qGreen(pixel) < 96;
      EXPECT_FALSE(keyTinted) << "at " << x << ", " << y;
    }
  }
  EXPECT_GT(drawn, side * side / 4);       // something worth seeing
  EXPECT_LT(drawn, side * side * 9 / 10);  // and the key around it
}

// Drawn afresh, not enlarged: an enlarged picture is uniform in every
// aligned 2 x 2 block.
bool HasFinePixels(const QImage& glyph) {
  for (int y = 0; y + 1 < glyph.height(); y += 2)
    for (int x = 0; x + 1 < glyph.width(); x += 2) {
      const QRgb p = glyph.pixel(x, y);
      if (p != glyph.pixel(x + 1, y) || p != glyph.pixel(x, y + 1) ||
          p != glyph.pixel(x + 1, y + 1))
        return true;
    }
  return false;
}

TEST(ToolGlyphsTest, GlyphsAreKeyedPicturesOfTheButtonSize) {
  ExpectCleanKeyedPicture(DealGlyph());
  ExpectCleanKeyedPicture(UndoGlyph());
  ExpectCleanKeyedPicture(DealGlyph(2), 2);
  ExpectCleanKeyedPicture(UndoGlyph(2), 2);
  ExpectCleanKeyedPicture(HintGlyph());
  ExpectCleanKeyedPicture(HintGlyph(2), 2);
  EXPECT_TRUE(HasFinePixels(DealGlyph(2)));
  EXPECT_TRUE(HasFinePixels(UndoGlyph(2)));
  EXPECT_TRUE(HasFinePixels(HintGlyph(2)));
}

}  // namespace
