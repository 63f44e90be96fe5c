// The statistics of games played: the counting rules, the file they are kept
// in, a damaged file and two windows writing one file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <limits>
#include <thread>

#include "persist/IniFile.h"
#include "persist/StatisticsFile.h"
#include "persist/ValueText.h"
#include "support/QtPrinters.h"

namespace {

TGameResult Win(int suits, int32_t score, double seconds) {
  return {suits, true, score, seconds};
}

TGameResult Left(int suits) {
  return {suits, false, 321, 99.0};
}

QByteArray FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

TEST(StatisticsTest, WinsBuildStreaksBestScoreAndFastestWinPerSuits) {
  TStatistics s;
  for (const TGameResult& game :
       {Win(4, 900, 300.5), Win(4, 950, 400), Left(4), Win(4, 800, 200), Left(1), Win(2, 700, 50)})
    CountGame(s, game);
  TSuitStatistics four;
  four.Played = 4;
  four.Won = 3;
  four.CurrentStreak = 1;
  four.LongestStreak = 2;
  four.BestScore = 950;
  four.FastestWin = 200;
  EXPECT_EQ(s.For(4), four);
  EXPECT_EQ(s.For(1), (TSuitStatistics{1, 0, 0, 0, 0, std::nullopt}));
  EXPECT_EQ(s.For(2), (TSuitStatistics{1, 1, 1, 1, 700, 50.0}));

  // At the largest count the counts stop, and the wins stay within the games.
  constexpr int32_t most = std::numeric_limits<int32_t>::max();
  TStatistics full;
  full.For(1) = {most, most - 1, most - 1, most - 1, 10, 1.0};
  CountGame(full, Win(1, 5, 2));
  CountGame(full, Win(1, 5, 2));
  EXPECT_EQ(full.For(1), (TSuitStatistics{most, most, most, most, 10, 1.0}));
}

TEST(StatisticsTest, TheFileHoldsTheSectionsInOrderAndReadsBack) {
  QTemporaryDir folder;
  TStatisticsFile file(folder.filePath("deep/Sorvane32/statistics.ini"));
  file.Count(Win(2, 812, 125.25));
  file.Count(Left(4));
  EXPECT_EQ(FileText(file.Path()),
            "[Suits1]\nPlayed=0\nWon=0\nCurrentStreak=0\nLongestStreak=0\nBestScore=0\n"
            "[Suits2]\nPlayed=1\nWon=1\nCurrentStreak=1\nLongestStreak=1\nBestScore=812\n"
            "FastestWin=125" +
                QByteArray(1, LocaleDecimalSeparator()) +
                "25\n"
                "[Suits4]\nPlayed=1\nWon=0\nCurrentStreak=0\nLongestStreak=0\nBestScore=0\n");
  QString problem;
  EXPECT_EQ(file.Read(problem).For(2), (TSuitStatistics{1, 1, 1, 1, 812, 125.25}));
  EXPECT_TRUE(problem.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(file.BadPath()));

  // Comments, other sections and blanks are no damage, and stay.
  WriteText(file.Path(), "; mine\n[Other]\nx=1\n\n[Suits1]\nPlayed= 3 \nWon=1\nLongestStreak=1\n");
  EXPECT_EQ(file.Read(problem).For(1).Played, 3);
  EXPECT_TRUE(problem.isEmpty());
  file.Reset();
  EXPECT_TRUE(FileText(file.Path()).startsWith("; mine\n[Other]\nx=1\n\n[Suits1]\nPlayed=0\n"));
}

TEST(StatisticsTest, ADamagedFileReadsAsZerosAndIsKeptAsBadWhenReplaced) {
  const std::vector<std::pair<QByteArray, QString>> damaged = {
      {"[Suits4]\nPlayed=3\nthis line is junk\n", "junk"},
      {"[Suits4]\nPlayed=-1\n", "Played"},
      {"[Suits1]\nPlayed=lots\n", "Played"},
      {"[Suits2]\nPlayed=99999999999\n", "Played"},
      {"[Suits4]\nPlayed=2\nWon=3\nCurrentStreak=0\nLongestStreak=0\n", "won than played"},
      {"[Suits4]\nPlayed=5\nWon=2\nLongestStreak=3\n", "streak longer than the games won"},
      {"[Suits4]\nPlayed=5\nWon=2\nCurrentStreak=2\nLongestStreak=1\n", "current streak"},
      {"[Suits4]\nPlayed=5\nWon=2\nLongestStreak=1\nFastestWin=soon\n", "FastestWin"},
      {"[Suits4]\nPlayed=5\nWon=2\nLongestStreak=1\nFastestWin=-4\n", "FastestWin"},
      {"[Suits2]\nPlayed=5\nBestScore=700\n", "without a win"},
      {"[Suits2]\nPlayed=5\nFastestWin=70\n", "without a win"},
  };
  QTemporaryDir folder;
  TStatisticsFile file(folder.filePath("statistics.ini"));
  for (const auto& [text, why] : damaged) {
    SCOPED_TRACE(text.toStdString());
    QFile::remove(file.BadPath());
    WriteText(file.Path(), text);
    QString problem;
    EXPECT_EQ(file.Read(problem), TStatistics());
    EXPECT_TRUE(problem.contains(why)) << problem.toStdString();
    EXPECT_EQ(FileText(file.Path()), text);  // reading never writes
    file.Count(Left(1));
    EXPECT_EQ(FileText(file.BadPath()), text);
    EXPECT_EQ(file.Read(problem).For(1).Played, 1);
    EXPECT_EQ(file.Read(problem).For(4).Played, 0);
    EXPECT_TRUE(problem.isEmpty());
  }

  // A file that cannot be read at all: a folder in its place, kept aside by a reset.
  QFile::remove(file.Path());
  ASSERT_TRUE(QDir(folder.path()).mkdir("statistics.ini"));
  QString problem;
  file.Read(problem);
  EXPECT_TRUE(problem.contains("not a file"));
  file.Reset();
  EXPECT_TRUE(QFileInfo(file.BadPath()).isDir());
  EXPECT_EQ(file.Read(problem), TStatistics());
  EXPECT_TRUE(problem.isEmpty());
}

TEST(StatisticsTest, TwoWindowsCountingOneFileKeepEachOthersGames) {
  QTemporaryDir folder;
  const QString path = folder.filePath("statistics.ini");
  TStatisticsFile first(path), second(path);
  first.Count(Win(4, 500, 60));
  second.Count(Left(4));
  first.Count(Win(1, 400, 30));
  QString problem;
  EXPECT_EQ(second.Read(problem).For(4), (TSuitStatistics{2, 1, 0, 1, 500, 60.0}));
  EXPECT_EQ(second.Read(problem).For(1).Won, 1);

  // At the same moment: each read, change and write holds the lock.
  constexpr int games = 40;
  const auto play = [](const QString& file, int suits) {
    TStatisticsFile statistics(file);
    for (int i = 0; i < games; ++i)
      statistics.Count(Left(suits));
  };
  std::thread a(play, path, 2), b(play, path, 2);
  a.join();
  b.join();
  EXPECT_EQ(first.Read(problem).For(2).Played, 2 * games);
  EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}
