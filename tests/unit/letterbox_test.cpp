// SPDX-License-Identifier: GPL-3.0-or-later
// The letterbox: the world's fit on screens of every shape, and the mapping both ways.
#include <gtest/gtest.h>

#include <climits>

#include "level/letterbox.h"

namespace {

TEST(Letterbox, FitsTheWorldLargestCentredAndInProportion) {
  struct Case {
    const char* shape;
    int w, h;
    int left, top, width, height;
    bool whole;
  };
  const Case cases[] = {
      {"16:9", 1920, 1080, 240, 0, 1440, 1080, false},
      {"16:9 4K", 3840, 2160, 480, 0, 2880, 2160, false},
      {"16:10", 1920, 1200, 160, 0, 1600, 1200, false},
      {"16:10 small", 1280, 800, 107, 0, 1066, 800, false},
      {"4:3", 1024, 768, 0, 0, 1024, 768, false},
      {"4:3 whole", 1280, 960, 0, 0, 1280, 960, true},
      {"5:4", 1280, 1024, 0, 32, 1280, 960, true},
      {"5:4 large", 2560, 2048, 0, 64, 2560, 1920, true},
      {"the world itself", 640, 480, 0, 0, 640, 480, true},
      {"smaller than the world", 320, 480, 0, 120, 320, 240, false},
      {"no area", 0, 0, 0, 0, 640, 480, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    const Letterbox box = Letterbox::Fit(640, 480, c.w, c.h);
    EXPECT_EQ(box.left, c.left);
    EXPECT_EQ(box.top, c.top);
    EXPECT_EQ(box.width, c.width);
    EXPECT_EQ(box.height, c.height);
    EXPECT_EQ(box.WholeFactor(), c.whole);
    // The world fills one side of the surface and is centred on the other.
    if (c.w > 0 && c.h > 0) {
      EXPECT_TRUE(box.width == c.w || box.height == c.h);
      EXPECT_LE(box.width, c.w);
      EXPECT_LE(box.height, c.h);
      EXPECT_LE(std::abs((c.w - box.width - box.left) - box.left), 1);
      EXPECT_LE(std::abs((c.h - box.height - box.top) - box.top), 1);
    }
  }
}

TEST(Letterbox, SurfacePointsMapBackToTheWorld) {
  struct Case {
    int w, h;
    int sx, sy;
    int wx, wy;
  };
  const Case cases[] = {
      {640, 480, 110, 60, 110, 60},
      {1920, 1080, 240, 0, 0, 0},        // the world's corner
      {1920, 1080, 239, 0, -1, 0},       // the border on the left
      {1920, 1080, 1679, 1079, 639, 479},
      {1920, 1080, 1680, 500, 640, 222},  // the border on the right
      {1920, 1080, 240 + 248, 135, 110, 60},
      {1280, 1024, 220, 152, 110, 60},   // 5:4, twice the size, 32 rows of border above
      {1280, 1024, 0, 31, 0, -1},
      {1920, 1200, 160 + 275, 150, 110, 60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " at " << c.sx << "," << c.sy);
    int x = 0, y = 0;
    Letterbox::Fit(640, 480, c.w, c.h).ToWorld(c.sx, c.sy, x, y);
    EXPECT_EQ(x, c.wx);
    EXPECT_EQ(y, c.wy);
  }
}

TEST(Letterbox, ASurfaceRectangleCoversEveryPixelOfItsWorldRectangle) {
  const ScreenRect worldRects[] = {{100, 50, 64, 64}, {271, 424, 98, 56}, {0, 0, 640, 480}, {639, 479, 1, 1}, {17, 3, 5, 7}};
  for (const auto& [w, h] : {std::pair{1920, 1080}, {1920, 1200}, {1280, 1024}, {1366, 768}, {640, 480}}) {
    const Letterbox box = Letterbox::Fit(640, 480, w, h);
    for (const ScreenRect& r : worldRects) {
      SCOPED_TRACE(testing::Message() << w << "x" << h << " rect " << r.left << "," << r.top);
      const ScreenRect s = box.ToSurface(r);
      int outside = 0;
      for (int sy = box.top; sy < box.top + box.height; ++sy) {
        for (int sx = box.left; sx < box.left + box.width; ++sx) {
          int x, y;
          box.ToWorld(sx, sy, x, y);
          const bool inWorld = x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
          const bool inSurface = sx >= s.left && sx < s.left + s.width && sy >= s.top && sy < s.top + s.height;
          if (inWorld && !inSurface) ++outside;
        }
      }
      EXPECT_EQ(outside, 0);
      // Not much more than the scaled rectangle: its rounding and one pixel around.
      EXPECT_LE(s.width, static_cast<int>(r.width * box.Factor()) + 4);
    }
  }
  // At the world's own size the rectangle is itself.
  const ScreenRect same = Letterbox::Fit(640, 480, 640, 480).ToSurface({100, 50, 64, 64});
  EXPECT_EQ(same.left, 100);
  EXPECT_EQ(same.top, 50);
  EXPECT_EQ(same.width, 64);
  EXPECT_EQ(same.height, 64);
}

TEST(Letterbox, RectanglesAndPointsNearTheIntegerLimitsStayDefined) {
  const Letterbox box = Letterbox::Fit(640, 480, 3840, 2160);
  const ScreenRect far = box.ToSurface({INT_MAX - 10, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(far.width, 0);  // nothing of it lies in the world
  const ScreenRect all = box.ToSurface({INT_MIN / 2, -5, INT_MAX, INT_MAX});
  EXPECT_EQ(all.top, box.top - 1);
  EXPECT_EQ(all.height, box.height + 2);
  EXPECT_EQ(all.left, box.left - 1);
  EXPECT_EQ(all.width, box.width + 2);
  EXPECT_EQ(box.ToSurface({5, 5, 0, 10}).width, 0);  // an empty rectangle covers nothing
  int x, y;
  box.ToWorld(INT_MIN, INT_MAX, x, y);
  EXPECT_LT(x, 0);
  EXPECT_GT(y, 479);
  const Letterbox huge = Letterbox::Fit(640, 480, INT_MAX, INT_MAX);
  EXPECT_EQ(huge.width, INT_MAX);
  EXPECT_GT(huge.height, 0);
}

}  // namespace

namespace {
TEST(WholeWorldFactor, LargestWholeScaleThatFitsAndNeverBelowOne) {
  struct Case {
    int width, height, factor;
  };
  const Case cases[] = {
      {1920, 1080, 2}, {3840, 2160, 4}, {1280, 960, 2}, {1279, 960, 1}, {1280, 959, 1}, {2560, 1440, 3},
      {640, 480, 1},   {639, 479, 1},   {0, 0, 1},      {-5, 100, 1},   {2147483647, 2147483647, 3355443},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WholeWorldFactor(c.width, c.height), c.factor) << c.width << "x" << c.height;
  // Another world size scales by its own measure.
  EXPECT_EQ(WholeWorldFactor(1000, 1000, 300, 200), 3);
  EXPECT_EQ(WholeWorldFactor(1000, 1000, 0, 200), 1);
}
}  // namespace
