// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one pseudo-random generator (splitmix64 seeding a xorshift-multiply step).
#include "platform/random.h"

namespace {
uint64_t SplitMix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}
}  // namespace

void Random::Seed(uint64_t seed) { state_ = SplitMix(seed); }

// The clock is stirred into the state, never put in its place: re-seeds within one clock tick
// (a spawn re-seeds several times in the same millisecond) go on along the sequence instead of
// restarting it, so their draws stay independent. Without a clock nothing changes, and a fixed
// seed replays.
void Random::ReseedFromClock() {
  if (clock_) state_ = SplitMix(state_ ^ SplitMix(clock_()));
}

uint32_t Random::Next32() {
  state_ += 0x9E3779B97F4A7C15ull;
  return static_cast<uint32_t>(SplitMix(state_) >> 32);
}

int32_t Random::Below(int32_t range) {
  if (range <= 0) return 0;
  // Multiply-shift keeps the draw uniform enough for game choices and identical everywhere.
  return static_cast<int32_t>((static_cast<uint64_t>(Next32()) * static_cast<uint32_t>(range)) >> 32);
}

int32_t Random::Between(int32_t low, int32_t high) {
  if (high <= low) return low;
  const int64_t span = static_cast<int64_t>(high) - low + 1;
  const uint64_t draw = (static_cast<uint64_t>(Next32()) * static_cast<uint64_t>(span)) >> 32;
  return static_cast<int32_t>(low + static_cast<int64_t>(draw));
}
