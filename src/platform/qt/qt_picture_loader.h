// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for the game: Windows bitmaps through QImage, JPEG files through libjpeg.
#pragma once
#include "platform/picture_loader.h"

// Needs no QApplication: usable by tools and tests without a display.
class QtPictureLoader : public PictureLoader {
public:
  ImagePtr LoadBitmap(const std::string& path) override;
  ImagePtr LoadJpeg(const std::string& path) override;
};
