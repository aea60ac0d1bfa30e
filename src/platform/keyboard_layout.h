// The player's active keyboard layout, as a table of what the keys type.
#pragma once
#include "platform/key_table.h"

#include <optional>
#include <utility>

class KeyboardLayout {
public:
  virtual ~KeyboardLayout() = default;
  // What the keys type on the layout active now, read afresh at every call (a level load), so a
  // change of layout between levels is followed. Nullopt when the layout cannot be read.
  virtual std::optional<KeyTable> ActiveTable() = 0;
};

// A fixed table, or none; counts how often it was asked. For tests and headless runs.
class FixedKeyboardLayout : public KeyboardLayout {
public:
  explicit FixedKeyboardLayout(std::optional<KeyTable> table = std::nullopt) : table(std::move(table)) {}
  std::optional<KeyTable> ActiveTable() override {
    ++reads;
    return table;
  }
  std::optional<KeyTable> table;
  int reads = 0;
};
