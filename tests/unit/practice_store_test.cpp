// SPDX-License-Identifier: GPL-3.0-or-later
// Practice's tables in Progress.db: the key set and review dates, the target per profile, and
// the chances read back from the shots, misses aimed at a key included.
#include "practice/practice_store.h"
#include "progress/progress_database.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

namespace {

struct TempDb {
  TempDb() { db->Open(); }
  ScratchFolder dir{"practice"};
  std::unique_ptr<ProgressDatabase> db = std::make_unique<ProgressDatabase>(dir / "Progress.db");
};

ShotRecord Shot(const std::string& result, const std::string& key, std::optional<int64_t> reaction = {},
                const std::string& aimedAt = "", bool endPhase = false) {
  ShotRecord s;
  s.result = result;
  s.key = key;
  s.typed = key;
  s.letter = result == "MISS" ? "" : key;
  s.reactionMs = reaction;
  s.aimedAt = aimedAt;
  s.endPhase = endPhase;
  return s;
}

// The shot filed by its key's position, as the game files it since it knows positions.
ShotRecord Positioned(ShotRecord shot) {
  shot.position = shot.key;
  return shot;
}

}  // namespace

TEST(PracticeStore, KeepsTheSetAndTheTargetPerProfile) {
  TempDb t;
  PracticeStore store(*t.db);
  EXPECT_TRUE(store.LoadState("Ann").keys.empty());
  EXPECT_EQ(store.TargetMs("Ann"), kDefaultTargetReactionMs);

  PracticeState state;
  state.keys = {{"f", true, 4, 20123}, {"d", false, 0, 0}, {";", true, 1, 20100}};
  store.SaveState("Ann", state);
  store.SetTargetMs("Ann", AdjustTarget(store.TargetMs("Ann"), -2));
  store.SetTargetMs("Bob", 99999);

  PracticeStore again(*t.db);
  const PracticeState loaded = again.LoadState("ANN");
  ASSERT_EQ(loaded.keys.size(), 3u);
  EXPECT_EQ(loaded.keys[0].position, "f");
  EXPECT_EQ(loaded.keys[0].intervalDays, 4);
  EXPECT_EQ(loaded.keys[0].dueDay, 20123);
  EXPECT_FALSE(loaded.keys[1].mastered);
  EXPECT_EQ(loaded.keys[2].position, ";");
  EXPECT_EQ(again.TargetMs("ann"), kDefaultTargetReactionMs - 100);
  EXPECT_EQ(again.TargetMs("Bob"), kMaxTargetReactionMs);
  EXPECT_TRUE(again.LoadState("Bob").keys.empty());
}

TEST(PracticeStore, StoredTargetsFasterThanTheBoundsAreRaisedAndOthersIgnored) {
  TempDb t;
  PracticeStore store(*t.db);
  store.SetTargetMs("Ann", 1000);
  struct Case {
    const char* sql;
    int64_t reaction, typing;
  } cases[] = {
      {"UPDATE practice_settings SET target_ms = 300, typing_ms = 100", 700, 200},  // an older game's
      {"UPDATE practice_settings SET target_ms = 900, typing_ms = NULL", 900, kDefaultTargetTypingMs},
      {"UPDATE practice_settings SET target_ms = 99999, typing_ms = 'fast'", kDefaultTargetReactionMs,
       kDefaultTargetTypingMs},
      {"UPDATE practice_settings SET target_ms = -5, typing_ms = 0", kDefaultTargetReactionMs, kDefaultTargetTypingMs},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(sqlite3_exec(t.db->Handle(), c.sql, nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(store.Targets("Ann").reactionMs, c.reaction) << c.sql;
    EXPECT_EQ(store.Targets("Ann").typingMs, c.typing) << c.sql;
  }
}

// Rows the game wrote before it told the key charged read as they did: a miss counts at its own
// key, and at the one enemy that stood ready; rows with the key charged count there alone, word
// letters typed right among them as hits with their typing time.
TEST(PracticeStore, OlderRowsKeepTheirRuleAndNewerRowsCountWhereTheyWereCharged) {
  TempDb t;
  std::vector<PendingRun> runs(1);
  runs[0].run = RunRecord{0, "Ann", 0, "Easy", "2026-01-01T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  const auto charged = [](ShotRecord shot, const std::string& key, std::optional<int64_t> typing = {}) {
    shot.charged = key;
    shot.typingMs = typing;
    shot.word = 1;
    shot.wordPos = 0;
    return shot;
  };
  runs[0].shots = {
      Positioned(Shot("MISS", "h", {}, "g")),              // older: at h and at g
      Positioned(Shot("MISS", "j")),                       // older: at j
      charged(Positioned(Shot("MISS", "h", {}, "g")), "g"),  // at g alone
      charged(Positioned(Shot("MISS", "b")), ""),           // at no key
      charged(Positioned(Shot("LETTER", "g")), "g", 210),   // a word letter: a hit at g
      charged(Positioned(Shot("LETTER", "t")), ""),         // a letter charged at no key
      Positioned(Shot("LETTER", "g")),                     // an older game's letter: no chance
      Positioned(Shot("POINT", "g", 650)),
  };
  t.db->Write(runs);
  PracticeStore store(*t.db);
  std::vector<std::string> got;
  for (const PracticeChance& c : store.RunChances(runs[0].run.id)) {
    got.push_back(c.position + (c.hit ? "+" : "-") + (c.typingMs ? std::to_string(*c.typingMs) : "") +
                  (c.reactionMs ? "r" + std::to_string(*c.reactionMs) : ""));
  }
  EXPECT_EQ(got, (std::vector<std::string>{"h-", "g-", "j-", "g-", "g+210", "g+r650"}));
  const auto m = store.LoadMastery("Ann", {"g", "h", "j", "b", "t"}, 1000);
  EXPECT_EQ(m.at("g").chances, 4);
  EXPECT_EQ(m.at("g").medianTypingMs.value_or(0), 210);
  EXPECT_EQ(m.at("g").medianReactionMs.value_or(0), 650);
  EXPECT_EQ(m.at("b").chances + m.at("t").chances, 0);
}

TEST(PracticeStore, ReadsTheNewestChancesOfTheProfileWithAimedMisses) {
  TempDb t;
  std::vector<PendingRun> runs(2);
  runs[0].run = RunRecord{0, "Ann", 0, "Easy", "2026-01-01T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  runs[1].run = RunRecord{0, "Bob", 3, "Easy", "2026-01-01T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  // Old misses at g, then 30 quick hits: mastered on hits alone.
  for (int i = 0; i < 10; ++i) runs[0].shots.push_back(Shot("MISS", "g"));
  for (int i = 0; i < 30; ++i) runs[0].shots.push_back(Shot("POINT", "g", 600));
  runs[0].shots.push_back(Shot("MISS", "f", {}, "", true));     // forgiven
  runs[0].shots.push_back(Shot("CIVILIAN", "f"));                // townsfolk
  for (int i = 0; i < 40; ++i) runs[1].shots.push_back(Shot("MISS", "g"));  // another profile's
  t.db->Write(runs);

  PracticeStore store(*t.db);
  auto m = store.LoadMastery("Ann", {"g", "f"}, 1000);
  EXPECT_TRUE(m.at("g").mastered);
  EXPECT_EQ(m.at("g").chances, kMasteryWindow);
  EXPECT_EQ(m.at("f").chances, 0);

  // Two misses on h aimed at g are chances at g too: 28 of 30 is under 95 %.
  std::vector<PendingRun> more(1);
  more[0].run = RunRecord{0, "Ann", 0, "Easy", "2026-01-02T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  more[0].shots = {Shot("MISS", "h", {}, "g"), Shot("MISS", "h", {}, "g")};
  t.db->Write(more);
  m = store.LoadMastery("Ann", {"g", "h"}, 1000);
  EXPECT_FALSE(m.at("g").mastered);
  EXPECT_EQ(m.at("g").hits, 28);
  EXPECT_EQ(m.at("h").chances, 2);

  const std::vector<PracticeChance> run = store.RunChances(more[0].run.id);
  ASSERT_EQ(run.size(), 4u);
  EXPECT_EQ(run[1].position, "g");
  EXPECT_TRUE(run[1].aimedMiss);
}

// A history longer than the sweep: keys it left short are read one by one from their own
// indexes, and only ever the profile's own rows, though a newer profile's rows at the same key
// (by position, by character alone, or as misses aimed at it) come first in every index.
TEST(PracticeStore, ALongHistoryReadsEachShortKeyOfTheProfileAlone) {
  TempDb t;
  std::vector<PendingRun> runs(3);
  runs[0].run = RunRecord{0, "Ann", 0, "Easy", "2026-01-01T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  for (int i = 0; i < kMasteryWindow; ++i) runs[0].shots.push_back(Positioned(Shot("POINT", "g", 600)));
  runs[1].run = RunRecord{0, "Ann", 0, "Easy", "2026-01-02T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  for (int64_t i = 0; i < kMasteryChancesSwept; ++i) runs[1].shots.push_back(Positioned(Shot("POINT", "a", 500)));
  runs[2].run = RunRecord{0, "Bob", 0, "Easy", "2026-01-03T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  for (int i = 0; i < 10; ++i) {
    runs[2].shots.push_back(Positioned(Shot("MISS", "g")));
    runs[2].shots.push_back(Shot("MISS", "g"));  // an older record: its character, no position
    runs[2].shots.push_back(Positioned(Shot("MISS", "h", {}, "g")));
  }
  t.db->Write(runs);

  PracticeStore store(*t.db);
  const auto ann = store.LoadMastery("ann", {"g", "a"}, 1000);
  EXPECT_EQ(ann.at("g").chances, kMasteryWindow);
  EXPECT_EQ(ann.at("g").hits, kMasteryWindow);
  EXPECT_EQ(ann.at("g").medianReactionMs.value_or(0), 600);
  EXPECT_TRUE(ann.at("g").mastered);
  EXPECT_EQ(ann.at("a").hits, kMasteryWindow);
  // Bob's own chances at g are his 30 misses.
  const auto bob = store.LoadMastery("Bob", {"g"}, 1000);
  EXPECT_EQ(bob.at("g").chances, kMasteryWindow);
  EXPECT_EQ(bob.at("g").hits, 0);
}
