// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player without a sound server: the platform's alert for a missing file, else silence.
#pragma once
#include <functional>

#include "platform/sound_player.h"

// Without a sound server nothing in the system can play the game's sounds (Qt's own audio
// output goes through the same server), so a found file is skipped quietly; a missing one still
// gives the alert, which the window system sounds.
class QtAlertPlayer : public SoundPlayer {
public:
  // alert plays the platform's alert sound; by default QApplication::beep.
  explicit QtAlertPlayer(std::function<void()> alert = {});

  void Play(const std::string& path) override;

private:
  std::function<void()> alert_;
};
