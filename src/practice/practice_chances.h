// SPDX-License-Identifier: GPL-3.0-or-later
// Chances at key positions as practice counts them, from the shots of the progress records.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One row of the shots table as practice reads it.
struct PracticeShot {
  int64_t runId = 0;
  std::string result;    // POINT, CIVILIAN, MISS or LOST
  std::string position;  // the key position the row is a chance at (the typed key of a miss)
  std::string aimedAt;   // a miss made while exactly one enemy stood ready: that enemy's key
  std::optional<int64_t> reactionMs;
  bool endPhase = false;
};

// One chance at a key: a hit on it, a miss typed on it, an enemy lost at it, or a miss aimed
// at it (typed on another key while it held the only enemy ready to be shot).
struct PracticeChance {
  std::string position;
  bool hit = false;
  std::optional<int64_t> reactionMs;
  bool aimedMiss = false;
  int64_t runId = 0;
};

// The chances the shots give, in the shots' order. Townsfolk hits and the misses the game
// forgives after a wave's time give none; a miss aimed at another key gives two.
std::vector<PracticeChance> ChancesOf(const std::vector<PracticeShot>& shots);
