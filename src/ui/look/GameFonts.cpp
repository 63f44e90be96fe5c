#include "ui/look/GameFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace {

bool HasFamily(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Debian's fonts-wine puts a free Tahoma where fontconfig does not look.
void AddWineTahoma() {
  const QDir folder(QStringLiteral("/usr/share/wine/fonts"));
  for (const QString& file : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")})
    if (folder.exists(file))
      QFontDatabase::addApplicationFont(folder.filePath(file));
}

}  // namespace

void RegisterFallbackFonts() {
  if (!HasFamily(QStringLiteral("Tahoma")))
    AddWineTahoma();
  if (!HasFamily(QStringLiteral("Georgia")))
    QFont::insertSubstitutions(
        QStringLiteral("Georgia"),
        {QStringLiteral("Gelasio"), QStringLiteral("DejaVu Serif Condensed"),
         QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
  if (!HasFamily(QStringLiteral("Tahoma")))
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans Condensed"),
                                                          QStringLiteral("DejaVu Sans")});
}

QFont GameFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
