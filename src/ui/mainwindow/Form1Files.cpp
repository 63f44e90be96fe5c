// The main window's saved games: Load, Save and Save As handed to the
// engine, the file dialogs, the progress window, the boxes the engine asks
// for, and the question before the window closes.

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "ui/dialogs/ProgressDlg.h"
#include "ui/mainwindow/Form1.h"
#include "widgets/SubTimer.h"

namespace {

// Both dialogs start in the current folder with "Game.svgm" and keep the
// player's last choice between uses.
QFileDialog* MakeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
  auto* dialog = new QFileDialog(parent);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
  dialog->setDefaultSuffix(QStringLiteral("svgm"));
  dialog->setNameFilters({QStringLiteral("Game Files (*.svgm)"), QStringLiteral("Any File (*)")});
  dialog->setDirectory(QDir::currentPath());
  dialog->selectFile(QStringLiteral("Game.svgm"));
  return dialog;
}

bool RunFileDialog(QFileDialog* dialog, QString& fileName) {
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
    return false;
  fileName = dialog->selectedFiles().front();
  return true;
}

}  // namespace

void TForm1::MakeFileDialogs() {
  FProgressDlg = new TProgressDlg(this);
}

// The file dialogs are made when first asked for: making one reads the
// folder and the file types, a good part of the window's start-up time.
QFileDialog* TForm1::SaveDialog1() {
  if (FSaveDialog1 == nullptr)
    FSaveDialog1 = MakeFileDialog(this, QFileDialog::AcceptSave);
  return FSaveDialog1;
}

QFileDialog* TForm1::OpenDialog1() {
  if (FOpenDialog1 == nullptr)
    FOpenDialog1 = MakeFileDialog(this, QFileDialog::AcceptOpen);
  return FOpenDialog1;
}

void TForm1::LoadMnuClick() {
  FEngine->LoadGameCommand();
}

void TForm1::SaveMnuClick() {
  FEngine->SaveGameCommand();
}

void TForm1::SaveAsMnuClick() {
  FEngine->SaveGameAsCommand();
}

// A game left unfinished counts for the statistics as the window goes.
void TForm1::closeEvent(QCloseEvent* event) {
  if (FEngine->QueryClose()) {
    FEngine->CountLeftGame();
    event->accept();
  } else {
    event->ignore();
  }
}

double TForm1::GameClockTime() const {
  return GameTime->Time();
}

void TForm1::StartGameClockAt(double seconds) {
  GameTime->Reset();
  GameTime->SetTime(seconds);
  GameTime->Start();
  GameTime->UpdateDisplay();
  NameTimePanel();
  DisplayTimer->start();
}

bool TForm1::AskSaveFileName(QString& fileName) {
  return RunFileDialog(SaveDialog1(), fileName);
}

bool TForm1::AskOpenFileName(QString& fileName) {
  return RunFileDialog(OpenDialog1(), fileName);
}

void TForm1::ShowProgress(bool visible) {
  if (visible)
    FProgressDlg->ShowAtZero();
  else
    FProgressDlg->hide();
}

void TForm1::SetProgress(int percent) {
  FProgressDlg->SetPosition(percent);
}

void TForm1::ShowInformation(const QString& text) {
  QMessageBox::information(this, QApplication::applicationName(), text);
}

void TForm1::ShowFileError(const QString& text) {
  QMessageBox::critical(this, QApplication::applicationName(), text);
}

TQuestionAnswer TForm1::AskYesNoCancel(const QString& text) {
  const auto answer = QMessageBox::question(
      this, QApplication::applicationName(), text,
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Yes)
    return qaYes;
  return answer == QMessageBox::No ? qaNo : qaCancel;
}
