// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian integers appended to a byte string, for building WAV files in tests.
#pragma once
#include <cstdint>
#include <string>

inline void Put16(std::string& s, uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}

inline void Put32(std::string& s, uint32_t v) {
  Put16(s, static_cast<uint16_t>(v & 0xFFFF));
  Put16(s, static_cast<uint16_t>(v >> 16));
}
