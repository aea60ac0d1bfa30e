// SPDX-License-Identifier: GPL-3.0-or-later
// The click sound of the menu, dialog, results and pause buttons, and the screens' other sounds.
#include "core/button_sound.h"

#include "core/services.h"
#include "core/shared_state.h"

void PlayButtonSound(SharedState& shared, Services& services) {
  if (!shared.soundOn) return;
  const int32_t k = services.random.Between(0, 4);
  services.sound.Play(shared.appDir + "sounds/button" + std::to_string(k) + ".wav");
}

void PlayScreenSound(SharedState& shared, Services& services, const std::string& fileName) {
  if (!shared.soundOn) return;
  services.sound.Play(shared.appDir + "sounds/" + fileName);
}
