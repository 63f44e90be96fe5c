#include "persist/RecentList.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
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
  const int count = std::clamp(ini.ReadInteger(section, QStringLiteral("Count"), 0), 0, MaxLoaded);
  const QHash<QString, QString> values = ini.SectionValues(section);
  QStringList paths;
  for (int i = 0; i < count; ++i) {
    const QString path = values.value(QStringLiteral("path%1").arg(i));
    if (!path.contains(QLatin1Char('\n')) && !path.contains(QLatin1Char('\r')))
      paths.append(path);
  }
  if (!noDuplicates) {
    FPaths = paths;
    return;
  }
  // Adding each at the end, a path met again moves down to its later place
  // in its later spelling: each path's last entry stays.
  QSet<QString> later;
  for (auto path = paths.crbegin(); path != paths.crend(); ++path)
    if (!later.contains(path->toCaseFolded())) {
      later.insert(path->toCaseFolded());
      FPaths.prepend(*path);
    }
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
