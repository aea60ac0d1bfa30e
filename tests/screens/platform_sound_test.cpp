// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player without a server: file look-up, and the alert for missing files only.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "platform/qt/qt_alert_player.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// A short 16-bit PCM mono WAV, the kind the game ships.
void WriteWav(const fs::path& path) {
  const uint32_t samples = 800;
  const uint32_t dataSize = samples * 2;
  std::ofstream out(path, std::ios::binary);
  const auto put32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  const auto put16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  put32(36 + dataSize);
  out.write("WAVEfmt ", 8);
  put32(16);
  put16(1);      // PCM
  put16(1);      // mono
  put32(8000);   // samples per second
  put32(16000);  // bytes per second
  put16(2);      // block size
  put16(16);     // bits per sample
  out.write("data", 4);
  put32(dataSize);
  for (uint32_t i = 0; i < samples; ++i) put16(static_cast<uint16_t>((i % 20) < 10 ? 8000 : -8000));
}

class QtAlertPlayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(root_ / "Sounds");
    WriteWav(root_ / "Sounds" / "Button1.wav");
    WriteWav(root_ / "Sounds" / "ric2.WAV");
  }
  std::string At(const std::string& relative) const { return root_.string() + "/" + relative; }

  ScratchFolder scratch_{"sound"};
  const fs::path root_ = scratch_.Path();
};

TEST_F(QtAlertPlayerTest, OnlyAMissingFileGivesTheAlert) {
  int alerts = 0;
  QtAlertPlayer player([&] { ++alerts; });
  // Found without regard to letter case or extension: no alert.
  player.Play(At("sounds\\BUTTON1.WAV"));
  player.Play(At("sounds\\ric2"));
  player.Play(At("Sounds/Button1.wav"));
  EXPECT_EQ(alerts, 0);
  player.Play(At("sounds\\ric9.wav"));
  player.Play(At("sounds\\button1.nul"));
  player.Play("");
  player.Play(At("sounds"));
  EXPECT_EQ(alerts, 4);
}

}  // namespace
