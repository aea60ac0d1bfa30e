// SPDX-License-Identifier: GPL-3.0-or-later
// The services the game's rules and screens run on in a test: virtual timers, recorded sounds and
// message boxes, fixed text measures, seeded randomness, and pictures from a loader of the test's
// choice.
#pragma once
#include <cstdint>
#include <string>

#include "core/services.h"
#include "platform/game_error.h"
#include "platform/message_boxes.h"
#include "platform/picture_loader.h"
#include "platform/random.h"
#include "platform/sound_player.h"
#include "platform/text_measurer.h"
#include "platform/virtual_timer_service.h"

// Pictures for a test that draws none: every load fails as a missing file does.
class NoPictures : public PictureLoader {
 public:
  ImagePtr LoadBitmap(const std::string& path) override { throw GameError("no picture " + path); }
  ImagePtr LoadJpeg(const std::string& path) override { throw GameError("no picture " + path); }
};

template <class Pictures = NoPictures, class Text = FixedTextMeasurer>
struct TestServices {
  explicit TestServices(uint64_t seed) : random(seed) {}

  VirtualTimerService timers;
  RecordingSoundPlayer sound;
  Pictures pictures;
  Text text;
  RecordingMessageBoxes messages;
  Random random;
  Services services{timers, sound, pictures, text, messages, random};
};
