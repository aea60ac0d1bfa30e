// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bitmap decoding in plain C++, for runs and tools without Qt.
#pragma once
#include <string>

#include "platform/image.h"

// Decodes the bytes of a Windows bitmap (core and info headers up to version 5; 1, 4 and 8 bits
// with a palette, run-length 4 and 8 bits, 16, 24 and 32 bits, bit fields; bottom-up and
// top-down). Pixels come out opaque, 0xFFRRGGBB. Throws GameError naming name on any fault.
ImagePtr DecodeBitmap(const std::string& bytes, const std::string& name);
// Reads the file at path (used as given) and decodes it; GameError naming the file on failure.
ImagePtr DecodeBitmapFile(const std::string& path);
// Whether the bytes hold all the pixel data their header asks for (uncompressed bitmaps; run-length
// data is checked while decoding). Any header values are safe, up to the largest 32-bit sizes.
bool BitmapPixelDataComplete(const std::string& bytes);
