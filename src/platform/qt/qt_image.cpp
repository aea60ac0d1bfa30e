// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the rules' Image and Qt's QImage.
#include "platform/qt/qt_image.h"

#include <cstring>

QImage ToQImage(const Image& image) {
  QImage out(image.width, image.height, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(out.scanLine(y), image.pixels.data() + static_cast<size_t>(y) * image.width,
                sizeof(uint32_t) * image.width);
  }
  return out;
}

QImage ColourKeyed(const Image& image) {
  QImage out = ToQImage(image);
  if (out.isNull()) return out;
  // Only the colour counts as the key; a key pixel's own alpha does not.
  const uint32_t key = image.Pixel(0, image.height - 1) & 0x00FFFFFFu;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<uint32_t*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] & 0x00FFFFFFu) == key) line[x] = 0;
    }
  }
  return out;
}

Image FromQImage(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Image out;
  out.width = argb.width();
  out.height = argb.height();
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    std::memcpy(out.pixels.data() + static_cast<size_t>(y) * out.width, argb.constScanLine(y),
                sizeof(uint32_t) * out.width);
  }
  return out;
}
