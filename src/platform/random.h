// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one pseudo-random generator, with bounded draws written out so a seed replays
// the same game on every machine.
#pragma once
#include <cstdint>
#include <functional>

class Random {
public:
  explicit Random(uint64_t seed = 1) { Seed(seed); }
  void Seed(uint64_t seed);
  // The game re-seeds from the clock at several points; a re-seed mixes the clock into the state
  // (never replaces it). Tests and the simulator set no clock and keep their seed.
  void SetClock(std::function<uint64_t()> clock) { clock_ = std::move(clock); }
  void ReseedFromClock();
  // Uniform in [0, range); 0 when range <= 0.
  int32_t Below(int32_t range);
  // Uniform in [low, high], inclusive.
  int32_t Between(int32_t low, int32_t high);
  uint32_t Next32();

private:
  uint64_t state_ = 0;
  std::function<uint64_t()> clock_;
};
