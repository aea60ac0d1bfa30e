// SPDX-License-Identifier: GPL-3.0-or-later
// The letter size of a tag: points to pixels, one size for measuring and drawing at any Lsize.
#include <gtest/gtest.h>

#include <climits>

#include "targets/letter_image.h"

namespace {

TEST(LetterSize, PointsBecomePixelsAndStayAFontSizeAtEveryValue) {
  struct Case {
    int points;
    int pixels;
  };
  const Case cases[] = {
      {14, 19}, {12, 16}, {1, 1}, {0, 1}, {-3, 1}, {INT_MIN, 1}, {1536, 2048}, {100000, 2048}, {INT_MAX, 2048},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    EXPECT_EQ(TletterImage::PixelSize(c.points), c.pixels);
  }
}

}  // namespace
