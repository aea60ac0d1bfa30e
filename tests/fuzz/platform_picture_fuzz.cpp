// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes given to the bitmap and JPEG decoders end in a picture or GameError, and
// the bitmap size check answers for any header (a decoded uncompressed bitmap is complete).
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/bmp_decoder.h"
#include "platform/game_error.h"
#include "platform/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (auto* decode : {&DecodeBitmap, &DecodeJpeg}) {
    try {
      const ImagePtr image = decode(bytes, "fuzz");
      if (image->pixels.size() != static_cast<size_t>(image->width) * image->height)
        __builtin_trap();
    } catch (const GameError&) {
    }
  }
  bool decoded = false;
  try {
    decoded = DecodeBitmap(bytes, "fuzz") != nullptr;
  } catch (const GameError&) {
  }
  const bool complete = BitmapPixelDataComplete(bytes);
  const uint32_t compression = size >= 34 && data[14] != 12
                                   ? (data[30] | data[31] << 8 | data[32] << 16 | uint32_t{data[33]} << 24)
                                   : 0;
  if (decoded && (compression == 0 || compression == 3 || compression == 6) && !complete) __builtin_trap();
  return 0;
}
