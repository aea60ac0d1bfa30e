// SPDX-License-Identifier: GPL-3.0-or-later
// A small fixed-seed generator for the content tool, so every run draws the same content.
#pragma once
#include <cstdint>

class DetRandom {
public:
  explicit DetRandom(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform in [-1, 1).
  double Signed() { return Unit() * 2.0 - 1.0; }
  double Range(double low, double high) { return low + (high - low) * Unit(); }
  // Uniform in [0, n); 0 when n <= 0.
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }

private:
  uint64_t state_;
};
