// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules ask of the platform, gathered in one place and handed down.
#pragma once
#include "platform/message_boxes.h"
#include "platform/picture_loader.h"
#include "platform/random.h"
#include "platform/sound_player.h"
#include "platform/text_measurer.h"
#include "platform/timer_service.h"

class KeyboardLayout;

struct Services {
  TimerService& timers;
  SoundPlayer& sound;
  PictureLoader& pictures;
  TextMeasurer& text;
  MessageBoxes& messages;
  Random& random;
  // The player's keyboard layout; null: every letter is taken as written.
  KeyboardLayout* keyboard = nullptr;
};
