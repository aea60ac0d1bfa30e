// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as level files and layouts store them: 0x00BBGGRR.
#pragma once
#include <cstdint>

struct Rgb {
  uint8_t r, g, b;
};
inline Rgb FromToolkitColor(uint32_t c) {
  return Rgb{static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
             static_cast<uint8_t>((c >> 16) & 0xFF)};
}
