// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding: pictures that decode, and damaged files that fail with a clear error.
#include <gtest/gtest.h>

#include "platform/file_lookup.h"
#include "platform/game_error.h"
#include "platform/jpeg_decoder.h"

namespace {

const std::string kPictures = std::string(TEST_DATA_DIR) + "/pictures/";

// Channels of a decoded pixel compared with a tolerance for JPEG's loss.
void ExpectColourNear(uint32_t pixel, int r, int g, int b) {
  EXPECT_EQ(pixel >> 24, 0xFFu) << std::hex << pixel;
  EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), r, 6) << std::hex << pixel;
  EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), g, 6) << std::hex << pixel;
  EXPECT_NEAR(static_cast<int>(pixel & 0xFF), b, 6) << std::hex << pixel;
}

TEST(JpegDecoder, DecodesColourGreyAndCmykPictures) {
  const ImagePtr colour = DecodeJpegFile(kPictures + "colour.jpg");
  ASSERT_EQ(colour->width, 16);
  ASSERT_EQ(colour->height, 12);
  ASSERT_EQ(colour->pixels.size(), 16u * 12u);
  ExpectColourNear(colour->Pixel(3, 5), 200, 30, 40);   // left half
  ExpectColourNear(colour->Pixel(12, 5), 20, 60, 220);  // right half
  ExpectColourNear(colour->Pixel(15, 11), 20, 60, 220);

  const ImagePtr grey = DecodeJpegFile(kPictures + "grey.jpg");
  ASSERT_EQ(grey->width, 16);
  ASSERT_EQ(grey->height, 12);
  ExpectColourNear(grey->Pixel(7, 7), 128, 128, 128);

  const ImagePtr cmyk = DecodeJpegFile(kPictures + "cmyk.jpg");
  ASSERT_EQ(cmyk->width, 16);
  ExpectColourNear(cmyk->Pixel(8, 6), 200, 30, 40);
}

TEST(JpegDecoder, BrokenFilesFailWithAnErrorNamingTheFile) {
  struct Row {
    const char* file;
    const char* reason;  // part of the library's or the decoder's own text
  };
  const Row rows[] = {
      {"truncated.jpg", "Premature end of JPEG file"},
      {"garbage.jpg", "Not a JPEG file"},
      {"face24.bmp", "Not a JPEG file"},
      {"missing.jpg", "Cannot open"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    const std::string path = kPictures + row.file;
    try {
      DecodeJpegFile(path);
      ADD_FAILURE() << "decoded without an error";
    } catch (const GameError& error) {
      const std::string text = error.what();
      EXPECT_NE(text.find(path), std::string::npos) << text;
      EXPECT_NE(text.find(row.reason), std::string::npos) << text;
    }
  }
}

TEST(JpegDecoder, EveryCutOfAFileFailsCleanly) {
  // Cutting the picture anywhere (headers, tables, scan data) must end in GameError, never in
  // a silently grey picture or an exit of the process.
  const std::string path = kPictures + "colour.jpg";
  const std::string bytes = ReadWholeFile(path).value_or("");
  ASSERT_GT(bytes.size(), 100u);

  EXPECT_EQ(DecodeJpeg(bytes, "colour.jpg")->pixels, DecodeJpegFile(path)->pixels);
  // The last two bytes are the end marker, which libjpeg supplies itself when it is missing.
  for (size_t length = 0; length + 2 < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_THROW(DecodeJpeg(bytes.substr(0, length), "colour.jpg"), GameError);
  }
}

TEST(JpegDecoder, RefusesHugePicturesBeforeDecoding) {
  std::string huge = ReadWholeFile(kPictures + "colour.jpg").value_or("");
  // The frame header claims 12288 x 12288 pixels.
  const size_t frame = huge.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  huge[frame + 5] = huge[frame + 7] = '\x30';
  huge[frame + 6] = huge[frame + 8] = '\0';
  try {
    DecodeJpeg(huge, "huge.jpg");
    ADD_FAILURE() << "decoded a 12288 x 12288 picture";
  } catch (const GameError& error) {
    EXPECT_NE(std::string(error.what()).find("12288x12288 not supported"), std::string::npos)
        << error.what();
  }
}

}  // namespace
