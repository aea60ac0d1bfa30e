// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the game's pictures through Qt and libjpeg, and drawing them with a colour key.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/bmp_decoder.h"
#include "platform/game_error.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

const std::string kPictures = std::string(TEST_DATA_DIR) + "/pictures/";

constexpr uint32_t kMagenta = 0xFFFF00FF;  // background, and the bottom-left pixel
constexpr uint32_t kGreen = 0xFF00A000;    // square in the middle
constexpr uint32_t kBlue = 0xFF0A14FA;     // top-right pixel

TEST(QtPictureLoader, LoadsTrueColourAndPalettedBitmaps) {
  QtPictureLoader loader;
  // Native spelling: backslashes and a letter case that differs from the disk.
  for (const char* name : {"FACE24.BMP", "Face8.bmp"}) {
    SCOPED_TRACE(name);
    const ImagePtr image = loader.LoadBitmap(kPictures + "..\\PICTURES\\" + name);
    ASSERT_EQ(image->width, 64);
    ASSERT_EQ(image->height, 64);
    EXPECT_EQ(image->Pixel(0, 63), kMagenta);
    EXPECT_EQ(image->Pixel(0, 0), kMagenta);
    EXPECT_EQ(image->Pixel(20, 20), kGreen);
    EXPECT_EQ(image->Pixel(47, 47), kGreen);
    EXPECT_EQ(image->Pixel(48, 47), kMagenta);
    EXPECT_EQ(image->Pixel(63, 0), kBlue);
  }
}

TEST(QtPictureLoader, RefusesWhatIsNotAWholeWindowsBitmap) {
  QtPictureLoader loader;
  const char* rows[] = {"not_a_bitmap.bmp", "colour.jpg", "truncated.bmp", "garbage.jpg",
                        "missing.bmp"};
  for (const char* name : rows) {
    SCOPED_TRACE(name);
    try {
      loader.LoadBitmap(kPictures + name);
      ADD_FAILURE() << "loaded without an error";
    } catch (const GameError& error) {
      EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
    }
  }
}

TEST(QtPictureLoader, LoadsJpegFilesAndRefusesBrokenOnes) {
  QtPictureLoader loader;
  const ImagePtr image = loader.LoadJpeg(kPictures + "COLOUR.JPG");
  EXPECT_EQ(image->width, 16);
  EXPECT_EQ(image->height, 12);
  for (const char* name : {"truncated.jpg", "face24.bmp", "missing.jpg"}) {
    SCOPED_TRACE(name);
    EXPECT_THROW(loader.LoadJpeg(kPictures + name), GameError);
  }
}

TEST(QtPictureLoader, AgreesWithThePlainDecoder) {
  // The headless tools decode bitmaps without Qt; both must see the same pictures. Qt widens
  // 5- and 6-bit channels by shifting, the plain decoder by scaling, hence the small tolerance.
  QtPictureLoader loader;
  for (const char* name : {"face24.bmp", "face8.bmp", "pattern_1bit.bmp", "pattern_4bit.bmp",
                           "pattern_rle8.bmp", "pattern_24bit.bmp", "pattern_555.bmp",
                           "pattern_565.bmp", "pattern_32bit.bmp", "pattern_core.bmp"}) {
    SCOPED_TRACE(name);
    const ImagePtr viaQt = loader.LoadBitmap(kPictures + name);
    const ImagePtr plain = DecodeBitmapFile(kPictures + name);
    ASSERT_EQ(viaQt->width, plain->width);
    ASSERT_EQ(viaQt->height, plain->height);
    int differences = 0;
    for (size_t i = 0; i < plain->pixels.size(); ++i) {
      const uint32_t a = viaQt->pixels[i];
      const uint32_t b = plain->pixels[i];
      for (int shift : {0, 8, 16, 24}) {
        const int channelA = static_cast<int>((a >> shift) & 0xFF);
        const int channelB = static_cast<int>((b >> shift) & 0xFF);
        differences += std::abs(channelA - channelB) > 8 ? 1 : 0;
      }
    }
    EXPECT_EQ(differences, 0);
  }
}

TEST(QtImage, ConvertsPixelsBothWays) {
  Image image;
  image.width = 3;
  image.height = 2;
  image.pixels = {0xFF112233, 0x80445566, 0x00000000, 0xFFFFFFFF, 0xFF000000, 0x7F7F7F7F};
  const QImage converted = ToQImage(image);
  ASSERT_EQ(converted.size(), QSize(3, 2));
  EXPECT_EQ(converted.pixel(0, 0), 0xFF112233u);
  EXPECT_EQ(converted.pixel(1, 0), 0x80445566u);
  EXPECT_EQ(converted.pixel(2, 1), 0x7F7F7F7Fu);
  const Image back = FromQImage(converted);
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.height, 2);
  EXPECT_EQ(back.pixels, image.pixels);
}

TEST(QtImage, ColourKeyClearsEveryPixelOfTheBottomLeftColour) {
  QtPictureLoader loader;
  const ImagePtr face = loader.LoadBitmap(kPictures + "face24.bmp");
  const QImage keyed = ColourKeyed(*face);
  ASSERT_EQ(keyed.size(), QSize(64, 64));
  EXPECT_TRUE(keyed.hasAlphaChannel());
  EXPECT_EQ(qAlpha(keyed.pixel(0, 63)), 0);
  EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(keyed.pixel(63, 63)), 0);
  EXPECT_EQ(keyed.pixel(20, 20), kGreen);
  EXPECT_EQ(keyed.pixel(63, 0), kBlue);

  // The key is whatever the bottom-left pixel holds, not a fixed colour.
  Image small;
  small.width = 2;
  small.height = 2;
  small.pixels = {0xFF0000FF, 0xFFFF00FF, 0xFF0000FF, 0xFF00FF00};
  const QImage smallKeyed = ColourKeyed(small);
  EXPECT_EQ(qAlpha(smallKeyed.pixel(0, 0)), 0);
  EXPECT_EQ(smallKeyed.pixel(1, 0), 0xFFFF00FFu);
  EXPECT_EQ(qAlpha(smallKeyed.pixel(0, 1)), 0);
  EXPECT_EQ(smallKeyed.pixel(1, 1), 0xFF00FF00u);
}

}  // namespace
