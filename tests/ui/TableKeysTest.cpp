// The table from the keyboard and for screen readers: keys reach it from
// anywhere in the window, a mouse press hides the frame, and the accessible
// tree names every place and follows the frame.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "cards/Clock.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableAccessible.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/FancyButton.h"

namespace {

// What screen readers were told: each event's kind and its object's name.
std::vector<std::pair<QAccessible::Event, QString>> Told;

void Record(QAccessibleEvent& event) {
  QAccessibleInterface* iface = event.accessibleInterface();
  Told.emplace_back(event.type(), iface != nullptr ? iface->text(QAccessible::Name) : QString());
}

class TableKeysTest : public ::testing::Test {
 protected:
  TableKeysTest() : Form(&Sound, &Clock) {
    Form.VerboseMnu->setChecked(false);
    Form.resize(1024, 720);
    Form.show();
    Form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    ArrangeTable(Engine(), {"-3C 5H", "6S", "", "KD QD"}, {"S"});
  }

  TGameEngine& Engine() { return Form.Engine(); }
  void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, key, modifiers);
  }
  QAccessibleInterface* TableChild(int place) {
    return QAccessible::queryAccessibleInterface(Form.Image1)->child(place);
  }

  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(TableKeysTest, KeysFromAButtonPlayAMoveThatCtrlZUndoesAndAPressHidesTheFrame) {
  Form.UndoBtn->setFocus();
  Key(Form.UndoBtn, Qt::Key_Right);  // to the table, showing the frame
  EXPECT_TRUE(Form.Image1->hasFocus());
  EXPECT_TRUE(Engine().KeyFocus().Shown);
  EXPECT_EQ(Engine().KeyFocus().Place, FirstColumnPlace);
  Key(Form.Image1, Qt::Key_Return);
  Key(Form.Image1, Qt::Key_Right);
  Key(Form.Image1, Qt::Key_Space);
  EXPECT_EQ(Engine().Table.PileCount(1), 2);
  Key(Form.Image1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Engine().Table.PileCount(1), 1);

  Form.DealBtn->setFocus();
  Key(Form.DealBtn, Qt::Key_D);  // deals from anywhere: here refused
  EXPECT_EQ(Form.Panel(ErrorDis)->text(), "Can't deal while any columns are empty.");

  SendMouse(Form.Image1, QEvent::MouseButtonPress, QPoint(600, 400));
  SendMouse(Form.Image1, QEvent::MouseButtonRelease, QPoint(600, 400));
  EXPECT_FALSE(Engine().KeyFocus().Shown);
}

TEST_F(TableKeysTest, TabReachesTheTableAfterTheButtonsAndTakesTheFrameAlong) {
  Form.UndoBtn->setFocus();
  Key(Form.UndoBtn, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Form.Image1);
  EXPECT_TRUE(Engine().KeyFocus().Shown);
  Key(Form.Image1, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Form.UndoBtn);
  EXPECT_FALSE(Engine().KeyFocus().Shown);
}

TEST_F(TableKeysTest, ScreenReadersReadEveryPlaceAndFollowTheFrame) {
  SetAccessibleEventSink(Record);
  Told.clear();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Form.Image1);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->childCount(), TablePlaces);
  EXPECT_EQ(table->role(), QAccessible::List);
  EXPECT_EQ(TableChild(StockPlace)->text(QAccessible::Name), "Stock: 8 deals left");
  EXPECT_EQ(TableChild(FirstColumnPlace)->text(QAccessible::Name),
            "Column 1: 1 face down, Five of Hearts");
  EXPECT_EQ(TableChild(FirstHomePlace)->text(QAccessible::Name), "Home 1: Spades, full");
  EXPECT_EQ(table->indexOfChild(TableChild(FirstHomePlace)), FirstHomePlace);
  // The window shows the table larger than the engine lays it out here.
  ASSERT_GT(Form.Image1->LayoutScale(), 1.0);
  const QRect column = Form.Image1->WindowArea(Engine().PlaceRect(FirstColumnPlace + 3));
  EXPECT_EQ(TableChild(FirstColumnPlace + 3)->rect(),
            QRect(Form.Image1->mapToGlobal(column.topLeft()), column.size()));
  const QPoint inside = Form.Image1->mapToGlobal(column.center());
  EXPECT_EQ(table->childAt(inside.x(), inside.y()), TableChild(FirstColumnPlace + 3));

  Form.Image1->setFocus();
  Key(Form.Image1, Qt::Key_Down);  // shows the frame on column 1
  Key(Form.Image1, Qt::Key_Right);
  EXPECT_EQ(table->focusChild(), TableChild(FirstColumnPlace + 1));
  EXPECT_TRUE(TableChild(FirstColumnPlace + 1)->state().focused);
  ASSERT_FALSE(Told.empty());
  EXPECT_EQ(Told.back(), std::make_pair(QAccessible::Focus, QString("Column 2: Six of Spades")));
  Told.clear();
  Key(Form.Image1, Qt::Key_Left);
  Key(Form.Image1, Qt::Key_Return);
  Key(Form.Image1, Qt::Key_Right);
  Key(Form.Image1, Qt::Key_Return);  // 5H onto 6S
  const auto told = [](QAccessible::Event type, const QString& name) {
    return std::find(Told.begin(), Told.end(), std::make_pair(type, name)) != Told.end();
  };
  EXPECT_TRUE(told(QAccessible::NameChanged, "Column 1: Three of Clubs"));
  EXPECT_TRUE(told(QAccessible::NameChanged, "Column 2: Six of Spades, Five of Hearts"));

  SetAccessibleEventSink({});
}

TEST_F(TableKeysTest, ButtonsAndPanelsHaveNamesAndTheirTipsDescribeThem) {
  struct TCase {
    QWidget* Control;
    QString Name, Description;
  };
  const std::vector<TCase> cases = {
      {Form.DealBtn, "New Game", "Deal Cards"},
      {Form.UndoBtn, "Undo", "Undo Last Move"},
      {Form.FancyButton1, "Hint", "Show Next Hint"},
      {Form.Panel(MoveCntDis), "Moves: 0", "Possible Moves"},
      {Form.Panel(MessageDis), "Message: Please Deal Cards", "Messages"},
      {Form.Panel(ErrorDis), "Error: none", "Errors"},
  };
  for (const TCase& c : cases) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.Control);
    EXPECT_EQ(iface->text(QAccessible::Name), c.Name);
    EXPECT_EQ(iface->text(QAccessible::Description), c.Description);
  }
}

}  // namespace
