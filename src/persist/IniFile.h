#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <vector>

// A settings file that cannot be read or written; the text says why.
class EIniFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The lines of an INI file: "[Section]" headers, each followed by
// "key=value" lines. It is read and changed in memory and written back
// whole. Sections and keys are found without regard to letter case, the
// first of duplicates wins, and blanks around names and values do not
// count. Lines the program does not ask for (comments, other sections and
// keys, keys before any section, junk) are kept as they were, in their
// order, byte for byte.
class TIniFile {
 public:
  TIniFile() = default;
  // Reads the file's text: UTF-8, with LF or CR LF line ends.
  explicit TIniFile(const QByteArray& text);
  // The file's text, in the line ends it was read with (LF for a new file).
  QByteArray Text() const;

  // True with the value when the key is present.
  bool ReadValue(const QString& section, const QString& key, QString& value) const;
  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Decimal, or hexadecimal after "0x"; anything else gives `def`.
  int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;
  // An integer, any other than 0 being true.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  // The keys of a section, in file order.
  QStringList Keys(const QString& section) const;
  // The values of a section by case-folded key (the first of duplicates),
  // found in one pass over the file.
  QHash<QString, QString> SectionValues(const QString& section) const;
  // The first line that is neither blank, a comment, a section header nor a
  // key line; empty when there is none.
  QString FirstJunkLine() const;

  // Sets the key, adding it (and its section) at the end when it is new.
  // A value cannot hold a line break: that throws EIniFileError.
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int32_t value);
  // "1" or "0".
  void WriteBool(const QString& section, const QString& key, bool value);
  // Removes every section of that name with all its lines.
  void EraseSection(const QString& section);

 private:
  enum TLineKind { lkOther, lkSection, lkKey };
  struct TLine {
    TLineKind Kind = lkOther;
    QByteArray Raw;  // as in the file, without its line end
    QString Name;    // the section's or the key's name
  };
  static TLine ParseLine(const QByteArray& raw);
  static TLine KeyLine(const QString& key, const QString& value);
  bool InSection(const TLine& line, const QString& section, bool& inside) const;
  int FindKey(const QString& section, const QString& key) const;
  // Where a new key of the section goes: after its last line that is not
  // blank; -1 when there is no such section.
  int EndOfSection(const QString& section) const;

  std::vector<TLine> FLines;
  bool FCrLf = false;
  bool FByteOrderMark = false;
};

// Settings files are small; anything larger is no settings file.
inline constexpr qint64 MaxIniFileSize = 1024 * 1024;

// The INI file at `path`. A missing file (or an empty path) reads as an
// empty file; one that exists but cannot be read (no permission, a folder or
// a device in its place, larger than MaxIniFileSize) throws EIniFileError.
TIniFile ReadIniFile(const QString& path);

// Replaces the file at `path` with `ini` in one step, creating its folder
// when missing and writing through a symbolic link to its target. On
// failure the old file stays as it was and EIniFileError says why.
void WriteIniFile(const QString& path, const TIniFile& ini);
