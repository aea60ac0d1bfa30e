// SPDX-License-Identifier: GPL-3.0-or-later
// A decoded picture in memory: 32-bit pixels, 0xAARRGGBB, rows top to bottom.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
using ImagePtr = std::shared_ptr<const Image>;
