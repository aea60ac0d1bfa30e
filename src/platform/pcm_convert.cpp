// Bringing a decoded sound to the output's rate and channel count.
#include "platform/pcm_convert.h"

#include <cstdint>

namespace {

PcmSound ConvertChannels(const PcmSound& sound, int channels) {
  const size_t frames = sound.Frames();
  const int from = sound.format.channels;
  PcmSound out;
  out.format = {sound.format.rate, channels};
  out.samples.resize(frames * static_cast<size_t>(channels));
  for (size_t f = 0; f < frames; ++f) {
    const int16_t* in = &sound.samples[f * static_cast<size_t>(from)];
    int16_t* to = &out.samples[f * static_cast<size_t>(channels)];
    if (from == 2 && channels == 1) {
      to[0] = static_cast<int16_t>((in[0] + in[1]) / 2);
      continue;
    }
    // One sample per channel where both sides have it; the rest takes the mean of the input.
    int32_t sum = 0;
    for (int c = 0; c < from; ++c) sum += in[c];
    const auto mean = static_cast<int16_t>(sum / from);
    for (int c = 0; c < channels; ++c) to[c] = (from > 1 && c < from && channels > 1) ? in[c] : mean;
  }
  return out;
}

PcmSound ConvertRate(const PcmSound& sound, int rate) {
  const size_t frames = sound.Frames();
  const int channels = sound.format.channels;
  PcmSound out;
  out.format = {rate, channels};
  if (frames == 0) return out;
  // Positions in 64-bit fixed point: frame i of the output sits at i * from / to in the input.
  const uint64_t from = static_cast<uint64_t>(sound.format.rate);
  const uint64_t to = static_cast<uint64_t>(rate);
  const size_t outFrames = static_cast<size_t>((static_cast<uint64_t>(frames) * to + from / 2) / from);
  out.samples.resize(outFrames * static_cast<size_t>(channels));
  for (size_t i = 0; i < outFrames; ++i) {
    const uint64_t scaled = static_cast<uint64_t>(i) * from;
    const size_t a = static_cast<size_t>(scaled / to);
    const int64_t frac = static_cast<int64_t>(scaled % to);
    const size_t left = a < frames ? a : frames - 1;
    const size_t right = left + 1 < frames ? left + 1 : left;
    for (int c = 0; c < channels; ++c) {
      const int64_t s0 = sound.samples[left * static_cast<size_t>(channels) + static_cast<size_t>(c)];
      const int64_t s1 = sound.samples[right * static_cast<size_t>(channels) + static_cast<size_t>(c)];
      out.samples[i * static_cast<size_t>(channels) + static_cast<size_t>(c)] =
          static_cast<int16_t>(s0 + (s1 - s0) * frac / static_cast<int64_t>(to));
    }
  }
  return out;
}

}  // namespace

PcmSound ConvertPcm(const PcmSound& sound, PcmFormat to) {
  if (sound.format == to || to.rate <= 0 || to.channels <= 0 || sound.format.channels <= 0 ||
      sound.format.rate <= 0) {
    return sound;
  }
  PcmSound out = sound.format.channels == to.channels ? sound : ConvertChannels(sound, to.channels);
  if (out.format.rate != to.rate) out = ConvertRate(out, to.rate);
  return out;
}
