// "Fit Cards To Window" in the main window: the option, the table laid out
// once a resize settles, and play through the window's pixels.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "cards/Clock.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"

namespace {

class FitCardsTest : public ::testing::Test {
 protected:
  FitCardsTest() : Form(&Sound, &Clock, nullptr, Folder.filePath("Sorvane32.ini")) {
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
  TGameEngine& Engine() { return Form.Engine(); }
  // The window's own pixels of the table, as the screen shows them, once
  // it has shown a frame it held back.
  QImage ShownTable() {
    for (int wait = 0; wait < 100 && Engine().FrameHeld(); ++wait)
      QTest::qWait(5);
    EXPECT_FALSE(Engine().FrameHeld());
    const QPoint at = Form.Image1->mapTo(&Form, QPoint());
    return Form.screen()
        ->grabWindow(Form.winId(), at.x(), at.y(), Form.Image1->width(), Form.Image1->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  void Drag(QPoint from, QPoint to) {  // in table pixels
    SendMouse(Form.Image1, QEvent::MouseButtonPress, from);
    for (int i = 1; i <= 15; ++i)
      SendMouse(Form.Image1, QEvent::MouseMove, from + (to - from) * i / 15);
    SendMouse(Form.Image1, QEvent::MouseButtonRelease, to);
  }

  QTemporaryDir Folder;
  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(FitCardsTest, OnAtStartAndByFactoryDefaultsOffSavedAndRestored) {
  EXPECT_TRUE(Form.FitCardsMnu->isChecked() && Engine().FitCards());
  Form.FitCardsMnu->trigger();
  Form.SaveDefaultsMnu->trigger();
  Form.FactoryDefaultsMnu->trigger();
  EXPECT_TRUE(Form.FitCardsMnu->isChecked() && Engine().FitCards());
  Form.RestoreDefaultsMnu->trigger();
  EXPECT_FALSE(Form.FitCardsMnu->isChecked() || Engine().FitCards());
}

// Counts the paints of a widget.
class TPaintCount : public QObject {
 public:
  int Paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    Paints += event->type() == QEvent::Paint;
    return false;
  }
};

// Dragged larger in many steps, the window lays the table out, draws its
// cards and paints it once, for the size it settles at; then a deal and a
// drag at scale 2 end where the layout puts them.
TEST_F(FitCardsTest, ResizedOnceSettledThenPlayedAtScaleTwo) {
  const int loads = Engine().Deck().PictureLoads();
  const QSize table(1602 + 150, 944);
  TPaintCount count;
  Form.Image1->installEventFilter(&count);
  for (int step = 5; step >= 0; --step)
    Form.resize(Form.size() - Form.Image1->size() + table - QSize(step * 90, step * 50));
  QApplication::processEvents();
  ASSERT_EQ(Engine().WindowSize(), table);
  EXPECT_EQ(count.Paints, 1);
  Form.Image1->removeEventFilter(&count);
  // Painted from the table's state at the scale it was laid out for.
  EXPECT_EQ(ShownTable(), Engine().PaintedInFull());
  EXPECT_EQ(Engine().Deck().PictureLoads(), loads + 1);
  ASSERT_EQ(Form.Image1->LayoutScale(), 2.0);

  SendMouse(Form.Image1, QEvent::MouseButtonPress, Engine().DealRect.center());
  SendMouse(Form.Image1, QEvent::MouseButtonRelease, Engine().DealRect.center());
  ASSERT_TRUE(Engine().CardsDealt);
  for (int c = 0; c < Columns; ++c)
    EXPECT_EQ(Engine().Table.TopCard(c)->Position,
              Engine().SlotPoint(c, Engine().Table.LastRow(c)));
  ArrangeTable(Engine(), {"-KD 9S 8S", "10H"});
  Drag(Engine().SlotPoint(0, 1) + QPoint(30, 10), Engine().SlotPoint(1, 0) + QPoint(30, 50));
  EXPECT_EQ(Engine().Table.PileCount(1), 3);
  EXPECT_EQ(Engine().Table.Slot(1, 2)->Position, Engine().SlotPoint(1, 2));
  // The drop's frames came faster than the screen refreshes; its last one
  // is shown as soon as events are handled, not a refresh later.
  QApplication::processEvents();
  EXPECT_FALSE(Engine().FrameHeld());
  // Each frame was painted from the table's state into the window's pixels.
  EXPECT_EQ(ShownTable(), Engine().PaintedInFull());
}

// Every window pixel lies in one table pixel; the first window pixel of a
// table pixel lies in it, and a table area's window pixels hold its own.
TEST(TableImageScaleTest, WindowAndTablePixelsMapBothWays) {
  TTableImage image;
  for (const double s : {1.0, 1.125, 1.5, 2.0, 2.75, 4.625}) {
    image.SetLayoutScale(s);
    for (const int x : {-301, -1, 0, 1, 7, 400, 799}) {
      const QPoint table(x, x / 2);
      EXPECT_EQ(image.TablePoint(image.WindowPoint(table)), table) << s << " " << x;
      const QRect area = image.WindowArea(QRect(table, QSize(3, 2)));
      EXPECT_TRUE(area.contains(image.WindowPoint(table))) << s << " " << x;
      EXPECT_EQ(image.TablePoint(area.bottomRight()), table + QPoint(2, 1)) << s << " " << x;
    }
  }
}

}  // namespace
