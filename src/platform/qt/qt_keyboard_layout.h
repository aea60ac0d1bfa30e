// SPDX-License-Identifier: GPL-3.0-or-later
// The active keyboard layout of the X server the game's windows are on.
#pragma once
#include "platform/keyboard_layout.h"

// Reads the X server's keymap through libxkbcommon-x11 on the connection Qt's xcb platform uses.
// Under any other platform (Wayland, offscreen) there is no table: letters are taken as written,
// US key names by their US characters.
class QtKeyboardLayout : public KeyboardLayout {
public:
  // Whether the window system the game runs on lets it read the layout (X11 does); false on
  // Wayland and the like, where the tags name US keys. Tests' offscreen windows count as X11.
  bool ReadsLayout() const;
  std::optional<KeyTable> ActiveTable() override;
  // Under X11 and Wayland a key event's native scan code is its XKB key code.
  std::string KeyPosition(uint32_t nativeKeyCode) const override;
};
