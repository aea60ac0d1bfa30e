// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RIFF WAVE files with 8-bit or 16-bit PCM samples into memory.
#pragma once
#include <optional>
#include <string_view>

#include "platform/pcm_sound.h"

// The file's samples as 16-bit values (8-bit samples are unsigned in WAV and are centred and
// widened). Chunks are walked by their sizes, so extra chunks before or after the data are
// skipped. A data chunk cut short by the end of the file yields the whole frames it holds.
// Nothing for other encodings (float, 24/32-bit, compressed) or a malformed header.
std::optional<PcmSound> DecodeWav(std::string_view bytes);
