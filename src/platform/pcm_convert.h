// Bringing a decoded sound to the output's rate and channel count.
#pragma once
#include "platform/pcm_sound.h"

// The sound as the output plays it: channels mixed down to mono and spread again when the
// counts differ (mono becomes the same signal on every channel), the rate changed by linear
// interpolation. A sound already in the format comes back unchanged. The length in time is kept
// to within one frame.
PcmSound ConvertPcm(const PcmSound& sound, PcmFormat to);
