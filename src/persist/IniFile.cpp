#include "persist/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "persist/ValueText.h"

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The value of a key line: all after the first "=".
QString ValueOf(const QByteArray& raw) {
  return QString::fromUtf8(raw.mid(raw.indexOf('=') + 1)).trimmed();
}

bool IsComment(const QByteArray& trimmed) {
  return trimmed.startsWith(';') || trimmed.startsWith('#');
}

bool HasLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Hexadecimal digits only, up to 32 bits; "0xFFFFFFFF" is -1.
std::optional<int32_t> ParseHex(const QString& digits) {
  uint32_t value = 0;
  for (const QChar c : digits) {
    const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
    if (digit < 0 || value > 0x0FFFFFFFu)
      return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return static_cast<int32_t>(value);
}

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

}  // namespace

TIniFile::TIniFile(const QByteArray& text) {
  QByteArray body = text;
  if (body.startsWith(ByteOrderMark)) {
    FByteOrderMark = true;
    body.remove(0, ByteOrderMark.size());
  }
  const int firstEnd = body.indexOf('\n');
  FCrLf = firstEnd > 0 && body.at(firstEnd - 1) == '\r';
  QList<QByteArray> lines = body.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty())
    lines.removeLast();  // the end of the last line, not a line of its own
  FLines.reserve(static_cast<size_t>(lines.size()));
  for (QByteArray& line : lines) {
    if (line.endsWith('\r'))
      line.chop(1);
    FLines.push_back(ParseLine(line));
  }
}

TIniFile::TLine TIniFile::ParseLine(const QByteArray& raw) {
  TLine line;
  line.Raw = raw;
  const QByteArray trimmed = raw.trimmed();
  if (trimmed.startsWith('[')) {
    const int close = trimmed.indexOf(']');
    if (close > 0) {
      line.Kind = lkSection;
      line.Name = QString::fromUtf8(trimmed.mid(1, close - 1)).trimmed();
    }
    return line;
  }
  const int equals = trimmed.indexOf('=');
  if (equals > 0 && !IsComment(trimmed)) {
    line.Name = QString::fromUtf8(trimmed.left(equals)).trimmed();
    line.Kind = line.Name.isEmpty() ? lkOther : lkKey;
  }
  return line;
}

TIniFile::TLine TIniFile::KeyLine(const QString& key, const QString& value) {
  return ParseLine(key.toUtf8() + '=' + value.toUtf8());
}

QByteArray TIniFile::Text() const {
  const QByteArray end = FCrLf ? QByteArray("\r\n") : QByteArray("\n");
  QByteArray text = FByteOrderMark ? ByteOrderMark : QByteArray();
  for (const TLine& line : FLines)
    text += line.Raw + end;
  return text;
}

// Follows the section headers: true for a key line inside `section`.
bool TIniFile::InSection(const TLine& line, const QString& section, bool& inside) const {
  if (line.Kind == lkSection)
    inside = SameName(line.Name, section);
  return inside && line.Kind == lkKey;
}

int TIniFile::FindKey(const QString& section, const QString& key) const {
  bool inside = false;
  for (size_t i = 0; i < FLines.size(); ++i)
    if (InSection(FLines[i], section, inside) && SameName(FLines[i].Name, key))
      return static_cast<int>(i);
  return -1;
}

bool TIniFile::ReadValue(const QString& section, const QString& key, QString& value) const {
  const int i = FindKey(section, key);
  if (i < 0)
    return false;
  value = ValueOf(FLines[static_cast<size_t>(i)].Raw);
  return true;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  QString value;
  return ReadValue(section, key, value) ? value : def;
}

int32_t TIniFile::ReadInteger(const QString& section, const QString& key, int32_t def) const {
  QString text;
  if (!ReadValue(section, key, text))
    return def;
  if (text.size() > 2 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    return ParseHex(text.mid(2)).value_or(def);
  try {
    return ParseInteger(text.toStdString());
  } catch (const EConvertError&) {
    return def;
  }
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList TIniFile::Keys(const QString& section) const {
  QStringList keys;
  bool inside = false;
  for (const TLine& line : FLines)
    if (InSection(line, section, inside))
      keys << line.Name;
  return keys;
}

QHash<QString, QString> TIniFile::SectionValues(const QString& section) const {
  QHash<QString, QString> values;
  bool inside = false;
  for (const TLine& line : FLines)
    if (InSection(line, section, inside))
      if (const QString key = line.Name.toCaseFolded(); !values.contains(key))
        values.insert(key, ValueOf(line.Raw));
  return values;
}

QString TIniFile::FirstJunkLine() const {
  for (const TLine& line : FLines) {
    const QByteArray trimmed = line.Raw.trimmed();
    if (line.Kind == lkOther && !trimmed.isEmpty() && !IsComment(trimmed))
      return QString::fromUtf8(trimmed);
  }
  return QString();
}

int TIniFile::EndOfSection(const QString& section) const {
  int end = -1;
  bool inside = false;
  for (size_t i = 0; i < FLines.size(); ++i) {
    const TLine& line = FLines[i];
    if (line.Kind == lkSection) {
      if (end >= 0)
        return end;  // the first section of that name takes new keys
      inside = SameName(line.Name, section);
    }
    if (inside && !line.Raw.trimmed().isEmpty())
      end = static_cast<int>(i) + 1;
  }
  return end;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
    throw EIniFileError("A settings value cannot hold a line break.");
  const int i = FindKey(section, key);
  if (i >= 0) {
    TLine& line = FLines[static_cast<size_t>(i)];
    line = KeyLine(line.Name, value);
    return;
  }
  const int end = EndOfSection(section);
  if (end >= 0) {
    FLines.insert(FLines.begin() + end, KeyLine(key, value));
    return;
  }
  FLines.push_back(ParseLine('[' + section.toUtf8() + ']'));
  FLines.push_back(KeyLine(key, value));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString& section) {
  bool inside = false;
  std::erase_if(FLines, [&](const TLine& line) {
    if (line.Kind == lkSection)
      inside = SameName(line.Name, section);
    return inside;
  });
}

TIniFile ReadIniFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists())
    return TIniFile();
  // A folder, a pipe or a device in the file's place is not read: it could block.
  if (!info.isFile())
    throw EIniFileError("Cannot read " + Shown(path).toStdString() + ": it is not a file.");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EIniFileError("Cannot read " + Shown(path).toStdString() + ": " +
                        file.errorString().toStdString());
  const QByteArray text = file.read(MaxIniFileSize + 1);
  if (file.error() != QFileDevice::NoError)
    throw EIniFileError("Cannot read " + Shown(path).toStdString() + ": " +
                        file.errorString().toStdString());
  if (text.size() > MaxIniFileSize)
    throw EIniFileError("Cannot read " + Shown(path).toStdString() +
                        ": it is larger than 1 MiB, so it is no settings file.");
  return TIniFile(text);
}

void WriteIniFile(const QString& path, const TIniFile& ini) {
  if (path.isEmpty())
    throw EIniFileError("There is no settings file to write to.");
  // A symbolic link stays a link (QSaveFile writes to its target), for those
  // who keep their settings elsewhere; the target's folder is the one made.
  const QFileInfo info(path);
  const QString target = info.isSymLink() ? info.symLinkTarget() : path;
  const auto fail = [&target](const QString& reason) {
    throw EIniFileError("Cannot write " + Shown(target).toStdString() + ": " +
                        reason.toStdString());
  };
  const QString folder = QFileInfo(target).absolutePath();
  if (!QDir().mkpath(folder))
    fail(QStringLiteral("the folder %1 cannot be made.").arg(Shown(folder)));
  const QByteArray text = ini.Text();
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly))
    fail(file.errorString());
  if (file.write(text) != text.size() || !file.commit())
    fail(file.errorString());
}
