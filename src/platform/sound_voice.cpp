// The one voice the game's sounds play through: a new sound cuts off the one playing.
#include "platform/sound_voice.h"

#include <algorithm>
#include <cstring>

namespace {

int16_t Saturate(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace

void SoundVoice::Start(std::shared_ptr<const PcmSound> sound) {
  // The sound that is heard now fades and replaces an older fade, so at most two sounds ever mix
  // and a burst of starts cannot pile up voices. A sound not yet heard at all (two starts before
  // the next read) has nothing to fade; a fade that is running then goes on.
  if (current_.sound && current_.frame > 0) fading_ = {std::move(current_.sound), current_.frame, kFadeFrames};
  current_ = {};
  if (sound && sound->format == format_ && sound->Frames() > 0) current_.sound = std::move(sound);
}

void SoundVoice::Stop() {
  current_ = {};
  fading_ = {};
}

size_t SoundVoice::Read(int16_t* out, size_t frames) {
  const auto channels = static_cast<size_t>(format_.channels);
  size_t written = 0;
  if (current_.sound) {
    const size_t left = current_.sound->Frames() - current_.frame;
    written = std::min(frames, left);
    std::memcpy(out, current_.sound->samples.data() + current_.frame * channels,
                written * channels * sizeof(int16_t));
    current_.frame += written;
    if (current_.frame >= current_.sound->Frames()) current_ = {};
  }
  if (fading_.sound) {
    const size_t left = std::min(fading_.fadeLeft, fading_.sound->Frames() - fading_.frame);
    const size_t count = std::min(frames, left);
    // Silence between the new sound's end and the fade's end, so the mix adds to zeros.
    if (count > written) std::fill(out + written * channels, out + count * channels, int16_t{0});
    const int16_t* in = fading_.sound->samples.data() + fading_.frame * channels;
    for (size_t f = 0; f < count; ++f) {
      // Linear ramp from just under full level down to zero over kFadeFrames.
      const auto gain = static_cast<int32_t>(fading_.fadeLeft - f);
      for (size_t c = 0; c < channels; ++c) {
        const size_t i = f * channels + c;
        out[i] = Saturate(out[i] + in[i] * gain / static_cast<int32_t>(kFadeFrames + 1));
      }
    }
    fading_.frame += count;
    fading_.fadeLeft -= count;
    if (count == left) fading_ = {};
    written = std::max(written, count);
  }
  return written;
}
