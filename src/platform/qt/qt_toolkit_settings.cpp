// SPDX-License-Identifier: GPL-3.0-or-later
// Toolkit settings for a program that wakes some twenty times a second to repaint a little.
#include "platform/qt/qt_toolkit_settings.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdlib>
#include <string_view>

#include "platform/display_platform.h"

void ChooseToolkitSettingsForSteadyRepaints() {
  // The toolkit's own event loop instead of GLib's, which does more bookkeeping at every wake-up;
  // nothing in the game runs on a GLib main loop.
  if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
  // A level repaints small areas, mostly where it has just painted. Through shared memory the X
  // connection makes a round trip before each such repaint (the X server must have read the
  // last one); the few kilobytes of a repaint sent over the connection need none.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

std::vector<std::string> ToolkitArguments(int argc, char* argv[]) {
  std::vector<std::string> args(argv, argv + argc);
  for (const std::string& arg : args) {
    if (arg == "-platform" || arg == "--platform") return args;
  }
  const std::string platform = ChooseDisplayPlatform([](const char* name) { return std::getenv(name); });
  if (!platform.empty()) {
    args.push_back("-platform");
    args.push_back(platform);
  }
  return args;
}
