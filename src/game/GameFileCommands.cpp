// Saving and loading games: the file on disk, taking a checked saved game
// over onto the table, and the commands with their dialogs and questions.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "cards/Card.h"
#include "game/BusyScope.h"
#include "game/GameEngine.h"
#include "game/GameFile.h"

namespace {

std::string Text(const QString& text) {
  return text.toStdString();
}

// QSaveFile forgets the system's reason when the last of the file fails to
// go to disk at commit ("Unknown error"); the reason is still in errno.
QString FailureReason(const QFileDevice& file, int error) {
  return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
}

}  // namespace

std::string TGameEngine::SaveGameDocument() {
  TUndoItem current;
  SaveItem(current);
  return WriteGameDocument(current, GameStart, CardCounter, FHost.GameClockTime(), Suits);
}

// The file is replaced only once it has been written in full.
bool TGameEngine::SaveGameFile(const QString& fileName) {
  const std::string document = SaveGameDocument();
  QSaveFile file(fileName);
  const auto size = static_cast<qint64>(document.size());
  errno = 0;
  if (!file.open(QIODevice::WriteOnly) || file.write(document.data(), size) != size ||
      !file.commit())
    throw EGameFileError(Text("Cannot save the game to " + QDir::toNativeSeparators(fileName) +
                              ": " + FailureReason(file, errno)));
  return true;
}

void TGameEngine::LoadGameFile(const QString& fileName, const ProgressProc& progress) {
  const QString shown = QDir::toNativeSeparators(fileName);
  const QFileInfo info(fileName);
  // Pipes and devices could block a read or never end.
  if (!info.exists())
    throw EGameFileError(Text("Cannot open " + shown + ": the file does not exist."));
  if (!info.isFile())
    throw EGameFileError(Text("Cannot open " + shown + ": it is not a file."));
  if (info.size() > MaxGameFileSize)
    throw EGameFileError("The file is larger than 16 MiB; it is no saved game.");
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EGameFileError(Text("Cannot open " + shown + ": " + file.errorString()));
  // A file that grows while it is read is still read only up to the limit.
  const QByteArray data = file.read(std::min(file.size(), MaxGameFileSize) + 1);
  if (file.error() != QFileDevice::NoError)
    throw EGameFileError(Text("Cannot read " + shown + ": " + file.errorString()));
  LoadGameDocument(data.constData(), static_cast<size_t>(data.size()), progress);
  GameFileName = fileName;
}

void TGameEngine::LoadGameDocument(const char* data, size_t size, const ProgressProc& progress) {
  const TSavedGame game = ReadGameDocument(data, size, *FDeck, progress);
  CheckSavedGame(game, *FDeck);
  ApplySavedGame(game);
}

// The game is checked; nothing here can fail. The loaded position is the
// only undo step, and Replay deals the loaded game's start again.
void TGameEngine::ApplySavedGame(const TSavedGame& game) {
  CountLeftGame();
  GameNumber.reset();  // saved games do not carry it
  ApplySuits(game.Suits);
  GameStart = game.Start;
  for (int i = 0; i < FDeck->CardCount(); ++i) {
    const TSavedCard& saved = game.Cards[static_cast<size_t>(i)];
    if (saved.Read) {
      FDeck->Card(i).FaceUp = saved.FaceUp;
      FDeck->Card(i).DealFaceUp = saved.DealFaceUp;
    }
  }
  SelectStage = 0;
  FDeck->ClearHighlights();
  RestoreItem(game.Current);
  FDeck->SetAllVisible(true);
  CardsDealt = true;
  Relayout();
  Redraw(true);
  ResetUndo();
  PushUndo();
  GameState = gsPlaying;
  FHost.StartGameClockAt(game.ElapsedTime);
  UpdateStatus();
  StartCountedGame(!SamePlaces(game.Current, game.Start));
}

bool TGameEngine::NoGameToSave() {
  if (CardsDealt && GameState != gsWon)
    return false;
  FHost.ShowInformation(QStringLiteral("No Game To Save"));
  return true;
}

void TGameEngine::SaveGameCommand() {
  if (!CanStartCommand() || NoGameToSave())
    return;
  if (GameFileName.isEmpty())
    SaveGameAs();
  else
    SaveGameTo(GameFileName);
}

void TGameEngine::SaveGameAsCommand() {
  if (!CanStartCommand() || NoGameToSave())
    return;
  SaveGameAs();
}

bool TGameEngine::SaveGameAs() {
  QString fileName;
  return FHost.AskSaveFileName(fileName) && SaveGameTo(fileName);
}

// A failed save keeps the new name, so the next Save tries the same file.
bool TGameEngine::SaveGameTo(const QString& fileName) {
  GameFileName = fileName;
  try {
    SaveGameFile(fileName);
  } catch (const std::exception& error) {
    FHost.ShowFileError(QString::fromStdString(error.what()));
    return false;
  }
  FHost.AddRecentGame(fileName);
  return true;
}

void TGameEngine::LoadGameCommand() {
  if (!CanStartCommand() || FHost.FireworksRunning())
    return;
  QString fileName;
  if (!FHost.AskOpenFileName(fileName))
    return;
  // Of the two ways to load, only this one puts the file on the recent games.
  if (LoadGameWithProgress(fileName))
    FHost.AddRecentGame(fileName);
}

bool TGameEngine::LoadGameWithProgress(const QString& fileName) {
  if (!CanStartCommand() || FHost.FireworksRunning())
    return false;
  QString error;
  {
    // The progress window lets events through; no command may start meanwhile.
    TBusyScope busy(*this);
    FHost.ShowProgress(true);
    try {
      LoadGameFile(fileName, [this](int percent) { FHost.SetProgress(percent); });
    } catch (const std::exception& failure) {
      error = QString::fromStdString(failure.what());
      if (error.isEmpty())
        error = QStringLiteral("The game could not be loaded.");
    }
    FHost.ShowProgress(false);
  }
  if (!error.isEmpty())
    FHost.ShowFileError(error);
  return error.isEmpty();
}

// Cancel keeps the window open; so does a save that failed, so that the
// game is not lost. Cancelling the file dialog still closes.
bool TGameEngine::QueryClose() {
  // The celebration follows a won game: nothing to save, and it ends cleanly
  // when the window goes.
  if (FHost.FireworksRunning())
    return true;
  if (!CanStartCommand())
    return false;
  if (!CardsDealt || GameState == gsWon)
    return true;
  switch (FHost.AskYesNoCancel(QStringLiteral("Save Current Game?"))) {
    case qaYes: {
      QString fileName;
      return !FHost.AskSaveFileName(fileName) || SaveGameTo(fileName);
    }
    case qaNo:
      return true;
    case qaCancel:
      break;
  }
  return false;
}
