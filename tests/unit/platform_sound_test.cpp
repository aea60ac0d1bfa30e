// Sound in memory: WAV decoding, format conversion, the one voice and the cache in front of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/cached_sound_player.h"
#include "platform/pcm_convert.h"
#include "platform/sound_voice.h"
#include "platform/wav_decoder.h"

namespace fs = std::filesystem;

namespace {

void Put16(std::string& s, uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, static_cast<uint16_t>(v & 0xFFFF));
  Put16(s, static_cast<uint16_t>(v >> 16));
}

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

PcmSound Sound(PcmFormat format, std::vector<int16_t> samples) { return {format, std::move(samples)}; }

TEST(PcmConvert, ChangesChannelsAndRateKeepingTheLength) {
  struct Case {
    const char* name;
    PcmSound in;
    PcmFormat to;
    std::vector<int16_t> out;
  };
  const std::vector<Case> cases = {
      {"same format", Sound({22050, 1}, {1, 2, 3}), {22050, 1}, {1, 2, 3}},
      {"mono to stereo", Sound({22050, 1}, {1, -2}), {22050, 2}, {1, 1, -2, -2}},
      {"stereo to mono", Sound({22050, 2}, {100, 300, -32768, -32768}), {22050, 1}, {200, -32768}},
      {"double rate", Sound({22050, 1}, {0, 100, 200}), {44100, 1}, {0, 50, 100, 150, 200, 200}},
      {"half rate", Sound({44100, 1}, {0, 10, 20, 30}), {22050, 1}, {0, 20}},
      {"rate and channels", Sound({11025, 1}, {0, 40}), {22050, 2}, {0, 0, 20, 20, 40, 40, 40, 40}},
      {"empty", Sound({8000, 1}, {}), {48000, 2}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PcmSound out = ConvertPcm(c.in, c.to);
    EXPECT_EQ(out.format, c.to);
    EXPECT_EQ(out.samples, c.out);
  }
  // A second's worth stays a second within one frame at awkward rate pairs.
  for (const auto& [from, to] : std::vector<std::pair<int, int>>{{22050, 48000}, {44100, 8000}, {11025, 44100}}) {
    const PcmSound out = ConvertPcm(Sound({from, 1}, std::vector<int16_t>(static_cast<size_t>(from), 7)), {to, 1});
    EXPECT_NEAR(static_cast<double>(out.Frames()), to, 1.0) << from << " to " << to;
    EXPECT_EQ(out.samples.back(), 7);
  }
}

std::shared_ptr<const PcmSound> Constant(int16_t value, size_t frames) {
  return std::make_shared<const PcmSound>(Sound({22050, 1}, std::vector<int16_t>(frames, value)));
}

std::vector<int16_t> ReadAll(SoundVoice& voice, size_t chunk, size_t limit = 100000) {
  std::vector<int16_t> out;
  std::vector<int16_t> block(chunk);
  while (out.size() < limit) {
    const size_t got = voice.Read(block.data(), chunk);
    if (got == 0) break;
    out.insert(out.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
  }
  return out;
}

TEST(SoundVoice, PlaysASoundOnceWhateverTheReadSize) {
  std::vector<int16_t> ramp(1000);
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 7);
  const auto sound = std::make_shared<const PcmSound>(Sound({22050, 1}, ramp));
  for (size_t chunk : {1u, 7u, 256u, 999u, 1000u, 4096u}) {
    SoundVoice voice({22050, 1});
    EXPECT_FALSE(voice.Sounding());
    voice.Start(sound);
    EXPECT_TRUE(voice.Sounding());
    EXPECT_EQ(ReadAll(voice, chunk), ramp) << "chunk " << chunk;
    EXPECT_FALSE(voice.Sounding());
    // Started again, the same sound plays from its beginning.
    voice.Start(sound);
    EXPECT_EQ(ReadAll(voice, chunk), ramp) << "chunk " << chunk;
  }
}

TEST(SoundVoice, ANewSoundCutsTheOldOneWithAShortFadeAndNoStaleSamples) {
  SoundVoice voice({22050, 1});
  voice.Start(Constant(10000, 5000));
  std::vector<int16_t> block(100);
  ASSERT_EQ(voice.Read(block.data(), 100), 100u);
  voice.Start(Constant(-2000, 300));
  const auto heard = ReadAll(voice, 50);
  ASSERT_EQ(heard.size(), 300u);
  // The old sound fades from near its level to zero, added to the new one ...
  EXPECT_GT(heard[0], 10000 - 2000 - 200);
  for (size_t i = 1; i < SoundVoice::kFadeFrames; ++i) EXPECT_LT(heard[i], heard[i - 1]) << i;
  // ... and after the fade only the new sound is heard.
  for (size_t i = SoundVoice::kFadeFrames; i < heard.size(); ++i) ASSERT_EQ(heard[i], -2000) << i;
}

TEST(SoundVoice, CutsAndStopsLeaveNothingOfOldSounds) {
  struct Case {
    const char* name;
    size_t heardBefore;   // frames of the old sound read before the cut
    size_t newFrames;     // 0: Stop instead of a new sound
    size_t expectFrames;  // frames read after the cut
  };
  const std::vector<Case> cases = {
      // A sound replaced before anything of it was read is not heard at all.
      {"replaced unheard", 0, 200, 200},
      // A short new sound: the fade of the old one goes on to its end alone.
      {"fade outlasts new sound", 10, 20, SoundVoice::kFadeFrames},
      // An old sound near its end fades only for what it has left.
      {"old sound ends inside the fade", 990, 5, 10},
      {"stop", 100, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SoundVoice voice({22050, 1});
    voice.Start(Constant(30000, 1000));
    std::vector<int16_t> block(1000);
    if (c.heardBefore) {
      ASSERT_EQ(voice.Read(block.data(), c.heardBefore), c.heardBefore);
    }
    if (c.newFrames) {
      voice.Start(Constant(100, c.newFrames));
    } else {
      voice.Stop();
    }
    const auto heard = ReadAll(voice, 1000);
    EXPECT_EQ(heard.size(), c.expectFrames);
    if (c.heardBefore == 0) {
      for (int16_t v : heard) ASSERT_EQ(v, 100);
    }
    EXPECT_FALSE(voice.Sounding());
  }
}

TEST(SoundVoice, MixingSaturatesAndSoundsOfAnotherFormatAreNotPlayed) {
  SoundVoice voice({22050, 1});
  voice.Start(Constant(32000, 100));
  std::vector<int16_t> block(10);
  voice.Read(block.data(), 10);
  voice.Start(Constant(32000, 100));
  ASSERT_EQ(voice.Read(block.data(), 1), 1u);
  EXPECT_EQ(block[0], INT16_MAX);  // not wrapped round to a negative value
  voice.Stop();
  voice.Start(std::make_shared<const PcmSound>(Sound({44100, 2}, {1, 2, 3, 4})));
  EXPECT_FALSE(voice.Sounding());
}

// An output that records what it is asked to do, standing in for the audio device.
class FakeOutput : public SoundOutput {
public:
  std::optional<PcmFormat> Open(PcmFormat wanted) override {
    opened.push_back(wanted);
    return device;
  }
  void Wake(SoundVoice& voice) override {
    ++wakes;
    heard = ReadAll(voice, 333);
  }
  std::optional<PcmFormat> device = PcmFormat{22050, 1};
  std::vector<PcmFormat> opened;
  int wakes = 0;
  std::vector<int16_t> heard;
};

class CachedSoundPlayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/keyslinger-cache-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "Sounds");
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(root_ / "Sounds" / name, std::ios::binary) << bytes;
    return (root_ / "Sounds" / name).string();
  }
  std::string At(const std::string& relative) const { return root_.string() + "/" + relative; }
  fs::path root_;
};

TEST_F(CachedSoundPlayerTest, DecodesEachFileOnceAndPlaysItInTheOutputsFormat) {
  const std::string ric = Write("ric1.wav", MakeWav({}, Samples16({10, 20, 30})));
  Write("Wood1.WAV", MakeWav({.rate = 11025}, Samples16({0, 40})));
  FakeOutput output;
  int alerts = 0;
  CachedSoundPlayer player(output, [&] { ++alerts; });
  for (int i = 0; i < 3; ++i) {
    player.Play(At("sounds\\RIC1"));
    EXPECT_EQ(output.heard, (std::vector<int16_t>{10, 20, 30}));
  }
  EXPECT_EQ(player.LastFile(), ric);
  player.Play(At("sounds/wood1.wav"));
  // The device was opened once, for the first sound's format; others are brought to it.
  EXPECT_EQ(output.opened, (std::vector<PcmFormat>{{22050, 1}}));
  EXPECT_EQ(output.heard, (std::vector<int16_t>{0, 20, 40, 40}));
  EXPECT_EQ(player.Decodes(), 2);
  EXPECT_EQ(output.wakes, 4);
  EXPECT_EQ(alerts, 0);
}

TEST_F(CachedSoundPlayerTest, AFileWrittenAnewIsReadAgain) {
  const std::string path = Write("button1.wav", MakeWav({}, Samples16({1, 2})));
  FakeOutput output;
  CachedSoundPlayer player(output, {});
  player.Play(path);
  Write("button1.wav", MakeWav({}, Samples16({5, 6, 7})));
  // Same second on coarse file systems: the size tells the new file apart as well.
  player.Play(path);
  EXPECT_EQ(output.heard, (std::vector<int16_t>{5, 6, 7}));
  EXPECT_EQ(player.Decodes(), 2);
}

TEST_F(CachedSoundPlayerTest, MissingAndUnplayableFilesStopTheSoundPlaying) {
  Write("long.wav", MakeWav({}, Samples16(std::vector<int16_t>(5000, 900))));
  Write("float.wav", MakeWav({.tag = 3, .bits = 32}, std::string(8, '\0')));
  // The output reads only a little, so the long sound is still playing when the next comes.
  class SlowOutput : public FakeOutput {
  public:
    void Wake(SoundVoice& voice) override {
      ++wakes;
      std::vector<int16_t> block(10);
      voice.Read(block.data(), 10);
      lastVoice = &voice;
    }
    SoundVoice* lastVoice = nullptr;
  } output;
  int alerts = 0;
  CachedSoundPlayer player(output, [&] { ++alerts; });
  const struct {
    const char* name;
    bool alert;
  } cases[] = {{"sounds/missing.wav", true}, {"sounds/float.wav", false}, {"", true}, {"sounds", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    player.Play(At("sounds/long"));
    ASSERT_TRUE(output.lastVoice && output.lastVoice->Sounding());
    const int alertsBefore = alerts;
    player.Play(At(c.name));
    EXPECT_FALSE(output.lastVoice->Sounding());
    EXPECT_EQ(alerts - alertsBefore, c.alert ? 1 : 0);
  }
  EXPECT_EQ(player.LastFile(), At("Sounds/long.wav"));
}

TEST_F(CachedSoundPlayerTest, WithoutADeviceNothingPlaysAndNothingBreaks) {
  Write("ric1.wav", MakeWav({}, Samples16({1, 2})));
  FakeOutput output;
  output.device = std::nullopt;
  CachedSoundPlayer player(output, {});
  player.Play(At("sounds/ric1.wav"));
  player.Play(At("sounds/ric1.wav"));
  EXPECT_EQ(output.opened.size(), 1u);  // asked once, not on every sound
  EXPECT_EQ(output.wakes, 0);
  EXPECT_EQ(player.Voice(), nullptr);
  EXPECT_EQ(player.Decodes(), 1);
}

}  // namespace
