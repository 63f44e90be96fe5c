#pragma once

#include <QString>
#include <QStringList>

class TIniFile;

// The full paths of recently used files, newest first: the list behind the
// recent-games menu, and its section of the settings file ("Count", then
// "Path0", "Path1", ... from the top).
class TRecentList {
 public:
  // The most entries Load reads, and so the most the menu shows.
  static constexpr int MaxLoaded = 1000;

  const QStringList& Paths() const { return FPaths; }
  int Count() const { return static_cast<int>(FPaths.size()); }

  // Adds at the top or at the end. With `noDuplicates` a path already in
  // the list, in any letter case, is taken out first, so the new spelling
  // stays. A path with a line break cannot be stored and is not added.
  void Add(const QString& path, bool atTop, bool noDuplicates);
  void DeleteEntry(int position);
  // Removes entries from the end until at most `limit` remain.
  void ApplyLimit(int limit);
  void Clear() { FPaths.clear(); }

  // Rebuilds the list from `section` of `ini`: "Path0" to "Path" + (Count - 1),
  // each read with an empty default and added at the end, without applying a
  // limit. Count is read up to MaxLoaded. With `noDuplicates` the last
  // entry of each path (in any letter case) stays, so any number of missing
  // keys end as one empty entry. The time taken grows linearly with the
  // section.
  void Load(const TIniFile& ini, const QString& section, bool noDuplicates);
  // Replaces `section` of `ini` with "Count" and the paths.
  void Save(TIniFile& ini, const QString& section) const;

 private:
  QStringList FPaths;
};

// The menu caption of the entry at `position` (from 0): "&1 Game.svgm",
// the file's name or, with `showPath`, its full path, after the entry's
// number when `numberItems` is set. "&" in the name shows as itself.
QString RecentCaption(int position, const QString& path, bool numberItems, bool showPath);
