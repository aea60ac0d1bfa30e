// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RIFF WAVE files with 8-bit or 16-bit PCM samples into memory.
#include "platform/wav_decoder.h"

#include <cstdint>

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// Channels beyond this are not a game sound; refusing them keeps a frame's size small.
constexpr uint16_t kMaxChannels = 8;

uint16_t Read16(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                               static_cast<uint8_t>(bytes[at + 1]) << 8);
}

uint32_t Read32(std::string_view bytes, size_t at) {
  return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2)) << 16;
}

struct FmtChunk {
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint16_t blockAlign = 0;
  uint16_t bits = 0;
};

std::optional<FmtChunk> ParseFmt(std::string_view body) {
  if (body.size() < 16) return std::nullopt;
  uint16_t tag = Read16(body, 0);
  // The extensible header names the real encoding in the first two bytes of its sub-format.
  if (tag == kFormatExtensible) {
    if (body.size() < 26) return std::nullopt;
    tag = Read16(body, 24);
  }
  if (tag != kFormatPcm) return std::nullopt;
  FmtChunk fmt{Read16(body, 2), Read32(body, 4), Read16(body, 12), Read16(body, 14)};
  if (fmt.channels == 0 || fmt.channels > kMaxChannels) return std::nullopt;
  if (fmt.rate == 0 || fmt.rate > 1'000'000) return std::nullopt;
  if (fmt.bits != 8 && fmt.bits != 16) return std::nullopt;
  if (fmt.blockAlign != fmt.channels * (fmt.bits / 8)) return std::nullopt;
  return fmt;
}

}  // namespace

std::optional<PcmSound> DecodeWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  std::optional<FmtChunk> fmt;
  size_t at = 12;
  // Every size below is checked against what is left before it is added, so no sum overflows.
  while (bytes.size() - at >= 8) {
    const std::string_view id = bytes.substr(at, 4);
    const uint32_t declared = Read32(bytes, at + 4);
    at += 8;
    const size_t left = bytes.size() - at;
    const size_t size = declared < left ? declared : left;
    const std::string_view body = bytes.substr(at, size);
    if (id == "fmt ") {
      fmt = ParseFmt(body);
      if (!fmt) return std::nullopt;
    } else if (id == "data") {
      if (!fmt) return std::nullopt;
      PcmSound sound;
      sound.format = {static_cast<int>(fmt->rate), fmt->channels};
      const size_t frames = body.size() / fmt->blockAlign;
      const size_t count = frames * fmt->channels;
      sound.samples.resize(count);
      for (size_t i = 0; i < count; ++i) {
        sound.samples[i] = fmt->bits == 16
                               ? static_cast<int16_t>(Read16(body, i * 2))
                               : static_cast<int16_t>((static_cast<int>(static_cast<uint8_t>(body[i])) - 128) * 256);
      }
      return sound;
    }
    if (size >= left) break;
    // Chunks are padded to an even size; a pad byte missing at the very end is tolerated.
    at += size + (size & 1);
    if (at > bytes.size()) break;
  }
  return std::nullopt;
}
