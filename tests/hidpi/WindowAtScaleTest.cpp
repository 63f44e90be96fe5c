// The main window on a screen at 200 %: this program's screen shows
// everything twice as large (QT_SCALE_FACTOR=2, set before the application
// starts), and the table must use the screen's own pixels.
#include <gtest/gtest.h>

#include <QTest>

#include "cards/Clock.h"
#include "cards/Random.h"
#include "support/QtPrinters.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/ColDisplayDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/FancyButton.h"

namespace {

class WindowAtScaleTest : public ::testing::Test {
 protected:
  WindowAtScaleTest() : Form(&Sound, &Clock) {
    TRandom::Program().SetSeedSource([] { return 20261208u; });
    Form.resize(1024, 720);
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    // The base layout at the screen's ratio: a table pixel is a window pixel.
    Form.FitCardsMnu->trigger();
    // The offscreen screen is narrow enough at 200 % to start with small cards.
    Form.Engine().ApplyCardSize(false);
    Form.Engine().NewGame();
  }
  // What the table widget shows, pixel for pixel.
  QImage Shown() const {
    return Form.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(WindowAtScaleTest, TheTableIsDrawnAndShownWithTheScreensPixels) {
  ASSERT_EQ(Form.devicePixelRatioF(), 2.0);
  TGameEngine& engine = Form.Engine();
  const QImage& picture = engine.TablePicture();
  EXPECT_EQ(engine.TableSize(), Form.Image1->size());
  EXPECT_EQ(picture.size(), Form.Image1->size() * 2);
  EXPECT_EQ(picture.devicePixelRatio(), 2.0);
  const QImage shown = Shown();
  ASSERT_EQ(shown.size(), picture.size());
  int different = 0;
  for (int y = 0; y < shown.height(); ++y)
    different += std::memcmp(shown.constScanLine(y), picture.constScanLine(y),
                             static_cast<size_t>(shown.width()) * 4) != 0;
  EXPECT_EQ(different, 0) << "rows shown otherwise than drawn";

  // The top card of a column: its left edge is one screen pixel of dark line.
  const TCard& top = *engine.Table.TopCard(3);
  const QPoint edge = top.Position * 2 + QPoint(0, top.Height());
  EXPECT_LT(qGray(shown.pixel(edge)), 100);
  EXPECT_EQ(shown.pixel(edge + QPoint(1, 0)), qRgb(255, 255, 255));
}

// The column view copies the faces one to one, as sharp as on the table.
TEST_F(WindowAtScaleTest, TheColumnViewShowsTheFacesWithTheScreensPixels) {
  TColDisplayDlg& view = Form.ColDisplayDlg();
  view.DisplayColumn(3);
  const QImage& picture = view.Picture();
  EXPECT_EQ(picture.size(), TColDisplayDlg::PictureSize * 2);
  const TCard& top = *Form.Engine().Table.TopCard(3);
  const QPoint at = QPoint(0, 5) * 2;  // the column's only face-up card, first row
  for (const QPoint p : {QPoint(1, 80), QPoint(30, 30), QPoint(100, 150)})
    EXPECT_EQ(picture.pixel(at + p), top.Face().pixel(p)) << p.x() << "," << p.y();
}

TEST_F(WindowAtScaleTest, PlacesAndClicksStayInWindowPixels) {
  TGameEngine& engine = Form.Engine();
  EXPECT_EQ(engine.Deck().CardSize(), QSize(71, 96));
  EXPECT_EQ(engine.SlotPoint(3, 0), QPoint(5 + 3 * (71 + 9), 105));
  EXPECT_EQ(engine.HomePoint(1), QPoint(162 + 71 + 9, 5));
  const TCard& top = *engine.Table.TopCard(3);
  const QPoint middle = top.Position + QPoint(35, 48);
  SendMouse(Form.Image1, QEvent::MouseButtonPress, middle);
  SendMouse(Form.Image1, QEvent::MouseButtonRelease, middle);
  EXPECT_EQ(engine.SelectStage, 1);
  EXPECT_EQ(engine.Selection[0].Card, &top);
}

TEST_F(WindowAtScaleTest, AnotherScreensRatioRedrawsTableAndGlyphs) {
  EXPECT_EQ(Form.DealBtn->Glyph().size(), QSize(64, 64));
  EXPECT_EQ(Form.UndoBtn->Glyph().devicePixelRatio(), 2.0);
  // As when the window moves to a screen at 150 %.
  Form.Image1->OnPixelRatio(1.5);
  TGameEngine& engine = Form.Engine();
  EXPECT_EQ(engine.TablePicture().devicePixelRatio(), 1.5);
  EXPECT_EQ(engine.TablePicture().size(), TPixelScale(1.5).Size(Form.Image1->size()));
  EXPECT_EQ(engine.Deck().Card(0).Face().size(), QSize(107, 144));
  EXPECT_EQ(Form.DealBtn->Glyph().size(), QSize(48, 48));
  EXPECT_TRUE(engine.PaintedInFull() == engine.TablePicture());
}

}  // namespace
