// SPDX-License-Identifier: GPL-3.0-or-later
// Decoded sound in memory: 16-bit signed samples, interleaved by channel.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct PcmFormat {
  int rate = 0;      // frames per second
  int channels = 0;  // samples per frame

  bool operator==(const PcmFormat&) const = default;
};

struct PcmSound {
  PcmFormat format;
  std::vector<int16_t> samples;  // frames() * format.channels values

  size_t Frames() const {
    return format.channels > 0 ? samples.size() / static_cast<size_t>(format.channels) : 0;
  }
};
