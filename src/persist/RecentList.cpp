#include "persist/RecentList.h"

#include <QFileInfo>
#include <algorithm>

#include "persist/IniFile.h"

void TRecentList::Add(const QString& path, bool atTop, bool noDuplicates) {
  if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
    return;
  if (noDuplicates) {
    const auto known = std::find_if(FPaths.cbegin(), FPaths.cend(), [&path](const QString& p) {
      return p.compare(path, Qt::CaseInsensitive) == 0;
    });
    if (known != FPaths.cend())
      DeleteEntry(static_cast<int>(known - FPaths.cbegin()));
  }
  if (atTop)
    FPaths.prepend(path);
  else
    FPaths.append(path);
}

void TRecentList::DeleteEntry(int position) {
  if (position >= 0 && position < Count())
    FPaths.removeAt(position);
}

void TRecentList::ApplyLimit(int limit) {
  while (Count() > std::max(limit, 0))
    FPaths.removeLast();
}

void TRecentList::Load(const TIniFile& ini, const QString& section, bool noDuplicates) {
  Clear();
  const int count = ini.ReadInteger(section, QStringLiteral("Count"), 0);
  // Past the last key every path reads empty, and one empty entry is as
  // good as any number of them: a huge "Count" stops there.
  const int keys = static_cast<int>(ini.Keys(section).size());
  for (int i = 0; i < std::min(count, keys + 1); ++i)
    Add(ini.ReadString(section, QStringLiteral("Path%1").arg(i), QString()), false, noDuplicates);
}

void TRecentList::Save(TIniFile& ini, const QString& section) const {
  ini.EraseSection(section);
  ini.WriteInteger(section, QStringLiteral("Count"), Count());
  for (int i = 0; i < Count(); ++i)
    ini.WriteString(section, QStringLiteral("Path%1").arg(i), FPaths[i]);
}

QString RecentCaption(int position, const QString& path, bool numberItems, bool showPath) {
  QString name = showPath ? path : QFileInfo(path).fileName();
  name.replace(QLatin1Char('&'), QLatin1String("&&"));
  return numberItems ? QStringLiteral("&%1 %2").arg(position + 1).arg(name) : name;
}
