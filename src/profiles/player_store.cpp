// SPDX-License-Identifier: GPL-3.0-or-later
// Player.ini: opening the store at start-up and creating the first profile.
#include "profiles/player_store.h"

#include <memory>

#include "core/shared_state.h"
#include "core/ini_store.h"

void OpenPlayerStore(SharedState& shared, const std::string& loginName,
                     const std::function<void()>& afterSoundRead) {
  shared.playerSections.clear();
  shared.playerStore = std::make_unique<IniStore>(shared.PlayerDataDir() + "Player.ini");
  IniStore& store = *shared.playerStore;
  shared.playerSections = store.ReadSections();
  shared.soundOn = store.ReadBool("curplayer", "sound", true);
  if (afterSoundRead) afterSoundRead();

  if (shared.playerSections.empty()) {
    store.WriteInteger(loginName, "levels", 1);
    store.WriteInteger(loginName, "curlevel", 1);
    store.WriteString("curplayer", "name", loginName);
    shared.currentPlayer = loginName;
    shared.playerSections.push_back(loginName);
    // firststart stays absent, so the first START GAME asks for the difficulty.
    store.WriteString(loginName, "up", "easy");
  }
  shared.currentPlayer = store.ReadString("curplayer", "name", "");
}
