// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the screen tests: one QApplication for every test, offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(pictures);
  ::testing::InitGoogleTest(&argc, argv);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Dates and numbers as under the C locale, whatever the machine's: a test that wants another
  // locale sets its own.
  QLocale::setDefault(QLocale::c());
  return RUN_ALL_TESTS();
}
