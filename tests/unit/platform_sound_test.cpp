// SPDX-License-Identifier: GPL-3.0-or-later
// Sound in memory: decoding WAV files into PCM samples.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/wav_decoder.h"
#include "little_endian_bytes.h"

namespace {

struct WavSpec {
  uint16_t tag = 1;
  uint16_t channels = 1;
  uint32_t rate = 22050;
  uint16_t bits = 16;
  int blockAlignDelta = 0;
  bool extensible = false;
  std::string before = {};  // chunks between the header and fmt
  std::string between = {};  // chunks between fmt and data
  bool dataFirst = false;
  int64_t declaredData = -1;  // data size written in the header; -1: the real size
};

std::string Chunk(const std::string& id, const std::string& body) {
  std::string s = id;
  Put32(s, static_cast<uint32_t>(body.size()));
  s += body;
  if (body.size() % 2) s += '\0';
  return s;
}

std::string MakeWav(const WavSpec& spec, const std::string& data) {
  std::string fmt;
  Put16(fmt, spec.extensible ? 0xFFFE : spec.tag);
  Put16(fmt, spec.channels);
  Put32(fmt, spec.rate);
  const auto align = static_cast<uint16_t>(spec.channels * spec.bits / 8 + spec.blockAlignDelta);
  Put32(fmt, spec.rate * align);
  Put16(fmt, align);
  Put16(fmt, spec.bits);
  if (spec.extensible) {
    Put16(fmt, 22);
    Put16(fmt, spec.bits);
    Put32(fmt, 0);
    Put16(fmt, spec.tag);
    fmt += std::string(14, '\x01');
  }
  std::string dataChunk = "data";
  Put32(dataChunk, spec.declaredData < 0 ? static_cast<uint32_t>(data.size())
                                         : static_cast<uint32_t>(spec.declaredData));
  dataChunk += data;
  std::string body = "WAVE" + spec.before;
  body += spec.dataFirst ? dataChunk + Chunk("fmt ", fmt) : Chunk("fmt ", fmt) + spec.between + dataChunk;
  std::string file = "RIFF";
  Put32(file, static_cast<uint32_t>(body.size()));
  return file + body;
}

std::string Samples16(const std::vector<int16_t>& values) {
  std::string s;
  for (int16_t v : values) Put16(s, static_cast<uint16_t>(v));
  return s;
}

TEST(WavDecoder, ReadsPcmSamplesAndRefusesWhatItCannotPlay) {
  const std::string pcm16 = Samples16({0, 1000, -1000, 32767, -32768, 5});
  struct Case {
    const char* name;
    WavSpec spec;
    std::string data;
    bool decodes;
    PcmFormat format;
    std::vector<int16_t> samples;
  };
  const std::vector<Case> cases = {
      {"16-bit mono", {}, pcm16, true, {22050, 1}, {0, 1000, -1000, 32767, -32768, 5}},
      {"16-bit stereo", {.channels = 2, .rate = 44100}, pcm16, true, {44100, 2}, {0, 1000, -1000, 32767, -32768, 5}},
      {"8-bit is unsigned and widened", {.bits = 8}, std::string("\x80\x00\xff\x81", 4), true, {22050, 1},
       {0, -32768, 32512, 256}},
      {"extensible header naming PCM", {.extensible = true}, pcm16, true, {22050, 1},
       {0, 1000, -1000, 32767, -32768, 5}},
      {"odd-sized chunks are skipped with their pad byte",
       {.before = Chunk("LIST", "abc"), .between = Chunk("fact", "12345")}, pcm16, true, {22050, 1},
       {0, 1000, -1000, 32767, -32768, 5}},
      {"a cut data chunk keeps its whole frames", {.channels = 2, .declaredData = 0xFFFFFFFF},
       pcm16 + "\x01", true, {22050, 2}, {0, 1000, -1000, 32767, -32768, 5}},
      {"empty data", {}, "", true, {22050, 1}, {}},
      {"float", {.tag = 3, .bits = 32}, std::string(8, '\0'), false, {}, {}},
      {"24-bit", {.bits = 24}, std::string(6, '\0'), false, {}, {}},
      {"compressed", {.tag = 2}, pcm16, false, {}, {}},
      {"extensible float", {.tag = 3, .bits = 32, .extensible = true}, std::string(8, '\0'), false, {}, {}},
      {"block size that does not match", {.blockAlignDelta = 1}, pcm16, false, {}, {}},
      {"no channels", {.channels = 0}, pcm16, false, {}, {}},
      {"no rate", {.rate = 0}, pcm16, false, {}, {}},
      {"data before fmt", {.dataFirst = true}, pcm16, false, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto sound = DecodeWav(MakeWav(c.spec, c.data));
    ASSERT_EQ(sound.has_value(), c.decodes);
    if (!sound) continue;
    EXPECT_EQ(sound->format, c.format);
    EXPECT_EQ(sound->samples, c.samples);
  }
}

TEST(WavDecoder, RefusesFilesThatAreNotWave) {
  const std::string good = MakeWav({}, Samples16({1, 2}));
  std::string notRiff = good;
  notRiff[0] = 'X';
  std::string notWave = good;
  notWave[8] = 'X';
  for (const std::string& bytes : {std::string(), std::string("RIFF"), notRiff, notWave, good.substr(0, 30)}) {
    EXPECT_FALSE(DecodeWav(bytes).has_value()) << bytes.size() << " bytes";
  }
  // A huge declared fmt size must not read past the end.
  std::string hugeFmt = good.substr(0, 16);
  Put32(hugeFmt, 0xFFFFFFF0u);
  hugeFmt += good.substr(20, 16);
  EXPECT_FALSE(DecodeWav(hugeFmt).has_value());
}

}  // namespace
