// SPDX-License-Identifier: GPL-3.0-or-later
// A learner's practice session over a game folder and Progress.db: what the card says before a
// drill, the target kept per profile, and the reviews, masteries and joins a drill's stored run
// brings, with a fixed calendar day.
#include "practice/practice_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/random.h"
#include "practice/practice_store.h"
#include "progress/progress_database.h"
#include "core/level_counters.h"
#include "scratch_folder.h"

namespace {
constexpr int64_t kToday = 20400;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The test game, with Level2 bringing k and Level3 bringing d; Ann has mastered f and j, f is due
// today (interval 2), and k has joined and is being learnt.
struct SessionWorld {
  SessionWorld() {
    std::filesystem::copy(std::string(TEST_DATA_DIR) + "/game", dir,
                          std::filesystem::copy_options::recursive);
    for (const auto& [level, letter] : {std::pair{"Level2", "k"}, std::pair{"Level3", "d"}}) {
      const std::string to = dir + "/Maps/" + level;
      std::filesystem::copy(dir + "/Maps/Level1", to);
      std::string map = FileText(to + "/Map.ini");
      map.replace(map.find("letter=f"), 8, std::string("letter=") + letter);
      map.replace(map.find("letter=j"), 8, std::string("letter=") + letter);
      std::ofstream(to + "/Map.ini", std::ios::binary) << map;
    }
    db = std::make_unique<ProgressDatabase>(dir + "/Progress.db");
    db->Open();
    std::vector<PendingRun> runs(1);
    runs[0].run = RunRecord{0,
                            "Ann",
                            1,
                            "easy",
                            "2025-11-01T10:00:00Z",
                            60000,
                            kOutcomeFinished,
                            RunResult{80, 60, 0, 0, true}};
    for (int i = 0; i < 30; ++i) runs[0].shots.push_back(Shot("f", "POINT", 500));
    for (int i = 0; i < 30; ++i) runs[0].shots.push_back(Shot("j", "POINT", 500));
    for (int i = 0; i < 10; ++i) runs[0].shots.push_back(Shot("k", i % 2 ? "POINT" : "MISS", 500));
    db->Write(runs);
    PracticeState state;
    state.keys = {{"f", true, 2, kToday}, {"j", true, 4, kToday + 3}, {"k", false, 0, 0}};
    PracticeStore(*db).SaveState("Ann", state);
  }
  ~SessionWorld() { db.reset(); }

  static ShotRecord Shot(const char* key, const char* result, int64_t reaction) {
    const bool hit = std::string(result) == "POINT";
    return ShotRecord{1000,  key, result,
                      key,   key, hit ? std::optional<int64_t>(reaction) : std::nullopt,
                      false, key, ""};
  }
  PracticeSetup Setup() {
    PracticeSetup setup;
    setup.appDir = dir + "/";
    setup.dbPath = dir + "/Progress.db";
    setup.profile = "ann";
    setup.scriptPath = dir + "/Drill.ini";
    setup.today = [this] { return today; };
    setup.lastLevel = 3;
    return setup;
  }
  // A finished practice run with these shots, as the recorder stores one.
  void StoreDrill(std::vector<ShotRecord> shots) {
    std::vector<PendingRun> runs(1);
    runs[0].run = RunRecord{0,
                            "Ann",
                            0,
                            "easy",
                            "2025-11-02T10:00:00Z",
                            70000,
                            kOutcomeFinished,
                            RunResult{70, 20, 0, 0, true}};
    runs[0].shots.assign(shots.begin(), shots.end());
    db->Write(runs);
  }

  ScratchFolder scratch{"session"};
  const std::string dir = scratch.Path();
  std::unique_ptr<ProgressDatabase> db;
  int64_t today = kToday;
  Random random{5};
};

TEST(PracticeSession, TheCardNamesFocusNewAndDueKeysAndTheDrillsScriptIsWritten) {
  SessionWorld world;
  PracticeSession session(world.Setup(), world.random);
  const PracticeCardView& card = session.Prepare();
  ASSERT_EQ(card.keys.size(), 3u);
  EXPECT_EQ(card.focus, "k");
  EXPECT_EQ(card.newKey, "k");
  EXPECT_EQ(card.newKeyFinger, Finger::RightMiddle);
  EXPECT_EQ(card.due, std::vector<std::string>{"f"});
  EXPECT_TRUE(card.leftOut.empty());
  EXPECT_EQ(card.targetMs, kDefaultTargetReactionMs);
  EXPECT_TRUE(card.keys[0].mastered && card.keys[0].due);
  EXPECT_DOUBLE_EQ(card.keys[0].mastery.score, 1.0);
  EXPECT_FALSE(card.keys[2].mastered);
  EXPECT_LT(card.keys[2].mastery.score, 1.0);
  ASSERT_NE(session.Drill(), nullptr);
  EXPECT_EQ(FileText(world.dir + "/Drill.ini"), session.Drill()->Plan().scriptText);
  EXPECT_FALSE(session.Drill()->Plan().scriptText.empty());
}

TEST(PracticeSession, PlusAndMinusKeepTheTargetsPerProfileAndJudgeTheKeysByThem) {
  SessionWorld world;
  PracticeSession session(world.Setup(), world.random);
  session.Prepare();
  EXPECT_EQ(session.Card().typingTargetMs, kDefaultTargetTypingMs);
  session.ChangeTarget(SpeedTarget::Reaction, -10);  // no faster than 700 ms: f and j, hit in 500 ms, stay mastered
  EXPECT_EQ(session.Card().targetMs, kMinTargetReactionMs);
  EXPECT_DOUBLE_EQ(session.Card().Find("f")->mastery.score, 1.0);
  session.ChangeTarget(SpeedTarget::Reaction, +1);
  session.ChangeTarget(SpeedTarget::Typing, -2);
  EXPECT_EQ(PracticeStore(*world.db).Targets("Ann").reactionMs, kMinTargetReactionMs + kTargetStepMs);
  EXPECT_EQ(PracticeStore(*world.db).Targets("Ann").typingMs, kDefaultTargetTypingMs - 2 * kTypingStepMs);
  PracticeSession next(world.Setup(), world.random);
  EXPECT_EQ(next.Prepare().targetMs, kMinTargetReactionMs + kTargetStepMs);
  EXPECT_EQ(next.Card().typingTargetMs, kDefaultTargetTypingMs - 2 * kTypingStepMs);
}

// f passes its review (10 quick hits), k is mastered (30 quick hits), so every key is: d joins.
TEST(PracticeSession, TheDrillsRunPassesReviewsMastersKeysAndLetsTheNextKeyJoin) {
  SessionWorld world;
  PracticeSession session(world.Setup(), world.random);
  session.Prepare();
  std::vector<ShotRecord> shots;
  for (int i = 0; i < 10; ++i) shots.push_back(SessionWorld::Shot("f", "POINT", 450));
  for (int i = 0; i < 30; ++i) shots.push_back(SessionWorld::Shot("k", "POINT", 600));
  world.StoreDrill(shots);
  LevelCounters counters;
  counters.Hits = 40;
  counters.Misses = 2;
  const PracticeResultView& results = session.Finish(counters);
  EXPECT_EQ(results.hits, 40);
  EXPECT_EQ(results.misses, 2);
  EXPECT_EQ(results.events.reviewsPassed, std::vector<std::string>{"f"});
  EXPECT_EQ(results.events.mastered, std::vector<std::string>{"k"});
  EXPECT_EQ(results.events.joined, std::vector<std::string>{"d"});
  EXPECT_EQ(results.joinedTyped, "d");
  EXPECT_EQ(results.joinedFinger, Finger::LeftMiddle);
  ASSERT_EQ(results.keys.size(), 4u);
  const PracticeResultKey& f = results.keys[0];
  EXPECT_EQ(f.chances, 10);
  EXPECT_EQ(f.nextReviewDay, kToday + 4);  // the interval doubled from 2 days
  const PracticeResultKey& k = results.keys[2];
  EXPECT_FALSE(k.masteredBefore);
  EXPECT_TRUE(k.masteredAfter);
  EXPECT_LT(k.before, 1.0);
  EXPECT_DOUBLE_EQ(k.after, 1.0);
  EXPECT_EQ(k.nextReviewDay, kToday + 1);
  EXPECT_EQ(results.keys[3].position, "d");
  EXPECT_FALSE(results.keys[3].nextReviewDay.has_value());
  EXPECT_FALSE(results.wordsPerMinute.has_value());
  // Stored: the next session starts from here.
  const PracticeState state = PracticeStore(*world.db).LoadState("Ann");
  ASSERT_EQ(state.keys.size(), 4u);
  EXPECT_EQ(state.Find("f")->dueDay, kToday + 4);
  EXPECT_TRUE(state.Find("k")->mastered);
}

// A due key with fewer than 10 chances in the drill stays due; the day the drill ends counts.
TEST(PracticeSession, AReviewWithTooFewChancesWaitsForTheNextDrill) {
  SessionWorld world;
  world.today = kToday - 1;  // f is not due yet when the card shows
  PracticeSession session(world.Setup(), world.random);
  EXPECT_TRUE(session.Prepare().due.empty());
  world.today = kToday;  // the drill ends after midnight: f is due now
  std::vector<ShotRecord> shots;
  for (int i = 0; i < 9; ++i) shots.push_back(SessionWorld::Shot("f", "MISS", 0));
  world.StoreDrill(shots);
  const PracticeResultView& results = session.Finish(LevelCounters{});
  EXPECT_TRUE(results.events.reviewsFailed.empty());
  EXPECT_TRUE(results.events.reviewsPassed.empty());
  EXPECT_EQ(results.keys[0].nextReviewDay, kToday);
  EXPECT_TRUE(results.keys[0].masteredAfter);
}
}  // namespace

// The card warns when the focus key's recent times are twice the target or more, and no longer
// once the target is within reach.
TEST(PracticeSession, TheCardSaysWhenTheFocusKeysTimesAreFarFromTheTarget) {
  SessionWorld world;
  PracticeSession session(world.Setup(), world.random);
  EXPECT_FALSE(session.Prepare().farFromTarget);  // k: 5 hits, too few to tell
  std::vector<ShotRecord> slow;
  for (int i = 0; i < 10; ++i) slow.push_back(SessionWorld::Shot("k", "POINT", 2500));
  world.StoreDrill(slow);
  PracticeSession later(world.Setup(), world.random);
  ASSERT_EQ(later.Prepare().focus, "k");
  EXPECT_TRUE(later.Card().farFromTarget);
  later.ChangeTarget(SpeedTarget::Reaction, +10);  // 1500 ms: 2500 ms is no longer twice it
  EXPECT_FALSE(later.Card().farFromTarget);
}
