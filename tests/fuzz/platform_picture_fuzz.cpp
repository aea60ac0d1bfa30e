// Fuzz target: any bytes given to the bitmap and JPEG decoders end in a picture or GameError.
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
  return 0;
}
