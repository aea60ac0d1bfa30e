// SPDX-License-Identifier: GPL-3.0-or-later
// Mono 16-bit PCM WAV writer.
#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {
void Put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}
}  // namespace

void WriteWav16(const std::string& path, const std::vector<double>& samples, int sampleRate) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(sampleRate));
  Put32(out, static_cast<uint32_t>(sampleRate * 2));
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, dataBytes);
  for (double s : samples) {
    const double clamped = std::clamp(s, -1.0, 1.0);
    Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clamped * 32767.0))));
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("cannot write " + path);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
}
