// SPDX-License-Identifier: GPL-3.0-or-later
// State shared by the screens for the whole run: the profile store and the current profile.
#pragma once
#include "core/ini_store.h"

#include <memory>
#include <string>
#include <vector>

class ProgressRecorder;

struct SharedState {
  std::string appDir;                    // folder of the game content, trailing slash
  std::string dataDir;                   // folder of the player's files; empty: appDir
  std::unique_ptr<IniStore> playerStore; // Player.ini, opened by the main menu's creation
  std::string currentPlayer;             // also the profile's section name
  std::vector<std::string> playerSections;
  bool soundOn = true;
  int lastLevel = 16;                    // set by START GAME
  bool returnToMenu = false;             // results screen's decisions, read by the clock
  bool showEndScreen = false;
  ProgressRecorder* progress = nullptr;  // the run and shot records; null when none are kept

  // Where Player.ini and the other per-player files live, with a trailing slash.
  const std::string& PlayerDataDir() const { return dataDir.empty() ? appDir : dataDir; }
};
