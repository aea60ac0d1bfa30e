// SPDX-License-Identifier: GPL-3.0-or-later
// The window system the game asks the toolkit for: X11 through XWayland on a Wayland desktop
// that offers an X display, never over the player's own QT_QPA_PLATFORM.
#include "platform/display_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

TEST(DisplayPlatform, WaylandDesktopsGoThroughTheirXDisplayUnlessThePlayerChoseOtherwise) {
  const struct {
    const char* what;
    std::map<std::string, std::string> env;
    const char* platform;
  } cases[] = {
      {"an X11 desktop", {{"DISPLAY", ":0"}}, ""},
      {"a Wayland desktop with XWayland",
       {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}},
       "xcb;wayland"},
      {"a Wayland session named by its type",
       {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}},
       "xcb;wayland"},
      {"a Wayland desktop without an X display", {{"WAYLAND_DISPLAY", "wayland-0"}}, ""},
      {"an empty X display", {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}}, ""},
      {"the player's own platform",
       {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
       ""},
      // The toolkit takes an empty QT_QPA_PLATFORM for none, and so does the game.
      {"an empty QT_QPA_PLATFORM",
       {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", ""}},
       "xcb;wayland"},
      {"an X11 session type", {{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}}, ""},
      {"nothing at all", {}, ""},
  };
  for (const auto& c : cases) {
    const auto getenv = [&c](const char* name) -> const char* {
      const auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(ChooseDisplayPlatform(getenv), c.platform) << c.what;
  }
}

}  // namespace
