// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any Map.ini, Script.ini and Object.ini text played for a while in virtual time,
// with keys typed at every place; level data at any value must keep the arithmetic defined.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/services.h"
#include "core/shared_state.h"
#include "fuzz_check_game.h"
#include "level/level_play.h"
#include "platform/file_picture_loader.h"
#include "platform/virtual_timer_service.h"
#include "core/ini_store.h"

namespace {
// The test game's level picture, next to this file's folder.
const std::string& MapJpeg() {
  static const std::string bytes = [] {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../data/game/Maps/Level1/Map.jpg";
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  return bytes;
}
}  // namespace

// The input is the three files' text separated by 0x01 bytes; missing parts keep the valid file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_check::Reset();
  fuzz_check::Write(fuzz_check::GameDir() + "/Maps/Level1/Map.jpg", MapJpeg());
  fuzz_check::WriteIniFiles(data, size);

  VirtualTimerService timers;
  RecordingSoundPlayer sound;
  FilePictureLoader pictures;
  FixedTextMeasurer text;
  RecordingMessageBoxes messages;
  Random random(7);
  Services services{timers, sound, pictures, text, messages, random};
  SharedState shared;
  shared.appDir = fuzz_check::GameDir() + "/";
  shared.playerStore = std::make_unique<IniStore>(fuzz_check::GameDir() + "/Player.ini");
  shared.currentPlayer = "Fuzz";
  shared.soundOn = true;
  NullLevelPlayHost host;
  {
    LevelPlay play(services, shared, host);
    host.onResults = [&] {
      play.QuitToMenu();
      shared.returnToMenu = true;
    };
    play.StartLevel("Level1");
    // 30 seconds of play, a key every 300 ms cycling through a few letters.
    const char* const keys = "fjdkslaghq;";
    for (int tick = 0; tick < 100 && play.LevelLoaded(); ++tick) {
      timers.Advance(300);
      play.KeyPress(false, std::string(1, keys[tick % 11]));
      play.KeyRelease();
    }
    if (play.LevelLoaded()) play.QuitToMenu();
  }
  return 0;
}
