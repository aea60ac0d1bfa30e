// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit settings the game chooses leave the player's own settings alone.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform/qt/qt_toolkit_settings.h"

namespace {

// Restores a variable of the environment when the test ends.
class KeptVariable {
public:
  explicit KeptVariable(const char* name) : name_(name), was_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
  ~KeptVariable() {
    if (was_) {
      qputenv(name_, value_);
    } else {
      qunsetenv(name_);
    }
  }

private:
  const char* name_;
  bool was_;
  QByteArray value_;
};

TEST(ToolkitSettings, AreChosenOnlyWhereThePlayerSetNothingEvenAnEmptyValueStays) {
  const KeptVariable glib("QT_NO_GLIB");
  const KeptVariable shm("QT_XCB_NO_MITSHM");
  qunsetenv("QT_NO_GLIB");
  qunsetenv("QT_XCB_NO_MITSHM");
  ChooseToolkitSettingsForSteadyRepaints();
  EXPECT_EQ(qgetenv("QT_NO_GLIB"), "1");
  EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "1");

  // An empty QT_NO_GLIB asks for GLib's loop; any value of the other is the player's.
  qputenv("QT_NO_GLIB", "");
  qputenv("QT_XCB_NO_MITSHM", "0");
  ChooseToolkitSettingsForSteadyRepaints();
  EXPECT_TRUE(qEnvironmentVariableIsSet("QT_NO_GLIB"));
  EXPECT_EQ(qgetenv("QT_NO_GLIB"), "");
  EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "0");
}

}  // namespace
