// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding with libjpeg, every complaint of the library taken as a failure.
#pragma once
#include <string>

#include "platform/image.h"

// Decodes the JPEG file at path (used as given) into 0xFFRRGGBB pixels. Throws GameError naming
// the file when it is missing, unreadable, not a JPEG, cut short or damaged.
ImagePtr DecodeJpegFile(const std::string& path);
// The same for a picture already in memory; name is used in the error message.
ImagePtr DecodeJpeg(const std::string& bytes, const std::string& name);
