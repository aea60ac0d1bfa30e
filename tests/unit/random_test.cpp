// SPDX-License-Identifier: GPL-3.0-or-later
// The program's generator: fixed seeds replay, clock re-seeds stir the state, and spawns that
// re-seed within one frozen millisecond still draw place and side independently.
#include "level_harness.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

std::vector<uint32_t> Draws(Random& random, int count) {
  std::vector<uint32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(random.Next32());
  return out;
}

TEST(Random, AFixedSeedReplaysAndAReseedWithoutAClockChangesNothing) {
  Random a(77), b(77);
  b.ReseedFromClock();
  EXPECT_EQ(Draws(a, 50), Draws(b, 50));
}

TEST(Random, ReseedsFromAFrozenClockGoOnInsteadOfRestartingTheSequence) {
  Random random(5);
  random.SetClock([] { return uint64_t{1000}; });
  std::vector<uint32_t> firsts;
  for (int i = 0; i < 200; ++i) {
    random.ReseedFromClock();
    firsts.push_back(random.Next32());
  }
  std::sort(firsts.begin(), firsts.end());
  EXPECT_EQ(std::unique(firsts.begin(), firsts.end()), firsts.end()) << "a re-seed restarted an earlier sequence";
}

TEST(Random, TheClockIsStirredIn) {
  // Same state, different clocks: the draws after the re-seed differ; same clock: they agree.
  Random a(9), b(9), c(9);
  a.SetClock([] { return uint64_t{1}; });
  b.SetClock([] { return uint64_t{2}; });
  c.SetClock([] { return uint64_t{1}; });
  a.ReseedFromClock();
  b.ReseedFromClock();
  c.ReseedFromClock();
  const std::vector<uint32_t> drawsA = Draws(a, 8);
  EXPECT_NE(drawsA, Draws(b, 8));
  EXPECT_EQ(drawsA, Draws(c, 8));
}

// Three free places with a random side each and one actor at a time: every spawn re-seeds
// several times in the same (frozen) millisecond. Place and side must still be uniform and
// independent. The seed is fixed, so the counts are deterministic; the bounds leave about six
// standard deviations around the expected 300 per cell.
TEST(Random, SpawnsInOneFrozenMillisecondDrawPlaceAndSideIndependently) {
  LevelHarness h;
  h.random.SetClock([] { return uint64_t{123456789}; });
  h.WriteLevel("Level1", MapIni("a:0:0:0:f b:100:0:0:g c:200:0:0:h"),
               TemplateStep("t", "bandit", "100") + WaveStep("w", "100000000", "0:0:1"));
  h.host.onResults = [&h] {
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());

  const TbotImage* spawned = nullptr;
  size_t spawnedAt = 0;
  h.play->onSpawn = [&](size_t place, const TbotImage& actor) {
    spawned = &actor;
    spawnedAt = place;
  };
  constexpr int kSpawns = 2700;
  std::array<std::array<int, 3>, 3> cells{};  // [place][side - 1]
  int seen = 0;
  for (int64_t elapsed = 0; seen < kSpawns && elapsed < int64_t{kSpawns} * 20000; elapsed += 100) {
    h.Run(100);
    if (!spawned) continue;
    ASSERT_GE(spawned->Side, 1);
    ASSERT_LE(spawned->Side, 3);
    ++cells[spawnedAt][spawned->Side - 1];
    ++seen;
    spawned = nullptr;
  }
  ASSERT_EQ(seen, kSpawns);
  for (size_t place = 0; place < 3; ++place) {
    for (int side = 0; side < 3; ++side) {
      EXPECT_GT(cells[place][side], 200) << "place " << place << " side " << side + 1;
      EXPECT_LT(cells[place][side], 400) << "place " << place << " side " << side + 1;
    }
  }
}

}  // namespace
