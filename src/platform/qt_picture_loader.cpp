// Pictures for the game: Windows bitmaps through QImage, JPEG files through libjpeg.
#include "platform/qt_picture_loader.h"

#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "platform/file_lookup.h"
#include "platform/game_error.h"
#include "platform/jpeg_decoder.h"
#include "platform/qt_image.h"

namespace {

uint32_t ReadLe(const std::string& bytes, size_t at, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) {
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

// QImage decodes an uncompressed bitmap that is cut short without complaint and leaves the
// rest of the picture undefined; the pixel data such a file must hold is checked here.
bool PixelDataComplete(const std::string& bytes) {
  if (bytes.size() < 26) return false;
  const uint32_t dataOffset = ReadLe(bytes, 10, 4);
  const uint32_t headerSize = ReadLe(bytes, 14, 4);
  int64_t width = 0, height = 0;
  uint32_t bitsPerPixel = 0, compression = 0;
  if (headerSize == 12) {
    width = static_cast<int16_t>(ReadLe(bytes, 18, 2));
    height = static_cast<int16_t>(ReadLe(bytes, 20, 2));
    bitsPerPixel = ReadLe(bytes, 24, 2);
  } else {
    if (bytes.size() < 34) return false;
    width = static_cast<int32_t>(ReadLe(bytes, 18, 4));
    height = static_cast<int32_t>(ReadLe(bytes, 22, 4));
    bitsPerPixel = ReadLe(bytes, 28, 2);
    compression = ReadLe(bytes, 30, 4);
  }
  const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
  if (!uncompressed) return true;  // run-length data is checked by the decoder itself
  const int64_t stride = ((std::abs(width) * bitsPerPixel + 31) / 32) * 4;
  return static_cast<int64_t>(bytes.size()) >= dataOffset + stride * std::abs(height);
}

}  // namespace

ImagePtr QtPictureLoader::LoadBitmap(const std::string& path) {
  const auto found = FindFileNoCase(path);
  if (!found) throw GameError("Cannot open picture " + path);
  const auto bytes = ReadWholeFile(*found);
  if (!bytes) throw GameError("Cannot open picture " + path);
  // Only Windows bitmaps are pictures here, whatever else QImage could read.
  if (bytes->size() < 2 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M') {
    throw GameError("Picture " + path + " is not a Windows bitmap");
  }
  if (!PixelDataComplete(*bytes)) throw GameError("Picture " + path + " is cut short");
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                          static_cast<int>(bytes->size()), "BMP") ||
      image.isNull()) {
    throw GameError("Cannot read picture " + path);
  }
  return std::make_shared<const Image>(FromQImage(image));
}

ImagePtr QtPictureLoader::LoadJpeg(const std::string& path) {
  const auto found = FindFileNoCase(path);
  if (!found) throw GameError("Cannot open picture " + path);
  return DecodeJpegFile(*found);
}
