// The main window's commands beside the classic game: redo, suits, game
// numbers and statistics, driven by menu and keys.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "cards/Clock.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/SelectGameDlg.h"
#include "ui/mainwindow/Form1.h"

namespace {

class Form1AdditionsTest : public ::testing::Test {
 protected:
  Form1AdditionsTest() : Form(&Sound, &Clock) {
    Form.show();
    Form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    Form.VerboseMnu->setChecked(false);
  }

  TGameEngine& Engine() { return Form.Engine(); }
  void Key(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&Form, static_cast<Qt::Key>(key), modifiers);
  }
  // The captions of a menu's items, separators left out.
  static QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* item : menu->actions())
      if (!item->isSeparator())
        captions << item->text();
    return captions;
  }
  QMenu* MenuOf(const QAction* item) {
    for (QAction* top : Form.menuBar()->actions())
      if (top->menu() != nullptr && top->menu()->actions().contains(item))
        return top->menu();
    return nullptr;
  }

  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(Form1AdditionsTest, RedoFollowsUndoInTheMoveMenuAndAnswersBothShortcuts) {
  ASSERT_NE(MenuOf(Form.RedoMnu), nullptr);
  const QStringList items = Captions(MenuOf(Form.RedoMnu));
  EXPECT_EQ(items.indexOf("&Redo"), items.indexOf("&Undo") + 1);
  EXPECT_EQ(Form.RedoMnu->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  ArrangeTable(Engine(), {"9S", "10H", "5C", "KS", "KH", "KC", "QD", "QH", "QC", "QS"});
  Engine().Selection = {TTablePos{0, 0, Engine().Table.Slot(0, 0)},
                        TTablePos{1, 0, Engine().Table.Slot(1, 0)}};
  Engine().CollectRun(Engine().Selection[0]);
  Engine().PlaceSelection();
  EXPECT_FALSE(Form.RedoMnu->isEnabled());
  for (const Qt::KeyboardModifiers modifiers :
       {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Engine().Table.PileCount(1), 1);
    EXPECT_TRUE(Form.RedoMnu->isEnabled());
    Key(modifiers == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, modifiers);
    EXPECT_EQ(Engine().Table.PileCount(1), 2);
    EXPECT_FALSE(Form.RedoMnu->isEnabled());
  }
}

TEST_F(Form1AdditionsTest, TheSuitsMenuTellsWhenItsChoiceTakesEffect) {
  const QStringList options = Captions(MenuOf(Form.AutoMoveMnu));
  EXPECT_EQ(options.indexOf("S&uits"), options.indexOf("&Auto-Move Mode") + 1);
  EXPECT_EQ(Captions(Form.SuitsMnu),
            (QStringList{"&One Suit (Spades)", "&Two Suits (Hearts and Spades)", "&Four Suits"}));
  EXPECT_TRUE(Form.FourSuitsMnu->isChecked());
  Engine().NewGame();
  const std::vector<std::tuple<QAction*, int, QString>> cases{
      {Form.OneSuitMnu, 1, "The next new game deals one suit"},
      {Form.TwoSuitsMnu, 2, "The next new game deals two suits"},
      {Form.FourSuitsMnu, 4, "The next new game deals four suits"}};
  for (const auto& [item, suits, message] : cases) {
    item->trigger();
    EXPECT_EQ(Form.Panel(ErrorDis)->text(), message);
    EXPECT_EQ(Form.CurrentSettings().Suits, suits);
  }
  Form.OneSuitMnu->trigger();
  EXPECT_EQ(Engine().Suits, 4);  // the game on the table keeps its suits
  Engine().NewGame();
  EXPECT_EQ(Engine().Suits, 1);
  TSettings settings = Form.CurrentSettings();
  settings.Suits = 2;
  Form.ApplySettings(settings);
  EXPECT_TRUE(Form.TwoSuitsMnu->isChecked());
  Form.FactoryDefaults();
  EXPECT_TRUE(Form.FourSuitsMnu->isChecked());
  EXPECT_EQ(Engine().NextSuits, 4);
}

TEST(SelectGameDlgTest, GameNumbersAreDecimalsUpTo32Bits) {
  const std::vector<std::pair<QString, std::optional<uint32_t>>> cases{
      {"0", 0u},          {"4294967295", 4294967295u},
      {" 42 ", 42u},      {"0007", 7u},
      {"4294967296", {}}, {"99999999999", {}},
      {"-1", {}},         {"+5", {}},
      {"", {}},           {"1e3", {}},
      {"12 34", {}},      {"０", {}}};
  for (const auto& [text, number] : cases)
    EXPECT_EQ(ParseGameNumber(text), number) << text.toStdString();
}

TEST_F(Form1AdditionsTest, SelectGameShowsTheNumberAndDealsTheOneTyped) {
  const QStringList items = Captions(MenuOf(Form.SelectGameMnu));
  EXPECT_EQ(items.indexOf("Select &Game..."), items.indexOf("New") + 1);
  Engine().DealNumberedGame(123);
  QString shown;
  AnswerNextDialog([&](QWidget*) {
    auto& dialog = Form.SelectGameDlg();
    shown = dialog.NumberEdit->text();
    dialog.NumberEdit->setText("4294967296");
    EXPECT_FALSE(dialog.OKBtn->isEnabled());
    dialog.NumberEdit->setText("4294967295");
    dialog.OKBtn->click();
  });
  Form.SelectGameMnu->trigger();
  EXPECT_EQ(shown, "123");
  EXPECT_EQ(Engine().GameNumber, 4294967295u);
}

}  // namespace
