// SPDX-License-Identifier: GPL-3.0-or-later
// Where a word's plaque stands: as near its place's tag as it can, inside the world and clear of
// the plaques already standing.
#pragma once
#include <vector>

struct PlaqueBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool Overlaps(const PlaqueBox& other) const;
  bool Inside(int worldWidth, int worldHeight) const;
};

// The box of a plaque width by height whose place's tag stands at home: centred on the tag,
// moved the least (sideways rather than down, down rather than up) to stay inside the worldWidth by worldHeight
// world and off every standing plaque. When no spot is free it overlaps as little as it must:
// it stays centred on the tag, inside the world.
PlaqueBox PlacePlaque(const PlaqueBox& home, int width, int height, const std::vector<PlaqueBox>& standing,
                      int worldWidth, int worldHeight);
