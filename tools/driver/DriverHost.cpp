#include "DriverHost.h"

#include "cards/SoundIds.h"

namespace {

QString SoundName(int sound) {
  return sound >= 0 && sound < static_cast<int>(std::size(SoundNames))
             ? QString::fromLatin1(SoundNames[sound])
             : QString::number(sound);
}

}  // namespace

void TDriverHost::PlaySound(int sound, bool loop) {
  TRecordingHost::PlaySound(sound, loop);
  if (!SoundOff)
    FOut << "sound " << SoundName(sound) << (loop ? " loop" : "") << Qt::endl;
}

void TDriverHost::StopSound() {
  TRecordingHost::StopSound();
  FOut << "sound stop" << Qt::endl;
}

// The box's line breaks are printed as "\n" so that every event stays on one line.
void TDriverHost::ShowErrorBox(const QString& text) {
  TRecordingHost::ShowErrorBox(text);
  QString line = text;
  line.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
  FOut << "box " << line << Qt::endl;
}

void TDriverHost::SetPanelText(TStatusPanel panel, const QString& text) {
  TRecordingHost::SetPanelText(panel, text);
  if (panel == ErrorDis)
    FFlashShown = false;
}

// Only a flashing message changes the error panel's colour.
void TDriverHost::SetPanelColour(TStatusPanel panel, QRgb colour) {
  TRecordingHost::SetPanelColour(panel, colour);
  if (panel == ErrorDis && !FFlashShown) {
    FFlashShown = true;
    FOut << "flash " << Panel(ErrorDis) << Qt::endl;
  }
}

void TDriverHost::ShowWinner() {
  TRecordingHost::ShowWinner();
  FOut << "celebration" << Qt::endl;
}
