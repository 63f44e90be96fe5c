// The integer spin edit as a player uses it: typing, leaving the box, the
// arrows and keys, and its limits.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <limits>

#include "support/QtPrinters.h"
#include "widgets/ArrowButton.h"
#include "widgets/IntegerSpin.h"
#include "widgets/UpDownButton.h"

namespace {

class IntegerSpinTest : public ::testing::Test {
 protected:
  IntegerSpinTest() : Spin(new TIntegerSpin(&Window)), Other(new QLineEdit(&Window)) {
    Spin->setGeometry(10, 10, 120, 24);
    Other->setGeometry(10, 50, 120, 24);
    Spin->Beep = [this] { ++Beeps; };
    Spin->SetUseLimit(true);
    Spin->SetMaxValue(10);
    Spin->SetMinValue(1);
    Spin->SetValue(1);
    for (TArrowButton* button : {Up(), Down()})
      button->TimerFactory = [this] {
        auto timer = std::make_unique<TManualRepeatTimer>();
        Timer = timer.get();
        return timer;
      };
    Window.show();
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    Spin->setFocus();
  }

  TArrowButton* Up() { return Spin->Button()->UpButton(); }
  TArrowButton* Down() { return Spin->Button()->DownButton(); }
  // Types into the box (replacing its text) and leaves it.
  QString TypeAndLeave(const QString& typed) {
    Spin->setFocus();
    Spin->clear();
    QTest::keyClicks(Spin, typed);
    Other->setFocus();
    return Spin->text();
  }

  QWidget Window;
  TIntegerSpin* Spin;
  QLineEdit* Other;
  TManualRepeatTimer* Timer = nullptr;
  int Beeps = 0;
};

TEST_F(IntegerSpinTest, LeavingTheBoxTurnsTheTextIntoAValueWithinTheLimits) {
  EXPECT_EQ(TypeAndLeave("25"), "10");
  EXPECT_EQ(TypeAndLeave("0"), "1");
  EXPECT_EQ(TypeAndLeave("7"), "7");
  EXPECT_EQ(TypeAndLeave(""), "7");  // an emptied box gets the last valid value back
  EXPECT_EQ(TypeAndLeave("-3"), "1");
}

TEST_F(IntegerSpinTest, TextThatIsNoNumberKeepsTheLastValueUntilTheBoxIsLeft) {
  Spin->SetValue(4);
  Spin->setFocus();
  Spin->setText("6" + QLocale().decimalPoint() + "5");
  EXPECT_EQ(Spin->Value(), 4);
  EXPECT_EQ(Spin->text(), "6" + QLocale().decimalPoint() + "5");
  Other->setFocus();
  EXPECT_EQ(Spin->text(), "4");
}

TEST_F(IntegerSpinTest, OnlyDigitsSignsAndTheDecimalPointCanBeTyped) {
  Spin->clear();
  QTest::keyClicks(Spin, "1x2");
  EXPECT_EQ(Spin->text(), "12");
  EXPECT_EQ(Beeps, 1);
  Spin->SetHexMode(true);
  Spin->clear();
  QTest::keyClicks(Spin, "aG-F");
  EXPECT_EQ(Spin->text(), "aF");
  EXPECT_EQ(Beeps, 3);

  // Without the editor, keys that would change the text do nothing.
  Spin->SetEditorEnabled(false);
  QTest::keyClick(Spin, Qt::Key_Backspace);
  QTest::keyClick(Spin, Qt::Key_Home);
  QTest::keyClick(Spin, Qt::Key_Delete);
  QTest::keyClicks(Spin, "1");
  EXPECT_EQ(Spin->text(), "aF");
}

TEST_F(IntegerSpinTest, HexModeShowsPaddedUpperCaseDigits) {
  Spin->SetUseLimit(false);
  Spin->SetValue(255);
  Spin->SetHexMode(true);
  EXPECT_EQ(Spin->text(), "00FF");
  Spin->SetHexDigits(2);
  EXPECT_EQ(Spin->text(), "FF");
  Spin->setText("1a");
  EXPECT_EQ(Spin->Value(), 26);
  Spin->SetValue(-1);
  EXPECT_EQ(Spin->text(), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Spin->Value(), -1);
  Spin->SetValue(255);
  Spin->SetHexMode(false);
  EXPECT_EQ(Spin->text(), "255");
}

TEST_F(IntegerSpinTest, ArrowsAndKeysStepByTheIncrementAndCtrlByTen) {
  Spin->SetMaxValue(100);
  QTest::mouseClick(Up(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 2);
  QTest::keyClick(Spin, Qt::Key_Up);
  EXPECT_EQ(Spin->Value(), 3);
  QTest::mouseClick(Up(), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Spin->Value(), 13);
  QTest::keyClick(Spin, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Spin->Value(), 3);
  Spin->SetIncrement(5);
  QTest::mouseClick(Down(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 1);  // 3 - 5 held at the minimum
}

TEST_F(IntegerSpinTest, TheOwnerCanComputeEachStep) {
  Spin->SetMaxValue(100);
  Spin->SetValue(3);
  Spin->SetOwnerIncrement(true);
  std::vector<bool> asked;
  Spin->OnIncrement = [&asked](QObject*, bool inc, int64_t& value) {
    asked.push_back(inc);
    value = inc ? value * 2 : value / 3;
  };
  QTest::keyClick(Spin, Qt::Key_Up);
  QTest::mouseClick(Up(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 12);
  QTest::mouseClick(Down(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 4);
  EXPECT_EQ(asked, std::vector<bool>({true, true, false}));
}

TEST_F(IntegerSpinTest, AHeldArrowRepeatsAfter400MsThenEvery100AndOnceMoreAtTheRelease) {
  Spin->SetMaxValue(100);
  QTest::mousePress(Up(), Qt::LeftButton);
  ASSERT_NE(Timer, nullptr);
  Timer->Advance(399);
  EXPECT_EQ(Spin->Value(), 1);
  Timer->Advance(1);
  EXPECT_EQ(Spin->Value(), 2);
  Timer->Advance(99);
  EXPECT_EQ(Spin->Value(), 2);
  Timer->Advance(101);  // at 500 and 600 ms
  EXPECT_EQ(Spin->Value(), 4);
  EXPECT_TRUE(Spin->Button()->Pressed());
  QTest::mouseRelease(Up(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 5);
  EXPECT_FALSE(Timer->Active());
  EXPECT_FALSE(Spin->Button()->Pressed());

  // A short click steps once, at the release.
  QTest::mousePress(Down(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 5);
  QTest::mouseRelease(Down(), Qt::LeftButton);
  EXPECT_EQ(Spin->Value(), 4);
}

TEST_F(IntegerSpinTest, NewLimitsPullTheValueWithThem) {
  Spin->SetValue(8);
  Spin->SetMaxValue(5);
  EXPECT_EQ(Spin->text(), "5");
  Spin->SetMaxValue(20);
  Spin->SetMinValue(12);
  EXPECT_EQ(Spin->text(), "12");
  EXPECT_EQ(Spin->MinValue(), 12);
}

TEST_F(IntegerSpinTest, AReadOnlySpinBeepsAndKeepsItsValue) {
  Spin->SetValue(5);
  Spin->setReadOnly(true);
  QTest::mouseClick(Up(), Qt::LeftButton);
  QTest::mouseClick(Down(), Qt::LeftButton);
  QTest::keyClick(Spin, Qt::Key_Up);
  QTest::keyClick(Spin, Qt::Key_Down);
  EXPECT_EQ(Beeps, 4);
  EXPECT_EQ(Spin->Value(), 5);
}

TEST_F(IntegerSpinTest, ChangesAreReportedUnlessBlocked) {
  int changes = 0;
  Spin->OnChange = [&changes] { ++changes; };
  Spin->SetValue(3);
  QTest::keyClick(Spin, Qt::Key_Up);
  EXPECT_EQ(changes, 2);
  Spin->SetBlockChangeEvent(true);
  Spin->SetValue(6);
  EXPECT_EQ(changes, 2);
}

TEST_F(IntegerSpinTest, WrappingStepsRoundTheRangeAndTellWhichWay) {
  std::vector<TWrapMode> wraps;
  Spin->OnWrap = [&wraps](QObject*, TWrapMode mode) { wraps.push_back(mode); };
  Spin->SetWrap(true);
  Spin->SetValue(9);
  QTest::keyClick(Spin, Qt::Key_Up);
  EXPECT_EQ(Spin->text(), "1");  // 10 is the maximum, which reads as the minimum
  QTest::keyClick(Spin, Qt::Key_Down);
  EXPECT_EQ(Spin->text(), "9");
  EXPECT_EQ(wraps, std::vector<TWrapMode>({wmPastMaximum, wmBelowMinimum}));
}

TEST(BoundedValueTest, ClampsOrWrapsRoundTheRange) {
  constexpr int64_t Low = std::numeric_limits<int64_t>::min();
  constexpr int64_t High = std::numeric_limits<int64_t>::max();
  struct TCase {
    int64_t Value, Min, Max;
    bool Wrap;
    int64_t Expected;
  };
  const TCase cases[] = {
      {360, 0, 360, true, 0}, {365, 0, 360, true, 5},   {-5, 0, 360, true, 355},
      {10, 1, 10, true, 1},   {0, 1, 10, true, 9},      {5, 1, 10, true, 5},
      {3, 10, 20, true, 13},  {-9, 1, 10, true, 9},     {19, 5, 10, true, 9},
      {7, -10, -5, true, -8}, {Low, 0, 360, true, 352}, {High, Low, High, true, Low},
      {25, 1, 10, false, 10}, {0, 1, 10, false, 1},     {10, 1, 10, false, 10},
      {7, 5, 5, true, 5},     {7, 9, 3, true, 9},
  };
  for (const TCase& c : cases) {
    const int64_t bounded = BoundedValue(c.Value, c.Min, c.Max, c.Wrap);
    EXPECT_EQ(bounded, c.Expected) << c.Value << " in " << c.Min << ".." << c.Max;
    if (c.Wrap && c.Min < c.Max) {
      EXPECT_GE(bounded, c.Min);
      EXPECT_LT(bounded, c.Max);
    }
  }
}

TEST(SpinLayoutTest, ArrowsSitAtTheRightInnerEdgeWithTheUnitsLeftOfThem) {
  const TSpinLayout plain = LayOutSpin(QSize(121, 24), 2, 15, 0, false);
  EXPECT_EQ(plain.Arrows, QRect(104, 2, 15, 20));
  EXPECT_EQ(plain.TextRightMargin, 17);
  const TSpinLayout units = LayOutSpin(QSize(121, 24), 2, 15, 30, true);
  EXPECT_EQ(units.Units, QRect(74, 2, 30, 20));
  EXPECT_EQ(units.TextRightMargin, 47);
  EXPECT_EQ(SpinLeastHeight(13, 2), 19);
}

TEST_F(IntegerSpinTest, TheUnitsLabelFitsItsTextOrTheGivenWidth) {
  EXPECT_FALSE(Spin->UnitsLabel()->isVisible());
  Spin->SetUnitsString("px");
  EXPECT_TRUE(Spin->UnitsLabel()->isVisible());
  EXPECT_EQ(Spin->UnitsLabel()->width(),
            Spin->UnitsLabel()->fontMetrics().horizontalAdvance("px") + 6);
  EXPECT_EQ(Spin->UnitsLabel()->geometry().right() + 1, Spin->Button()->x());
  Spin->SetPanelWidth(40);
  EXPECT_EQ(Spin->UnitsLabel()->width(), 40);
  Spin->SetUnitsString("");
  EXPECT_FALSE(Spin->UnitsLabel()->isVisible());
  Spin->setEnabled(false);
  EXPECT_EQ(Spin->UnitsLabel()->palette().color(QPalette::Disabled, QPalette::WindowText),
            QColor(128, 128, 128));
}

TEST(ArrowButtonPaintTest, TrianglesPointTheirWayInTheMiddleOfTheButton) {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(200, 200, 200));
  const auto paint = [&palette](TArrowButtonState state) {
    QImage image(15, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintArrowButton(painter, image.rect(), state, palette);
    return image;
  };
  const auto row = [](const QImage& image, int y) {
    QString pixels;
    for (int x = 0; x < image.width(); ++x)
      pixels += image.pixel(x, y) == qRgb(0, 0, 0)         ? '#'
                : image.pixel(x, y) == qRgb(128, 128, 128) ? '+'
                                                           : '.';
    return pixels;
  };
  // x0 = (15 - 7) / 2 = 4, y0 = (12 - 3) / 2 = 4.
  const QImage down = paint({false, true, false, false});
  EXPECT_EQ(row(down, 4), "....#######....");
  EXPECT_EQ(row(down, 5), ".....#####.....");
  EXPECT_EQ(row(down, 7), ".......#.......");
  EXPECT_EQ(row(down, 8).mid(1, 13), ".............");
  const QImage up = paint({true, false, false, false});
  EXPECT_EQ(row(up, 3), ".......+.......");
  EXPECT_EQ(row(up, 6), "....+++++++....");
  EXPECT_EQ(row(up, 7).mid(1, 13), ".............");
  // The focus rectangle is inset by 3 pixels and moves with the pressed button.
  const QImage focused = paint({false, true, false, true});
  EXPECT_EQ(focused.pixel(3, 5), qRgb(0, 0, 0));
  EXPECT_EQ(focused.pixel(11, 3), qRgb(0, 0, 0));
  const QImage pressed = paint({false, true, true, true});
  EXPECT_NE(pressed.pixel(3, 5), qRgb(0, 0, 0));
  EXPECT_EQ(pressed.pixel(12, 4), qRgb(0, 0, 0));
}

}  // namespace

namespace {

TEST(UpDownButtonTest, TheDownArrowStartsOnePixelAboveTheUpArrowsBottom) {
  TUpDownButton pair;
  pair.resize(15, 21);
  pair.show();
  EXPECT_EQ(pair.UpButton()->geometry(), QRect(0, 0, 15, 10));
  EXPECT_EQ(pair.DownButton()->geometry(), QRect(0, 9, 15, 12));
}

}  // namespace
