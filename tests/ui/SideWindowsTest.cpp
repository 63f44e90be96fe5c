// The side windows as the player reaches them from the main window: locate
// a card, the column view, the debug tools, the help and the error box's
// Help button.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "cards/Clock.h"
#include "game/RecordingHost.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/CardFindDlg.h"
#include "ui/dialogs/ColDisplayDlg.h"
#include "ui/dialogs/DebugCells.h"
#include "ui/dialogs/DebugDlg.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/DrawGrid.h"
#include "widgets/IntegerSpin.h"

namespace {

// Notes whether a modal window ever blocked a window.
class TBlockWatch : public QObject {
 public:
  explicit TBlockWatch(QWidget* window) { window->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    Blocked = Blocked || event->type() == QEvent::WindowBlocked;
    return false;
  }
  bool Blocked = false;
};

class SideWindowsTest : public ::testing::Test {
 protected:
  SideWindowsTest() : Form(&Sound, &Clock) {
    Form.resize(1024, 720);
    Form.show();
    Form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    Form.FitCardsMnu->trigger();  // the base layout: a table pixel is a window pixel
  }
  ~SideWindowsTest() override {
    Form.ColDisplayDlg().hide();
    Form.HelpWindow().close();
  }

  TGameEngine& Engine() { return Form.Engine(); }
  QString ErrorPanel() { return Form.Panel(ErrorDis)->text(); }
  void Press(QPoint p) {
    SendMouse(Form.Image1, QEvent::MouseButtonPress, p);
    SendMouse(Form.Image1, QEvent::MouseButtonRelease, p);
  }
  // Runs the locate command: picks rank and suit and presses OK (or
  // Cancel), and records the text of every information box that follows.
  void Locate(int rank, int suit, bool ok = true) {
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [this, rank, suit, ok] {
      TCardFindDlg& find = Form.CardFindDlg();
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == &find) {
        find.RankItems[static_cast<size_t>(rank)]->setChecked(true);
        find.SuitItems[static_cast<size_t>(suit)]->setChecked(true);
        QTest::mouseClick(ok ? find.OKBtn : find.CancelBtn, Qt::LeftButton);
      } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        Boxes << box->text();
        box->accept();
      }
    });
    answer.start();
    Form.LocateCardMnu->trigger();
  }

  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
  QStringList Boxes;
};

TEST_F(SideWindowsTest, TheSideWindowItemsAreEnabled) {
  for (QAction* item : {Form.DisplayColumnMnu, Form.LocateCardMnu, Form.DebugMnu, Form.ContentsMnu})
    EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
}

TEST_F(SideWindowsTest, LocateShowsABoxPerCopyInColumnOrderAndKeepsTheChoice) {
  ArrangeTable(Engine(), {"KH", "-4D 5C QS", "KD", "KC", "KS", "KH", "-9D -8D QS"});
  Locate(11, 3);
  EXPECT_EQ(Boxes, QStringList({"The Queen of Spades is in position 2 of column 2",
                                "The Queen of Spades is in position 1 of column 7"}));
  EXPECT_EQ(ErrorPanel(), "");
  EXPECT_TRUE(Form.CardFindDlg().RankItems[11]->isChecked());
  EXPECT_TRUE(Form.CardFindDlg().SuitItems[3]->isChecked());
  EXPECT_EQ(Form.CardFindDlg().Rank(), 11);
}

TEST_F(SideWindowsTest, ACardNotVisibleIsReportedAsAnErrorAndCancelDoesNothing) {
  Form.VerboseMnu->setChecked(false);
  ArrangeTable(Engine(), {"KH", "QH"}, {"S", "S"});
  Locate(11, 3);
  EXPECT_TRUE(Boxes.isEmpty());
  EXPECT_EQ(ErrorPanel(), "The Queen of Spades is not visible.");

  Form.Engine().ShowError(QString());
  Locate(11, 3, false);
  EXPECT_EQ(ErrorPanel(), "");
}

TEST_F(SideWindowsTest, WhileTheColumnViewIsUpTablePressesOnlyChooseTheColumn) {
  Form.VerboseMnu->setChecked(false);
  ArrangeTable(Engine(), {"9S", "10H", "5C", "KS"});
  TColDisplayDlg& view = Form.ColDisplayDlg();
  Form.DisplayColumnMnu->trigger();
  ASSERT_TRUE(view.isVisible());
  EXPECT_EQ(view.windowTitle(), "Cards from column 1");

  const QPoint nine = Engine().SlotPoint(0, 0) + QPoint(20, 20);
  const QPoint ten = Engine().SlotPoint(1, 0) + QPoint(20, 20);
  SendMouse(Form.Image1, QEvent::MouseButtonPress, nine);
  for (int i = 1; i <= 15; ++i)
    SendMouse(Form.Image1, QEvent::MouseMove, nine + (ten - nine) * i / 15);
  SendMouse(Form.Image1, QEvent::MouseButtonRelease, ten);
  Press(ten);
  EXPECT_EQ(Engine().Table.PileCount(0), 1);
  EXPECT_EQ(Engine().Table.PileCount(1), 1);
  EXPECT_EQ(Engine().SelectStage, 0);
  EXPECT_EQ(view.ColSpin->Value(), 2);
  EXPECT_EQ(view.windowTitle(), "Cards from column 2");

  // Left of the first column and beyond the tenth, the nearest end is chosen.
  for (const auto& [x, column] : {std::pair{1, 1}, {-300, 1}, {Form.Image1->width() - 1, 10}}) {
    Press(QPoint(x, 300));
    EXPECT_EQ(view.ColSpin->Value(), column) << x;
  }
  EXPECT_EQ(view.windowTitle(), "Cards from column 10");

  // Closed, the view gives the table back to the game; the spin keeps its column.
  view.OKBtn->click();
  EXPECT_FALSE(view.isVisible());
  Press(nine);
  Press(ten);
  EXPECT_EQ(Engine().Table.PileCount(1), 2);
  Form.DisplayColumnMnu->trigger();
  EXPECT_EQ(view.windowTitle(), "Cards from column 10");
}

// Enter in the number box is no character of a number: the view stays open
// on the column typed, and the default button is not pressed.
TEST_F(SideWindowsTest, EnterInTheColumnNumberKeepsTheViewOpen) {
  TColDisplayDlg& view = Form.ColDisplayDlg();
  Form.DisplayColumnMnu->trigger();
  int beeps = 0;
  view.ColSpin->Beep = [&beeps] { ++beeps; };
  view.ColSpin->setFocus();
  view.ColSpin->selectAll();
  QTest::keyClicks(view.ColSpin, "7");
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
    QTest::keyClick(view.ColSpin, key);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(view.ColSpin->Value(), 7);
  EXPECT_EQ(view.windowTitle(), "Cards from column 7");
}

TEST_F(SideWindowsTest, TheColumnViewShowsTheColumnAsItWasWhenChosen) {
  Form.VerboseMnu->setChecked(false);
  ArrangeTable(Engine(), {"", "-KD -QD", "9S 8S", "10H"});
  TColDisplayDlg& view = Form.ColDisplayDlg();
  const QImage grey = [] {
    QImage image(TColDisplayDlg::PictureSize, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    return image;
  }();
  for (int c : {0, 1}) {
    view.DisplayColumn(c);
    EXPECT_EQ(view.windowTitle(), "Cards from column " + QString::number(c + 1));
    EXPECT_EQ(view.Picture(), grey) << "column " << c;
  }
  view.DisplayColumn(2);
  EXPECT_EQ(view.Picture().pixel(5, 40), Engine().Table.Slot(2, 0)->Face().pixel(5, 35));
  const QImage before = view.Picture();
  Engine().Table.Slot(2, 1)->FaceUp = false;  // the game changes the column
  EXPECT_EQ(view.Picture(), before);
}

TEST(ColumnViewTest, TwelveLargeCardsMakeARowOfNineAndARowOfThree) {
  TRecordingHost host;
  TGameEngine engine(host);
  engine.ResizeTable(QSize(1024, 768));
  engine.EngineStart();
  ArrangeTable(engine, {"-AH -2H KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"});
  const QSize card = engine.Deck().CardSize();
  const std::vector<TColumnViewSpot> spots = ColumnViewSpots(engine.Table, 0, card, 681);
  ASSERT_EQ(spots.size(), 13u);
  for (size_t i = 0; i < spots.size(); ++i) {
    const int row = static_cast<int>(i) / 9, n = static_cast<int>(i) % 9;
    EXPECT_EQ(spots[i].At, QPoint(n * (card.width() + 5), 5 + row * card.height() / 2)) << i;
    EXPECT_EQ(spots[i].Card, engine.Table.Slot(0, static_cast<int>(i) + 2));
  }
  EXPECT_EQ(spots[9].At.y(), 53);
  // Small cards make rows of eleven.
  EXPECT_EQ(ColumnViewSpots(engine.Table, 0, QSize(54, 72), 681)[11].At, QPoint(0, 41));
  EXPECT_TRUE(ColumnViewSpots(engine.Table, 10, card, 681).empty());
}

TEST_F(SideWindowsTest, TheDebugGridsReadTheGameWhenTheyPaint) {
  TDebugDlg& debug = Form.DebugDlg();
  Form.DebugMnu->trigger();
  EXPECT_TRUE(debug.isVisible());
  const auto pile = [&debug](int col, int row) { return debug.PileGrid->CellText(col, row); };
  const auto home = [&debug](int col, int row) { return debug.HomeGrid->CellText(col, row); };
  EXPECT_EQ(pile(0, 0), "#");
  EXPECT_EQ(pile(10, 0), "10");
  EXPECT_EQ(pile(0, 20), "20");
  EXPECT_EQ(pile(1, 1), "nil");
  EXPECT_EQ(home(8, 13), "nil");
  EXPECT_EQ(debug.DeckGrid->CellText(1, 1), "AH");
  EXPECT_EQ(debug.DeckGrid->CellText(2, 1), "0");
  EXPECT_EQ(debug.DeckGrid->CellText(4, 0), "Position");
  EXPECT_EQ(debug.DeckGrid->ColWidth(4), 90);

  ArrangeTable(Engine(), {"-KD QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS KH QH JH 10H 9H 8H 7H 6H 5H"},
               {"C"});
  EXPECT_EQ(debug.PileGrid->RowCount(), 21);
  EXPECT_EQ(pile(1, 1), "KD (25) -");
  EXPECT_EQ(pile(1, 2), "QS (50) +");
  EXPECT_EQ(pile(1, 20), CardLabel(Engine().Table.Slot(0, 19)));
  EXPECT_EQ(home(1, 1), "AC (26) +");
  EXPECT_EQ(debug.DeckGrid->CellText(3, 26), "Down");
  EXPECT_EQ(debug.DeckGrid->CellText(3, 51), "Up");
  EXPECT_EQ(debug.DeckGrid->CellText(4, 104), "X: 5 Y: 5");  // in the stock
  EXPECT_EQ(debug.DeckGrid->CellText(5, 104), "Yes");

  // Moves over the table show in the pointer panel, also while it is hidden.
  debug.hide();
  SendMouse(Form.Image1, QEvent::MouseMove, QPoint(412, 236));
  EXPECT_EQ(debug.MouseDis->text(), "412 236");
}

TEST_F(SideWindowsTest, WithUndoTickedTheSlotsComeFromTheStepUndoWouldTakeBack) {
  Form.VerboseMnu->setChecked(false);
  TDebugDlg& debug = Form.DebugDlg();
  debug.UndoChk->setChecked(true);
  ArrangeTable(Engine(), {"9S", "10H"});
  EXPECT_EQ(debug.PileGrid->CellText(1, 1), "nil");  // nothing to undo yet
  Press(Engine().SlotPoint(0, 0) + QPoint(20, 20));
  Press(Engine().SlotPoint(1, 0) + QPoint(20, 20));
  ASSERT_EQ(Engine().Table.PileCount(1), 2);
  EXPECT_EQ(debug.PileGrid->CellText(1, 1), "9S (47) +");
  EXPECT_EQ(debug.PileGrid->CellText(2, 2), "nil");
  debug.UndoChk->setChecked(false);
  EXPECT_EQ(debug.PileGrid->CellText(1, 1), "nil");
  EXPECT_EQ(debug.PileGrid->CellText(2, 2), "9S (47) +");
}

TEST_F(SideWindowsTest, ContentsOpensTheHelpAtItsContents) {
  Form.ContentsMnu->trigger();
  EXPECT_TRUE(Form.HelpWindow().isVisible());
  EXPECT_EQ(Form.HelpWindow().CurrentPage(), "index.html");
}

TEST_F(SideWindowsTest, TheErrorBoxHelpButtonOpensMessagesAndLeavesTheBoxOpen) {
  ArrangeTable(Engine(), {"5C", "KS"});
  bool stillOpen = false;
  QStringList pages;
  AnswerNextDialog([this, &stillOpen, &pages](QWidget* dialog) {
    auto* box = dynamic_cast<TErrorBox*>(dialog);
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->Buttons->button(QDialogButtonBox::Help), Qt::LeftButton);
    stillOpen = box->isVisible();
    pages << Form.HelpWindow().CurrentPage();
    QTest::mouseClick(Form.HelpWindow().ContentsBtn, Qt::LeftButton);
    pages << Form.HelpWindow().CurrentPage();
    QTest::mouseClick(box->Buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  TBlockWatch game(&Form), help(&Form.HelpWindow());
  Press(Engine().SlotPoint(0, 0) + QPoint(20, 20));
  Press(Engine().SlotPoint(1, 0) + QPoint(20, 20));
  // The box blocks the game, not the help.
  EXPECT_TRUE(game.Blocked);
  EXPECT_FALSE(help.Blocked);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(Form.HelpWindow().isVisible());
  EXPECT_EQ(pages, QStringList({"messages.html", "index.html"}));
  EXPECT_EQ(ErrorPanel(), "No where to move Five of Clubs");
}

}  // namespace
