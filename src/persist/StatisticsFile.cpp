#include "persist/StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <utility>

#include "persist/IniFile.h"

namespace {

// Another window holds the lock only for a read and a write; one that died
// holding it leaves a stale lock that QLockFile takes over.
constexpr int LockWaitMs = 5000;

bool Present(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

}  // namespace

QString UserStatisticsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Sorvane32/statistics.ini");
}

TStatisticsFile::TStatisticsFile(QString path) : FPath(std::move(path)) {}

TStatistics TStatisticsFile::Read(QString& problem) const {
  try {
    return ReadStatistics(ReadIniFile(FPath), problem);
  } catch (const EIniFileError& error) {
    problem = QString::fromStdString(error.what());
    return {};
  }
}

void TStatisticsFile::Count(const TGameResult& result) {
  Update([&result](TStatistics& statistics) { CountGame(statistics, result); });
}

void TStatisticsFile::Reset() {
  Update([](TStatistics& statistics) { statistics = TStatistics(); });
}

// Read, change and write under the lock, so no other window's count falls
// between the read and the write. Without the lock (a folder that takes no
// lock file, a window that hangs) the count is still written: a count lost
// for certain is worse than one that might collide.
template <typename TChange>
void TStatisticsFile::Update(TChange change) {
  if (FPath.isEmpty())
    throw EIniFileError("There is no statistics file to write to.");
  QDir().mkpath(QFileInfo(FPath).absolutePath());
  QLockFile lock(FPath + QStringLiteral(".lock"));
  lock.tryLock(LockWaitMs);
  TIniFile ini;
  QString problem;
  TStatistics statistics;
  try {
    ini = ReadIniFile(FPath);
    statistics = ReadStatistics(ini, problem);
  } catch (const EIniFileError& error) {
    problem = QString::fromStdString(error.what());
  }
  if (!problem.isEmpty()) {
    // The damaged file goes aside whole before anything replaces it.
    if (Present(FPath)) {
      QFile::remove(BadPath());
      if (!QFile::rename(FPath, BadPath()))
        throw EIniFileError("Cannot keep the damaged statistics file as " +
                            QDir::toNativeSeparators(BadPath()).toStdString() +
                            ", so it is left as it is.");
    }
    ini = TIniFile();
    statistics = TStatistics();
  }
  change(statistics);
  WriteStatistics(ini, statistics);
  WriteIniFile(FPath, ini);
}
