// SPDX-License-Identifier: GPL-3.0-or-later
// 24-bit Windows bitmap writer (written out by hand so the format never depends on a plugin).
#include "qt_bmp_file.h"

#include <QFile>
#include <stdexcept>
#include <string>

namespace {
void Put32(QByteArray& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(QByteArray& out, uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}
}  // namespace

void SaveBmp24(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int w = rgb.width(), h = rgb.height();
  const int stride = (w * 3 + 3) & ~3;
  const uint32_t dataSize = static_cast<uint32_t>(stride * h);
  QByteArray out;
  out.append("BM");
  Put32(out, 54 + dataSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(h));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // no compression
  Put32(out, dataSize);
  Put32(out, 3780);  // 96 dpi, so point sizes drawn on the picture match the screen
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      out.append(static_cast<char>(qBlue(line[x])));
      out.append(static_cast<char>(qGreen(line[x])));
      out.append(static_cast<char>(qRed(line[x])));
    }
    for (int p = w * 3; p < stride; ++p) out.append('\0');
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}
