// The one voice the game's sounds play through: a new sound cuts off the one playing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/pcm_sound.h"

class SoundVoice {
public:
  // Frames over which a sound that is cut off fades out under the new one, so the cut makes no
  // click; a few milliseconds at the game's rates.
  static constexpr size_t kFadeFrames = 64;

  explicit SoundVoice(PcmFormat format) : format_(format) {}

  PcmFormat Format() const { return format_; }
  // Starts sound from its first frame (a sound playing fades out under it). The sound must be in
  // the voice's format. Restarting the sound that plays starts it again from the beginning.
  void Start(std::shared_ptr<const PcmSound> sound);
  // Silence from now on, without a fade: nothing of the old sound is heard again.
  void Stop();
  // Something is left to be heard (a sound or the tail of a fade).
  bool Sounding() const { return current_.sound || fading_.sound; }

  // Writes up to frames frames (interleaved, the voice's channel count) into out and returns how
  // many carry sound; frames after the sound's end are not written. Returns 0 once silent.
  size_t Read(int16_t* out, size_t frames);

private:
  struct Cursor {
    std::shared_ptr<const PcmSound> sound;
    size_t frame = 0;       // next frame to play
    size_t fadeLeft = 0;    // frames of the fade still to play; 0 when not fading
  };

  PcmFormat format_;
  Cursor current_;
  Cursor fading_;
};
