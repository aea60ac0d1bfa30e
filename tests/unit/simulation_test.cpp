// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator: the same seed gives the same output, and its runs agree with the game's rules
// fed the same timed keys.
#include "design/sim_batch.h"
#include "design/simulation.h"
#include "design/typist.h"
#include "level_harness.h"
#include "screens/results.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Two places, an enemy and a civilian kind, three waves: long enough for every kind of result.
void WriteTestLevel(LevelHarness& h) {
  h.WriteLevel("Level1", MapIni("a:100:100:1:f b:300:100:2:j c:200:300:3:k", "Easy=0:0:0:2000:3000\n"),
               TemplateStep("t1", "bandit", "2500") + TemplateStep("t2", "bandit", "3000") +
                   TemplateStep("t3", "townsman", "2000") + WaveStep("w1", "8000", "600:300:2") +
                   WaveStep("w2", "8000", "400:200:3"));
}

struct Played {
  LevelCounters counters;
  int32_t percent = 0;
  int64_t playingMs = 0;
};

// The same keys typed into level play directly, as the game screen would pass them on.
Played PlayInHarness(const std::vector<TimedKey>& keys, uint64_t gameSeed) {
  LevelHarness h;
  WriteTestLevel(h);
  h.random.Seed(gameSeed);
  h.shared.playerStore->WriteString("Tester", "up", "Easy");
  Played played;
  bool done = false;
  h.host.onResults = [&] {
    played.counters = h.play->Counters();
    played.percent = ResultPercentOf(played.counters);
    played.playingMs = h.timers.NowMs();
    done = true;
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.play->StartLevel("Level1");
  for (const TimedKey& key : keys) {
    if (done) break;
    h.Run(key.timeMs - h.timers.NowMs());
    if (!done) h.Type(key.text);
  }
  h.timers.AdvanceUntil([&] { return done; }, 600000);
  EXPECT_TRUE(done);
  return played;
}

void ExpectSameCounters(const LevelCounters& a, const LevelCounters& b) {
  EXPECT_EQ(a.AllScore, b.AllScore);
  EXPECT_EQ(a.MyScore, b.MyScore);
  EXPECT_EQ(a.Misses, b.Misses);
  EXPECT_EQ(a.Civilians, b.Civilians);
  EXPECT_EQ(a.Lost, b.Lost);
  EXPECT_EQ(a.Hits, b.Hits);
  EXPECT_EQ(a.LostScore, b.LostScore);
  EXPECT_EQ(a.Bots, b.Bots);
}

TEST(Simulation, ScriptedKeysAgreeWithTheGamesRules) {
  std::vector<TimedKey> keys;
  const char* letters = "fjkfxjkf";
  for (int i = 0; i < 60; ++i) keys.push_back({450 + 333 * i, std::string(1, letters[i % 8])});
  LevelHarness folder;
  WriteTestLevel(folder);
  Simulator simulator(folder.dir);
  ScriptedKeys scripted(keys);
  const SimulatedRun sim = simulator.Run("Level1", "Easy", 77, scripted);
  ASSERT_TRUE(sim.finished) << sim.failure;

  const Played game = PlayInHarness(keys, 77);
  ExpectSameCounters(sim.counters, game.counters);
  EXPECT_EQ(sim.percent, game.percent);
  EXPECT_EQ(sim.playingMs, game.playingMs);
  // The keys must have done all three things for the comparison to mean something.
  EXPECT_GT(sim.counters.Hits, 0);
  EXPECT_GT(sim.counters.Misses, 0);
  EXPECT_GT(sim.counters.Civilians, 0);
}

TEST(Simulation, ModelledTypistsKeysReplayedInTheGameGiveTheSameResult) {
  LevelHarness folder;
  WriteTestLevel(folder);
  Simulator simulator(folder.dir);
  for (const TypistProfile& typist : BuiltInTypists()) {
    ModelledTypist model(typist, 5);
    std::vector<TimedKey> pressed;
    const SimulatedRun sim = simulator.Run("Level1", "Easy", 99, model, [&](int64_t now, const std::string& event) {
      if (event.rfind("key ", 0) == 0) pressed.push_back({now, event.substr(4)});
    });
    ASSERT_TRUE(sim.finished) << sim.failure;
    ASSERT_FALSE(pressed.empty());
    const Played game = PlayInHarness(pressed, 99);
    SCOPED_TRACE(typist.name);
    ExpectSameCounters(sim.counters, game.counters);
    EXPECT_EQ(sim.percent, game.percent);
  }
}

BatchRequest SmallBatch(uint64_t seed) {
  BatchRequest request;
  request.levels = {"Level1"};
  request.difficulties = {"Easy"};
  request.typists = BuiltInTypists();
  request.runs = 6;
  request.seed = seed;
  return request;
}

TEST(Simulation, SameSeedSameOutputWhateverTheNumberOfThreads) {
  LevelHarness folder;
  WriteTestLevel(folder);
  Simulator simulator(folder.dir);
  const std::string first = FormatCsv(RunBatch(simulator, SmallBatch(3)));
  EXPECT_EQ(first, FormatCsv(RunBatch(simulator, SmallBatch(3))));
  BatchRequest parallel = SmallBatch(3);
  parallel.jobs = 3;
  EXPECT_EQ(first, FormatCsv(RunBatch(simulator, parallel)));
  Simulator another(folder.dir);
  EXPECT_EQ(FormatTable(RunBatch(simulator, SmallBatch(3))), FormatTable(RunBatch(another, SmallBatch(3))));
  EXPECT_NE(first, FormatCsv(RunBatch(simulator, SmallBatch(4))));
}

TEST(Simulation, BetterTypistsScoreMore) {
  LevelHarness folder;
  WriteTestLevel(folder);
  Simulator simulator(folder.dir);
  BatchRequest request = SmallBatch(1);
  request.runs = 20;
  const std::vector<BatchRow> rows = RunBatch(simulator, request);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].finished, 20);
  EXPECT_LT(rows[0].median, rows[1].median);  // novice < average
  EXPECT_LT(rows[1].median, rows[2].median);  // average < skilled
  EXPECT_GT(rows[0].civiliansTenths, rows[2].civiliansTenths);
  EXPECT_LE(rows[0].p10, rows[0].median);
  EXPECT_LE(rows[0].median, rows[0].p90);
}

// A typist's chances act on their own: no slips means no misses; civilians are shot only by
// mistake (or by a slip that types a civilian's letter); a slow typist lets enemies act.
TEST(Simulation, TypistParametersShowInTheCounters) {
  LevelHarness folder;
  WriteTestLevel(folder);
  Simulator simulator(folder.dir);
  struct Case {
    TypistProfile typist;
    bool misses;
    int civilians;  // 1 some, 0 none, -1 either
    bool acted;
  };
  const Case cases[] = {
      {{"careful", 500, 0.2, 0.0, 0.0, 150}, false, 0, false},
      {{"slips", 500, 0.2, 0.2, 0.0, 150}, true, -1, false},
      {{"confused", 500, 0.2, 0.0, 0.4, 150}, false, 1, false},
      {{"slow", 6000, 0.1, 0.0, 0.0, 150}, false, 0, true},
  };
  for (const Case& c : cases) {
    LevelCounters sum;
    for (uint64_t seed = 1; seed <= 4; ++seed) {
      ModelledTypist keys(c.typist, seed);
      const SimulatedRun result = simulator.Run("Level1", "Easy", seed, keys);
      ASSERT_TRUE(result.finished) << c.typist.name << ": " << result.failure;
      sum.Misses += result.counters.Misses;
      sum.Civilians += result.counters.Civilians;
      sum.Lost += result.counters.Lost;
      sum.Hits += result.counters.Hits;
    }
    EXPECT_EQ(sum.Misses > 0, c.misses) << c.typist.name;
    if (c.civilians >= 0) {
      EXPECT_EQ(sum.Civilians > 0, c.civilians == 1) << c.typist.name;
    }
    EXPECT_EQ(sum.Lost > 0, c.acted) << c.typist.name;
    EXPECT_EQ(sum.Hits > 0, !c.acted) << c.typist.name;
  }
}

TEST(Simulation, ALevelThatNeverEndsIsStoppedAndReported) {
  LevelHarness folder;
  folder.WriteLevel("Level1", MapIni("a:100:100:1:f"), TemplateStep("t", "bandit", "3000") + "[forever]\ncommand=7\n");
  Simulator simulator(folder.dir);
  simulator.timeLimitMs = 30000;
  ScriptedKeys none({});
  const SimulatedRun result = simulator.Run("Level1", "Normal", 1, none);
  EXPECT_FALSE(result.finished);
  EXPECT_NE(result.failure.find("no results after 30 s"), std::string::npos) << result.failure;
}

TEST(Simulation, FailuresOfTheGameAreReported) {
  LevelHarness folder;
  folder.WriteLevel("Level2", "[Objects]\nbandit=Bandit\n", "");
  folder.WriteLevel("Level3", MapIni("a:100:100:1:f"), WaveStep("w", "3000", "0:0:1"));
  Simulator simulator(folder.dir);
  ScriptedKeys none({});
  const SimulatedRun unloadable = simulator.Run("Level2", "Normal", 1, none);
  EXPECT_FALSE(unloadable.finished);
  EXPECT_NE(unloadable.failure.find("Cannot load Level2"), std::string::npos) << unloadable.failure;
  const SimulatedRun stopped = simulator.Run("Level3", "Normal", 1, none);
  EXPECT_FALSE(stopped.finished);
  EXPECT_NE(stopped.failure.find("Error in Clock"), std::string::npos) << stopped.failure;
}

TEST(Typist, LogNormalReactionHasItsMedianAndSpread) {
  Random random(42);
  TypistDraws draws(random);
  std::vector<int64_t> values;
  for (int i = 0; i < 20001; ++i) values.push_back(draws.LogNormalMs(900, 0.3));
  std::sort(values.begin(), values.end());
  EXPECT_NEAR(static_cast<double>(values[10000]), 900.0, 20.0);
  // One sigma above the median in log space: about 84 percent of the draws lie below it.
  const double oneSigma = 900.0 * std::exp(0.3);
  const auto below = std::lower_bound(values.begin(), values.end(), static_cast<int64_t>(oneSigma)) - values.begin();
  EXPECT_NEAR(static_cast<double>(below) / values.size(), 0.8413, 0.01);
}

TEST(Typist, ChancesAndSeedsReplay) {
  Random a(7), b(7);
  TypistDraws da(a), db(b);
  int hits = 0;
  for (int i = 0; i < 10000; ++i) {
    const bool x = da.Chance(0.25);
    EXPECT_EQ(x, db.Chance(0.25));
    hits += x ? 1 : 0;
  }
  EXPECT_NEAR(hits / 10000.0, 0.25, 0.015);
  EXPECT_FALSE(da.Chance(0));
  EXPECT_TRUE(da.Chance(1));
}

TEST(SimBatch, PercentilesByNearestRank) {
  const std::vector<int32_t> values = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110};
  EXPECT_EQ(PercentileOf(values, 10), 20);
  EXPECT_EQ(PercentileOf(values, 50), 60);
  EXPECT_EQ(PercentileOf(values, 90), 100);
  EXPECT_EQ(PercentileOf({5}, 90), 5);
  EXPECT_EQ(PercentileOf({}, 50), 0);
}

}  // namespace
