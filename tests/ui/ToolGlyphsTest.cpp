#include <gtest/gtest.h>

#include <QImage>

#include "support/QtPrinters.h"
#include "ui/ToolGlyphs.h"

namespace {

// The buttons show a glyph's bottom-left colour as see-through, so that key
// must frame the drawing without leaking into it: no pixel may be a blend of
// the key with the drawing's colours.
void ExpectCleanKeyedPicture(const QImage& glyph) {
  ASSERT_EQ(glyph.size(), QSize(32, 32));
  ASSERT_EQ(glyph.format(), QImage::Format_RGB32);
  const QRgb key = glyph.pixel(0, 31);
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
  EXPECT_GT(drawn, 32 * 32 / 4);       // something worth seeing
  EXPECT_LT(drawn, 32 * 32 * 9 / 10);  // and the key around it
}

TEST(ToolGlyphsTest, GlyphsAreKeyedPicturesOfTheButtonSize) {
  ExpectCleanKeyedPicture(DealGlyph());
  ExpectCleanKeyedPicture(UndoGlyph());
}

}  // namespace
