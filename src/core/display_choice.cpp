// SPDX-License-Identifier: GPL-3.0-or-later
// The display choice kept in Player.ini: the game screen full screen or in a window.
#include "core/display_choice.h"

#include "core/shared_state.h"
#include "platform/game_error.h"
#include "platform/message_boxes.h"
#include "core/ini_store.h"

namespace {
constexpr const char* kSection = "curplayer";
constexpr const char* kKey = "fullscreen";
}  // namespace

bool FullScreenChosen(const SharedState& shared) {
  return shared.playerStore && shared.playerStore->ReadBool(kSection, kKey, false);
}

bool StoreFullScreen(SharedState& shared, MessageBoxes& messages, bool on) {
  if (!shared.playerStore) return false;
  try {
    shared.playerStore->WriteBool(kSection, kKey, on);
  } catch (const GameError& e) {
    messages.Show(e.what());
    return false;
  }
  return true;
}
