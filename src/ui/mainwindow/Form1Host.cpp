// The main window as the engine's host: the table picture on screen, the
// event loop, sound, the status bar, the caption, the boxes and the clock.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "ui/celebration/WinnerWindow.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/dialogs/GameMessageDlg.h"
#include "ui/help/CHMHelper.h"
#include "ui/help/HelpPages.h"
#include "ui/look/WidgetColours.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/SubTimer.h"

void TForm1::ShowTable(const QRegion& changed) {
  Image1->ShowChanged(changed);
}

bool TForm1::FrameDue() {
  return Image1->FrameDue();
}

void TForm1::ProcessMessages() {
  QApplication::processEvents();
}

TClock& TForm1::Clock() {
  return FClock;
}

void TForm1::PlaySound(int sound, bool loop) {
  FSoundPlayer.PlaySound(sound, loop);
}

void TForm1::StopSound() {
  FSoundPlayer.StopSound();
}

void TForm1::SetPanelText(TStatusPanel panel, const QString& text) {
  Panel(panel)->setText(text);
  NamePanel(panel);
}

QRgb TForm1::PanelColour(TStatusPanel panel) const {
  return Panel(panel)->palette().color(QPalette::WindowText).rgb();
}

void TForm1::SetPanelColour(TStatusPanel panel, QRgb colour) {
  SetTextColour(Panel(panel), QColor(colour));
  Panel(panel)->repaint();
}

void TForm1::SetCaption(const QString& caption) {
  setWindowTitle(caption);
}

// Help opens the page on the messages and leaves the box open.
void TForm1::ShowErrorBox(const QString& text) {
  TErrorBox box(
      text,
      [this] {
        if (FCHMHelper1 != nullptr)
          FCHMHelper1->HelpContext(MessagesHelpContext);
      },
      this);
  box.exec();
}

TGameMessageResult TForm1::ShowGameMessage(int page, const QString& caption, const QString& text,
                                           const QString& okCaption, const QString& cancelCaption) {
  return GameMessageDlg().ShowGameMessage(page, caption, text, okCaption, cancelCaption);
}

void TForm1::SetGameClock(bool on) {
  if (on) {
    GameTime->Reset();
    GameTime->Start();
    DisplayTimer->start();
  } else {
    GameTime->Stop();
    GameTime->UpdateDisplay();
    NameTimePanel();
    DisplayTimer->stop();
  }
}

void TForm1::ShowWinner() {
  FWinner->Sequence.ShowWinner(FEngine->HoldTablePicture());
}

bool TForm1::FireworksRunning() const {
  return FWinner != nullptr && FWinner->Sequence.FireworksRunning();
}

bool TForm1::AutoMoveMode() const {
  return AutoMoveMnu->isChecked() && !FPlayingLine;
}

bool TForm1::VerboseMode() const {
  return VerboseMnu->isChecked();
}

void TForm1::SetSmallCardsChecked(bool checked) {
  SmallCardsMnu->setChecked(checked);
}

int TForm1::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().width() : 1024;
}

TGameMessageDlg& TForm1::GameMessageDlg() {
  if (FGameMessageDlg == nullptr)
    FGameMessageDlg = new TGameMessageDlg(this);
  return *FGameMessageDlg;
}
