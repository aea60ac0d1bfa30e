// Where the voice's samples go: the audio device, or a fake one in tests.
#pragma once
#include <optional>

#include "platform/pcm_sound.h"

class SoundVoice;

class SoundOutput {
public:
  virtual ~SoundOutput() = default;
  // Opens the device for wanted (or the nearest format it takes) and returns the format it
  // plays; nothing when there is no device. Called once, before the first sound.
  virtual std::optional<PcmFormat> Open(PcmFormat wanted) = 0;
  // A sound has started on voice: pull its samples until it has none left, then go idle.
  virtual void Wake(SoundVoice& voice) = 0;
};
