#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "cards/Sound.h"
#include "game/GameEngine.h"
#include "game/GameHost.h"
#include "persist/Settings.h"
#include "persist/StatisticsFile.h"

class QAction;
class QCloseEvent;
class QFileDialog;
class QKeyEvent;
class QLabel;
class QMenu;
class QTimer;
class QWidget;
class TAboutBox;
class TCardBackDlg;
class TCardFindDlg;
class TCHMHelper;
class TClock;
class TColDisplayDlg;
class TDebugDlg;
class TFancyButton;
class TFireworksStopHook;
class TGameMessageDlg;
class THelpWindow;
class THintController;
class THintDisplay;
class TLazyHelpWindow;
class TProgressDlg;
class TReopenMenu;
class TSelectGameDlg;
class TStatisticsDlg;
class TSolveDlg;
class TSubTimer;
class TTableImage;
class TWinnerWindow;

// The main window: menu, tool bar, card table and status bar. It owns no
// game logic; it hands every command and every mouse event on the table to
// the game engine, and it is the engine's host: it shows the table picture,
// plays the sounds, keeps the status bar, the caption and the game clock.
class TForm1 : public QMainWindow, private TGameHost {
 public:
  // Tests hand in a sound output that records and a clock that waits in
  // zero time; the program plays through the audio device on the real clock.
  // The settings file is read at start and written by "Save Defaults";
  // with an empty name no settings are kept.
  explicit TForm1(TSoundOutput* soundOutput = nullptr, TClock* clock = nullptr,
                  QWidget* parent = nullptr, const QString& settingsFile = UserSettingsFile());
  ~TForm1() override;

  TGameEngine& Engine() { return *FEngine; }
  // The dialogs and side windows are made when first needed, which keeps
  // the start quick.
  TGameMessageDlg& GameMessageDlg();
  TProgressDlg& ProgressDlg() { return *FProgressDlg; }
  TSoundPlayer& Sound() { return FSoundPlayer; }
  QLabel* Panel(TStatusPanel panel) const { return FPanels[static_cast<size_t>(panel)]; }

  // Menu items, under the names the commands are wired by.
  QAction* NewMnu = nullptr;
  QAction* SelectGameMnu = nullptr;
  QAction* LoadMnu = nullptr;
  QMenu* ReloadMnu = nullptr;
  QAction* SaveMnu = nullptr;
  QAction* SaveAsMnu = nullptr;
  QAction* ExitMnu = nullptr;
  QAction* UndoMnu = nullptr;
  QAction* RedoMnu = nullptr;
  QAction* DealMnu = nullptr;
  QAction* ReplayMnu = nullptr;
  QAction* HintMnu = nullptr;
  QAction* SolveMnu = nullptr;
  QAction* DisplayColumnMnu = nullptr;
  QAction* LocateCardMnu = nullptr;
  QAction* CardBacksMnu = nullptr;
  QAction* SmallCardsMnu = nullptr;
  QAction* FitCardsMnu = nullptr;
  QAction* AutoMoveMnu = nullptr;
  QMenu* SuitsMnu = nullptr;
  QAction* OneSuitMnu = nullptr;
  QAction* TwoSuitsMnu = nullptr;
  QAction* FourSuitsMnu = nullptr;
  QAction* DisableSoundMnu = nullptr;
  QAction* VerboseMnu = nullptr;
  QAction* SaveDefaultsMnu = nullptr;
  QAction* RestoreDefaultsMnu = nullptr;
  QAction* FactoryDefaultsMnu = nullptr;
  QAction* DebugMnu = nullptr;
  QAction* ContentsMnu = nullptr;
  QAction* AboutMnu = nullptr;

  QWidget* Panel2 = nullptr;
  TFancyButton* DealBtn = nullptr;
  TFancyButton* UndoBtn = nullptr;
  TFancyButton* FancyButton1 = nullptr;
  TTableImage* Image1 = nullptr;
  QWidget* Panel6 = nullptr;
  TSubTimer* GameTime = nullptr;
  QTimer* DisplayTimer = nullptr;
  // Made on first use.
  QFileDialog* SaveDialog1();
  QFileDialog* OpenDialog1();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MakeMenu();
  void MakeGameMenu();
  void MakeMoveMenu();
  void MakeViewMenu();
  void MakeOptionsMenu();
  void MakeHelpMenu();
  void MakeToolBar();
  void MakeStatusBar();
  void MakeTable();
  QAction* AddItem(QMenu* menu, const QString& caption, void (TForm1::*handler)() = nullptr);
  QAction* AddOption(QMenu* menu, const QString& caption, void (TForm1::*handler)() = nullptr);
  void PlaceHintButton();
  // Draws the table and the tool-bar glyphs for the screen's device pixel
  // ratio (Form1Screen.cpp).
  void ApplyPixelRatio(double ratio);
  // Fitted cards (Form1Screen.cpp): the table laid out for the window's
  // table once its size has settled, and the option that scales it.
  void FitTableToWindow();
  void ApplyFitCards(bool on);
  void FitCardsMnuClick();
  QTimer* FTableResize = nullptr;

  // Commands; none runs while a deal or an undo animation lets events through.
  void NewMnuClick();
  void UndoMnuClick();
  void RedoMnuClick();
  void ReplayMnuClick();
  void SmallCardsMnuClick();
  void DisableSoundMnuClick();
  void DisplayTimerTimer();

  // The engine's host.
  void ShowTable(const QRegion& changed) override;
  bool FrameDue() override;
  void ProcessMessages() override;
  TClock& Clock() override;
  void PlaySound(int sound, bool loop) override;
  void StopSound() override;
  void SetPanelText(TStatusPanel panel, const QString& text) override;
  QRgb PanelColour(TStatusPanel panel) const override;
  void SetPanelColour(TStatusPanel panel, QRgb colour) override;
  void SetCaption(const QString& caption) override;
  void ShowErrorBox(const QString& text) override;
  TGameMessageResult ShowGameMessage(int page, const QString& caption, const QString& text,
                                     const QString& okCaption,
                                     const QString& cancelCaption) override;
  void SetGameClock(bool on) override;
  void ShowWinner() override;
  bool FireworksRunning() const override;
  bool AutoMoveMode() const override;
  bool VerboseMode() const override;
  void SetSmallCardsChecked(bool checked) override;
  int ScreenWidth() const override;

  // Saved games: the commands, the file dialogs and the progress window
  // (Form1Files.cpp).
  void MakeFileDialogs();
  void LoadMnuClick();
  void SaveMnuClick();
  void SaveAsMnuClick();
  double GameClockTime() const override;
  void StartGameClockAt(double seconds) override;
  bool AskSaveFileName(QString& fileName) override;
  bool AskOpenFileName(QString& fileName) override;
  void ShowProgress(bool visible) override;
  void SetProgress(int percent) override;
  void ShowInformation(const QString& text) override;
  void ShowFileError(const QString& text) override;
  TQuestionAnswer AskYesNoCancel(const QString& text) override;
  void AddRecentGame(const QString& fileName) override;
  void SetRedoAvailable(bool available) override;

  std::unique_ptr<TFireworksStopHook> FHook;
  std::unique_ptr<TSoundOutput> FAudio;
  TSoundPlayer FSoundPlayer;
  TClock& FClock;
  std::array<QLabel*, 5> FPanels{};
  TGameMessageDlg* FGameMessageDlg = nullptr;
  TProgressDlg* FProgressDlg = nullptr;
  QFileDialog* FSaveDialog1 = nullptr;
  QFileDialog* FOpenDialog1 = nullptr;
  std::unique_ptr<TGameEngine> FEngine;
  std::unique_ptr<TWinnerWindow> FWinner;

  // Side windows and help (Form1Windows.cpp).
 public:
  TCardFindDlg& CardFindDlg();
  TColDisplayDlg& ColDisplayDlg();
  TDebugDlg& DebugDlg();
  THelpWindow& HelpWindow();
  TCHMHelper& CHMHelper1() { return *FCHMHelper1; }

 private:
  void MakeSideWindows();
  void DisplayColumnMnuClick();
  void LocateCardMnuClick();
  void DebugMnuClick();
  void ContentsMnuClick();
  // Presses on the table choose the column while the column view is up.
  void Image1MouseDown(int buttons, QPoint p);
  void Image1MouseMove(QPoint p);
  void Image1MouseUp(QPoint p);

  TCardFindDlg* FCardFindDlg = nullptr;
  TColDisplayDlg* FColDisplayDlg = nullptr;
  TDebugDlg* FDebugDlg = nullptr;
  // A window of its own, not the game's child, so that a box the game
  // waits on does not block it; the helper closes it before it goes.
  std::unique_ptr<TLazyHelpWindow> FHelpWindow;
  std::unique_ptr<TCHMHelper> FCHMHelper1;

  // Settings, recent games, card backs and the about box (Form1Settings.cpp).
 public:
  TReopenMenu* ReopenMenu1 = nullptr;
  TCardBackDlg& CardBackDlg();
  TAboutBox& AboutBox();
  TSelectGameDlg& SelectGameDlg();
  const QString& SettingsFile() const { return FSettingsFile; }
  // The options and the window's place as they are, and put into effect.
  TSettings CurrentSettings() const;
  void ApplySettings(const TSettings& settings);
  // Read the settings file and apply it; write it; apply the built-in values.
  void RestoreDefaults();
  void SaveDefaults();
  void FactoryDefaults();

 private:
  void MakeSettings();
  void CardBacksMnuClick();
  void SaveDefaultsMnuClick();
  void RestoreDefaultsMnuClick();
  void FactoryDefaultsMnuClick();
  void AboutMnuClick();
  void SelectGameMnuClick();
  // The "Suits" submenu of Options (Form1Additions.cpp).
  void MakeSuitsMenu(QMenu* options);
  void SuitsMnuClick(int suits);
  void CheckSuits(int suits);
  void ReopenMenu1Click(const QString& path);
  // The window's frame and the screens' free areas, for keeping it reachable.
  QRect FrameRect() const;
  void PlaceFrame(const QRect& frame);
  // The window's size as it starts, the table 801 x 472.
  QSize DesignSize() const;
  QSize LeastSize() const;

  // Keyboard play and the names screen readers read (Form1Keys.cpp).
  void MakeTableKeys();
  bool TableKeyPress(const QKeyEvent& event, bool onTable);
  void NameForScreenReaders();
  void NamePanel(TStatusPanel panel);
  void NameTimePanel();

  QString FSettingsFile;
  TCardBackDlg* FCardBackDlg = nullptr;
  TAboutBox* FAboutBox = nullptr;
  TSelectGameDlg* FSelectGameDlg = nullptr;

  // The statistics of games won and played (Form1Statistics.cpp).
 public:
  QAction* StatisticsMnu = nullptr;
  TStatisticsFile& Statistics() { return FStatistics; }
  TStatisticsDlg& StatisticsDlg();

 private:
  void StatisticsMnuClick();
  void GameFinished(const TGameResult& result) override;

  TStatisticsFile FStatistics{UserStatisticsFile()};
  TStatisticsDlg* FStatisticsDlg = nullptr;
  QString FStatisticsNote;  // why the last game could not be counted

  // Hints and the Solve window (Form1Hint.cpp).
 public:
  THintController& Hint() { return *FHint; }
  THintDisplay& HintDisplay() { return *FHintDisplay; }
  TSolveDlg& SolveDlg();

 private:
  void MakeHint();
  void HintMnuClick();
  void SolveMnuClick();
  void ClearHint();
  void StatusUpdated() override;

  std::unique_ptr<THintController> FHint;
  std::unique_ptr<THintDisplay> FHintDisplay;
  TSolveDlg* FSolveDlg = nullptr;
  bool FPlayingLine = false;  // the Solve window plays its line: no auto-move
};
