// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bitmap decoding in plain C++, for runs and tools without Qt.
#include "platform/bmp_decoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/file_lookup.h"
#include "platform/game_error.h"

namespace {

constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = 16LL * 1024 * 1024;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

// Reading inside the file's bytes; every read past the end is a fault of the file.
class Reader {
public:
  Reader(const std::string& bytes, const std::string& name) : bytes_(bytes), name_(name) {}

  uint32_t Le(size_t at, size_t size) const {
    if (at + size > bytes_.size() || at + size < at) Fail("is cut short");
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint32_t{Byte(at + i)} << (8 * i);
    return value;
  }
  uint8_t Byte(size_t at) const {
    if (at >= bytes_.size()) Fail("is cut short");
    return static_cast<uint8_t>(bytes_[at]);
  }
  size_t Size() const { return bytes_.size(); }
  [[noreturn]] void Fail(const std::string& what) const {
    throw GameError("Picture " + name_ + " " + what);
  }

private:
  const std::string& bytes_;
  const std::string& name_;
};

uint32_t Opaque(uint32_t r, uint32_t g, uint32_t b) {
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// One colour channel described by a bit mask, widened to 8 bits by repeating its high bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static Channel From(uint32_t mask) {
    Channel channel;
    channel.mask = mask;
    if (mask == 0) return channel;
    while (((mask >> channel.shift) & 1u) == 0) ++channel.shift;
    while (channel.shift + channel.bits < 32 &&
           ((mask >> (channel.shift + channel.bits)) & 1u) != 0) {
      ++channel.bits;
    }
    return channel;
  }
  uint32_t Of(uint32_t value) const {
    if (bits == 0) return 0;
    uint32_t v = (value & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    const uint32_t max = (1u << bits) - 1;
    return (v * 255 + max / 2) / max;
  }
};

struct Header {
  int64_t width = 0;
  int64_t height = 0;  // always positive here; topDown tells the row order
  bool topDown = false;
  uint32_t bitsPerPixel = 0;
  uint32_t compression = kRgb;
  uint32_t dataOffset = 0;
  Channel red, green, blue;
  std::vector<uint32_t> palette;
};

Header ReadHeader(const Reader& in) {
  if (in.Size() < 2 || in.Byte(0) != 'B' || in.Byte(1) != 'M') in.Fail("is not a Windows bitmap");
  Header header;
  header.dataOffset = in.Le(10, 4);
  const uint32_t infoSize = in.Le(14, 4);
  size_t paletteAt = 14 + infoSize;
  size_t paletteEntrySize = 4;
  uint32_t colorsUsed = 0;
  if (infoSize == 12) {
    header.width = in.Le(18, 2);
    header.height = in.Le(20, 2);
    header.bitsPerPixel = in.Le(24, 2);
    paletteEntrySize = 3;
  } else if (infoSize >= 40 && infoSize <= 124) {
    header.width = static_cast<int32_t>(in.Le(18, 4));
    const int32_t height = static_cast<int32_t>(in.Le(22, 4));
    header.topDown = height < 0;
    header.height = std::abs(static_cast<int64_t>(height));
    header.bitsPerPixel = in.Le(28, 2);
    header.compression = in.Le(30, 4);
    colorsUsed = in.Le(46, 4);
  } else {
    in.Fail("has an unknown bitmap header");
  }
  if (header.width <= 0 || header.height <= 0 || header.width > kMaxSide ||
      header.height > kMaxSide || header.width * header.height > kMaxPixels) {
    in.Fail("has an unsupported size");
  }

  const uint32_t bpp = header.bitsPerPixel;
  const uint32_t compression = header.compression;
  const bool knownDepth = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
  const bool fits =
      compression == kRgb || (compression == kRle8 && bpp == 8) ||
      (compression == kRle4 && bpp == 4) ||
      ((compression == kBitFields || compression == kAlphaBitFields) && (bpp == 16 || bpp == 32));
  if (!knownDepth || !fits) in.Fail("has an unsupported bitmap format");
  if ((compression == kRle8 || compression == kRle4) && header.topDown) {
    in.Fail("has an unsupported bitmap format");
  }

  if (compression == kBitFields || compression == kAlphaBitFields) {
    // The masks follow a 40-byte header, or are part of a longer one.
    header.red = Channel::From(in.Le(54, 4));
    header.green = Channel::From(in.Le(58, 4));
    header.blue = Channel::From(in.Le(62, 4));
    if (infoSize == 40) paletteAt += compression == kAlphaBitFields ? 16 : 12;
  } else if (bpp == 16) {
    header.red = Channel::From(0x7C00);
    header.green = Channel::From(0x03E0);
    header.blue = Channel::From(0x001F);
  } else if (bpp == 24 || bpp == 32) {
    header.red = Channel::From(0x00FF0000);
    header.green = Channel::From(0x0000FF00);
    header.blue = Channel::From(0x000000FF);
  }

  if (bpp <= 8) {
    const uint32_t most = 1u << bpp;
    const uint32_t count = (colorsUsed == 0 || colorsUsed > most) ? most : colorsUsed;
    for (uint32_t i = 0; i < count; ++i) {
      const size_t at = paletteAt + i * paletteEntrySize;
      // Short palettes are common in files cut by careless writers: the missing entries are black.
      if (at + 3 > header.dataOffset || at + 3 > in.Size()) break;
      header.palette.push_back(Opaque(in.Byte(at + 2), in.Byte(at + 1), in.Byte(at)));
    }
  }
  return header;
}

uint32_t PaletteColour(const Header& header, uint32_t index) {
  return index < header.palette.size() ? header.palette[index] : 0xFF000000u;
}

void DecodeUncompressed(const Reader& in, const Header& header, Image& image) {
  const int64_t stride = ((header.width * header.bitsPerPixel + 31) / 32) * 4;
  if (static_cast<int64_t>(header.dataOffset) + stride * header.height >
      static_cast<int64_t>(in.Size())) {
    in.Fail("is cut short");
  }
  for (int64_t row = 0; row < header.height; ++row) {
    const int64_t y = header.topDown ? row : header.height - 1 - row;
    const size_t at = header.dataOffset + static_cast<size_t>(row * stride);
    uint32_t* line = image.pixels.data() + y * header.width;
    for (int64_t x = 0; x < header.width; ++x) {
      switch (header.bitsPerPixel) {
        case 1:
          line[x] = PaletteColour(header, (in.Byte(at + x / 8) >> (7 - x % 8)) & 1u);
          break;
        case 4:
          line[x] = PaletteColour(header, (in.Byte(at + x / 2) >> (x % 2 == 0 ? 4 : 0)) & 0xFu);
          break;
        case 8:
          line[x] = PaletteColour(header, in.Byte(at + x));
          break;
        default: {
          const size_t bytes = header.bitsPerPixel / 8;
          const uint32_t value = in.Le(at + x * bytes, bytes);
          line[x] = Opaque(header.red.Of(value), header.green.Of(value), header.blue.Of(value));
        }
      }
    }
  }
}

// Run-length data, bottom-up: pixels the runs never reach stay at the first palette colour.
void DecodeRunLength(const Reader& in, const Header& header, Image& image) {
  const bool four = header.compression == kRle4;
  std::fill(image.pixels.begin(), image.pixels.end(), PaletteColour(header, 0));
  int64_t x = 0;
  int64_t row = 0;
  size_t at = header.dataOffset;
  const auto put = [&](uint32_t index) {
    if (x < header.width && row < header.height) {
      image.pixels[(header.height - 1 - row) * header.width + x] = PaletteColour(header, index);
    }
    ++x;
  };
  while (row < header.height) {
    const uint8_t count = in.Byte(at);
    const uint8_t value = in.Byte(at + 1);
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i % 2 == 0) ? value >> 4 : value & 0xF) : value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      x += in.Byte(at);
      row += in.Byte(at + 1);
      at += 2;
    } else {
      // An absolute run of value pixels, padded to a whole number of 16-bit words.
      const size_t bytes = four ? (value + 1u) / 2u : value;
      for (int i = 0; i < value; ++i) {
        const uint8_t byte = in.Byte(at + (four ? i / 2 : i));
        put(four ? ((i % 2 == 0) ? byte >> 4 : byte & 0xF) : byte);
      }
      at += bytes + (bytes % 2);
    }
  }
}

}  // namespace

ImagePtr DecodeBitmap(const std::string& bytes, const std::string& name) {
  const Reader in(bytes, name);
  const Header header = ReadHeader(in);
  auto image = std::make_shared<Image>();
  image->width = static_cast<int>(header.width);
  image->height = static_cast<int>(header.height);
  image->pixels.assign(static_cast<size_t>(header.width * header.height), 0xFF000000u);
  if (header.compression == kRle8 || header.compression == kRle4) {
    DecodeRunLength(in, header, *image);
  } else {
    DecodeUncompressed(in, header, *image);
  }
  return image;
}

ImagePtr DecodeBitmapFile(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) throw GameError("Cannot open picture " + path);
  return DecodeBitmap(*bytes, path);
}

namespace {
uint32_t HeaderLe(const std::string& bytes, size_t at, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) {
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}
}  // namespace

// Used before a toolkit decoder that fills a cut-short picture without complaint.
bool BitmapPixelDataComplete(const std::string& bytes) {
  if (bytes.size() < 26) return false;
  const uint32_t dataOffset = HeaderLe(bytes, 10, 4);
  const uint32_t headerSize = HeaderLe(bytes, 14, 4);
  int64_t width = 0, height = 0;
  uint32_t bitsPerPixel = 0, compression = 0;
  if (headerSize == 12) {
    width = static_cast<int16_t>(HeaderLe(bytes, 18, 2));
    height = static_cast<int16_t>(HeaderLe(bytes, 20, 2));
    bitsPerPixel = HeaderLe(bytes, 24, 2);
  } else {
    if (bytes.size() < 34) return false;
    width = static_cast<int32_t>(HeaderLe(bytes, 18, 4));
    height = static_cast<int32_t>(HeaderLe(bytes, 22, 4));
    bitsPerPixel = HeaderLe(bytes, 28, 2);
    compression = HeaderLe(bytes, 30, 4);
  }
  const bool uncompressed = compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
  if (!uncompressed) return true;
  // |width| < 2^31 and bits < 2^16 keep the stride under 2^45; the row count is compared by
  // division, since stride times height can pass 2^63.
  const int64_t stride = ((std::abs(width) * bitsPerPixel + 31) / 32) * 4;
  if (dataOffset > bytes.size()) return false;
  if (stride == 0) return true;
  const uint64_t available = bytes.size() - dataOffset;
  return static_cast<uint64_t>(std::abs(height)) <= available / static_cast<uint64_t>(stride);
}
