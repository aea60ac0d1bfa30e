// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for the game: Windows bitmaps through QImage, JPEG files through libjpeg.
#include "platform/qt/qt_picture_loader.h"

#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "platform/bmp_decoder.h"
#include "platform/file_lookup.h"
#include "platform/game_error.h"
#include "platform/jpeg_decoder.h"
#include "platform/qt/qt_image.h"

ImagePtr QtPictureLoader::LoadBitmap(const std::string& path) {
  const auto found = FindFileNoCase(path);
  if (!found) throw GameError("Cannot open picture " + path);
  const auto bytes = ReadWholeFile(*found);
  if (!bytes) throw GameError("Cannot open picture " + path);
  // Only Windows bitmaps are pictures here, whatever else QImage could read.
  if (bytes->size() < 2 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M') {
    throw GameError("Picture " + path + " is not a Windows bitmap");
  }
  if (!BitmapPixelDataComplete(*bytes)) throw GameError("Picture " + path + " is cut short");
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
