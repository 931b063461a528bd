// The platform tests need a QApplication (offscreen under ctest).
#include <gtest/gtest.h>

#include <stdlib.h>

#include <QApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Offscreen unless a test run asks for a real display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
