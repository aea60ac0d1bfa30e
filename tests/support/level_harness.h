// SPDX-License-Identifier: GPL-3.0-or-later
// A game folder in a temporary directory with level play over virtual time, for rules tests.
#pragma once
#include "core/shared_state.h"
#include "level/level_play.h"
#include "platform/file_picture_loader.h"
#include "core/ini_store.h"
#include "targets/bot_image.h"
#include "test_services.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

class LevelHarness : public TestServices<FilePictureLoader> {
public:
  // Plays the test game folder (copied), or the given game folder as it is; Player.ini is kept
  // in a temporary folder either way.
  explicit LevelHarness(const std::string& gameDir = "") : TestServices(12345) {
    char pattern[] = "/tmp/keyslinger-level-XXXXXX";
    dir = mkdtemp(pattern);
    if (gameDir.empty()) {
      std::filesystem::copy(std::string(TEST_DATA_DIR) + "/game", dir, std::filesystem::copy_options::recursive);
    }
    shared.appDir = gameDir.empty() ? dir + "/" : gameDir + "/";
    shared.playerStore = std::make_unique<IniStore>(dir + "/Player.ini");
    shared.currentPlayer = "Tester";
    shared.soundOn = true;
    play = std::make_unique<LevelPlay>(services, shared, host);
  }
  ~LevelHarness() {
    play.reset();
    std::filesystem::remove_all(dir);
  }

  // A level folder Maps/<name> with the given Map.ini and Script.ini and the test pictures.
  void WriteLevel(const std::string& name, const std::string& mapIni, const std::string& scriptIni) {
    const std::string level = dir + "/Maps/" + name;
    std::filesystem::create_directories(level);
    WriteFile(level + "/Map.ini", mapIni);
    WriteFile(level + "/Script.ini", scriptIni);
    for (const char* file : {"Map.jpg", "Tag.bmp"}) {
      if (name != "Level1") {
        std::filesystem::copy_file(dir + "/Maps/Level1/" + file, level + "/" + file,
                                   std::filesystem::copy_options::skip_existing);
      }
    }
  }
  // Written an hour ago, as shipped level files are: the store trusts their stamps at once.
  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  }

  void Run(int64_t ms) { timers.Advance(ms); }
  // One key press and release typing text.
  // A key press typing text; position is the pressed key's US key name, where the test needs it.
  void Type(const std::string& text, const std::string& position = {}) {
    play->KeyPress(false, text, position);
    play->KeyRelease();
  }
  TbotImage* ActorAt(size_t place) const { return play->Stage().Places().at(place).actor; }
  int32_t Counter(int32_t LevelCounters::*field) const { return play->Counters().*field; }

  std::string dir;
  SharedState shared;
  NullLevelPlayHost host;
  std::unique_ptr<LevelPlay> play;
};

// Map.ini text: a Map section with the given difficulty rows, the test actors, and places given
// as "name:x:y:side:letter" separated by spaces.
inline std::string MapIni(const std::string& places, const std::string& rows = "") {
  std::string text = "[Map]\n" + rows + "LBMP=Tag.bmp\n[Objects]\nbandit=Bandit\ntownsman=Townsman\nsmall=Small\nbroken=Broken\n";
  size_t start = 0;
  while (start < places.size()) {
    size_t end = places.find(' ', start);
    if (end == std::string::npos) end = places.size();
    const std::string spec = places.substr(start, end - start);
    start = end + 1;
    if (spec.empty()) continue;
    size_t a = spec.find(':'), b = spec.find(':', a + 1), c = spec.find(':', b + 1), d = spec.find(':', c + 1);
    text += "[" + spec.substr(0, a) + "]\nx=" + spec.substr(a + 1, b - a - 1) + "\ny=" + spec.substr(b + 1, c - b - 1) +
            "\nside=" + spec.substr(c + 1, d - c - 1) + "\nletter=" + spec.substr(d + 1) + "\n";
  }
  return text;
}

inline std::string TemplateStep(const std::string& name, const std::string& key, const std::string& maxLife) {
  return "[" + name + "]\ncommand=1\nparam1=" + key + "\nparam2=" + maxLife + "\n";
}
inline std::string WaveStep(const std::string& name, const std::string& duration, const std::string& fields) {
  return "[" + name + "]\ncommand=2\nparam1=" + duration + "\nparam2=" + fields + "\n";
}
