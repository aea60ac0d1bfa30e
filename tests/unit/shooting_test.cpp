// SPDX-License-Identifier: GPL-3.0-or-later
// Spawning and shooting: the ramp and target, the bookkeeping of actions, typed keys and results.
#include "level_harness.h"
#include "targets/letter_image.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const char* const kLetters[] = {"f", "j", "k", "d"};

void StartWith(LevelHarness& h, const std::string& places, const std::string& script,
               const std::string& rows = "") {
  h.WriteLevel("Level1", MapIni(places, rows), script);
  h.host.onResults = [&h] {
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
}

int OccupiedPlaces(const LevelHarness& h) {
  int count = 0;
  for (const Place& place : h.play->Stage().Places()) count += place.actor ? 1 : 0;
  return count;
}

struct TargetCase {
  const char* what;
  const char* fields;
  const char* rows;
  int places;
  int mostOnScreen;
};

class WaveTargets : public testing::TestWithParam<TargetCase> {};

TEST_P(WaveTargets, LimitTheActorsOnScreen) {
  const TargetCase c = GetParam();
  LevelHarness h;
  std::string places;
  for (int i = 0; i < c.places; ++i) places += "p" + std::to_string(i) + ":" + std::to_string(70 * i) + ":40:1:" + kLetters[i] + " ";
  StartWith(h, places, TemplateStep("t", "bandit", "20000") + WaveStep("w", "8000", c.fields), c.rows);
  int most = 0;
  for (int tick = 0; tick < 80; ++tick) {
    h.Run(100);
    most = std::max(most, OccupiedPlaces(h));
  }
  EXPECT_EQ(most, c.mostOnScreen) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WaveTargets,
    testing::Values(TargetCase{"target 0 spawns nothing", "0:0:0", "", 3, 0},
                    TargetCase{"target 3 on 2 places", "0:0:3", "", 2, 2},
                    TargetCase{"target 2 of 4 places", "0:0:2", "", 4, 2},
                    TargetCase{"extra actors raise the target", "0:0:1", "easy=2:0:0:2000:3000\n", 4, 3},
                    TargetCase{"-1 extra and target 0 wrap to 255", "0:0:0", "easy=-1:0:0:2000:3000\n", 4, 4}));

TEST(Spawning, TheRampGrowsTheAllowanceFromOneOrTwo) {
  LevelHarness h;
  StartWith(h, "a:0:40:1:f b:70:40:1:j c:140:40:1:k d:210:40:1:d",
            TemplateStep("t", "bandit", "20000") + WaveStep("w", "8000", "0:0:4"));
  h.Run(200);  // first wave tick: the ramp starts at 1 and may add 1
  EXPECT_GE(h.play->Spawner().SpawnRamp(), 1);
  EXPECT_LE(h.play->Spawner().SpawnRamp(), 2);
  EXPECT_EQ(OccupiedPlaces(h), 1);
  h.Run(2000);
  EXPECT_EQ(OccupiedPlaces(h), 4);
  EXPECT_EQ(h.play->Spawner().WaveTarget(), 4);
}

TEST(Spawning, ActorsTakeThePlacesBoxSideAndTag) {
  LevelHarness h;
  h.WriteLevel("Level1", MapIni("") + "[door]\nx=100\ny=50\nw=80\nh=90\nside=259\nletter=f\n",
               TemplateStep("t", "bandit", "3000") + WaveStep("w", "8000", "700:0:1"));
  h.play->StartLevel("Level1");
  h.Run(200);
  const TbotImage* actor = h.ActorAt(0);
  ASSERT_NE(actor, nullptr);
  EXPECT_EQ(actor->BoxWidth, 80);
  EXPECT_EQ(actor->BoxHeight, 90);
  EXPECT_EQ(actor->Side, 3);  // 259 is 3 in its low byte
  EXPECT_EQ(actor->DumpTime, 700);
  EXPECT_EQ(actor->LetterTag, h.play->Stage().LetterTags()[0].tag.get());
  EXPECT_TRUE(actor->LetterTag->Blinking());
  // The ladder first, then the actor's own appearance.
  ASSERT_EQ(h.sound.played.size(), 2u);
  EXPECT_NE(h.sound.played[0].find("sounds/pl_ladder"), std::string::npos);
  EXPECT_NE(h.sound.played[1].find("Bandit/appear.wav"), std::string::npos);
}

TEST(Spawning, ActionsAreBookedAsLostForEnemiesOnly) {
  LevelHarness h;
  StartWith(h, "a:0:40:1:f b:70:40:1:j",
            TemplateStep("t", "bandit", "1000") + TemplateStep("c", "townsman", "1000") + WaveStep("w", "2000", "0:0:2"));
  h.Run(5000);
  const LevelCounters& c = h.play->Counters();
  EXPECT_GE(c.Bots, 2);
  EXPECT_EQ(c.Hits + c.Misses, 0);
  // Every enemy that appeared acted: Lost counts them and LostScore their MaxLife.
  EXPECT_EQ(c.LostScore, c.AllScore);
  EXPECT_EQ(c.Lost * 1000, c.LostScore);
  EXPECT_EQ(h.play->Score().Labels().lost, "lost: " + std::to_string(c.Lost));
}

TEST(Shooting, TypingAnEnemysLetterScoresItsLifeLeft) {
  LevelHarness h;
  StartWith(h, "door:100:50:1:f", TemplateStep("t", "bandit", "3000") + WaveStep("w", "9000", "5000:0:1"));
  h.Run(200 + 385 + 1000);  // appeared, then ten life ticks
  ASSERT_NE(h.ActorAt(0), nullptr);
  const int32_t life = h.ActorAt(0)->Life;
  EXPECT_EQ(life, 2000);
  h.Type("F");  // upper case shoots the same
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 1);
  EXPECT_EQ(h.Counter(&LevelCounters::MyScore), 2000);
  EXPECT_EQ(h.play->Score().Labels().point, "Point: 1");
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().front(), "+2000");
  EXPECT_TRUE(h.ActorAt(0)->Deathing);
  EXPECT_FALSE(h.ActorAt(0)->LetterTag->Blinking());
  ASSERT_GE(h.sound.played.size(), 2u);
  EXPECT_NE(h.sound.played[h.sound.played.size() - 2].find("sounds/wood"), std::string::npos);
  EXPECT_NE(h.sound.played.back().find("Bandit/dead.wav"), std::string::npos);
}

TEST(Shooting, ADumpWaitKeepsThePlaceClosedAndItsLetterMisses) {
  LevelHarness h;
  StartWith(h, "door:100:50:1:f window:300:50:1:f",
            TemplateStep("t", "bandit", "20000") + WaveStep("w", "20000", "5000:0:2"));
  h.Run(1500);
  ASSERT_NE(h.ActorAt(0), nullptr);
  ASSERT_NE(h.ActorAt(1), nullptr);
  h.Type("f");  // the first place in order is shot
  EXPECT_TRUE(h.ActorAt(0)->Deathing);
  EXPECT_FALSE(h.ActorAt(1)->Deathing);
  h.Run(6 * 55);
  ASSERT_TRUE(h.ActorAt(0)->Dump);
  // Its place is still taken and its letter is a miss, though the window has a live bandit on f.
  h.Type("f");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 1);
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 1);
  h.Run(4000);
  ASSERT_NE(h.ActorAt(0), nullptr);
  EXPECT_TRUE(h.ActorAt(0)->Dump);
  h.Run(1500);  // the dump wait is over: the place empties and fills again
  ASSERT_NE(h.ActorAt(0), nullptr);
  EXPECT_FALSE(h.ActorAt(0)->Deathing);
}

TEST(Shooting, ShootingACivilianCostsTimeAndCountsEvenInTheEndPhase) {
  LevelHarness h;
  StartWith(h, "door:100:50:1:f", TemplateStep("t", "townsman", "3000") + WaveStep("w", "500", "0:0:1"));
  h.Run(700);  // the wave's time is over; the townsman keeps it waiting
  ASSERT_TRUE(h.play->Clock().EndPhase());
  ASSERT_NE(h.ActorAt(0), nullptr);
  const int32_t stepWait = h.play->Clock().StepWait();
  h.Type("x");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 0);
  EXPECT_TRUE(h.play->Score().Ticker().TickerLines().empty());
  h.Type("f");
  EXPECT_EQ(h.Counter(&LevelCounters::Civilians), 1);
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 0);
  EXPECT_EQ(h.play->Clock().StepWait(), stepWait + 3000);
  EXPECT_EQ(h.play->Score().Labels().civilian, "Civilian: 1");
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().front(), "-3000");
}

TEST(Shooting, AHeldKeyShootsOnceAndASecondKeyWaitsForTheFirstsRelease) {
  LevelHarness h;
  StartWith(h, "door:100:50:1:f", "[s]\ncommand=7\n");
  h.Run(100);
  EXPECT_FALSE(h.play->KeyPress(false, "x"));
  for (int repeat = 0; repeat < 5; ++repeat) EXPECT_TRUE(h.play->KeyPress(false, "x"));
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 1);
  EXPECT_TRUE(h.play->KeyPress(false, "y"));  // a second key while x is down
  EXPECT_TRUE(h.play->KeyPress(true, "\x1b"));  // Escape too: no pause
  EXPECT_TRUE(h.play->ClockEnabled());
  h.play->KeyRelease();
  EXPECT_FALSE(h.play->KeyPress(false, "y"));  // y's next repeat shoots
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 2);
  h.play->KeyRelease();
  EXPECT_FALSE(h.play->KeyPress(true, "\x1b"));
  EXPECT_FALSE(h.play->ClockEnabled());
  EXPECT_TRUE(h.host.pauseShowing);
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 2);  // Escape paused before it could be typed
}

TEST(Shooting, LettersCompareAsUnicodeTextAndUpperCaseLettersNeverHit) {
  LevelHarness h;
  StartWith(h, "a:0:40:1:ä b:70:40:1:J", TemplateStep("t", "bandit", "20000") + WaveStep("w", "20000", "0:0:2"));
  h.Run(1500);
  ASSERT_EQ(OccupiedPlaces(h), 2);
  EXPECT_EQ(h.play->Stage().LetterTags()[0].tag->Letter, "Ä");
  h.Type("Ä");
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 1);
  h.Type("J");
  h.Type("j");
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 1);
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 2);
}

TEST(Shooting, CountersWrapInsteadOfOverflowing) {
  LevelHarness h;
  StartWith(h, "door:100:50:1:f", TemplateStep("t", "bandit", "3000") + WaveStep("w", "9000", "0:0:1"));
  h.Run(700);
  h.play->MutableCounters().MyScore = INT32_MAX;
  h.play->MutableCounters().Misses = INT32_MAX;
  h.Type("f");
  EXPECT_LT(h.Counter(&LevelCounters::MyScore), 0);
  h.Type("q");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), INT32_MIN);
}

TEST(ScoreTicker, KeepsSevenLinesNewestFirstAndFadesOneEvery750Ms) {
  LevelHarness h;
  for (int i = 1; i <= 8; ++i) h.play->AddTickerLine("+" + std::to_string(i));
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().size(), 7u);
  EXPECT_EQ(h.play->Score().Ticker().Caption(), "+8\n+7\n+6\n+5\n+4\n+3\n+2\n");
  h.Run(749);
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().size(), 7u);
  h.Run(1);
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().size(), 6u);
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().back(), "+3");
  h.Run(100);
  h.play->AddTickerLine("-2000");  // keeps the running period: the next fade is at 1500
  h.Run(649);
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().size(), 7u);
  h.Run(1);
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().size(), 6u);
  h.Run(6 * 750);
  EXPECT_EQ(h.play->Score().Ticker().Caption(), "");
  EXPECT_TRUE(h.play->Score().Ticker().Running());
  h.Run(750);
  EXPECT_FALSE(h.play->Score().Ticker().Running());
}

TEST(ScoreTicker, ResetCountersLeavesTheVisibleLabelsWithoutNumbers) {
  LevelHarness h;
  StartWith(h, "door:100:50:1:f", "[s]\ncommand=7\n");
  h.Run(100);
  h.Type("q");
  h.play->ResetCounters();
  EXPECT_EQ(h.play->Score().Labels().miss, "Miss: ");
  EXPECT_EQ(h.play->Score().Labels().point, "Point: ");
  EXPECT_EQ(h.play->Score().Labels().civilian, "Civilian: ");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 0);
}

}  // namespace
