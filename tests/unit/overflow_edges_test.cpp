// SPDX-License-Identifier: GPL-3.0-or-later
// Level data at the 32-bit limits: actor growth and sinking, tag placement, the checker and the
// bitmap size check stay well defined (the sanitizer build turns any signed overflow into a fault).
#include "design/check_report.h"
#include "design/level_check.h"
#include "level_harness.h"
#include "platform/bmp_decoder.h"
#include "targets/letter_image.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

ImagePtr Picture(int width, int height) {
  auto image = std::make_shared<Image>();
  image->width = width;
  image->height = height;
  image->pixels.assign(static_cast<size_t>(width) * height, 0xFF405060u);
  return image;
}

struct EdgeActor {
  const char* what;
  int side;
  int left, top, boxWidth, boxHeight;
  int grownLeft, grownTop;  // the box's corner once it has grown
};

void PrintTo(const EdgeActor& c, std::ostream* os) { *os << c.what; }

class ActorAtTheLimits : public testing::TestWithParam<EdgeActor> {};

TEST_P(ActorAtTheLimits, GrowsActsAndSinksWithPositionsThatWrap) {
  const EdgeActor c = GetParam();
  LevelHarness h;
  TbotImage actor(h.services, [](int, int, int, int) {});
  for (int i = 0; i < 3; ++i) actor.SetPicture(i, Picture(64, 64));
  actor.Left = c.left;
  actor.Top = c.top;
  actor.BoxWidth = c.boxWidth;
  actor.BoxHeight = c.boxHeight;
  actor.MaxLife = 100;
  actor.DumpTime = 0;
  actor.Appear(c.side);
  for (int i = 0; i < 20 && actor.Appearing; ++i) h.Run(55);
  ASSERT_FALSE(actor.Appearing);
  EXPECT_EQ(actor.Left, c.grownLeft);
  EXPECT_EQ(actor.Top, c.grownTop);
  // Life runs out, the actor acts and sinks into its dump.
  for (int i = 0; i < 100 && !actor.Dump; ++i) h.Run(55);
  EXPECT_TRUE(actor.Dump);
  EXPECT_EQ(actor.Height, 0);
  EXPECT_TRUE(actor.Acted);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ActorAtTheLimits,
    testing::Values(
        EdgeActor{"from the right, a box as wide as 32 bits allow", 2, INT_MAX - 5, 0, INT_MAX, 64, INT_MAX - 5, 0},
        EdgeActor{"from below, a box as high as 32 bits allow", 3, 0, INT_MAX, 64, INT_MAX, 0, INT_MAX},
        EdgeActor{"sinking past the largest top", 1, 0, INT_MAX - 1, 64, 64, 0, INT_MAX - 1},
        EdgeActor{"from the right with a negative width at the smallest left", 2, INT_MIN, 0, -64, 64,
                  INT_MAX - 63, 0},
        EdgeActor{"from below with a negative height at the smallest top", 3, 0, INT_MIN, 64, -1, 0, INT_MAX}),
    [](const testing::TestParamInfo<EdgeActor>& info) { return "Case" + std::to_string(info.index); });

// 32-bit wrapping sum, as the game places things.
int32_t Wrapped(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value))); }

struct EdgePlace {
  const char* what;
  std::string keys;  // x, y, w, h and side of the one place
  int32_t x, y, w, h;
};

void PrintTo(const EdgePlace& c, std::ostream* os) { *os << c.what; }

class PlaceAtTheLimits : public testing::TestWithParam<EdgePlace> {};

TEST_P(PlaceAtTheLimits, TagWrapsActorsComeAndGoAndTheCheckerWarns) {
  const EdgePlace c = GetParam();
  LevelHarness h;
  const std::string map = "[Map]\nLBMP=Tag.bmp\n[Objects]\nbandit=Bandit\n[edge]\n" + c.keys + "letter=f\n";
  h.WriteLevel("Level1", map, TemplateStep("t", "bandit", "100") + WaveStep("w", "3000", "0:0:1"));
  h.host.onResults = [&h] {
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
  ASSERT_EQ(h.play->Stage().LetterTags().size(), 1u);
  const TletterImage& tag = *h.play->Stage().LetterTags()[0].tag;
  EXPECT_EQ(tag.Left, Wrapped(int64_t{c.x} + c.w / 2 - tag.Width() / 2));
  EXPECT_EQ(tag.Top, Wrapped(int64_t{c.y} + c.h + 3));

  h.Run(400);
  ASSERT_EQ(h.Counter(&LevelCounters::Bots), 1);
  for (int i = 0; i < 600 && h.host.resultsShown == 0; ++i) h.Run(100);
  EXPECT_GE(h.Counter(&LevelCounters::Bots), 2) << "the first actor never left its place";
  EXPECT_EQ(h.host.resultsShown, 1) << "the level did not play to its end";
  EXPECT_TRUE(h.messages.shown.empty());

  const CheckReport report = CheckGame(h.dir, {"Level1"});
  bool outside = false;
  for (const CheckIssue& issue : report.Issues()) {
    outside = outside || issue.message.find("outside the 640 by 480 screen") != std::string::npos;
  }
  EXPECT_TRUE(outside) << [&report] {
    std::string all;
    for (const CheckIssue& issue : report.Issues()) all += FormatIssue(issue) + "\n";
    return all;
  }();
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PlaceAtTheLimits,
    testing::Values(
        EdgePlace{"largest corner and box, from the right", "x=2147483647\ny=2147483647\nw=2147483647\nh=2147483647\nside=2\n",
                  INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        EdgePlace{"largest corner and box, from below", "x=2147483647\ny=2147483647\nw=2147483647\nh=2147483647\nside=3\n",
                  INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        EdgePlace{"smallest corner, negative box", "x=-2147483648\ny=-2147483648\nw=-2147483648\nh=-2147483648\nside=2\n",
                  INT_MIN, INT_MIN, INT_MIN, INT_MIN},
        EdgePlace{"hexadecimal limits", "x=$7FFFFFFF\ny=$FFFFFFFF\nw=$80000000\nh=$7FFFFFFF\nside=1\n", INT_MAX, -1,
                  INT_MIN, INT_MAX}),
    [](const testing::TestParamInfo<EdgePlace>& info) { return "Case" + std::to_string(info.index); });

// A Windows bitmap header (info header of 40 bytes) with the given size fields and no pixels.
std::string BitmapHeader(int32_t width, int32_t height, uint16_t bits, uint32_t dataOffset = 54) {
  std::string bytes(54, '\0');
  auto put = [&bytes](size_t at, uint32_t value, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(10, dataOffset, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, bits, 2);
  return bytes;
}

struct SizeCase {
  const char* what;
  std::string bytes;
  bool complete;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.what; }

class BitmapSizeCheck : public testing::TestWithParam<SizeCase> {};

TEST_P(BitmapSizeCheck, AnswersForAnyHeaderSize) {
  const SizeCase c = GetParam();
  EXPECT_EQ(BitmapPixelDataComplete(c.bytes), c.complete) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BitmapSizeCheck,
    testing::Values(SizeCase{"2 by 2 at 24 bits, whole", BitmapHeader(2, 2, 24) + std::string(16, 'x'), true},
                    SizeCase{"2 by 2 at 24 bits, one byte short", BitmapHeader(2, 2, 24) + std::string(15, 'x'), false},
                    SizeCase{"top-down 2 by 2, whole", BitmapHeader(2, -2, 24) + std::string(16, 'x'), true},
                    SizeCase{"largest width and height, most bits", BitmapHeader(INT_MAX, INT_MAX, 65535), false},
                    SizeCase{"smallest width and height", BitmapHeader(INT_MIN, INT_MIN, 32), false},
                    SizeCase{"largest data offset", BitmapHeader(1, 1, 8, UINT32_MAX), false},
                    SizeCase{"no pixels at all", BitmapHeader(0, 0, 24), true}),
    [](const testing::TestParamInfo<SizeCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
