// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's rules: START GAME, the SOUND switch and the level the menu shows.
#include "profiles/main_menu.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_play.h"
#include "platform/game_error.h"
#include "core/button_sound.h"
#include "core/ini_store.h"

namespace {
constexpr int32_t kLastLevel = 16;
}

bool StartGame(SharedState& shared, Services& services, LevelPlay& level,
               const StartGameScreens& screens) {
  PlayButtonSound(shared, services);
  shared.lastLevel = kLastLevel;
  if (!shared.playerStore) return false;
  IniStore& store = *shared.playerStore;
  if (store.ReadInteger(shared.currentPlayer, "curlevel", 1) > kLastLevel) return false;
  if (store.ReadInteger(shared.currentPlayer, "firststart", 0) == 0) {
    try {
      // Written before asking, so the question comes once per profile whatever happens next.
      store.WriteInteger(shared.currentPlayer, "firststart", 1);
    } catch (const GameError& e) {
      services.messages.Show(e.what());
      return false;
    }
    if (screens.askDifficulty) screens.askDifficulty();
  }
  if (screens.showGameScreen) screens.showGameScreen();
  level.ResetCounters();
  if (screens.hideMenu) screens.hideMenu();
  level.StartLevel("Level" +
                   std::to_string(store.ReadInteger(shared.currentPlayer, "curlevel", 1)));
  return true;
}

std::string SwitchSound(SharedState& shared, Services& services, const std::string& caption) {
  const bool turnOn = caption != kSoundOnCaption;
  try {
    shared.playerStore->WriteBool("curplayer", "sound", turnOn);
  } catch (const GameError& e) {
    services.messages.Show(e.what());
    return caption;
  }
  shared.soundOn = turnOn;
  // After the switch: turning sound on clicks, turning it off is silent.
  PlayButtonSound(shared, services);
  return turnOn ? kSoundOnCaption : kSoundOffCaption;
}

std::string MenuLevelText(const SharedState& shared) {
  if (!shared.playerStore) return "level1";
  return "level" +
         std::to_string(shared.playerStore->ReadInteger(shared.currentPlayer, "curlevel", 1));
}
