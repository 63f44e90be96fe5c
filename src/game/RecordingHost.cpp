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
