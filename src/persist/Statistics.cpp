#include "persist/Statistics.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

#include "persist/IniFile.h"
#include "persist/ValueText.h"

namespace {

constexpr int32_t MaxCount = std::numeric_limits<int32_t>::max();

const QString Played = QStringLiteral("Played");
const QString Won = QStringLiteral("Won");
const QString CurrentStreak = QStringLiteral("CurrentStreak");
const QString LongestStreak = QStringLiteral("LongestStreak");
const QString BestScore = QStringLiteral("BestScore");
const QString FastestWin = QStringLiteral("FastestWin");

size_t SlotOf(int suits) {
  return suits == 1 ? 0 : suits == 2 ? 1 : 2;
}

QString SectionName(int suits) {
  return QStringLiteral("Suits") + QString::number(suits);
}

int32_t Increased(int32_t count) {
  return count < MaxCount ? count + 1 : MaxCount;
}

// A count as the program writes it: decimal digits, at least 0. Missing is 0.
bool ReadCount(const QHash<QString, QString>& values, const QString& key, int32_t& count,
               QString& problem) {
  const auto found = values.find(key.toCaseFolded());
  if (found == values.end())
    return true;
  try {
    count = ParseInteger(found->toStdString());
  } catch (const EConvertError&) {
    count = -1;
  }
  if (count >= 0)
    return true;
  problem = QStringLiteral("%1 is not a count: \"%2\".").arg(key, *found);
  return false;
}

bool ReadSeconds(const QHash<QString, QString>& values, std::optional<double>& seconds,
                 QString& problem) {
  const auto found = values.find(FastestWin.toCaseFolded());
  if (found == values.end())
    return true;
  double value = -1;
  try {
    value = ParseFloat(found->toStdString());
  } catch (const EConvertError&) {
  }
  if (value >= 0 && std::isfinite(value)) {
    seconds = value;
    return true;
  }
  problem = QStringLiteral("FastestWin is not a time in seconds: \"%1\".").arg(*found);
  return false;
}

// What makes the counts of one section impossible, or empty when they fit.
QString Inconsistency(const TSuitStatistics& s) {
  if (s.Won > s.Played)
    return QStringLiteral("more games won than played");
  if (s.LongestStreak > s.Won)
    return QStringLiteral("a streak longer than the games won");
  if (s.CurrentStreak > s.LongestStreak)
    return QStringLiteral("a current streak longer than the longest");
  if (s.Won == 0 && (s.BestScore != 0 || s.FastestWin.has_value()))
    return QStringLiteral("a best score or fastest win without a win");
  return QString();
}

bool ReadSection(const TIniFile& ini, int suits, TSuitStatistics& s, QString& problem) {
  const QHash<QString, QString> values = ini.SectionValues(SectionName(suits));
  if (!ReadCount(values, Played, s.Played, problem) || !ReadCount(values, Won, s.Won, problem) ||
      !ReadCount(values, CurrentStreak, s.CurrentStreak, problem) ||
      !ReadCount(values, LongestStreak, s.LongestStreak, problem) ||
      !ReadCount(values, BestScore, s.BestScore, problem) ||
      !ReadSeconds(values, s.FastestWin, problem))
    return false;
  problem = Inconsistency(s);
  if (problem.isEmpty())
    return true;
  problem = QStringLiteral("The counts show %1.").arg(problem);
  return false;
}

}  // namespace

TSuitStatistics& TStatistics::For(int suits) {
  return BySuits[SlotOf(suits)];
}

const TSuitStatistics& TStatistics::For(int suits) const {
  return BySuits[SlotOf(suits)];
}

void CountGame(TStatistics& statistics, const TGameResult& result) {
  TSuitStatistics& s = statistics.For(result.Suits);
  s.Played = Increased(s.Played);
  if (!result.Won) {
    s.CurrentStreak = 0;
    return;
  }
  // Held at the largest count, the wins stay no more than the games.
  s.Won = std::min(Increased(s.Won), s.Played);
  s.CurrentStreak = std::min(Increased(s.CurrentStreak), s.Won);
  s.LongestStreak = std::max(s.LongestStreak, s.CurrentStreak);
  s.BestScore = std::max(s.BestScore, std::max(result.Score, 0));
  const double seconds = std::isfinite(result.Seconds) ? std::max(result.Seconds, 0.0) : 0.0;
  s.FastestWin = std::min(s.FastestWin.value_or(seconds), seconds);
}

TStatistics ReadStatistics(const TIniFile& ini, QString& problem) {
  problem.clear();
  if (const QString junk = ini.FirstJunkLine(); !junk.isEmpty()) {
    problem = QStringLiteral("A line is no setting: \"%1\".").arg(junk.left(60));
    return {};
  }
  TStatistics read;
  for (const int suits : TStatistics::SuitCounts) {
    if (!ReadSection(ini, suits, read.For(suits), problem)) {
      problem = SectionName(suits) + QStringLiteral(": ") + problem;
      return {};
    }
  }
  return read;
}

void WriteStatistics(TIniFile& ini, const TStatistics& statistics) {
  for (const int suits : TStatistics::SuitCounts) {
    const QString section = SectionName(suits);
    const TSuitStatistics& s = statistics.For(suits);
    ini.EraseSection(section);
    ini.WriteInteger(section, Played, s.Played);
    ini.WriteInteger(section, Won, s.Won);
    ini.WriteInteger(section, CurrentStreak, s.CurrentStreak);
    ini.WriteInteger(section, LongestStreak, s.LongestStreak);
    ini.WriteInteger(section, BestScore, s.BestScore);
    if (s.FastestWin.has_value())
      ini.WriteString(section, FastestWin,
                      QString::fromStdString(FloatText(*s.FastestWin, LocaleDecimalSeparator())));
  }
}
