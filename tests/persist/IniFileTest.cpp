// The settings file's lines: awkward files as people and other programs
// leave them, values in every form, and writes that keep what they do not
// change or that fail and change nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persist/IniFile.h"
#include "support/QtPrinters.h"

namespace {

QByteArray FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

TEST(IniFileTest, AwkwardFilesReadAsTheirAuthorsMeantThem) {
  struct TCase {
    const char* Text;
    const char* Section;
    const char* Key;
    const char* Value;  // nullptr: not found
  };
  const TCase cases[] = {
      {"[History]\nPath0=/home/a/x.svgm", "History", "Path0", "/home/a/x.svgm"},  // no last LF
      {"[History]\r\nPath0=C:\\Games\\a,b.svgm\r\n", "History", "Path0", "C:\\Games\\a,b.svgm"},
      {"[ Play ]\n  Verbose  =  0  \n", "play", "VERBOSE", "0"},
      {"[Play]\nVerbose=1\nVerbose=0\n", "Play", "Verbose", "1"},  // the first one counts
      {"Verbose=0\n[Play]\n", "Play", "Verbose", nullptr},         // before any section
      {"[Play]\n;Verbose=0\n#Verbose=0\n", "Play", "Verbose", nullptr},
      {"[Display]\nCardBack=3\n[Play]\nCardBack=4\n", "Play", "CardBack", "4"},
      {"[History]\nPath0=/home/zoë/Spiele/Spider ♠.svgm\n", "History", "Path0",
       "/home/zoë/Spiele/Spider ♠.svgm"},
      {"\xEF\xBB\xBF[Play]\nVerbose=0\n", "Play", "Verbose", "0"},
      {"[Play\nVerbose=0\n", "Play", "Verbose", nullptr},
      {"[History]\nPath0=a=b\n", "History", "Path0", "a=b"},
  };
  for (const TCase& c : cases) {
    const TIniFile ini{QByteArray(c.Text)};
    QString value;
    const bool found = ini.ReadValue(QString::fromUtf8(c.Section), QString::fromUtf8(c.Key), value);
    EXPECT_EQ(found, c.Value != nullptr) << c.Text;
    if (found && c.Value != nullptr) {
      EXPECT_EQ(value, QString::fromUtf8(c.Value)) << c.Text;
    }
    EXPECT_EQ(ini.Text(),
              QByteArray(c.Text).endsWith('\n') ? QByteArray(c.Text) : QByteArray(c.Text) + '\n');
  }
}

TEST(IniFileTest, IntegersAreDecimalOrHexAndAnythingElseGivesTheDefault) {
  const std::pair<const char*, int32_t> cases[] = {
      {"12", 12},  {"-7", -7},          {"0x1F", 31},  {"0X1f", 31}, {"0xFFFFFFFF", -1},
      {"0x", 99},  {"0x1G", 99},        {"12a", 99},   {"", 99},     {"4294967296", 99},
      {"1.5", 99}, {"0x100000000", 99}, {" 0x10 ", 16}};
  for (const auto& [text, expected] : cases) {
    const TIniFile ini("[S]\nK=" + QByteArray(text) + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", 99), expected) << text;
  }
  const TIniFile ini("[S]\nTwo=2\nZero=0\nWord=yes\n");
  EXPECT_TRUE(ini.ReadBool("S", "Two", false));
  EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
  EXPECT_TRUE(ini.ReadBool("S", "Word", true));
  EXPECT_FALSE(ini.ReadBool("S", "Missing", false));
}

TEST(IniFileTest, WritesChangeOnlyTheirKeysAndKeepEverythingElseInPlace) {
  TIniFile ini(
      QByteArray("; my notes\r\nOrphan=1\r\n[Display]\r\nCardBack = 3\r\n"
                 "Colour=blue\r\n\r\n[Other]\r\nx=\xFF\xFE junk\r\n"));
  ini.WriteInteger("display", "cardback", 7);
  ini.WriteBool("Display", "SmallCards", true);
  ini.WriteString("Play", "Verbose", "0");
  EXPECT_EQ(ini.Text(),
            "; my notes\r\nOrphan=1\r\n[Display]\r\nCardBack=7\r\nColour=blue\r\nSmallCards=1\r\n"
            "\r\n[Other]\r\nx=\xFF\xFE junk\r\n[Play]\r\nVerbose=0\r\n");

  ini.EraseSection("DISPLAY");
  EXPECT_EQ(ini.Text(),
            "; my notes\r\nOrphan=1\r\n[Other]\r\nx=\xFF\xFE junk\r\n[Play]\r\n"
            "Verbose=0\r\n");
  // A line break would let a value write lines of its own.
  EXPECT_THROW(ini.WriteString("History", "Path0", "a\n[Display]\nCardBack=99"), EIniFileError);
  EXPECT_EQ(ini.Keys("History"), QStringList());
}

TEST(IniFileTest, FilesThatCannotBeReadAreRefused) {
  QTemporaryDir folder;
  const QString huge = folder.filePath("huge.ini");
  QFile big(huge);
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(100 * 1024 * 1024));
  big.close();
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.ini"));
  const std::pair<QString, const char*> cases[] = {
      {huge, "larger than 1 MiB"},
      {folder.filePath("folder.ini"), "not a file"},
      {"/dev/zero", "not a file"},  // a device could be read for ever
  };
  for (const auto& [path, reason] : cases) {
    try {
      ReadIniFile(path);
      ADD_FAILURE() << path.toStdString() << " was read";
    } catch (const EIniFileError& error) {
      EXPECT_TRUE(QString(error.what()).contains(reason)) << error.what();
    }
  }
  EXPECT_THROW(WriteIniFile(folder.filePath("folder.ini"), TIniFile()), EIniFileError);
  EXPECT_TRUE(ReadIniFile(folder.filePath("missing.ini")).Keys("S").isEmpty());
}

TEST(IniFileTest, AWriteCreatesTheFolderGoesThroughLinksAndFailsWithItsReason) {
  QTemporaryDir folder;
  const QString nested = folder.filePath("config/sub/Sorvane32.ini");
  WriteIniFile(nested, TIniFile("[S]\nK=1\n"));
  EXPECT_EQ(FileText(nested), "[S]\nK=1\n");

  const QString link = folder.filePath("link.ini");
  ASSERT_TRUE(QFile::link(nested, link));
  WriteIniFile(link, TIniFile("[S]\nK=2\n"));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(FileText(nested), "[S]\nK=2\n");

  // /proc takes no new files, not even from the administrator.
  try {
    WriteIniFile("/proc/Sorvane32.ini", TIniFile("[S]\nK=1\n"));
    ADD_FAILURE() << "the write did not fail";
  } catch (const EIniFileError& error) {
    EXPECT_TRUE(QString(error.what()).startsWith("Cannot write /proc/Sorvane32.ini: "))
        << error.what();
  }
  const QString plain = folder.filePath("plain");
  WriteText(plain, "not a folder");
  EXPECT_THROW(WriteIniFile(plain + "/Sorvane32.ini", TIniFile()), EIniFileError);
  EXPECT_EQ(FileText(plain), "not a folder");
}
