#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class TIniFile;

// How one game ended, as the statistics count it: won, or left unfinished.
struct TGameResult {
  int Suits = 4;         // 1, 2 or 4
  bool Won = false;      // false: left after at least one move
  int32_t Score = 0;     // the final score of a win
  double Seconds = 0.0;  // the game clock's time
};

// The counts for games of one number of suits.
struct TSuitStatistics {
  int32_t Played = 0;
  int32_t Won = 0;
  int32_t CurrentStreak = 0;  // wins in a row up to the latest game
  int32_t LongestStreak = 0;
  int32_t BestScore = 0;             // the best final score of a win
  std::optional<double> FastestWin;  // seconds; none until a win

  bool operator==(const TSuitStatistics&) const = default;
};

// The counts for one, two and four suits, as "statistics.ini" keeps them in
// the sections "Suits1", "Suits2" and "Suits4".
struct TStatistics {
  static constexpr std::array<int, 3> SuitCounts{1, 2, 4};

  std::array<TSuitStatistics, 3> BySuits{};

  // The counts of games in `suits` suits; anything but 1 and 2 is four.
  TSuitStatistics& For(int suits);
  const TSuitStatistics& For(int suits) const;

  bool operator==(const TStatistics&) const = default;
};

// Adds one game to the counts of its suits: a win extends the streak and may
// set the best score and the fastest win; a game left unfinished ends the
// streak. Counts stop at the largest 32-bit integer rather than wrap.
void CountGame(TStatistics& statistics, const TGameResult& result);

// The counts in `ini`; a missing section or key counts as zero. When the
// file holds what the program never writes, `problem` says what and the
// counts are all zero: a line that is no section, key or comment; a count
// that is not a whole number of at least 0; a fastest win that is no
// number of seconds of at least 0; more wins than games, a streak longer
// than the wins, a current streak longer than the longest; a best score or
// a fastest win without a win.
TStatistics ReadStatistics(const TIniFile& ini, QString& problem);
// Replaces the three sections with the counts, each key in order, the
// fastest win only once there is one. Other sections stay as they are.
void WriteStatistics(TIniFile& ini, const TStatistics& statistics);
