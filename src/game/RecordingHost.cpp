#include "game/RecordingHost.h"

void TRecordingHost::ShowTable(const QRegion& changed) {
  LastShown = changed;
  if (OnShowTable)
    OnShowTable();
}

void TRecordingHost::ProcessMessages() {
  ++MessageRounds;
  if (OnMessages)
    OnMessages();
}

void TRecordingHost::SetPanelText(TStatusPanel panel, const QString& text) {
  Panels[static_cast<size_t>(panel)] = text;
}

QRgb TRecordingHost::PanelColour(TStatusPanel panel) const {
  return Colours[static_cast<size_t>(panel)];
}

void TRecordingHost::SetPanelColour(TStatusPanel panel, QRgb colour) {
  Colours[static_cast<size_t>(panel)] = colour;
  if (panel == ErrorDis)
    ErrorColours.push_back(colour);
}

void TRecordingHost::SetGameClock(bool on) {
  ClockRunning = on;
  if (on)
    ElapsedSeconds = 0;
}

void TRecordingHost::StartGameClockAt(double seconds) {
  ElapsedSeconds = seconds;
  ClockRunning = true;
}

namespace {

bool TakeFileName(QStringList& answers, QString& fileName) {
  if (answers.isEmpty())
    return false;
  fileName = answers.takeFirst();
  return true;
}

}  // namespace

bool TRecordingHost::AskSaveFileName(QString& fileName) {
  ++SaveDialogs;
  return TakeFileName(SaveFileNames, fileName);
}

bool TRecordingHost::AskOpenFileName(QString& fileName) {
  ++OpenDialogs;
  return TakeFileName(OpenFileNames, fileName);
}

TQuestionAnswer TRecordingHost::AskYesNoCancel(const QString& text) {
  Questions << text;
  if (QuestionAnswers.empty())
    return qaCancel;
  const TQuestionAnswer answer = QuestionAnswers.front();
  QuestionAnswers.erase(QuestionAnswers.begin());
  return answer;
}

std::vector<int> TRecordingHost::SoundsPlayed() const {
  std::vector<int> played;
  for (const TSoundEvent& event : Sounds)
    if (event.Sound >= 0)
      played.push_back(event.Sound);
  return played;
}

TGameMessageResult TRecordingHost::ShowGameMessage(int page, const QString& caption,
                                                   const QString& text, const QString& okCaption,
                                                   const QString& cancelCaption) {
  GameMessages.push_back({page, caption, text, okCaption, cancelCaption});
  if (GameMessageAnswers.empty())
    return gmCancel | gmNewGame;
  const TGameMessageResult answer = GameMessageAnswers.front();
  GameMessageAnswers.erase(GameMessageAnswers.begin());
  return answer;
}
