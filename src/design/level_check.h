// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker: reads a game folder the way the game will and reports every problem.
#pragma once
#include "design/check_report.h"
#include "platform/key_table.h"

#include <optional>
#include <string>
#include <vector>

// The levels the game plays, Level1 to this one.
inline constexpr int kCheckedLastLevel = 16;

// How to check: as the levels play on a keyboard layout (none: a US keyboard, letters as written).
struct CheckOptions {
  std::string layoutName;           // for messages ("de", "us(dvorak)")
  std::optional<KeyTable> layout;   // what the keys type on that layout
  bool letters = false;             // list each place's letter and the character it becomes
};

// Checks the game folder gameDir (Maps/, Objects/, sounds/). levels names level folders under
// Maps/ ("Level3"; a bare number means "Level<number>"); when empty, every folder under Maps/ is
// checked and Level1 to Level16 must be among them. Never throws.
CheckReport CheckGame(const std::string& gameDir, const std::vector<std::string>& levels,
                      const CheckOptions& options = {});
