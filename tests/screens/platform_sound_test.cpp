// The sound player: file look-up, the alert for missing files, sounds read once.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "platform/qt_sound_player.h"
#include "platform/sound_voice.h"

namespace fs = std::filesystem;

namespace {

// A short 16-bit PCM mono WAV, the kind the game ships.
void WriteWav(const fs::path& path, uint32_t samples = 800) {
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

class QtSoundPlayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/keyslinger-sound-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "Sounds");
    WriteWav(root_ / "Sounds" / "Button1.wav");
    WriteWav(root_ / "Sounds" / "ric2.WAV");
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string At(const std::string& relative) const { return root_.string() + "/" + relative; }

  fs::path root_;
};

TEST_F(QtSoundPlayerTest, PlaysFilesFoundWithoutRegardToCaseOrExtension) {
  int alerts = 0;
  QtSoundPlayer player([&] { ++alerts; });
  player.Play(At("sounds\\BUTTON1.WAV"));
  EXPECT_EQ(player.LastFile(), At("Sounds/Button1.wav"));
  player.Play(At("sounds\\ric2"));
  EXPECT_EQ(player.LastFile(), At("Sounds/ric2.WAV"));
  player.Play(At("Sounds/Button1.wav"));
  EXPECT_EQ(player.LastFile(), At("Sounds/Button1.wav"));
  EXPECT_EQ(alerts, 0);
  // Each file was read once; the repeat came from memory.
  EXPECT_EQ(player.Player().Decodes(), 2);
}

TEST_F(QtSoundPlayerTest, AMissingFilePlaysTheAlertInstead) {
  int alerts = 0;
  QtSoundPlayer player([&] { ++alerts; });
  player.Play(At("sounds\\ric9.wav"));
  player.Play(At("sounds\\button1.nul"));
  player.Play("");
  EXPECT_EQ(alerts, 3);
  // Nothing was found, so the audio device was never opened: start-up and silent runs stay cheap.
  EXPECT_TRUE(player.LastFile().empty());
  EXPECT_EQ(player.Output().State(), QAudio::StoppedState);
}

}  // namespace

namespace {

// With a sound server (PULSE_SERVER set, e.g. a null sink), a sound really plays: the stream
// opens for it and pauses by itself once the sound has been heard, and not before.
TEST(QtSoundPlayerOnAServer, TheStreamPausesOnlyAfterTheSoundHasPlayed) {
  if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) GTEST_SKIP() << "no sound server given in PULSE_SERVER";
  char pattern[] = "/tmp/keyslinger-sound-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path root = pattern;
  WriteWav(root / "tone.wav");  // 800 frames at 8000 Hz: 100 ms
  QtSoundPlayer player([] {});
  QElapsedTimer clock;
  clock.start();
  player.Play((root / "tone.wav").string());
  fs::remove_all(root);  // played from memory from now on
  ASSERT_NE(player.Output().State(), QAudio::StoppedState);
  EXPECT_TRUE(QTest::qWaitFor([&] { return player.Output().State() == QAudio::SuspendedState; }, 20000));
  EXPECT_GE(clock.elapsed(), 100);
}

// A new sound cuts the one playing, through a real server: the stream then plays the new sound
// and pauses after it. (Record the null sink monitor to hear the cut.)
TEST(QtSoundPlayerOnAServer, ANewSoundCutsTheOneThatPlays) {
  if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) GTEST_SKIP() << "no sound server given in PULSE_SERVER";
  char pattern[] = "/tmp/keyslinger-sound-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path root = pattern;
  WriteWav(root / "long.wav", 16000);  // two seconds
  WriteWav(root / "short.wav");
  QtSoundPlayer player([] {});
  player.Play((root / "long.wav").string());
  QTest::qWait(300);
  player.Play((root / "short.wav").string());
  fs::remove_all(root);
  QElapsedTimer clock;
  clock.start();
  const SoundVoice* voice = player.Player().Voice();
  ASSERT_NE(voice, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !voice->Sounding(); }, 20000));
  // The sink took the short sound and nothing more of the long one, which had 1.7 s left.
  EXPECT_LT(clock.elapsed(), 1500);
  EXPECT_TRUE(QTest::qWaitFor([&] { return player.Output().State() == QAudio::SuspendedState; }, 20000));
}

}  // namespace
