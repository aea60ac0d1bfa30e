// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: Windows bitmaps and JPEG files, decoded or refused with a clear error.
#pragma once
#include "platform/image.h"

#include <string>

class PictureLoader {
public:
  virtual ~PictureLoader() = default;
  // Both throw GameError with a message naming the file when it is missing, unreadable, cut
  // short or not of the expected format. Paths are native; letter case need not match the disk.
  virtual ImagePtr LoadBitmap(const std::string& path) = 0;
  virtual ImagePtr LoadJpeg(const std::string& path) = 0;
};
