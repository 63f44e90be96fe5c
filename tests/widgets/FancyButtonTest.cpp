#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>

#include "widgets/FancyButton.h"

namespace {

constexpr int Width = 40;
constexpr int Height = 34;  // two rings leave 30 rows of face

QRgb Grey(int level) {
  return qRgb(level, level, level);
}

const QRgb GlyphInk = qRgb(255, 0, 0);
const QRgb GlyphKey = qRgb(255, 0, 255);
const QColor CaptionColour(0, 191, 0);

// The tool-bar look: four greys of frame over a grey-to-black gradient.
void ApplyMainLook(TFancyButton& button) {
  button.SetFrameDarkest(QColor(25, 25, 25));
  button.SetFrameDark(QColor(51, 51, 51));
  button.SetFrameLightest(QColor(150, 150, 150));
  button.SetFrameLight(QColor(100, 100, 100));
  button.SetGradColor1(QColor(128, 128, 128));
  button.SetGradColor2(QColor(0, 0, 0));
  button.SetGradient(true);
  button.SetFontColor(CaptionColour);
}

TFancyButtonLook MainLook() {
  TFancyButtonLook look;
  look.FrameDarkest = QColor(25, 25, 25);
  look.FrameDark = QColor(51, 51, 51);
  look.FrameLightest = QColor(150, 150, 150);
  look.FrameLight = QColor(100, 100, 100);
  look.GradColor1 = QColor(128, 128, 128);
  look.GradColor2 = QColor(0, 0, 0);
  look.Gradient = true;
  look.Color = QColor(70, 70, 70);
  return look;
}

// 8 x 8 of ink whose bottom-left pixel holds the see-through key.
QImage KeyedGlyph() {
  QImage glyph(8, 8, QImage::Format_RGB32);
  glyph.fill(GlyphInk);
  glyph.setPixel(0, 7, GlyphKey);
  return glyph;
}

QFont CaptionFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(18);
  font.setBold(true);
  return font;
}

bool Contains(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour)
        return true;
  return false;
}

int LeftmostColumnOf(const QImage& image, QRgb colour) {
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (image.pixel(x, y) == colour)
        return x;
  return -1;
}

void Hover(TFancyButton& button, bool inside) {
  if (inside) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
  } else {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
  }
}

class FancyButtonTest : public ::testing::Test {
 protected:
  FancyButtonTest() {
    ApplyMainLook(Button);
    Button.resize(Width, Height);
  }
  QImage Shot() { return Button.grab().toImage(); }

  TFancyButton Button;
};

TEST_F(FancyButtonTest, GradientFillsTheRowsInsideTwoBevels) {
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixel(10, 0), Grey(150));  // outer bevel: lightest on top
  EXPECT_EQ(shot.pixel(10, 33), Grey(25));  // darkest at the bottom
  EXPECT_EQ(shot.pixel(0, 10), Grey(150));
  EXPECT_EQ(shot.pixel(39, 10), Grey(25));
  EXPECT_EQ(shot.pixel(10, 1), Grey(100));  // inner bevel: light and dark
  EXPECT_EQ(shot.pixel(10, 32), Grey(51));
  EXPECT_EQ(shot.pixel(38, 10), Grey(51));
  // 128 -> 0 over 30 rows: each row steps by Ceil(-128 / 30 * i).
  EXPECT_EQ(shot.pixel(10, 2), Grey(128));
  EXPECT_EQ(shot.pixel(10, 3), Grey(124));
  EXPECT_EQ(shot.pixel(10, 31), Grey(5));
  EXPECT_EQ(shot.pixel(2, 31), Grey(5));  // each row spans the whole width
  EXPECT_EQ(shot.pixel(37, 31), Grey(5));
}

TEST_F(FancyButtonTest, PlainFaceUsesTheColour) {
  Button.SetGradient(false);
  Button.SetColor(QColor(10, 20, 30));
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixel(2, 2), qRgb(10, 20, 30));
  EXPECT_EQ(shot.pixel(37, 31), qRgb(10, 20, 30));
}

TEST_F(FancyButtonTest, PressedFaceIsHalfWayToWhiteInsideOneDarkRing) {
  Button.SetDown(true);
  ASSERT_TRUE(Button.isDown());
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixel(0, 0), Grey(51));
  EXPECT_EQ(shot.pixel(39, 33), Grey(51));
  EXPECT_EQ(shot.pixel(39, 0), Grey(51));
  // 192 -> 128 over the 32 rows one ring leaves.
  EXPECT_EQ(shot.pixel(1, 1), Grey(192));
  EXPECT_EQ(shot.pixel(1, 32), Grey(130));
}

TEST_F(FancyButtonTest, DownInvertTurnsOnlyThePressedGradientUpsideDownAtFullColour) {
  Button.SetDownInvert(true);
  EXPECT_EQ(Shot().pixel(10, 2), Grey(128));
  Button.SetDown(true);
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixel(1, 1), Grey(0));
  EXPECT_EQ(shot.pixel(1, 32), Grey(124));  // 0 + Ceil(128 / 32 * 31)
}

TEST_F(FancyButtonTest, HotIsAQuarterToWhiteAndPressedWins) {
  Hover(Button, true);
  ASSERT_TRUE(Button.Hot());
  QImage shot = Shot();
  EXPECT_EQ(shot.pixel(10, 2), Grey(160));
  EXPECT_EQ(shot.pixel(10, 31), Grey(68));  // 160 -> 64 over 30 rows
  EXPECT_EQ(shot.pixel(10, 0), Grey(150));  // the frame is not lifted

  Button.SetDown(true);
  EXPECT_EQ(Shot().pixel(1, 1), Grey(192));

  Button.SetDown(false);
  Hover(Button, false);
  EXPECT_FALSE(Button.Hot());
  EXPECT_EQ(Shot().pixel(10, 2), Grey(128));
}

TEST_F(FancyButtonTest, DisabledKeepsFaceAndFrameButEmbossesTheCaption) {
  Button.resize(120, Height);
  Button.setFont(CaptionFont());
  Button.setText(QStringLiteral("Undo"));
  const QImage enabled = Shot();
  Button.setEnabled(false);
  const QImage disabled = Shot();

  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool clearOfCaption = x < 4 || x >= 116 || y < 4 || y >= 30;
      if (!clearOfCaption)
        continue;
      ASSERT_EQ(disabled.pixel(x, y), enabled.pixel(x, y)) << x << ", " << y;
    }
  }
  EXPECT_TRUE(Contains(enabled, CaptionColour.rgb()));
  EXPECT_FALSE(Contains(disabled, CaptionColour.rgb()));
  EXPECT_NE(disabled, enabled);
}

TEST_F(FancyButtonTest, GlyphWithoutHeightTakesNoSpacing) {
  Button.resize(120, Height);
  Button.setFont(CaptionFont());
  Button.setText(QStringLiteral("Deal"));
  const QImage plain = Shot();

  Button.SetSpacing(40);
  Button.SetGlyph(QImage(16, 0, QImage::Format_RGB32));
  EXPECT_EQ(Shot(), plain);
}

TEST_F(FancyButtonTest, CaptionStartsAfterGlyphAndSpacing) {
  Button.resize(120, Height);
  Button.setFont(CaptionFont());
  Button.setText(QStringLiteral("H"));
  Button.SetMargin(0);
  Button.SetSpacing(10);
  Button.SetGlyph(KeyedGlyph());
  const int left = LeftmostColumnOf(Shot(), CaptionColour.rgb());
  EXPECT_GE(left, 8 + 10);
  EXPECT_LT(left, 8 + 10 + 4);  // the letter's own side bearing
}

// A glyph drawn for a screen at 200 % has twice the pixels; it takes the
// place of its size in button pixels, so the caption stays where it was.
TEST_F(FancyButtonTest, AGlyphForAFinerScreenIsLaidOutAtItsButtonSize) {
  Button.resize(120, Height);
  Button.setFont(CaptionFont());
  Button.setText(QStringLiteral("H"));
  Button.SetMargin(0);
  Button.SetGlyph(KeyedGlyph());
  const QImage coarse = Shot();
  QImage fine = KeyedGlyph().scaled(16, 16);
  fine.setDevicePixelRatio(2);
  Button.SetGlyph(fine);
  EXPECT_EQ(Shot(), coarse);
}

TEST_F(FancyButtonTest, GlyphIsCentredOrPinnedByMarginWithItsKeySeeThrough) {
  Button.SetGlyph(KeyedGlyph());
  // No caption: a 12-wide box (glyph and spacing) centred on (20, 17).
  QImage shot = Shot();
  EXPECT_EQ(shot.pixel(14, 13), GlyphInk);
  EXPECT_NE(shot.pixel(13, 13), GlyphInk);
  EXPECT_EQ(shot.pixel(14, 20), shot.pixel(13, 20));  // the key shows the face

  Button.SetMargin(0);
  shot = Shot();
  EXPECT_EQ(shot.pixel(0, 13), GlyphInk);
  EXPECT_EQ(shot.pixel(0, 20), Grey(150));  // the frame shows through the key
}

TEST_F(FancyButtonTest, PressedMovesTheContentByOnePixel) {
  Button.SetGlyph(KeyedGlyph());
  Button.SetDown(true);
  const QImage shot = Shot();
  EXPECT_EQ(shot.pixel(15, 14), GlyphInk);
  EXPECT_NE(shot.pixel(14, 14), GlyphInk);
  EXPECT_NE(shot.pixel(15, 13), GlyphInk);
}

TEST_F(FancyButtonTest, MarginBelowMinusOneIsRefused) {
  Button.SetMargin(3);
  Button.SetMargin(-2);
  EXPECT_EQ(Button.Margin(), 3);
  Button.SetMargin(-1);
  EXPECT_EQ(Button.Margin(), -1);
}

QImage Painted(const TFancyButtonLook& look, const TFancyButtonState& state) {
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  PaintFancyButton(painter, image.rect(), look, state);
  return image;
}

TEST(FancyButtonPaintTest, DefaultOrFocusedAddsADarkRingAndBothTogetherADottedFocusRect) {
  TFancyButtonState state;
  state.Default = true;
  QImage image = Painted(MainLook(), state);
  EXPECT_EQ(image.pixel(0, 0), Grey(25));
  EXPECT_EQ(image.pixel(1, 1), Grey(150));
  EXPECT_EQ(image.pixel(2, 2), Grey(100));
  EXPECT_EQ(image.pixel(10, 3), Grey(128));  // 28 rows of gradient left
  EXPECT_EQ(image.pixel(10, 30), Grey(5));   // 128 + Ceil(-128 / 28 * 27)

  state.Default = false;
  state.Focused = true;
  EXPECT_EQ(Painted(MainLook(), state), image);

  // The focus rectangle inverts every other pixel, 2 in from the edge on a
  // gradient face.
  state.Default = true;
  image = Painted(MainLook(), state);
  EXPECT_EQ(image.pixel(2, 2), Grey(255 - 100));
  EXPECT_EQ(image.pixel(3, 2), Grey(100));
  EXPECT_EQ(image.pixel(4, 2), Grey(255 - 100));
  EXPECT_EQ(image.pixel(2, 4), Grey(255 - 100));
  EXPECT_EQ(image.pixel(37, 31), Grey(255 - 51));
}

TEST(FancyButtonPaintTest, FocusRectSitsFourInOnAPlainFace) {
  TFancyButtonLook look = MainLook();
  look.Gradient = false;
  TFancyButtonState state;
  state.Default = true;
  state.Focused = true;
  const QImage image = Painted(look, state);
  EXPECT_EQ(image.pixel(3, 3), Grey(70));
  EXPECT_EQ(image.pixel(4, 4), Grey(255 - 70));
  EXPECT_EQ(image.pixel(5, 4), Grey(70));
  EXPECT_EQ(image.pixel(5, 5), Grey(70));  // inside stays
}

}  // namespace
