#pragma once

#include <QRegion>
#include <QRgb>
#include <QString>

class TClock;
struct TGameResult;

// The status bar panels the engine writes to.
enum TStatusPanel { CurCardDis, MoveCntDis, MessageDis, ErrorDis, ScoreDis };

// The result of the game's own message dialog: how it was closed and which
// of the three choices was selected (exactly one of those is always set).
enum TGameMessageFlag { gmOK = 1, gmCancel = 2, gmNewGame = 4, gmReplay = 8, gmKeepPlaying = 16 };
using TGameMessageResult = int;

// Pages of the game message dialog.
enum TGameMessagePage { gpMessage = 0, gpChoice = 1 };

// The answer to a question with Yes, No and Cancel.
enum TQuestionAnswer { qaYes, qaNo, qaCancel };

// Mouse buttons held during a press.
enum TMouseButton { mbLeft = 1, mbRight = 2, mbMiddle = 4 };

// Everything the engine needs from outside: the window that shows the table
// picture, the event loop, the clock animations wait on, sound, the status
// bar, the caption, the verbose error box, the game clock, the winner
// celebration and the option check marks. The main window implements it;
// tests and tools use a recording host that waits in zero time.
class TGameHost {
 public:
  virtual ~TGameHost() = default;

  // Shows the table picture where it changed since it was last shown.
  virtual void ShowTable(const QRegion& changed) = 0;
  // Whether a frame of the table painted from its state may be shown now.
  // A window says no while its last frame is younger than one refresh of
  // its screen, which could not show the new one yet; it then calls the
  // engine's ShowHeldFrame once a frame is due.
  virtual bool FrameDue() { return true; }
  // Lets pending window events through once.
  virtual void ProcessMessages() = 0;
  virtual TClock& Clock() = 0;

  virtual void PlaySound(int sound, bool loop) = 0;
  virtual void StopSound() = 0;

  virtual void SetPanelText(TStatusPanel panel, const QString& text) = 0;
  virtual QRgb PanelColour(TStatusPanel panel) const = 0;
  // Sets a panel's font colour and repaints the panel at once.
  virtual void SetPanelColour(TStatusPanel panel, QRgb colour) = 0;
  virtual void SetCaption(const QString& caption) = 0;
  // The modal error box with OK and Help (help context 2).
  virtual void ShowErrorBox(const QString& text) = 0;

  // The game's modal message dialog; an empty button caption hides the button.
  virtual TGameMessageResult ShowGameMessage(int page, const QString& caption, const QString& text,
                                             const QString& okCaption,
                                             const QString& cancelCaption) = 0;

  // Resets the elapsed time to zero and starts it (true), or stops it (false).
  virtual void SetGameClock(bool on) = 0;
  // Runs the winner celebration; returns when it has finished.
  virtual void ShowWinner() = 0;
  virtual bool FireworksRunning() const = 0;

  virtual bool AutoMoveMode() const = 0;
  virtual bool VerboseMode() const = 0;
  virtual void SetSmallCardsChecked(bool checked) = 0;
  virtual int ScreenWidth() const = 0;

  // ---- Saved games: the clock's time, file dialogs, progress and boxes ----
  // Seconds on the game clock; reading them leaves it running.
  virtual double GameClockTime() const = 0;
  // Sets the game clock to `seconds` and starts it: a loaded game goes on.
  virtual void StartGameClockAt(double seconds) = 0;
  // The save dialog, which asks before it overwrites a file; false when cancelled.
  virtual bool AskSaveFileName(QString& fileName) = 0;
  // The open dialog; false when cancelled.
  virtual bool AskOpenFileName(QString& fileName) = 0;
  // Shows the progress window with its bar at 0, on top and without waiting
  // (true), or hides it (false).
  virtual void ShowProgress(bool visible) = 0;
  // Sets the progress bar (0..100) and repaints it at once.
  virtual void SetProgress(int percent) = 0;
  // A standard information box with OK.
  virtual void ShowInformation(const QString& text) = 0;
  // The standard error box, with the text of a save or load that failed.
  virtual void ShowFileError(const QString& text) = 0;
  // A standard question box with Yes, No and Cancel.
  virtual TQuestionAnswer AskYesNoCancel(const QString& text) = 0;
  // Tells the recent-games list of a game file that was saved or opened.
  virtual void AddRecentGame(const QString& fileName) = 0;

  // Whether Redo has anything to take back, told whenever that changes.
  virtual void SetRedoAvailable(bool /*available*/) {}
  // A game has ended for the statistics: won, or left unfinished after a
  // move. Told once per game.
  virtual void GameFinished(const TGameResult& /*result*/) {}
  // After every refresh of the status bar: the table may have changed.
  virtual void StatusUpdated() {}
};
