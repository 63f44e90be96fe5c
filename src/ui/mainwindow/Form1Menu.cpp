// The main window's menu: every item, its accelerator letter, shortcut and
// check mark, wired to the window's commands.

#include <QApplication>
#include <QMenuBar>

#include "ui/mainwindow/Form1.h"

QAction* TForm1::AddItem(QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
  QAction* item = menu->addAction(caption);
  if (handler != nullptr)
    connect(item, &QAction::triggered, this, handler);
  else
    item->setEnabled(false);  // its command comes with a later part of the program
  return item;
}

// A check-mark item; those without a handler only toggle their mark, which
// the engine reads.
QAction* TForm1::AddOption(QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
  QAction* item = menu->addAction(caption);
  item->setCheckable(true);
  if (handler != nullptr)
    connect(item, &QAction::triggered, this, handler);
  return item;
}

// The desktop's own keys for a standard command, or `fallback` where the
// desktop binds none (the keys most desktops use).
static void SetStandardShortcut(QAction* item, QKeySequence::StandardKey key,
                                const QKeySequence& fallback) {
  const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  item->setShortcuts(keys.isEmpty() ? QList<QKeySequence>{fallback} : keys);
}

void TForm1::MakeMenu() {
  MakeGameMenu();
  MakeMoveMenu();
  MakeViewMenu();
  MakeOptionsMenu();
  MakeHelpMenu();
}

void TForm1::MakeGameMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Game"));
  NewMnu = AddItem(menu, QStringLiteral("New"), &TForm1::NewMnuClick);
  SelectGameMnu = AddItem(menu, QStringLiteral("Select &Game..."), &TForm1::SelectGameMnuClick);
  menu->addSeparator();
  LoadMnu = AddItem(menu, QStringLiteral("&Load..."), &TForm1::LoadMnuClick);
  ReloadMnu = menu->addMenu(QStringLiteral("&Reload"));
  SaveMnu = AddItem(menu, QStringLiteral("&Save..."), &TForm1::SaveMnuClick);
  SaveAsMnu = AddItem(menu, QStringLiteral("Save &As..."), &TForm1::SaveAsMnuClick);
  menu->addSeparator();
  ExitMnu = menu->addAction(QStringLiteral("&Exit"));
  connect(ExitMnu, &QAction::triggered, this, &QWidget::close);
  SetStandardShortcut(LoadMnu, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
  SetStandardShortcut(SaveMnu, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
  SetStandardShortcut(SaveAsMnu, QKeySequence::SaveAs,
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  SetStandardShortcut(ExitMnu, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TForm1::MakeMoveMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Move"));
  UndoMnu = AddItem(menu, QStringLiteral("&Undo"), &TForm1::UndoMnuClick);
  UndoMnu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  RedoMnu = AddItem(menu, QStringLiteral("&Redo"), &TForm1::RedoMnuClick);
  RedoMnu->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  RedoMnu->setEnabled(false);  // nothing undone yet
  DealMnu = AddItem(menu, QStringLiteral("&Deal Row"), &TForm1::NewMnuClick);
  DealMnu->setShortcut(QKeySequence(Qt::Key_F2));
  ReplayMnu = AddItem(menu, QStringLiteral("&Replay"), &TForm1::ReplayMnuClick);
  ReplayMnu->setShortcut(QKeySequence(Qt::Key_R));
  menu->addSeparator();
  HintMnu = AddItem(menu, QStringLiteral("&Hint"), &TForm1::HintMnuClick);
  HintMnu->setShortcut(QKeySequence(Qt::Key_H));
  HintMnu->setEnabled(false);  // until a game is dealt
  SolveMnu = AddItem(menu, QStringLiteral("&Solve..."), &TForm1::SolveMnuClick);
  SolveMnu->setEnabled(false);
}

void TForm1::MakeViewMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
  DisplayColumnMnu =
      AddItem(menu, QStringLiteral("&Display Column..."), &TForm1::DisplayColumnMnuClick);
  LocateCardMnu = AddItem(menu, QStringLiteral("&Locate Card..."), &TForm1::LocateCardMnuClick);
  menu->addSeparator();
  StatisticsMnu = AddItem(menu, QStringLiteral("&Statistics..."), &TForm1::StatisticsMnuClick);
}

void TForm1::MakeOptionsMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Options"));
  CardBacksMnu = AddItem(menu, QStringLiteral("&Card Backs..."), &TForm1::CardBacksMnuClick);
  SmallCardsMnu = AddOption(menu, QStringLiteral("&Small Cards"), &TForm1::SmallCardsMnuClick);
  FitCardsMnu = AddOption(menu, QStringLiteral("&Fit Cards To Window"), &TForm1::FitCardsMnuClick);
  menu->addSeparator();
  AutoMoveMnu = AddOption(menu, QStringLiteral("&Auto-Move Mode"));
  MakeSuitsMenu(menu);
  DisableSoundMnu =
      AddOption(menu, QStringLiteral("&Disable Sound"), &TForm1::DisableSoundMnuClick);
  VerboseMnu = AddOption(menu, QStringLiteral("&Verbose"));
  VerboseMnu->setChecked(true);
  menu->addSeparator();
  SaveDefaultsMnu = AddItem(menu, QStringLiteral("Save &Defaults"), &TForm1::SaveDefaultsMnuClick);
  RestoreDefaultsMnu =
      AddItem(menu, QStringLiteral("&Restore Defaults"), &TForm1::RestoreDefaultsMnuClick);
  FactoryDefaultsMnu =
      AddItem(menu, QStringLiteral("&Factory Defaults"), &TForm1::FactoryDefaultsMnuClick);
  DebugMnu = AddItem(menu, QStringLiteral("De&bug..."), &TForm1::DebugMnuClick);
}

void TForm1::MakeHelpMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
  ContentsMnu = AddItem(menu, QStringLiteral("&Contents..."), &TForm1::ContentsMnuClick);
  SetStandardShortcut(ContentsMnu, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
  menu->addSeparator();
  AboutMnu = AddItem(menu, QStringLiteral("&About..."), &TForm1::AboutMnuClick);
}
