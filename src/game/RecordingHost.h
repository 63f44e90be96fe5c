#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "cards/Clock.h"
#include "game/GameHost.h"
#include "persist/Statistics.h"

// A host without a window: it records what the engine asks of it and waits
// in zero time. Tests and the headless driver run the engine on it.
class TRecordingHost : public TGameHost {
 public:
  struct TGameMessage {
    int Page;
    QString Caption, Text, OKCaption, CancelCaption;
  };

  struct TSoundEvent {
    int Sound;  // -1 for a stop
    bool Loop;
  };

  void ShowTable(const QRegion& changed) override;
  // Every frame is due unless OnFrameDue says otherwise.
  bool FrameDue() override { return !OnFrameDue || OnFrameDue(); }
  void ProcessMessages() override;
  TClock& Clock() override { return FClock; }
  void PlaySound(int sound, bool loop) override { Sounds.push_back({sound, loop}); }
  void StopSound() override { Sounds.push_back({-1, false}); }
  void SetPanelText(TStatusPanel panel, const QString& text) override;
  QRgb PanelColour(TStatusPanel panel) const override;
  void SetPanelColour(TStatusPanel panel, QRgb colour) override;
  void SetCaption(const QString& caption) override { Caption = caption; }
  void ShowErrorBox(const QString& text) override { ErrorBoxes << text; }
  // Answers with the next queued result, or with Cancel when none is left.
  TGameMessageResult ShowGameMessage(int page, const QString& caption, const QString& text,
                                     const QString& okCaption,
                                     const QString& cancelCaption) override;
  void SetGameClock(bool on) override;
  void ShowWinner() override { ++Winners; }
  bool FireworksRunning() const override { return Fireworks; }
  bool AutoMoveMode() const override { return AutoMove; }
  bool VerboseMode() const override { return Verbose; }
  void SetSmallCardsChecked(bool checked) override { SmallCardsChecked = checked; }
  int ScreenWidth() const override { return Screen; }

  // Saved games: file dialogs answer from the queues below (none left:
  // cancelled), the progress window records its values, -1 for each hide.
  double GameClockTime() const override { return ElapsedSeconds; }
  void StartGameClockAt(double seconds) override;
  bool AskSaveFileName(QString& fileName) override;
  bool AskOpenFileName(QString& fileName) override;
  void ShowProgress(bool visible) override { Progress.push_back(visible ? 0 : -1); }
  void SetProgress(int percent) override { Progress.push_back(percent); }
  void ShowInformation(const QString& text) override { Informations << text; }
  void ShowFileError(const QString& text) override { FileErrors << text; }
  TQuestionAnswer AskYesNoCancel(const QString& text) override;
  void AddRecentGame(const QString& fileName) override { RecentGames << fileName; }
  void SetRedoAvailable(bool available) override { RedoAvailable = available; }
  void GameFinished(const TGameResult& result) override { Results.push_back(result); }

  QString Panel(TStatusPanel panel) const { return Panels[static_cast<size_t>(panel)]; }
  // Sound numbers played so far, in order, stops left out.
  std::vector<int> SoundsPlayed() const;

  // What was asked.
  int MessageRounds = 0;
  QRegion LastShown;
  int Winners = 0;
  std::vector<TSoundEvent> Sounds;
  QStringList ErrorBoxes;
  std::vector<TGameMessage> GameMessages;
  QString Caption;
  std::vector<QRgb> ErrorColours;
  bool ClockRunning = false;
  bool SmallCardsChecked = false;
  int SaveDialogs = 0;
  int OpenDialogs = 0;
  std::vector<int> Progress;
  QStringList Informations;
  QStringList FileErrors;
  QStringList Questions;
  QStringList RecentGames;
  bool RedoAvailable = false;
  std::vector<TGameResult> Results;  // the games counted for the statistics

  // What the engine reads.
  bool Fireworks = false;
  bool AutoMove = false;
  bool Verbose = false;
  int Screen = 1920;
  std::vector<TGameMessageResult> GameMessageAnswers;
  double ElapsedSeconds = 0;
  QStringList SaveFileNames;
  QStringList OpenFileNames;
  std::vector<TQuestionAnswer> QuestionAnswers;  // none left: Cancel

  // Runs inside each ProcessMessages call, standing in for events that
  // arrive while the engine lets them through.
  std::function<void()> OnMessages;
  // Runs each time the table picture is shown, to watch animations frame by frame.
  std::function<void()> OnShowTable;
  // Answers FrameDue, as a window does that has just shown a frame.
  std::function<bool()> OnFrameDue;

 private:
  TManualClock FClock;
  std::array<QString, 5> Panels;
  std::array<QRgb, 5> Colours{};
};
