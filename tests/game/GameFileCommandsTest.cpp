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
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
  }

  QTemporaryDir Folder;
};

TEST_F(GameFileCommandsTest, SaveWritesTheFileItWasGivenUntilANewDeal) {
  const QString path = PathOf("game.svgm");
  PlayMidGame(Engine);
  Host.SaveFileNames = {path};
  Engine.SaveGameCommand();
  Engine.DealRow();
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.SaveDialogs, 1);
  EXPECT_EQ(Contents(path).toStdString(), Engine.SaveGameDocument());
  EXPECT_EQ(Host.RecentGames, QStringList({path, path}));
  Engine.SaveGameAsCommand();  // always asks; cancelled, it writes nothing
  Engine.NewGame();            // a new deal forgets the file
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.SaveDialogs, 3);
  EXPECT_EQ(Host.RecentGames.size(), 2);
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
  EXPECT_EQ(Host.FileErrors[0], "Cannot save the game to " + path + ": File too large");
  // A folder that cannot be written: the error, and only the name changes.
  const QString nowhere = PathOf("game.svgm/inside.svgm");
  EXPECT_FALSE(Engine.SaveGameTo(nowhere));
  EXPECT_EQ(Engine.GameFileName, nowhere);
  EXPECT_EQ(Host.FileErrors.size(), 2);
  EXPECT_TRUE(Host.RecentGames.isEmpty());
}

TEST_F(GameFileCommandsTest, LoadShowsProgressAndOnlyTheLoadCommandRemembersTheFile) {
  PlayMidGame(Engine);
  const QString path = PathOf("game.svgm");
  ASSERT_TRUE(Engine.SaveGameFile(path));
  Engine.NewGame();
  Host.OpenFileNames = {path};
  Engine.LoadGameCommand();
  EXPECT_EQ(Host.Progress, (std::vector<int>{0, 25, 50, 75, 100, -1}));
  EXPECT_EQ(Host.RecentGames, QStringList({path}));
  EXPECT_EQ(Engine.GameFileName, path);
  EXPECT_EQ(Engine.Table.PileCount(0), 4);
  EXPECT_TRUE(Engine.LoadGameWithProgress(path));  // the recent-games menu's way
  Engine.LoadGameCommand();                        // cancelled
  EXPECT_EQ(Host.RecentGames.size(), 1);
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
  EXPECT_TRUE(Host.FileErrors[0].endsWith(": Index 999 is outside 0..103."));
  EXPECT_EQ(Describe(Engine), before);
  EXPECT_EQ(Engine.GameFileName, PathOf("mine.svgm"));
  EXPECT_TRUE(Host.RecentGames.isEmpty());
  EXPECT_FALSE(Engine.Busy);
}

// The window's answers are tested on the window; here what only the engine
// decides: Yes always shows the dialog, and a failed save keeps the game.
TEST_F(GameFileCommandsTest, TheCloseQuestionKeepsTheWindowOpenWhenTheSaveFails) {
  PlayMidGame(Engine);
  Engine.GameFileName = PathOf("known.svgm");
  Host.QuestionAnswers = {qaYes, qaYes};
  Host.SaveFileNames = {PathOf("closing.svgm"), PathOf("closing.svgm/x")};
  EXPECT_TRUE(Engine.QueryClose());
  EXPECT_TRUE(QFile::exists(PathOf("closing.svgm")));
  EXPECT_FALSE(Engine.QueryClose());
  EXPECT_EQ(Host.FileErrors.size(), 1);
  // Nothing is asked while a deal lets events through; the window stays open.
  Engine.Busy = true;
  EXPECT_FALSE(Engine.QueryClose());
  Engine.LoadGameCommand();
  Engine.SaveGameCommand();
  EXPECT_EQ(Host.Questions.size(), 2);
  EXPECT_EQ(Host.OpenDialogs + Host.SaveDialogs, 2);
}
