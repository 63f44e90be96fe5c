// The suits of the next new game as the settings file keeps them.
#include <gtest/gtest.h>

#include "persist/IniFile.h"
#include "persist/Settings.h"

namespace {

TEST(SuitsSettingTest, OnlyOneAndTwoReadAsThemselvesEverythingElseAsFour) {
  const std::vector<std::pair<const char*, int>> cases{{"", 4},
                                                       {"[Play]\nSuits=1\n", 1},
                                                       {"[Play]\nSuits=2\n", 2},
                                                       {"[Play]\nSuits=4\n", 4},
                                                       {"[Play]\nSuits=3\n", 4},
                                                       {"[Play]\nSuits=0\n", 4},
                                                       {"[Play]\nSuits=-2\n", 4},
                                                       {"[Play]\nSuits=two\n", 4},
                                                       {"[Display]\nSuits=1\n", 4}};
  TSettings current;
  current.Suits = 2;
  for (const auto& [text, suits] : cases)
    EXPECT_EQ(ReadSettings(TIniFile(QByteArray(text)), current).Suits, suits) << text;
}

// Four suits leave a file without the key byte for byte as the classic game
// writes it; once the key is there, every save keeps it up to date.
TEST(SuitsSettingTest, TheKeyFollowsTheOthersAndFourSuitsAddNothing) {
  TIniFile classic;
  WriteSettings(classic, TSettings());
  EXPECT_FALSE(classic.Text().contains("Suits"));
  TSettings two;
  two.Suits = 2;
  TIniFile ini;
  WriteSettings(ini, two);
  EXPECT_TRUE(ini.Text().endsWith("Verbose=1\nSuits=2\n")) << ini.Text().toStdString();
  WriteSettings(ini, TSettings());
  EXPECT_TRUE(ini.Text().endsWith("Verbose=1\nSuits=4\n"));
}

}  // namespace
