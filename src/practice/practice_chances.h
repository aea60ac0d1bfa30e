// SPDX-License-Identifier: GPL-3.0-or-later
// A chance at a key position as practice counts it (read from the records by the chance rule,
// progress/chance_rule.h).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// One chance at a key: a hit on it (a figure shot, or a letter of a word typed right), a miss
// charged to it, or an enemy lost at it.
struct PracticeChance {
  std::string position;
  bool hit = false;
  std::optional<int64_t> reactionMs;  // a hit in a letter wave: from the figure's coming up
  bool aimedMiss = false;             // an older row's miss counted at the one enemy ready
  int64_t runId = 0;
  std::optional<int64_t> typingMs = std::nullopt;  // a word letter typed right: from the key press before it
};
