// SPDX-License-Identifier: GPL-3.0-or-later
// Which window system the game's windows go to: X11 through XWayland on a Wayland desktop.
#include "platform/display_platform.h"

#include <string_view>

namespace {
bool Filled(const char* value) { return value && *value; }
}  // namespace

std::string ChooseDisplayPlatform(const std::function<const char*(const char*)>& getenv) {
  // The toolkit itself takes an empty QT_QPA_PLATFORM for none.
  if (Filled(getenv("QT_QPA_PLATFORM"))) return {};
  const char* session = getenv("XDG_SESSION_TYPE");
  const bool wayland =
      Filled(getenv("WAYLAND_DISPLAY")) || (session && std::string_view(session) == "wayland");
  if (!wayland || !Filled(getenv("DISPLAY"))) return {};
  return "xcb;wayland";
}
