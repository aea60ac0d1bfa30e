// SPDX-License-Identifier: GPL-3.0-or-later
// The target actor's life: growth from each side, countdown, action, death, dump wait, pausing.
#include "level_harness.h"
#include "platform/game_error.h"
#include "targets/letter_image.h"

#include <gtest/gtest.h>

namespace {

ImagePtr Picture(int width, int height, uint32_t colour = 0xFF102030) {
  auto image = std::make_shared<Image>();
  image->width = width;
  image->height = height;
  image->pixels.assign(static_cast<size_t>(width) * height, colour);
  return image;
}

// An actor standing at (100, 50) with a 64 by 64 box, face, dead and active pictures.
struct ActorBench {
  LevelHarness harness;
  TbotImage actor{harness.services, nullptr};

  explicit ActorBench(int boxWidth = 64, int boxHeight = 64) {
    actor.SetPicture(0, Picture(64, 64, 1));
    actor.SetPicture(1, Picture(64, 64, 2));
    actor.SetPicture(2, Picture(64, 64, 3));
    actor.Left = 100;
    actor.Top = 50;
    actor.BoxWidth = boxWidth;
    actor.BoxHeight = boxHeight;
    actor.MaxLife = 3000;
    actor.DumpTime = 1000;
  }
  void Run(int64_t ms) { harness.Run(ms); }
};

struct GrowthCase {
  int side;
  int startLeft, startTop;
  int leftPerStep, topPerStep;  // how the box's corner moves with each pixel grown
};

class ActorGrowth : public testing::TestWithParam<GrowthCase> {};

TEST_P(ActorGrowth, A64PixelBoxGrowsInSixTicksAndCompletesOnTheSeventh) {
  const GrowthCase c = GetParam();
  ActorBench bench;
  bench.actor.Appear(c.side);
  EXPECT_EQ(bench.actor.Left, c.startLeft);
  EXPECT_EQ(bench.actor.Top, c.startTop);
  EXPECT_TRUE(bench.actor.Visible);
  EXPECT_EQ(bench.actor.Life, 3000);
  const int sizes[] = {12, 24, 36, 48, 60, 64};
  for (int size : sizes) {
    bench.Run(55);
    const int grown = c.side == 3 ? bench.actor.Height : bench.actor.Width;
    EXPECT_EQ(grown, size);
    EXPECT_EQ(bench.actor.Left, c.startLeft + c.leftPerStep * size);
    EXPECT_EQ(bench.actor.Top, c.startTop + c.topPerStep * size);
    EXPECT_TRUE(bench.actor.Appearing);
  }
  bench.Run(55);
  EXPECT_FALSE(bench.actor.Appearing);
  EXPECT_EQ(bench.actor.Width, 64);
  EXPECT_EQ(bench.actor.Height, 64);
  EXPECT_EQ(bench.actor.Left, 100);
  EXPECT_EQ(bench.actor.Top, 50);
}

INSTANTIATE_TEST_SUITE_P(Sides, ActorGrowth,
                         testing::Values(GrowthCase{1, 100, 50, 0, 0}, GrowthCase{2, 164, 50, -1, 0},
                                         GrowthCase{3, 100, 114, 0, -1}));

TEST(Actor, ActsOnThe31stLifeTickForMaxLife3000) {
  ActorBench bench;
  bench.actor.Appear(1);
  bench.Run(385);  // appearance complete
  ASSERT_FALSE(bench.actor.Appearing);
  bench.Run(30 * 100);
  EXPECT_FALSE(bench.actor.Activity);
  EXPECT_EQ(bench.actor.Life, 0);
  bench.Run(100);
  EXPECT_TRUE(bench.actor.Activity);
  EXPECT_TRUE(bench.actor.Acted);
  EXPECT_EQ(bench.actor.Shown, bench.actor.Pictures()[2]);
  // It sinks away in 64 / 12 rounded up steps of 55 ms, then waits hidden in its dump.
  bench.Run(6 * 55);
  EXPECT_FALSE(bench.actor.Activity);
  EXPECT_TRUE(bench.actor.Dump);
  EXPECT_FALSE(bench.actor.Visible);
}

TEST(Actor, BoxesUnderFivePixelsStillFinishGrowingAndSinking) {
  ActorBench bench(3, 4);
  bench.actor.Appear(1);
  bench.Run(4 * 55);
  EXPECT_FALSE(bench.actor.Appearing);
  bench.actor.Hit();
  bench.Run(4 * 55);
  EXPECT_TRUE(bench.actor.Dump);
}

TEST(Actor, HitDuringAppearanceSinksFromThePartlyGrownBox) {
  ActorBench bench;
  bench.actor.Appear(3);
  bench.Run(3 * 55);  // 36 pixels high, top at 114 - 36
  bench.actor.Hit();
  EXPECT_TRUE(bench.actor.Deathing);
  EXPECT_TRUE(bench.actor.Transparent);
  EXPECT_EQ(bench.actor.Life, 0);
  EXPECT_EQ(bench.actor.Shown, bench.actor.Pictures()[1]);
  bench.Run(55);
  EXPECT_EQ(bench.actor.Height, 24);
  EXPECT_EQ(bench.actor.Top, 114 - 36 + 12);
  bench.Run(2 * 55);
  EXPECT_EQ(bench.actor.Height, 0);
  EXPECT_TRUE(bench.actor.Dump);
  EXPECT_TRUE(bench.actor.Deathing);
}

TEST(Actor, HitWhileActingDoesNotKillIt) {
  ActorBench bench;
  bench.actor.MaxLife = 0;
  bench.actor.Appear(1);
  bench.Run(385 + 100);
  ASSERT_TRUE(bench.actor.Activity);
  bench.actor.Hit();
  EXPECT_FALSE(bench.actor.Deathing);
  EXPECT_EQ(bench.actor.Shown, bench.actor.Pictures()[2]);
}

struct DumpCase {
  int32_t dumpTime;
  int32_t dumpInterval;
  int ticksUntilFinished;
};

class ActorDump : public testing::TestWithParam<DumpCase> {};

TEST_P(ActorDump, FinishesAfterItsDumpTimeRoundedToHundreds) {
  const DumpCase c = GetParam();
  ActorBench bench;
  bench.actor.DumpTime = c.dumpTime;
  bench.actor.DumpInterval = c.dumpInterval;
  bench.actor.BeginDump();
  bench.Run(static_cast<int64_t>(c.ticksUntilFinished - 1) * 100);
  EXPECT_FALSE(bench.actor.Deadly);
  bench.Run(100);
  EXPECT_TRUE(bench.actor.Deadly);
  EXPECT_FALSE(bench.actor.Dump);
}

INSTANTIATE_TEST_SUITE_P(Waits, ActorDump,
                         testing::Values(DumpCase{1000, 0, 11}, DumpCase{0, 0, 1}, DumpCase{-500, 0, 1},
                                         DumpCase{50, 0, 1},     // 0.5 hundreds rounds to the even 0
                                         DumpCase{150, 0, 3},    // 1.5 rounds to 2
                                         DumpCase{250, 0, 3}));  // 2.5 rounds to 2

TEST(Actor, DumpSpreadStaysWithinItsInterval) {
  ActorBench bench;
  for (int i = 0; i < 200; ++i) {
    bench.actor.DumpTime = 1000;
    bench.actor.DumpInterval = -300;  // the spread is taken by its size
    bench.actor.BeginDump();
    EXPECT_GE(bench.actor.DumpLeft, 700);
    EXPECT_LE(bench.actor.DumpLeft, 1300);
    EXPECT_EQ(bench.actor.DumpLeft % 100, 0);
  }
}

TEST(Actor, SuspendFreezesAHalfGrownActorAndResumeGoesOnFromThere) {
  ActorBench bench;
  bench.actor.Appear(1);
  bench.Run(2 * 55);
  bench.actor.Suspend(true);
  bench.Run(5000);
  EXPECT_EQ(bench.actor.Width, 24);
  EXPECT_TRUE(bench.actor.Appearing);
  EXPECT_FALSE(bench.actor.AnyTimerRunning());
  bench.actor.Suspend(false);
  bench.Run(55);
  EXPECT_EQ(bench.actor.Width, 36);
}

TEST(Actor, AShotActorResumedInItsDumpWaitStartsANewDumpWait) {
  ActorBench bench;
  bench.actor.Appear(1);
  bench.Run(385);
  bench.actor.Hit();
  bench.Run(6 * 55);
  ASSERT_TRUE(bench.actor.Dump);
  bench.Run(500);
  bench.actor.Suspend(true);
  bench.actor.Suspend(false);  // the death sinking runs again, finds no height, dumps anew
  bench.Run(55);
  EXPECT_EQ(bench.actor.DumpLeft, 1000);
}

TEST(Actor, AFinishedActorThatHadActedActsAgainWhenResumed) {
  ActorBench bench;
  bench.actor.MaxLife = 0;
  bench.actor.DumpTime = 0;
  bench.actor.Appear(1);
  bench.Run(385 + 100 + 6 * 55 + 100);
  ASSERT_TRUE(bench.actor.Deadly);
  bench.actor.Acted = false;
  bench.actor.Suspend(true);
  bench.actor.Suspend(false);
  bench.Run(100);
  EXPECT_TRUE(bench.actor.Acted);
  EXPECT_TRUE(bench.actor.Activity);
}

TEST(Actor, PicturesOfAnotherSizeAreRefusedAndSmallOnesAreAnError) {
  LevelHarness harness;
  TbotImage actor(harness.services, nullptr);
  actor.PicWidth = 80;
  actor.PicHeight = 80;
  EXPECT_TRUE(actor.SetPicture(0, Picture(80, 80, 1)));
  EXPECT_FALSE(actor.SetPicture(1, Picture(64, 64, 2)));  // not the face's size: not stored
  EXPECT_TRUE(actor.SetPicture(2, Picture(80, 80, 3)));
  EXPECT_FALSE(actor.SetPicture(3, nullptr));
  // Slot 1 was filled with the blank picture to reach slot 2.
  EXPECT_TRUE(actor.ShowPicture(1));
  EXPECT_EQ(actor.Shown->pixels[0], 0u);
  EXPECT_FALSE(actor.ShowPicture(7));
  EXPECT_EQ(actor.Shown, actor.Pictures()[0]);

  TbotImage small(harness.services, nullptr);
  small.PicWidth = 32;
  small.PicHeight = 32;
  EXPECT_THROW(small.SetPicture(0, Picture(32, 32)), GameError);
}

TEST(Actor, AssignCopiesTheKindButNotThePlace) {
  LevelHarness harness;
  TbotImage source(harness.services, nullptr);
  source.SetPicture(0, Picture(64, 64));
  source.MaxLife = 4200;
  source.Character = 1;
  source.Left = 300;
  source.DumpLeft = 900;
  source.AddSound("/x/appear.WAV", "SND_APPEAR");
  TbotImage copy(harness.services, nullptr);
  copy.Left = 5;
  copy.Assign(source);
  EXPECT_EQ(copy.MaxLife, 4200);
  EXPECT_EQ(copy.Character, 1);
  EXPECT_EQ(copy.Pictures().size(), 1u);
  EXPECT_EQ(copy.Left, 5);
  EXPECT_EQ(copy.DumpLeft, 0);
  copy.PlayKeyedSound("snd_appear");
  EXPECT_EQ(harness.sound.played, std::vector<std::string>{"/x/appear.WAV"});
}

TEST(Actor, OnlyWavFilesRegisterAsSounds) {
  LevelHarness harness;
  TbotImage actor(harness.services, nullptr);
  actor.AddSound("/a/APPEAR.nul", "SND_APPEAR");
  actor.AddSound("/a/dead.wav.txt", "SND_DEAD");
  actor.AddSound("/a.wav/active", "SND_ACTIVE");
  for (const char* key : {"SND_APPEAR", "SND_DEAD", "SND_ACTIVE"}) actor.PlayKeyedSound(key);
  EXPECT_TRUE(harness.sound.played.empty());
}

TEST(Actor, AnEnemyMakesItsTagBlinkUntilShotACivilianDoesNot) {
  LevelHarness harness;
  TletterImage tag(harness.timers, nullptr);
  for (uint8_t character : {uint8_t{0}, uint8_t{1}}) {
    TbotImage actor(harness.services, nullptr);
    actor.SetPicture(0, Picture(64, 64));
    actor.Character = character;
    actor.LetterTag = &tag;
    actor.Appear(1);
    EXPECT_EQ(tag.Blinking(), character == 0);
    actor.Hit();
    EXPECT_FALSE(tag.Blinking());
  }
}

}  // namespace
