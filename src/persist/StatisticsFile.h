#pragma once

#include <QString>

#include "persist/Statistics.h"

// The statistics file in the user's data folder ($XDG_DATA_HOME, else
// ~/.local/share): ".../Sorvane32/statistics.ini".
QString UserStatisticsFile();

// The statistics as one file keeps them for every window of the program
// that runs at the time. Each count reads the file afresh, adds the game and
// writes it back in one step, under a lock file beside it, so that two
// windows counting at once keep each other's games.
//
// A file that cannot be read, or holds what the program never writes, reads
// as zeros with a problem to show. Reading never writes; the damaged file is
// replaced only by the next count or a reset, and is first kept beside it
// under the same name with ".bad" added.
class TStatisticsFile {
 public:
  explicit TStatisticsFile(QString path);

  const QString& Path() const { return FPath; }
  QString BadPath() const { return FPath + QStringLiteral(".bad"); }

  // The counts in the file now; `problem` says why they are zeros when the
  // file is damaged or cannot be read, and is empty otherwise.
  TStatistics Read(QString& problem) const;

  // Adds one game to the file. Throws EIniFileError when the file cannot be
  // written; it then stays as it was.
  void Count(const TGameResult& result);
  // Sets every count to zero. Throws EIniFileError as Count does.
  void Reset();

 private:
  template <typename TChange>
  void Update(TChange change);

  QString FPath;
};
