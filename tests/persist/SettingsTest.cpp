// The options and the recent games as the settings file holds them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "persist/IniFile.h"
#include "persist/RecentList.h"
#include "persist/Settings.h"
#include "support/QtPrinters.h"

namespace {

// Options that differ from every default and factory value.
TSettings Unusual() {
  TSettings s;
  s.CardBack = 9;
  s.SmallCards = true;
  s.ScreenHeight = 420;
  s.PositionX = -30;
  s.PositionY = 77;
  s.SoundOff = true;
  s.SingleClickMode = true;
  s.Verbose = false;
  return s;
}

QString ListText(const TRecentList& list) {
  return list.Paths().join('|');
}

}  // namespace

TEST(SettingsTest, MissingAndBadValuesKeepTheCurrentOptionsButTheBackFallsToFive) {
  const TSettings current = Unusual();
  TSettings expected = current;
  expected.CardBack = 5;
  EXPECT_EQ(ReadSettings(TIniFile(), current), expected);

  const TIniFile ini(
      QByteArray("[Display]\nCardBack=13\nSmallCards=2\n[Layout]\nScreenHeight=0x200\n"
                 "PositionX=left\n[Sound]\nDisable=0\n[Play]\nVerbose=-1\n"));
  expected.SmallCards = true;  // "2" is true
  expected.ScreenHeight = 512;
  expected.SoundOff = false;
  expected.Verbose = true;
  EXPECT_EQ(ReadSettings(ini, current), expected);
  EXPECT_EQ(ReadSettings(TIniFile("[Display]\nCardBack=-1\n"), current).CardBack, 5);
  EXPECT_EQ(ReadSettings(TIniFile("[Display]\nCardBack=0\n"), current).CardBack, 0);
}

TEST(SettingsTest, SavedSettingsReadBackAndLeaveTheRestOfTheFileAlone) {
  QTemporaryDir folder;
  const QString path = folder.filePath("Sorvane32.ini");
  WriteIniFile(path, TIniFile("[History]\nCount=1\nPath0=/a,b\\c.svgm\n[Layout]\nWidth=5\n"));
  SaveSettingsFile(path, Unusual());
  EXPECT_EQ(ReadSettingsFile(path, TSettings()), Unusual());
  EXPECT_EQ(ReadIniFile(path).Text(),
            "[History]\nCount=1\nPath0=/a,b\\c.svgm\n[Layout]\nWidth=5\nScreenHeight=420\n"
            "PositionX=-30\nPositionY=77\n[Display]\nCardBack=9\nSmallCards=1\n[Sound]\n"
            "Disable=1\n[Play]\nSingleClickMode=1\nVerbose=0\n");

  // A file that cannot be read gives the defaults and is not replaced.
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.ini"));
  const QString huge = folder.filePath("huge.ini");
  QFile big(huge);
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(100 * 1024 * 1024));
  big.close();
  for (const QString& blocked : {folder.filePath("folder.ini"), huge}) {
    EXPECT_EQ(ReadSettingsFile(blocked, TSettings()), TSettings());
    EXPECT_THROW(SaveSettingsFile(blocked, Unusual()), EIniFileError);
  }
  EXPECT_TRUE(QFileInfo(folder.filePath("folder.ini")).isDir());
  EXPECT_EQ(QFileInfo(huge).size(), 100 * 1024 * 1024);
}

TEST(RecentListTest, TheNewestComesFirstAndTheOldestFallOffAtTheLimit) {
  TRecentList list;
  for (int i = 1; i <= 11; ++i) {
    list.Add(QStringLiteral("/games/g%1.svgm").arg(i), true, true);
    list.ApplyLimit(10);
  }
  ASSERT_EQ(list.Count(), 10);
  EXPECT_EQ(list.Paths().front(), "/games/g11.svgm");
  EXPECT_EQ(list.Paths().back(), "/games/g2.svgm");

  list.Add("/GAMES/g5.SVGM", true, true);
  EXPECT_EQ(list.Count(), 10);
  EXPECT_EQ(list.Paths().front(), "/GAMES/g5.SVGM");
  EXPECT_FALSE(list.Paths().contains("/games/g5.svgm"));
  list.Add("/games/g3.svgm", true, false);  // duplicates allowed
  EXPECT_EQ(list.Paths().count("/games/g3.svgm"), 2);
  list.Add("/games/two\nlines.svgm", true, true);
  EXPECT_EQ(list.Paths().front(), "/games/g3.svgm");
}

TEST(RecentListTest, LoadingTakesTheFilesOrderAndACountBeyondTheKeysEndsInOneEmptyEntry) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"[History]\nCount=0\nPath0=/a\n", ""},
      {"[History]\nPath0=/a\n", ""},
      {"[History]\nCount=2\nPath0=/a\nPath1=/b\n", "/a|/b"},
      {"[History]\nCount=5\nPath0=/a\nPath1=/b\n", "/a|/b|"},
      {"[History]\nCount=2147483647\nPath1=/b\n", "/b|"},
      {"[History]\nCount=3\nPath0=/a\nPath1=/A\nPath2=/c\n", "/A|/c"},
      {"[History]\nCount=-4\nPath0=/a\n", ""},
      // Keys missing between: an empty entry, then the paths.
      {"[History]\nCount=3\nPath2=/c\n", "|/c"},
      {"[History]\nCount=5\nPath4=/e\nPath1=/b\n", "/b||/e"},
      {"[History]\nCount=4\npath3=/d\nPATH3=/x\nPath0=/D\n", "|/d"},
  };
  for (const auto& [text, expected] : cases) {
    TRecentList list;
    list.Add("/old", true, true);
    list.Load(TIniFile(QByteArray(text)), "History", true);
    EXPECT_EQ(ListText(list), expected) << text;
  }
}

// A section of any length: at most MaxLoaded entries, the first ones.
TEST(RecentListTest, LoadingReadsAtMostAThousandEntries) {
  QByteArray text = "[History]\nCount=62986\n";
  for (int i = 0; i < 62986; ++i)
    text += "Path" + QByteArray::number(i) + "=/games/" + QByteArray::number(i % 3000) + ".svgm\n";
  for (const bool noDuplicates : {true, false}) {
    TRecentList list;
    list.Load(TIniFile(text), "History", noDuplicates);
    ASSERT_EQ(list.Count(), TRecentList::MaxLoaded);
    EXPECT_EQ(list.Paths().back(), "/games/999.svgm");
  }
}

TEST(RecentListTest, SavingLeavesExactlyCountAndOnePathKeyPerEntry) {
  TIniFile ini(QByteArray("[History]\nCount=9\nPath0=/x\nPath8=/y\nOld=1\n[Play]\nVerbose=0\n"));
  TRecentList list;
  list.Add("/b, with comma.svgm", true, true);
  list.Add("C:\\games\\a.svgm", true, true);
  list.Save(ini, "History");
  EXPECT_EQ(ini.Keys("History"), QStringList({"Count", "Path0", "Path1"}));
  EXPECT_EQ(ini.Text(),
            "[Play]\nVerbose=0\n[History]\nCount=2\nPath0=C:\\games\\a.svgm\n"
            "Path1=/b, with comma.svgm\n");
  TRecentList again;
  again.Load(ini, "History", true);
  EXPECT_EQ(again.Paths(), list.Paths());
}

TEST(RecentListTest, CaptionsNumberTheEntriesFromOne) {
  EXPECT_EQ(RecentCaption(0, "/home/a/Game.svgm", true, false), "&1 Game.svgm");
  EXPECT_EQ(RecentCaption(9, "/home/a/Game.svgm", true, true), "&10 /home/a/Game.svgm");
  EXPECT_EQ(RecentCaption(2, "/home/a/Game.svgm", false, false), "Game.svgm");
  EXPECT_EQ(RecentCaption(1, "", true, false), "&2 ");
  EXPECT_EQ(RecentCaption(0, "/x/Fish & Chips.svgm", true, false), "&1 Fish && Chips.svgm");
}
