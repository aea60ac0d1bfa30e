// SPDX-License-Identifier: GPL-3.0-or-later
// The active keyboard layout read from the X server through libxkbcommon-x11.
#include "platform/qt/qt_keyboard_layout.h"

#include "platform/xkb_key_tables.h"

#include <QGuiApplication>
#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace {
struct ContextFree {
  void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapFree {
  void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct StateFree {
  void operator()(xkb_state* state) const { xkb_state_unref(state); }
};
}  // namespace

bool QtKeyboardLayout::ReadsLayout() const {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform == QLatin1String("offscreen") ||
         platform == QLatin1String("minimal");
}

std::string QtKeyboardLayout::KeyPosition(uint32_t nativeKeyCode) const {
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland"))) return {};
  return UsKeyOfXkbKeycode(nativeKeyCode);
}

std::optional<KeyTable> QtKeyboardLayout::ActiveTable() {
  auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connection = app ? app->connection() : nullptr;
  if (!connection) return std::nullopt;
  if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                   XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
    return std::nullopt;
  }
  const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
  if (device < 0) return std::nullopt;
  std::unique_ptr<xkb_context, ContextFree> context(xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES));
  if (!context) return std::nullopt;
  std::unique_ptr<xkb_keymap, KeymapFree> keymap(
      xkb_x11_keymap_new_from_device(context.get(), connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (!keymap) return std::nullopt;
  // The state tells the group the player has switched to; the shift level is always the first.
  std::unique_ptr<xkb_state, StateFree> state(xkb_x11_state_new_from_device(keymap.get(), connection, device));
  const xkb_layout_index_t layout = state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
  return KeyTableFromKeymap(keymap.get(), layout);
}
