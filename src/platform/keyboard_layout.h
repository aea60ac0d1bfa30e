// SPDX-License-Identifier: GPL-3.0-or-later
// The player's active keyboard layout, as a table of what the keys type.
#pragma once
#include "platform/key_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

class KeyboardLayout {
public:
  virtual ~KeyboardLayout() = default;
  // What the keys type on the layout active now, read afresh at every call (a level load), so a
  // change of layout between levels is followed. Nullopt when the layout cannot be read.
  virtual std::optional<KeyTable> ActiveTable() = 0;
  // The US key name of the key a key event came from, by the event's native key code; empty
  // for a key outside the typing area, or where the window system's codes cannot be told.
  virtual std::string KeyPosition(uint32_t nativeKeyCode) const = 0;
};

// The US key name of an XKB key code (the evdev code plus 8, as X11 and Wayland report keys);
// empty for any other key.
std::string UsKeyOfXkbKeycode(uint32_t keycode);

// A fixed table, or none; counts how often it was asked. For tests and headless runs.
class FixedKeyboardLayout : public KeyboardLayout {
public:
  explicit FixedKeyboardLayout(std::optional<KeyTable> table = std::nullopt) : table(std::move(table)) {}
  std::optional<KeyTable> ActiveTable() override {
    ++reads;
    return table;
  }
  std::string KeyPosition(uint32_t nativeKeyCode) const override { return UsKeyOfXkbKeycode(nativeKeyCode); }
  std::optional<KeyTable> table;
  int reads = 0;
};
