// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen's arithmetic: medians, accuracy per key over its last chances, the
// weakest keys, streaks, the texts of the totals, time stamps and the keys the levels teach.
#include "platform/xkb_key_tables.h"
#include "progress/progress_stats.h"
#include "progress/progress_view.h"
#include "progress/taught_keys.h"
#include "progress/utc_time.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

KeyChance Hit(const std::string& key, int64_t reaction) { return KeyChance{key, true, reaction, "", 0}; }
KeyChance Miss(const std::string& key) { return KeyChance{key, false, std::nullopt, "", 0}; }

// The key's stats; null, with a failure, when there are none.
const KeyStats* StatsOf(const std::vector<KeyStats>& all, const std::string& key) {
  auto it = std::find_if(all.begin(), all.end(), [&](const KeyStats& s) { return s.key == key; });
  if (it != all.end()) return &*it;
  ADD_FAILURE() << "no stats for " << key;
  return nullptr;
}

TEST(ProgressStats, MedianOfOddEvenEmptyAndHugeValues) {
  struct Case {
    std::vector<int64_t> values;
    std::optional<int64_t> median;
  };
  const Case cases[] = {{{}, std::nullopt},
                        {{700}, 700},
                        {{900, 300, 500}, 500},
                        {{400, 100, 300, 200}, 250},
                        {{1, 2}, 1},  // the mean of the middle two, rounded down
                        {{INT64_MAX, INT64_MAX - 2}, INT64_MAX - 1}};
  for (const Case& c : cases) EXPECT_EQ(MedianOf(c.values), c.median) << c.values.size() << " values";
}

TEST(ProgressStats, AccuracyAndMedianCountOnlyTheLastChancesOfEachKey) {
  std::vector<KeyChance> newestFirst;
  // f: the newest 200 are 150 hits and 50 misses; 100 older misses must not count.
  for (int i = 0; i < 150; ++i) newestFirst.push_back(Hit("f", 300 + i));
  for (int i = 0; i < 50; ++i) newestFirst.push_back(Miss("f"));
  for (int i = 0; i < 9; ++i) newestFirst.push_back(Hit("j", 1000));  // j: too few to rate
  for (int i = 0; i < 100; ++i) newestFirst.push_back(Miss("f"));
  const std::vector<KeyStats> stats = KeyStatsOf(newestFirst);
  ASSERT_EQ(stats.size(), 2u);
  const KeyStats* fFound = StatsOf(stats, "f");
  const KeyStats* jFound = StatsOf(stats, "j");
  ASSERT_TRUE(fFound && jFound);
  const KeyStats& f = *fFound;
  EXPECT_EQ(f.chances, kChancesPerKey);
  EXPECT_EQ(f.hits, 150);
  EXPECT_EQ(f.AccuracyPercent(), 75);
  EXPECT_EQ(f.medianReactionMs, 374);  // 300..449: the middle two are 374 and 375
  EXPECT_TRUE(f.Rated());
  const KeyStats& j = *jFound;
  EXPECT_FALSE(j.Rated());
  EXPECT_EQ(j.AccuracyPercent(), 100);
  EXPECT_EQ(KeyStats{}.AccuracyPercent(), 0);
}

TEST(ProgressStats, WeakestKeysAreTheRatedOnesWithTheLowestShareOfHits) {
  auto stats = [](const std::string& key, int hits, int chances, int64_t median) {
    KeyStats s;
    s.key = key;
    s.hits = hits;
    s.chances = chances;
    s.medianReactionMs = median;
    return s;
  };
  const std::vector<KeyStats> all = {
      stats("a", 9, 10, 400),   stats("b", 1, 9, 900),     // b: unrated, though worst
      stats("c", 60, 100, 500), stats("d", 30, 50, 400),   // both 60%: d has fewer chances
      stats("e", 6, 10, 700),   stats("f", 6, 10, 800),    // 60%, 10 chances: the slower first
      stats("g", 199, 200, 300), stats("h", 20, 40, 450),
  };
  std::vector<std::string> order;
  for (const KeyStats& s : WeakestKeys(all)) order.push_back(s.key);
  EXPECT_EQ(order, (std::vector<std::string>{"h", "c", "d", "f", "e"}));
  EXPECT_EQ(WeakestKeys(all, 2).size(), 2u);
  EXPECT_TRUE(WeakestKeys({stats("b", 1, 9, 900)}).empty());
}

TEST(ProgressStats, BestStreakCountsPassedFinishedRunsInARow) {
  auto runs = [](const std::string& passes) {
    std::vector<FinishedRun> result;
    for (char c : passes) result.push_back(FinishedRun{"", 1, c == 'P' ? 80 : 20, c == 'P'});
    return result;
  };
  const std::pair<const char*, int> cases[] = {{"", 0}, {"F", 0}, {"P", 1}, {"PPFPPPF", 3}, {"FPPPP", 4}, {"PFPFP", 1}};
  for (const auto& [passes, streak] : cases) EXPECT_EQ(BestStreak(runs(passes)), streak) << passes;
}

TEST(ProgressStats, TextsOfTheTotalsAndTheWeakKeyLines) {
  const std::pair<int64_t, const char*> times[] = {
      {-5, "0 min"}, {0, "0 min"}, {59999, "0 min"}, {420000, "7 min"}, {3600000, "1 h 00 min"}, {7500000, "2 h 05 min"}};
  for (const auto& [ms, text] : times) EXPECT_EQ(PlayedTimeText(ms), text) << ms;
  KeyStats k;
  k.key = "k";
  k.hits = 31;
  k.chances = 50;
  k.medianReactionMs = 540;
  EXPECT_EQ(PractiseLine(k), "k   62%   31 of 50   540 ms");
  k.medianReactionMs.reset();
  EXPECT_EQ(PractiseLine(k), "k   62%   31 of 50   -");
}

TEST(ProgressStats, IsoUtcFormatsEveryDateOfTheCalendar) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, "1970-01-01T00:00:00Z"},
      {1765240245999, "2025-12-09T00:30:45Z"},
      {951782400000, "2000-02-29T00:00:00Z"},
      {-1, "1969-12-31T23:59:59Z"},
      {253402300799000, "9999-12-31T23:59:59Z"},
      {INT64_MAX, "9999-12-31T23:59:59Z"},
      {INT64_MIN, "0000-01-01T00:00:00Z"},
  };
  for (const auto& [ms, text] : cases) EXPECT_EQ(IsoUtc(ms), text) << ms;
}

TEST(ProgressStats, TheShippedLevelsTeachTheirLettersOnTheKeyboardsRows) {
  const std::vector<std::string> taught = TaughtKeys(std::string(CONTENT_DIR) + "/", 16);
  ASSERT_GE(taught.size(), 4u);
  // The first level's four keys come first, each once.
  std::vector<std::string> first(taught.begin(), taught.begin() + 4);
  std::sort(first.begin(), first.end());
  EXPECT_EQ(first, (std::vector<std::string>{"d", "f", "j", "k"}));
  for (const char* key : {"f", "j", ";", "1", "/", "z"}) {
    EXPECT_NE(std::find(taught.begin(), taught.end(), key), taught.end()) << key;
  }
  const auto rows = KeyboardRows(taught);
  ASSERT_EQ(rows.size(), 4u);  // every shipped key sits on the standard rows
  EXPECT_EQ(rows[2][3], "f");
  const auto withExtra = KeyboardRows({"f", "\xc3\xa9"});
  ASSERT_EQ(withExtra.size(), 5u);
  EXPECT_EQ(withExtra[4], std::vector<std::string>{"\xc3\xa9"});
  EXPECT_TRUE(TaughtKeys("/nonexistent/", 16).empty());
}

// The shots of a German player are recorded as the German keys type them (z on the US y key),
// so the keyboard names each position by what it types there, and the levels that name US keys
// teach those characters.
TEST(ProgressStats, OnAnotherLayoutTheKeysAreNamedAndTaughtAsThatLayoutTypesThem) {
  const std::optional<KeyTable> de = KeyTableForLayout("de");
  ASSERT_TRUE(de);
  const std::vector<std::string> taught = TaughtKeys(std::string(CONTENT_DIR) + "/", 16, &*de);
  for (const char* key : {"f", "z", "y", "\xc3\xb6", "-"}) {  // "-" on the US / key
    EXPECT_NE(std::find(taught.begin(), taught.end(), key), taught.end()) << key;
  }
  EXPECT_EQ(std::find(taught.begin(), taught.end(), ";"), taught.end());
  const auto rows = KeyboardRows(taught, &*de);
  ASSERT_EQ(rows.size(), 4u);  // every taught key sits on the German rows too
  EXPECT_EQ(rows[1][5], "z");
  EXPECT_EQ(rows[3][0], "y");
  EXPECT_EQ(rows[2][9], "\xc3\xb6");
  EXPECT_EQ(rows[0][11], "=");  // a dead key there keeps its US name
  // A level that writes its letters as characters teaches them as written on any layout.
  ScratchFolder dir("taught-keys");
  std::filesystem::create_directories(dir / "Maps/Level1");
  std::ofstream(dir / "Maps/Level1/Map.ini") << "[Map]\n[Objects]\n[a]\nletter=y\n";
  EXPECT_EQ(TaughtKeys(dir.Path() + "/", 1, &*de), std::vector<std::string>{"y"});
}

TEST(ProgressStats, TheViewChartsTheChosenLevelAndColoursOnlyRatedTaughtKeys) {
  ProgressData data;
  for (int i = 0; i < 12; ++i) data.chances.push_back(i < 3 ? Miss("f") : Hit("f", 500));
  data.chances.push_back(Hit("j", 300));
  data.finished = {{"2026-01-02T10:00:00Z", 1, 70, true}, {"2026-01-03T10:00:00Z", 2, 40, false},
                   {"2026-01-04T10:00:00Z", 1, 90, true}};
  data.playedMs = 600000;
  data.runs = 5;
  data.levelsPassed = 1;
  const ProgressView all = MakeProgressView(data, {"f", "j"}, 0);
  EXPECT_EQ(all.chart.size(), 3u);
  EXPECT_EQ(all.filterText, "All levels");
  EXPECT_EQ(all.bestStreakText, "1");
  EXPECT_EQ(all.playedText, "10 min");
  EXPECT_EQ(all.practiseLines, std::vector<std::string>{"f   75%   9 of 12   500 ms"});
  auto tile = [&](const std::string& key) {
    const auto it = std::find_if(all.tiles.begin(), all.tiles.end(), [&](const KeyTile& t) { return t.key == key; });
    if (it != all.tiles.end()) return *it;
    ADD_FAILURE() << "no tile " << key;
    return KeyTile{};
  };
  EXPECT_TRUE(tile("f").taught && tile("f").rated);
  EXPECT_EQ(tile("f").accuracyPercent, 75);
  EXPECT_TRUE(tile("j").taught && !tile("j").rated);
  EXPECT_EQ(tile("j").reactionText, "300");
  EXPECT_FALSE(tile("q").taught);
  const ProgressView one = MakeProgressView(data, {"f", "j"}, 1);
  ASSERT_EQ(one.chart.size(), 2u);
  EXPECT_EQ(one.chart[1].percent, 90);
  EXPECT_EQ(one.filterText, "Level 1");
  EXPECT_EQ(DayOf(one.chart[0].startedAt), "2026-01-02");
  const std::tuple<int32_t, int, int32_t> steps[] = {{0, 1, 1}, {16, 1, 0}, {0, -1, 16}, {5, -1, 4}, {99, 1, 0}};
  for (const auto& [from, step, to] : steps) EXPECT_EQ(NextLevelFilter(from, step, 16), to) << from << step;
}

}  // namespace
