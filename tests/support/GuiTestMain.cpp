// Test entry point for code that draws: a GUI application on the offscreen
// platform, so no display is needed (also when the test list is read at
// build time, where the test's environment is not applied). Built with
// SORVANE_TEST_WIDGETS it is a widget application, for windows and controls;
// with SORVANE_TEST_SCALE its screen shows everything at that scale.
//
// The offscreen screen is a desktop of 1280 x 1024, and the user's
// configuration folder is a fresh temporary one: no test reads or writes
// the real settings file; the data folder, where the statistics are kept,
// is a fresh one too.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#ifdef SORVANE_TEST_WIDGETS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif

namespace {

bool WriteScreenConfig(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1280,
                      "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") > 0;
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  if (!home.isValid())
    return 1;
  setenv("XDG_CONFIG_HOME", qPrintable(home.filePath(QStringLiteral("config"))), 1);
  setenv("XDG_DATA_HOME", qPrintable(home.filePath(QStringLiteral("data"))), 1);
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const QString screens = home.filePath(QStringLiteral("screens.json"));
  if ((platform == nullptr || std::string(platform) == "offscreen") && WriteScreenConfig(screens))
    setenv("QT_QPA_PLATFORM", qPrintable("offscreen:configfile=" + screens), 1);
#ifdef SORVANE_TEST_SCALE
  setenv("QT_SCALE_FACTOR", SORVANE_TEST_SCALE, 1);
#endif
  TTestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
