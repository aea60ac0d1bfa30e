// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's rules: START GAME, the SOUND switch and the level the menu shows.
#pragma once
#include <functional>
#include <string>

class LevelPlay;
struct Services;
struct SharedState;

inline constexpr const char* kSoundOnCaption = "SOUND ON";
inline constexpr const char* kSoundOffCaption = "SOUND OFF";

// What START GAME asks of the screens around it.
struct StartGameScreens {
  std::function<void()> askDifficulty;  // the first-run choice, modal
  std::function<void()> showGameScreen;
  std::function<void()> hideMenu;
};

// START GAME. Returns true when the level was started; false when the profile's level is past
// the last one or firststart could not be written (the failure has been shown).
bool StartGame(SharedState& shared, Services& services, LevelPlay& level,
               const StartGameScreens& screens);

// SOUND, whose caption holds the state: returns the new caption. When the switch cannot be
// written the failure is shown and the old caption returned, with the switch unchanged.
std::string SwitchSound(SharedState& shared, Services& services, const std::string& caption);

// "level" and the current profile's curlevel (default 1), as the menu shows it.
std::string MenuLevelText(const SharedState& shared);
