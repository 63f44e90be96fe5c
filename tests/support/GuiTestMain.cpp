// Test entry point for code that draws: a GUI application on the offscreen
// platform, so no display is needed (also when the test list is read at
// build time, where the test's environment is not applied). Built with
// SORVANE_TEST_WIDGETS it is a widget application, for windows and controls;
// with SORVANE_TEST_SCALE its screen shows everything at that scale.
#include <gtest/gtest.h>

#include <cstdlib>
#ifdef SORVANE_TEST_WIDGETS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
#ifdef SORVANE_TEST_SCALE
  setenv("QT_SCALE_FACTOR", SORVANE_TEST_SCALE, 1);
#endif
  TTestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
