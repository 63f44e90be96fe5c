// The main window's settings and the windows that go with them: the three
// Defaults commands, the window kept where the player can reach it, the
// recent games under "Reload", "Card Backs..." and "About...".

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "persist/IniFile.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/CardBackDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/ReopenMenu.h"
#include "ui/mainwindow/WindowPlace.h"

namespace {

// The window's width after "Factory Defaults": 794 pixels with its frame,
// whose sides take 16 of the 817 the window starts with.
constexpr int FactoryWidth = 794 - (817 - 801);
// Room for the title bar while the window manager has not yet framed the window.
constexpr int UnframedTitleBar = 30;
constexpr int RecentGamesLimit = 10;

// The screens' areas free of panels, the primary screen first.
QList<QRect> AvailableScreens() {
  QList<QRect> screens;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr)
    screens << primary->availableGeometry();
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen != primary)
      screens << screen->availableGeometry();
  return screens;
}

constexpr int DesignTableHeight = 472;
constexpr int LeastTableHeight = 100;

}  // namespace

// The table is 801 x 472 between the tool bar and the status bar.
QSize TForm1::DesignSize() const {
  return QSize(801, menuBar()->sizeHint().height() + Panel2->height() + DesignTableHeight +
                        Panel6->height());
}

// The least window the settings file may ask for: the tool bar, 100 pixels
// of table and the status bar.
QSize TForm1::LeastSize() const {
  return DesignSize() - QSize(0, DesignTableHeight - LeastTableHeight);
}

// The design's place, moved and shrunk onto a screen too small for it; then
// the settings file and the recent games, as at every start.
void TForm1::MakeSettings() {
  const QList<QRect> screens = AvailableScreens();
  if (!screens.isEmpty())
    PlaceFrame(FitOnScreen(FrameRect(), screens.front()));
  ReopenMenu1 = new TReopenMenu(this);
  ReopenMenu1->Limit = RecentGamesLimit;
  ReopenMenu1->INIFile = FSettingsFile;
  ReopenMenu1->INISection = QStringLiteral("History");
  ReopenMenu1->SetMenuItem(ReloadMnu);
  ReopenMenu1->OnMenuClick = [this](QObject*, const QString& path) { ReopenMenu1Click(path); };
  RestoreDefaults();
  ReopenMenu1->LoadHistory();
}

QRect TForm1::FrameRect() const {
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, UnframedTitleBar);
  return QRect(pos(), size() + frame);
}

void TForm1::PlaceFrame(const QRect& frame) {
  resize(frame.size() - (FrameRect().size() - size()));
  move(frame.topLeft());
}

TSettings TForm1::CurrentSettings() const {
  TSettings settings;
  settings.CardBack = FEngine->Deck().CardBack();
  settings.SmallCards = FEngine->SmallCards;
  settings.ScreenHeight = height();
  settings.PositionX = pos().x();
  settings.PositionY = pos().y();
  settings.SoundOff = FSoundPlayer.SoundOff;
  settings.SingleClickMode = AutoMoveMnu->isChecked();
  settings.Verbose = VerboseMnu->isChecked();
  settings.Suits = FEngine->NextSuits;
  settings.FitCards = FEngine->FitCards();
  return settings;
}

// The window's new place is checked whole before it is taken: a height
// from the file could be far beyond any screen.
void TForm1::ApplySettings(const TSettings& settings) {
  FEngine->Deck().SetCardBack(settings.CardBack);
  FEngine->RepaintAll();
  FEngine->ApplyCardSize(settings.SmallCards);
  const QRect frame =
      FrameFromSettings(FrameRect(), height(), LeastSize().height(), settings.ScreenHeight,
                        QPoint(settings.PositionX, settings.PositionY));
  PlaceFrame(ReachablePlace(frame, AvailableScreens()));
  FSoundPlayer.SoundOff = settings.SoundOff;
  DisableSoundMnu->setChecked(settings.SoundOff);
  if (settings.SoundOff)
    FSoundPlayer.StopSound();
  AutoMoveMnu->setChecked(settings.SingleClickMode);
  VerboseMnu->setChecked(settings.Verbose);
  ApplyFitCards(settings.FitCards);
  FEngine->NextSuits = settings.Suits;
  CheckSuits(settings.Suits);
}

void TForm1::RestoreDefaults() {
  ApplySettings(ReadSettingsFile(FSettingsFile, CurrentSettings()));
}

void TForm1::SaveDefaults() {
  try {
    SaveSettingsFile(FSettingsFile, CurrentSettings());
  } catch (const EIniFileError& error) {
    ShowFileError(QString::fromStdString(error.what()));
  }
}

// The file is not touched: "Save Defaults" afterwards stores these values.
void TForm1::FactoryDefaults() {
  const QSize frame = FrameRect().size() - size();
  resize(FactoryWidth, height());
  TSettings factory;
  factory.ScreenHeight = DesignSize().height();
  const QList<QRect> screens = AvailableScreens();
  if (!screens.isEmpty()) {
    QRect centred(QPoint(0, 0), QSize(FactoryWidth, factory.ScreenHeight) + frame);
    centred.moveCenter(screens.front().center());
    factory.PositionX = centred.x();
    factory.PositionY = centred.y();
  }
  ApplySettings(factory);
}

void TForm1::SaveDefaultsMnuClick() {
  if (FEngine->CanStartCommand())
    SaveDefaults();
}

void TForm1::RestoreDefaultsMnuClick() {
  if (FEngine->CanStartCommand())
    RestoreDefaults();
}

void TForm1::FactoryDefaultsMnuClick() {
  if (FEngine->CanStartCommand())
    FactoryDefaults();
}

void TForm1::CardBacksMnuClick() {
  if (!FEngine->CanStartCommand() || !CardBackDlg().Execute(FEngine->Deck().CardBack()))
    return;
  FEngine->Deck().SetCardBack(FCardBackDlg->SelectedBack());
  FEngine->RepaintAll();
  FEngine->Redraw(true);
}

TCardBackDlg& TForm1::CardBackDlg() {
  if (FCardBackDlg == nullptr)
    FCardBackDlg = new TCardBackDlg(this);
  return *FCardBackDlg;
}

TAboutBox& TForm1::AboutBox() {
  if (FAboutBox == nullptr)
    FAboutBox = new TAboutBox(this);
  return *FAboutBox;
}

void TForm1::AboutMnuClick() {
  if (FEngine->CanStartCommand())
    AboutBox().Execute();
}

// Reopening a game leaves the list's order as it is.
void TForm1::ReopenMenu1Click(const QString& path) {
  FEngine->LoadGameWithProgress(path);
}

void TForm1::AddRecentGame(const QString& fileName) {
  ReopenMenu1->AddPath(fileName);
  ReopenMenu1->SaveHistory();
}
