// SPDX-License-Identifier: GPL-3.0-or-later
// Letterbox: where the 640 by 480 world lies on a larger or smaller surface.
#include "level/letterbox.h"

#include <algorithm>
#include <limits>

namespace {
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

int ClampInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
}  // namespace

Letterbox Letterbox::Fit(int worldWidth, int worldHeight, int surfaceWidth, int surfaceHeight) {
  Letterbox box;
  box.worldWidth = std::max(worldWidth, 0);
  box.worldHeight = std::max(worldHeight, 0);
  if (worldWidth <= 0 || worldHeight <= 0 || surfaceWidth <= 0 || surfaceHeight <= 0) {
    box.width = std::max(worldWidth, 0);
    box.height = std::max(worldHeight, 0);
    return box;
  }
  // Width-bound when surfaceWidth / worldWidth <= surfaceHeight / worldHeight.
  if (int64_t{surfaceWidth} * worldHeight <= int64_t{surfaceHeight} * worldWidth) {
    box.num = surfaceWidth;
    box.den = worldWidth;
  } else {
    box.num = surfaceHeight;
    box.den = worldHeight;
  }
  box.width = ClampInt(int64_t{worldWidth} * box.num / box.den);
  box.height = ClampInt(int64_t{worldHeight} * box.num / box.den);
  box.left = (surfaceWidth - box.width) / 2;
  box.top = (surfaceHeight - box.height) / 2;
  return box;
}

void Letterbox::ToWorld(int surfaceX, int surfaceY, int& worldX, int& worldY) const {
  worldX = ClampInt(FloorDiv((int64_t{surfaceX} - left) * den, num));
  worldY = ClampInt(FloorDiv((int64_t{surfaceY} - top) * den, num));
}

ScreenRect Letterbox::ToSurface(const ScreenRect& world) const {
  // Clipped to the world first: the products below then stay far inside 64 bits.
  const int64_t wx0 = std::max<int64_t>(world.left, 0);
  const int64_t wy0 = std::max<int64_t>(world.top, 0);
  const int64_t wx1 = std::min<int64_t>(int64_t{world.left} + std::max(world.width, 0), worldWidth);
  const int64_t wy1 = std::min<int64_t>(int64_t{world.top} + std::max(world.height, 0), worldHeight);
  if (wx1 <= wx0 || wy1 <= wy0) return {};
  const int64_t margin = num == den ? 0 : 1;
  const int64_t x0 = FloorDiv(wx0 * num, den) - margin;
  const int64_t y0 = FloorDiv(wy0 * num, den) - margin;
  const int64_t x1 = CeilDiv(wx1 * num, den) + margin;
  const int64_t y1 = CeilDiv(wy1 * num, den) + margin;
  ScreenRect out;
  out.left = ClampInt(x0 + left);
  out.top = ClampInt(y0 + top);
  out.width = ClampInt(x1 - x0);
  out.height = ClampInt(y1 - y0);
  return out;
}

int WholeWorldFactor(int surfaceWidth, int surfaceHeight, int worldWidth, int worldHeight) {
  if (worldWidth <= 0 || worldHeight <= 0) return 1;
  return std::max(1, std::min(surfaceWidth / worldWidth, surfaceHeight / worldHeight));
}
