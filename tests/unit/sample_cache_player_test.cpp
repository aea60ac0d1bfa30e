// SPDX-License-Identifier: GPL-3.0-or-later
// The player over a sound server's stored sounds: storing once, cutting off, skipping what a slow
// server did not take, and falling back when the server has gone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/sample_cache_player.h"
#include "little_endian_bytes.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// A mono WAV file of the given 16-bit samples (tag 3 with 32 bits makes one we cannot decode).
std::string Wav(const std::vector<int16_t>& values, uint16_t tag = 1, uint16_t bits = 16) {
  std::string data;
  for (const int16_t v : values) Put16(data, static_cast<uint16_t>(v));
  std::string body = "WAVEfmt ";
  Put32(body, 16);
  Put16(body, tag);
  Put16(body, 1);
  Put32(body, 22050);
  Put32(body, 22050u * bits / 8);
  Put16(body, static_cast<uint16_t>(bits / 8));
  Put16(body, bits);
  body += "data";
  Put32(body, static_cast<uint32_t>(data.size()));
  body += data;
  std::string file = "RIFF";
  Put32(file, static_cast<uint32_t>(body.size()));
  return file + body;
}

// A server keeping its sounds in memory; a ticket sounds from Play until it is cut. Connecting
// and uploading answer from their queues while these last, then kDone; kGone also ends the
// connection, as a real server's end does.
class FakeServer : public SampleServer {
public:
  ServerAnswer Connect() override {
    ++connects;
    return Next(connectAnswers);
  }
  bool Alive() const override { return alive; }
  ServerAnswer Upload(const std::string& name, const PcmSound& sound) override {
    uploads.push_back(name);
    const ServerAnswer answer = Next(uploadAnswers);
    if (answer == ServerAnswer::kDone) stored[name] = sound.samples;
    return answer;
  }
  void Remove(const std::string& name) override {
    ASSERT_EQ(stored.count(name), 1u) << "removed a sound never stored: " << name;
    stored.erase(name);
  }
  uint64_t Play(const std::string& name) override {
    EXPECT_EQ(stored.count(name), 1u) << "played a sound never stored: " << name;
    sounding.insert(++lastTicket);
    heard.push_back(stored[name]);
    return lastTicket;
  }
  void Cut(uint64_t ticket) override { sounding.erase(ticket); }

  ServerAnswer Next(std::deque<ServerAnswer>& answers) {
    if (answers.empty()) return ServerAnswer::kDone;
    const ServerAnswer answer = answers.front();
    answers.pop_front();
    if (answer == ServerAnswer::kGone) alive = false;
    return answer;
  }

  std::deque<ServerAnswer> connectAnswers;
  std::deque<ServerAnswer> uploadAnswers;
  bool alive = true;
  int connects = 0;
  std::vector<std::string> uploads;
  std::map<std::string, std::vector<int16_t>> stored;
  std::set<uint64_t> sounding;
  std::vector<std::vector<int16_t>> heard;
  uint64_t lastTicket = 0;
};

class SampleCachePlayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "Sounds");
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(root_ / "Sounds" / name, std::ios::binary) << bytes;
    return (root_ / "Sounds" / name).string();
  }
  std::string At(const std::string& relative) const { return root_.string() + "/" + relative; }
  ScratchFolder scratch_{"samples"};
  const fs::path root_ = scratch_.Path();
  FakeServer server_;
  RecordingSoundPlayer fallback_;
};

TEST_F(SampleCachePlayerTest, StoresEachFileOnceAndANewSoundCutsTheOld) {
  Write("ric1.wav", Wav({10, 20, 30}));
  Write("Wood1.WAV", Wav({0, 40}));
  SampleCachePlayer player(server_, fallback_);
  const char* plays[] = {"sounds\\RIC1", "sounds/ric1.wav", "SOUNDS/wood1", "sounds/ric1"};
  for (const char* name : plays) {
    SCOPED_TRACE(name);
    player.Play(At(name));
    // Only the sound just asked for is sounding: the one before was cut, even a repeat.
    EXPECT_EQ(server_.sounding, (std::set<uint64_t>{server_.lastTicket}));
  }
  EXPECT_EQ(server_.heard, (std::vector<std::vector<int16_t>>{{10, 20, 30}, {10, 20, 30}, {0, 40}, {10, 20, 30}}));
  EXPECT_EQ(server_.connects, 1);
  EXPECT_EQ(player.Uploads(), 2);
  EXPECT_EQ(server_.uploads.size(), 2u);
  EXPECT_NE(server_.uploads[0], server_.uploads[1]);
  for (const auto& name : server_.uploads) {
    EXPECT_LE(name.size(), 128u);
    EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-_."), std::string::npos) << name;
  }
  EXPECT_TRUE(fallback_.played.empty());
  EXPECT_TRUE(player.UsesServer());
}

TEST_F(SampleCachePlayerTest, AFileWrittenAnewIsStoredAgainAndTheOldSoundForgotten) {
  const std::string path = Write("button1.wav", Wav({1, 2}));
  SampleCachePlayer player(server_, fallback_);
  player.Play(path);
  // Same second on coarse file systems: the size tells the new file apart as well.
  Write("button1.wav", Wav({5, 6, 7}));
  player.Play(path);
  EXPECT_EQ(server_.heard.back(), (std::vector<int16_t>{5, 6, 7}));
  EXPECT_EQ(server_.uploads.size(), 2u);
  EXPECT_NE(server_.uploads[0], server_.uploads[1]);
  EXPECT_EQ(server_.stored.size(), 1u);
}

TEST_F(SampleCachePlayerTest, MissingAndUndecodableFilesCutTheSoundAndGoToTheFallback) {
  Write("long.wav", Wav(std::vector<int16_t>(5000, 900)));
  const std::string floatFile = Write("float.wav", Wav({0, 0, 0, 0}, 3, 32));
  const std::string emptyFile = Write("empty.wav", Wav({}));
  const struct {
    std::string asked;
    std::string handedOn;  // what the fallback is asked to play: the alert for a missing file
  } cases[] = {{At("sounds/missing.wav"), At("sounds/missing.wav")},
               {At("sounds/float.wav"), floatFile},
               {At("sounds/empty"), emptyFile},
               {"", ""},
               {At("sounds"), At("sounds")}};
  SampleCachePlayer player(server_, fallback_);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    player.Play(At("sounds/long"));
    ASSERT_EQ(server_.sounding.size(), 1u);
    player.Play(c.asked);
    EXPECT_TRUE(server_.sounding.empty());
    ASSERT_FALSE(fallback_.played.empty());
    EXPECT_EQ(fallback_.played.back(), c.handedOn);
  }
  EXPECT_EQ(fallback_.played.size(), std::size(cases));
  EXPECT_EQ(server_.uploads.size(), 1u);  // the long sound only; nothing undecodable is sent
  EXPECT_TRUE(player.UsesServer());
}

TEST_F(SampleCachePlayerTest, WithoutAWorkingServerTheFallbackPlaysEverythingAndThatIsSaidOnce) {
  const std::string ric = Write("ric1.wav", Wav({1, 2}));
  using enum ServerAnswer;
  const struct {
    const char* what;
    std::deque<ServerAnswer> connect, upload;
    bool alive;
    size_t uploads;  // tries before the server was given up
  } cases[] = {{"no server", {kGone}, {}, true, 0},
               {"slow to connect, then refused", {kNotNow, kGone}, {}, true, 0},
               {"server gone", {}, {}, false, 0},
               {"connection ended during the upload", {}, {kGone}, true, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeServer server;
    server.connectAnswers = c.connect;
    server.uploadAnswers = c.upload;
    server.alive = c.alive;
    RecordingSoundPlayer fallback;
    std::vector<std::string> said;
    {
      SampleCachePlayer player(server, fallback, [&](const std::string& why) { said.push_back(why); });
      // A sound skipped while the server was still connecting is not handed on.
      const bool skippedFirst = c.connect.size() > 1;
      for (int i = 0; i < 4; ++i) player.Play(At("sounds/ric1.wav"));
      player.Play(At("sounds/missing"));
      std::vector<std::string> expected = {c.uploads ? ric : At("sounds/ric1.wav"), At("sounds/ric1.wav"),
                                           At("sounds/ric1.wav"), At("sounds/ric1.wav"), At("sounds/missing")};
      if (skippedFirst) expected.erase(expected.begin());
      EXPECT_EQ(fallback.played, expected);
      EXPECT_EQ(server.connects, static_cast<int>(std::max<size_t>(c.connect.size(), 1)));
      EXPECT_EQ(server.uploads.size(), c.uploads);
      EXPECT_TRUE(server.heard.empty());
      EXPECT_FALSE(player.UsesServer());
    }
    // Said once, however many sounds came after; nothing was left to forget on the server.
    EXPECT_EQ(said.size(), 1u);
    EXPECT_TRUE(server.stored.empty());
  }
}

TEST_F(SampleCachePlayerTest, ASlowServerSkipsTheSoundAndTakesItAtItsNextPlay) {
  Write("ric1.wav", Wav({1, 2}));
  Write("wood1.wav", Wav({3, 4}));
  using enum ServerAnswer;
  server_.connectAnswers = {kNotNow};
  server_.uploadAnswers = {kNotNow, kNotNow};
  std::vector<std::string> said;
  SampleCachePlayer player(server_, fallback_, [&](const std::string& why) { said.push_back(why); });
  // Still connecting: skipped, and the connection is waited for again at the next sound.
  player.Play(At("sounds/ric1"));
  EXPECT_TRUE(server_.uploads.empty());
  // Connected, but the upload came too late, twice: skipped each time.
  player.Play(At("sounds/ric1"));
  player.Play(At("sounds/ric1"));
  EXPECT_TRUE(server_.heard.empty());
  // The server takes it now: stored once and played, and stored sounds are only played after.
  player.Play(At("sounds/ric1"));
  player.Play(At("sounds/wood1"));
  player.Play(At("sounds/ric1"));
  EXPECT_EQ(server_.heard, (std::vector<std::vector<int16_t>>{{1, 2}, {3, 4}, {1, 2}}));
  EXPECT_EQ(server_.connects, 2);
  EXPECT_EQ(server_.uploads.size(), 4u);
  EXPECT_EQ(server_.stored.size(), 2u);
  // The slow server was never given up: nothing went to the fallback, nothing was said.
  EXPECT_TRUE(fallback_.played.empty());
  EXPECT_TRUE(said.empty());
  EXPECT_TRUE(player.UsesServer());
}

TEST_F(SampleCachePlayerTest, AServerThatGoesMidGameHandsTheRestToTheFallback) {
  const std::string ric = Write("ric1.wav", Wav({1, 2}));
  int said = 0;
  SampleCachePlayer player(server_, fallback_, [&](const std::string&) { ++said; });
  player.Play(ric);
  ASSERT_EQ(server_.heard.size(), 1u);
  server_.alive = false;
  for (int i = 0; i < 50; ++i) player.Play(ric);
  EXPECT_EQ(fallback_.played, std::vector<std::string>(50, ric));
  EXPECT_EQ(server_.heard.size(), 1u);
  EXPECT_EQ(said, 1);
  EXPECT_FALSE(player.UsesServer());
}

TEST_F(SampleCachePlayerTest, StoredSoundsAreBoundedAndForgottenWhenThePlayerGoes) {
  const size_t files = SampleCachePlayer::kStoredSounds + 3;
  {
    SampleCachePlayer player(server_, fallback_);
    for (size_t i = 0; i < files; ++i) {
      player.Play(Write("s" + std::to_string(i) + ".wav", Wav({static_cast<int16_t>(i)})));
    }
    EXPECT_EQ(server_.stored.size(), SampleCachePlayer::kStoredSounds);
    // The first files went first; the last ones are still stored.
    EXPECT_EQ(server_.stored.count(server_.uploads.front()), 0u);
    EXPECT_EQ(server_.stored.count(server_.uploads.back()), 1u);
    // A sound used again is kept over those not used since.
    player.Play(At("sounds/s3.wav"));
    player.Play(Write("extra.wav", Wav({7})));
    EXPECT_EQ(server_.stored.count(server_.uploads[3]), 1u);
    EXPECT_EQ(server_.stored.count(server_.uploads[4]), 0u);
    EXPECT_EQ(player.Uploads(), static_cast<int>(files) + 1);
  }
  EXPECT_TRUE(server_.stored.empty());
}

}  // namespace
