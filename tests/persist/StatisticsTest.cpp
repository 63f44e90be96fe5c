// The statistics of games played: the counting rules, the file, a damaged
// file and two windows writing one file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <thread>

#include "persist/StatisticsFile.h"
#include "persist/ValueText.h"

namespace {

QByteArray FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(StatisticsTest, WinsBuildStreaksBestScoreAndFastestWinPerSuits) {
  TStatistics s;
  const std::vector<TGameResult> games = {
      {4, true, 900, 300.5}, {4, true, 950, 400}, {4, false, 990, 9}, {4, true, 800, 200}, {1}};
  for (const TGameResult& game : games)
    CountGame(s, game);
  EXPECT_EQ(s.For(4), (TSuitStatistics{4, 3, 1, 2, 950, 200.0}));
  EXPECT_EQ(s.For(1), (TSuitStatistics{1, 0, 0, 0, 0, std::nullopt}));
  EXPECT_EQ(s.For(2), TSuitStatistics());
  // The counts stop at the largest integer, the wins within the games.
  constexpr int32_t most = std::numeric_limits<int32_t>::max();
  s.For(2) = {most, most - 1, most - 1, most - 1, 10, 1.0};
  CountGame(s, {2, true, 5, 2});
  CountGame(s, {2, true, 5, 2});
  EXPECT_EQ(s.For(2), (TSuitStatistics{most, most, most, most, 10, 1.0}));
}

TEST(StatisticsTest, DamagedFilesReadAsZerosUntouchedAndAreKeptAsBadByTheNextCount) {
  QTemporaryDir folder;
  TStatisticsFile file(folder.filePath("deep/statistics.ini"));
  file.Count({2, true, 812, 125.25});
  file.Count({4, false, 0, 1});
  EXPECT_EQ(FileText(file.Path()).replace(LocaleDecimalSeparator(), '.'),
            "[Suits1]\nPlayed=0\nWon=0\nCurrentStreak=0\nLongestStreak=0\nBestScore=0\n"
            "[Suits2]\nPlayed=1\nWon=1\nCurrentStreak=1\nLongestStreak=1\nBestScore=812\n"
            "FastestWin=125.25\n"
            "[Suits4]\nPlayed=1\nWon=0\nCurrentStreak=0\nLongestStreak=0\nBestScore=0\n");
  const std::vector<std::pair<QByteArray, QString>> damaged = {
      {"[Suits4]\nPlayed=3\njunk\n", "junk"},
      {"; mine\n[Suits4]\nPlayed=-1\n", "Played"},
      {"[Suits4]\nPlayed=2\nWon=3\nLongestStreak=0\n", "won than played"},
      {"[Suits4]\nPlayed=5\nWon=2\nLongestStreak=3\n", "longer than the games won"},
      {"[Suits4]\nPlayed=5\nWon=2\nCurrentStreak=2\nLongestStreak=1\n", "current streak"},
      {"[Suits4]\nPlayed=5\nWon=2\nLongestStreak=1\nFastestWin=-4\n", "FastestWin"},
      {"[Suits1]\nPlayed=5\nFastestWin=70\n", "without a win"}};
  for (const auto& [text, why] : damaged) {
    SCOPED_TRACE(text.toStdString());
    QFile out(file.Path());
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
    out.close();
    QString problem;
    EXPECT_EQ(file.Read(problem), TStatistics());
    EXPECT_TRUE(problem.contains(why)) << problem.toStdString();
    EXPECT_EQ(FileText(file.Path()), text);  // reading never writes
    file.Count({1, false, 0, 1});
    EXPECT_EQ(FileText(file.BadPath()), text);
    EXPECT_EQ(file.Read(problem).For(1).Played, 1);
  }
  // A folder in the file's place cannot be read; a reset puts it aside.
  ASSERT_TRUE(QFile::remove(file.Path()) && QDir().mkdir(file.Path()));
  QString problem;
  EXPECT_EQ(file.Read(problem), TStatistics());
  EXPECT_TRUE(problem.contains("not a file"));
  file.Reset();
  EXPECT_TRUE(QDir(file.BadPath()).exists() && QFile::exists(file.Path()));
}

TEST(StatisticsTest, TwoWindowsCountingOneFileAtOnceKeepEachOthersGames) {
  QTemporaryDir folder;
  TStatisticsFile first(folder.filePath("statistics.ini")), second(first.Path());
  const auto play = [](TStatisticsFile* window) {
    for (int i = 0; i < 40; ++i)
      window->Count({4, i % 2 == 0, 500 + i, 100.0 - i});
  };
  std::thread a(play, &first), b(play, &second);
  a.join();
  b.join();
  QString problem;
  EXPECT_EQ(second.Read(problem).For(4).Played, 80);
  EXPECT_EQ(first.Read(problem).For(4).Won, 40);
}
