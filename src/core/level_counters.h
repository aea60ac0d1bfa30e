// SPDX-License-Identifier: GPL-3.0-or-later
// The eight run counters of a level and the arithmetic that lets them wrap like the originals.
#pragma once
#include <cstdint>

// Signed 32-bit addition that wraps instead of overflowing.
inline int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

struct LevelCounters {
  int32_t AllScore = 0;   // MaxLife of every enemy spawned
  int32_t MyScore = 0;    // Life left of every enemy shot
  int32_t Misses = 0;
  int32_t Civilians = 0;
  int32_t Lost = 0;       // enemies that acted
  int32_t Hits = 0;
  int32_t LostScore = 0;  // MaxLife of the enemies that acted
  int32_t Bots = 0;       // every actor spawned
};
