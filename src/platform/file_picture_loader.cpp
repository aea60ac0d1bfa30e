// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded without Qt: for the level checker, the simulator and the rules' tests.
#include "platform/file_picture_loader.h"

#include "platform/bmp_decoder.h"
#include "platform/file_lookup.h"
#include "platform/game_error.h"
#include "platform/jpeg_decoder.h"

ImagePtr FilePictureLoader::LoadBitmap(const std::string& path) {
  const auto found = FindFileNoCase(path);
  if (!found) throw GameError("Cannot open picture " + path);
  return DecodeBitmapFile(*found);
}

ImagePtr FilePictureLoader::LoadJpeg(const std::string& path) {
  const auto found = FindFileNoCase(path);
  if (!found) throw GameError("Cannot open picture " + path);
  return DecodeJpegFile(*found);
}
