// Fitted cards as the settings file keeps them: "Display", "FitCards".
#include <gtest/gtest.h>

#include "persist/IniFile.h"
#include "persist/Settings.h"

namespace {

// On, the default, leaves a file as the eight keys alone write it; off, or
// once the key is there, it follows the card size. A missing or bad value
// keeps the current choice.
TEST(FitCardsSettingTest, OnAddsNothingOffAndLaterSavesKeepTheKey) {
  TIniFile ini;
  WriteSettings(ini, TSettings());
  EXPECT_FALSE(ini.Text().contains("FitCards"));
  TSettings off;
  off.FitCards = false;
  WriteSettings(ini, off);
  EXPECT_TRUE(ini.Text().startsWith("[Display]\nCardBack=5\nSmallCards=0\nFitCards=0\n"));
  EXPECT_FALSE(ReadSettings(ini, TSettings()).FitCards);
  WriteSettings(ini, TSettings());
  EXPECT_TRUE(ReadSettings(ini, off).FitCards);
  for (const char* text : {"", "[Display]\nFitCards=on\n", "[Play]\nFitCards=1\n"})
    EXPECT_FALSE(ReadSettings(TIniFile(QByteArray(text)), off).FitCards) << text;
  EXPECT_TRUE(ReadSettings(TIniFile("[Display]\nFitCards=2\n"), off).FitCards);
}

}  // namespace
