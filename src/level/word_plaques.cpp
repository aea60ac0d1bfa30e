// SPDX-License-Identifier: GPL-3.0-or-later
// Where a word's plaque stands: near its tag, inside the world, clear of the other plaques.
#include "level/word_plaques.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
// A gap kept between two plaques, so their pictures' edges never touch.
constexpr int kGap = 2;
// Sideways steps tried, in pixels.
constexpr int kStep = 4;
}  // namespace

bool PlaqueBox::Overlaps(const PlaqueBox& other) const {
  // 64-bit: a tag may lie anywhere in 32 bits.
  return int64_t{left} < int64_t{other.left} + other.width + kGap &&
         int64_t{other.left} < int64_t{left} + width + kGap && int64_t{top} < int64_t{other.top} + other.height + kGap &&
         int64_t{other.top} < int64_t{top} + height + kGap;
}

bool PlaqueBox::Inside(int worldWidth, int worldHeight) const {
  return left >= 0 && top >= 0 && int64_t{left} + width <= worldWidth && int64_t{top} + height <= worldHeight;
}

PlaqueBox PlacePlaque(const PlaqueBox& home, int width, int height, const std::vector<PlaqueBox>& standing,
                      int worldWidth, int worldHeight) {
  width = std::clamp(width, 0, std::max(worldWidth, 0));
  height = std::clamp(height, 0, std::max(worldHeight, 0));
  const int64_t centre = int64_t{home.left} + home.width / 2;
  // Centred on the tag, then pushed inside the world.
  const auto clampInside = [&](int64_t left, int64_t top) {
    PlaqueBox box;
    box.width = width;
    box.height = height;
    box.left = static_cast<int>(std::clamp<int64_t>(left, 0, worldWidth - width));
    box.top = static_cast<int>(std::clamp<int64_t>(top, 0, worldHeight - height));
    return box;
  };
  const PlaqueBox base = clampInside(centre - width / 2, home.top);
  const auto free = [&](const PlaqueBox& box) {
    return std::none_of(standing.begin(), standing.end(), [&](const PlaqueBox& other) { return box.Overlaps(other); });
  };
  if (free(base)) return base;
  // The nearest free spot. Tags stand under their figures, so a plaque moves sideways first: a
  // row down costs four rows' height sideways, a row up (over the figure) five.
  PlaqueBox best = base;
  int64_t bestCost = -1;
  const int rowStep = height + kGap;
  for (int row = -3; row <= 3; ++row) {
    for (int dx = -worldWidth; dx <= worldWidth; dx += kStep) {
      const int64_t cost = int64_t{std::abs(dx)} + int64_t{row < 0 ? 5 : 4} * std::abs(row) * rowStep;
      if (bestCost >= 0 && cost >= bestCost) continue;
      PlaqueBox box = base;
      box.left = static_cast<int>(int64_t{base.left} + dx);
      box.top = static_cast<int>(int64_t{base.top} + int64_t{row} * rowStep);
      if (!box.Inside(worldWidth, worldHeight) || !free(box)) continue;
      best = box;
      bestCost = cost;
    }
  }
  return best;
}
