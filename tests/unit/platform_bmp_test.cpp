// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bitmaps decoded without Qt: every depth and layout the game's pictures may use.
#include <gtest/gtest.h>

#include <functional>

#include "platform/bmp_decoder.h"
#include "platform/file_lookup.h"
#include "platform/file_picture_loader.h"
#include "platform/game_error.h"

namespace {

const std::string kPictures = std::string(TEST_DATA_DIR) + "/pictures/";

// The 8 x 6 test pattern: red and green over blue and white, one yellow pixel at (1, 4).
uint32_t ColourPattern(int x, int y) {
  if (x == 1 && y == 4) return 0xFFFFFF00;
  if (y <= 2) return x <= 3 ? 0xFFFF0000 : 0xFF00FF00;
  return x <= 3 ? 0xFF0000FF : 0xFFFFFFFF;
}

// Its black and white counterpart: a white block top left and one white pixel at (6, 4).
uint32_t MonoPattern(int x, int y) {
  const bool white = (y <= 2 && x <= 3) || (x == 6 && y == 4);
  return white ? 0xFFFFFFFF : 0xFF000000;
}

void ExpectPattern(const Image& image, const std::function<uint32_t(int, int)>& pattern) {
  ASSERT_EQ(image.width, 8);
  ASSERT_EQ(image.height, 6);
  ASSERT_EQ(image.pixels.size(), 48u);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(image.Pixel(x, y), pattern(x, y)) << "at " << x << "," << y;
    }
  }
}

std::string Bytes(const std::string& name) {
  const auto bytes = ReadWholeFile(kPictures + name);
  EXPECT_TRUE(bytes.has_value()) << name;
  return bytes.value_or(std::string());
}

void PutLe(std::string& bytes, size_t at, uint32_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

TEST(BmpDecoder, DecodesEveryDepthAndHeader) {
  struct Row {
    const char* file;
    uint32_t (*pattern)(int, int);
  };
  const Row rows[] = {
      {"pattern_1bit.bmp", MonoPattern},    {"pattern_4bit.bmp", ColourPattern},
      {"pattern_rle8.bmp", ColourPattern},  {"pattern_24bit.bmp", ColourPattern},
      {"pattern_555.bmp", ColourPattern},   {"pattern_565.bmp", ColourPattern},
      {"pattern_32bit.bmp", ColourPattern}, {"pattern_core.bmp", ColourPattern},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    ExpectPattern(*DecodeBitmapFile(kPictures + row.file), row.pattern);
  }
}

TEST(BmpDecoder, DecodesTopDownRows) {
  // The 24-bit pattern turned into a top-down file: negative height, rows in reading order.
  std::string bytes = Bytes("pattern_24bit.bmp");
  const size_t dataAt = 54;
  const size_t stride = 24;  // 8 pixels of 3 bytes, already a multiple of 4
  ASSERT_EQ(bytes.size(), dataAt + 6 * stride);
  std::string flipped = bytes.substr(0, dataAt);
  for (int row = 5; row >= 0; --row) flipped += bytes.substr(dataAt + row * stride, stride);
  PutLe(flipped, 22, static_cast<uint32_t>(-6), 4);
  ExpectPattern(*DecodeBitmap(flipped, "top-down"), ColourPattern);
}

TEST(BmpDecoder, DecodesFourBitRunLengthData) {
  // A 4-bit file written by hand: palette 0 blue, 1 red, 2 green, 3 white, 4 yellow.
  std::string bytes(14 + 40 + 5 * 4, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLe(bytes, 14, 40, 4);
  PutLe(bytes, 18, 8, 4);
  PutLe(bytes, 22, 6, 4);
  PutLe(bytes, 26, 1, 2);
  PutLe(bytes, 28, 4, 2);
  PutLe(bytes, 30, 2, 4);  // run-length, 4 bits
  PutLe(bytes, 46, 5, 4);
  const uint32_t palette[] = {0x0000FF, 0xFF0000, 0x00FF00, 0xFFFFFF, 0xFFFF00};
  for (size_t i = 0; i < 5; ++i) PutLe(bytes, 54 + i * 4, palette[i], 4);
  PutLe(bytes, 10, static_cast<uint32_t>(bytes.size()), 4);
  // Rows bottom-up. Pixels skipped by a delta keep palette colour 0, blue.
  const unsigned char runs[] = {
      4, 0x00, 4,    0x33, 0,    0,                    // y=5: blue, white
      0, 5,    0x04, 0x00, 0x30, 0x00, 3, 0x33, 0, 0,  // y=4: absolute run of 5, padded
      0, 2,    4,    0,    4,    0x33, 0, 0,           // y=3: delta over 4 blue, white
      4, 0x11, 4,    0x22, 0,    0,                    // y=2: red, green
      4, 0x11, 4,    0x22, 0,    0,                    // y=1
      3, 0x11, 1,    0x11, 2,    0x22, 2, 0x22, 0, 0,  // y=0, in shorter runs
      0, 1,                                            // end of bitmap
  };
  const std::string data(reinterpret_cast<const char*>(runs), sizeof runs);
  ExpectPattern(*DecodeBitmap(bytes + data, "rle4"), ColourPattern);
}

TEST(BmpDecoder, RefusesDamagedAndUnsupportedFiles) {
  const std::string good = Bytes("pattern_24bit.bmp");
  struct Row {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* reason;
  };
  const Row rows[] = {
      {"not a bitmap", [](std::string& b) { b[0] = 'X'; }, "not a Windows bitmap"},
      {"empty", [](std::string& b) { b.clear(); }, "not a Windows bitmap"},
      {"unknown header", [](std::string& b) { PutLe(b, 14, 20, 4); }, "unknown bitmap header"},
      {"JPEG inside", [](std::string& b) { PutLe(b, 30, 4, 4); }, "unsupported bitmap format"},
      {"two bits a pixel", [](std::string& b) { PutLe(b, 28, 2, 2); }, "unsupported bitmap format"},
      {"zero width", [](std::string& b) { PutLe(b, 18, 0, 4); }, "unsupported size"},
      {"huge", [](std::string& b) { PutLe(b, 18, 5000, 4), PutLe(b, 22, 5000, 4); },
       "unsupported size"},
      {"cut in the pixels", [](std::string& b) { b.resize(b.size() - 1); }, "cut short"},
      {"cut in the header", [](std::string& b) { b.resize(20); }, "cut short"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string bytes = good;
    row.damage(bytes);
    try {
      DecodeBitmap(bytes, "face.bmp");
      ADD_FAILURE() << "decoded without an error";
    } catch (const GameError& error) {
      const std::string text = error.what();
      EXPECT_NE(text.find("face.bmp"), std::string::npos) << text;
      EXPECT_NE(text.find(row.reason), std::string::npos) << text;
    }
  }
}

TEST(BmpDecoder, EveryCutOfAFileFailsCleanly) {
  for (const char* name : {"pattern_24bit.bmp", "pattern_rle8.bmp", "pattern_4bit.bmp"}) {
    const std::string bytes = Bytes(name);
    // A run-length file may lose its final end-of-bitmap mark once every row is complete.
    const size_t shortest =
        std::string(name).find("rle") != std::string::npos ? bytes.size() - 2 : bytes.size();
    for (size_t length = 0; length < shortest; ++length) {
      SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(length));
      EXPECT_THROW(DecodeBitmap(bytes.substr(0, length), name), GameError);
    }
  }
}

TEST(FilePictureLoader, FindsPicturesWhateverTheirSpelling) {
  FilePictureLoader loader;
  for (const char* name : {"FACE24.BMP", "Face8.bmp"}) {
    SCOPED_TRACE(name);
    const ImagePtr image = loader.LoadBitmap(kPictures + "..\\Pictures\\" + name);
    ASSERT_EQ(image->width, 64);
    ASSERT_EQ(image->height, 64);
    EXPECT_EQ(image->Pixel(0, 63), 0xFFFF00FFu);
    EXPECT_EQ(image->Pixel(20, 20), 0xFF00A000u);
    EXPECT_EQ(image->Pixel(63, 0), 0xFF0A14FAu);
  }
  EXPECT_EQ(loader.LoadJpeg(kPictures + "Colour.JPG")->width, 16);
  EXPECT_THROW(loader.LoadBitmap(kPictures + "missing.bmp"), GameError);
  EXPECT_THROW(loader.LoadBitmap(kPictures + "not_a_bitmap.bmp"), GameError);
  EXPECT_THROW(loader.LoadBitmap(kPictures + "truncated.bmp"), GameError);
  EXPECT_THROW(loader.LoadJpeg(kPictures + "truncated.jpg"), GameError);
}

}  // namespace
