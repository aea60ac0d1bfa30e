// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded without Qt: for the level checker, the simulator and the rules' tests.
#pragma once
#include "platform/picture_loader.h"

class FilePictureLoader : public PictureLoader {
public:
  ImagePtr LoadBitmap(const std::string& path) override;
  ImagePtr LoadJpeg(const std::string& path) override;
};
