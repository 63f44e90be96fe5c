// The save and load commands and the close question on a recording host:
// what they ask, what they write, and what a failure leaves behind.
#include <sys/resource.h>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "game/SavedGameHelpers.h"

class GameFileCommandsTest : public EngineTest {
 protected:
  QString PathOf(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }

  QTemporaryDir Folder;
};

TEST_F(GameFileCommandsTest, SaveIsRefusedBeforeAnyDealAndAfterAWin) {
  for (const bool won : {false, true}) {
    if (won) {
      PlayMidGame(Engine);
      Engine.GameState = gsWon;
    }
    Host.SaveFileNames = {PathOf("game.svgm")};
    Engine.SaveGameCommand();
    Engine.SaveGameAsCommand();
    EXPECT_EQ(Host.Informations, QStringList({"No Game To Save", "No Game To Save"}));
    EXPECT_EQ(Host.SaveDialogs, 0);
    EXPECT_FALSE(QFile::exists(PathOf("game.svgm")));
    Host.Informations.clear();
  }
}

TEST_F(GameFileCommandsTest, SaveAsksForANameOnceThenWritesTheSameFile) {
  PlayMidGame(Engine);
  const QString path = PathOf("game.svgm");
  Host.SaveFileNames = {path};
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.SaveDialogs, 1);
  EXPECT_EQ(Engine.GameFileName, path);
  EXPECT_EQ(Contents(path).toStdString(), Engine.SaveGameDocument());

  Engine.DealRow();
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.SaveDialogs, 1);
  EXPECT_EQ(Contents(path).toStdString(), Engine.SaveGameDocument());
  EXPECT_EQ(Host.RecentGames, QStringList({path, path}));

  // Save As always asks; a cancelled dialog writes nothing.
  Engine.SaveGameAsCommand();
  EXPECT_EQ(Host.SaveDialogs, 2);
  EXPECT_EQ(Host.RecentGames.size(), 2);
  // A new deal forgets the file: the next Save asks again.
  Engine.NewGame();
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.SaveDialogs, 3);
  EXPECT_TRUE(Host.FileErrors.isEmpty());
}

TEST_F(GameFileCommandsTest, AFailedSaveReportsItAndLeavesTheOldFileWhole) {
  PlayMidGame(Engine);
  const QString path = PathOf("game.svgm");
  Write(path, "the old game");
  // Writes stop after 4 KB, part way through the document.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit before = limit;
  limit.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &limit);
  const bool saved = Engine.SaveGameTo(path);
  setrlimit(RLIMIT_FSIZE, &before);
  EXPECT_FALSE(saved);
  EXPECT_EQ(Contents(path), "the old game");
  EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList({"game.svgm"}));
  ASSERT_EQ(Host.FileErrors.size(), 1);
  EXPECT_TRUE(Host.FileErrors[0].startsWith("Cannot save the game to " + path + ": "));

  // A folder that cannot be written: the error, and only the name changes.
  const QString nowhere = PathOf("game.svgm/inside.svgm");
  EXPECT_FALSE(Engine.SaveGameTo(nowhere));
  EXPECT_EQ(Host.FileErrors.size(), 2);
  EXPECT_EQ(Engine.GameFileName, nowhere);
  EXPECT_TRUE(Host.RecentGames.isEmpty());
}

TEST_F(GameFileCommandsTest, LoadShowsProgressAndOnlyTheLoadCommandRemembersTheFile) {
  PlayMidGame(Engine);
  const QString path = PathOf("game.svgm");
  ASSERT_TRUE(Engine.SaveGameFile(path));
  const std::string saved = Describe(Engine);
  Engine.NewGame();

  Host.OpenFileNames = {path};
  Engine.LoadGameCommand();
  EXPECT_EQ(Host.Progress, (std::vector<int>{0, 25, 50, 75, 100, -1}));
  EXPECT_EQ(Host.RecentGames, QStringList({path}));
  EXPECT_EQ(Engine.GameFileName, path);
  EXPECT_EQ(Engine.Table.PileCount(0), 4);
  EXPECT_FALSE(Engine.Busy);

  // The recent-games menu's way: no entry is added.
  Engine.NewGame();
  EXPECT_TRUE(Engine.LoadGameWithProgress(path));
  EXPECT_EQ(Host.RecentGames.size(), 1);
  // A cancelled dialog loads nothing.
  Engine.LoadGameCommand();
  EXPECT_EQ(Host.OpenDialogs, 2);
  EXPECT_EQ(Host.Progress.size(), 12u);
}

TEST_F(GameFileCommandsTest, AFailedLoadHidesTheProgressReportsAndChangesNothing) {
  PlayMidGame(Engine);
  Engine.GameFileName = PathOf("mine.svgm");
  const QString damaged = PathOf("damaged.svgm");
  Write(
      damaged,
      QByteArray::fromStdString(Engine.SaveGameDocument()).replace("Index=\"9\"", "Index=\"999\""));
  const std::string before = Describe(Engine);
  Host.OpenFileNames = {damaged};
  Engine.LoadGameCommand();
  EXPECT_EQ(Host.Progress, (std::vector<int>{0, -1}));  // refused inside the first section
  ASSERT_EQ(Host.FileErrors.size(), 1);
  EXPECT_TRUE(Host.FileErrors[0].endsWith(": Index 999 is outside 0..103."))
      << Host.FileErrors[0].toStdString();
  EXPECT_EQ(Describe(Engine), before);
  EXPECT_EQ(Engine.GameFileName, PathOf("mine.svgm"));
  EXPECT_TRUE(Host.RecentGames.isEmpty());
  EXPECT_FALSE(Engine.Busy);
}

TEST_F(GameFileCommandsTest, TheCloseQuestionAsksOnlyAboutAGameInPlay) {
  EXPECT_TRUE(Engine.QueryClose());  // nothing dealt
  PlayMidGame(Engine);
  Engine.GameState = gsWon;
  EXPECT_TRUE(Engine.QueryClose());
  EXPECT_TRUE(Host.Questions.isEmpty());

  Engine.GameState = gsPlaying;
  Engine.GameFileName = PathOf("known.svgm");
  const QString path = PathOf("closing.svgm");
  const struct {
    TQuestionAnswer Answer;
    QStringList FileNames;
    bool Closes;
    bool Saved;
  } cases[] = {
      {qaCancel, {}, false, false},
      {qaNo, {}, true, false},
      {qaYes, {}, true, false},     // the dialog cancelled: closes all the same
      {qaYes, {path}, true, true},  // always the dialog, even with a file name
      {qaYes, {PathOf("closing.svgm/x")}, false, false},  // a failed save keeps the game
  };
  for (const auto& c : cases) {
    Host.QuestionAnswers = {c.Answer};
    Host.SaveFileNames = c.FileNames;
    const int dialogs = Host.SaveDialogs;
    EXPECT_EQ(Engine.QueryClose(), c.Closes) << c.Answer;
    EXPECT_EQ(Host.Questions.last(), "Save Current Game?");
    EXPECT_EQ(Host.SaveDialogs - dialogs, c.Answer == qaYes ? 1 : 0);
    EXPECT_EQ(QFile::remove(path), c.Saved);
  }
  EXPECT_EQ(Host.FileErrors.size(), 1);
  // No question while a deal lets events through: the window stays open.
  Engine.Busy = true;
  const int asked = Host.Questions.size();
  EXPECT_FALSE(Engine.QueryClose());
  Engine.LoadGameCommand();
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.Questions.size(), asked);
  EXPECT_EQ(Host.OpenDialogs, 0);
}
