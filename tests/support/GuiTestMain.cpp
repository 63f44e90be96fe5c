// Test entry point for code that draws: a GUI application on the offscreen
// platform, so no display is needed (also when the test list is read at
// build time, where the test's environment is not applied). Built with
// SORVANE_TEST_WIDGETS it is a widget application, for windows and controls.
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
  TTestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
