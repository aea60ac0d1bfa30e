// SPDX-License-Identifier: GPL-3.0-or-later
// Practice rules: chances, mastery by accuracy and speed together, the key set and its order,
// reviews over days, the focus key.
#include "platform/xkb_key_tables.h"
#include "practice/key_order.h"
#include "practice/key_schedule.h"
#include "practice/mastery.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// hits and misses, newest first, the misses spread through them, every hit at reactionMs.
std::vector<PracticeChance> Chances(const std::string& key, int hits, int misses, int64_t reactionMs) {
  const int total = hits + misses;
  std::vector<PracticeChance> chances;
  for (int i = 0; i < total; ++i) {
    const bool hit = (i * misses) / total == ((i + 1) * misses) / total;
    chances.push_back({key, hit, hit ? std::optional<int64_t>(reactionMs) : std::nullopt, false, 1, std::nullopt});
  }
  return chances;
}

std::map<std::string, KeyMastery> Mastered(const std::vector<std::string>& keys, bool mastered = true) {
  std::map<std::string, KeyMastery> m;
  for (const std::string& key : keys) {
    KeyMastery km;
    km.position = key;
    km.mastered = mastered;
    km.score = mastered ? 1.0 : 0.5;
    km.chances = 30;
    m[key] = km;
  }
  return m;
}

UsableKeys TwoLevels() {
  UsableKeys u;
  for (const char* k : {"f", "d", "k", "j"}) u.keys.push_back({k, 1});
  for (const char* k : {"s", ";", "l", "a"}) u.keys.push_back({k, 2});
  return u;
}

std::vector<std::string> Positions(const PracticeState& s) {
  std::vector<std::string> p;
  for (const auto& k : s.keys) p.push_back(k.position);
  return p;
}

}  // namespace

TEST(PracticeMastery, NeedsAccuracyAndSpeedTogetherOverAFullWindow) {
  struct Case {
    const char* what;
    int hits, misses;
    int64_t reactionMs;
    bool mastered;
  } cases[] = {
      {"accurate and fast", 30, 0, 800, true},
      {"accurate but slow", 30, 0, 1100, false},
      {"fast but inaccurate", 27, 3, 500, false},
      {"one slip, at the target", 29, 1, 1000, true},
      {"two slips in 30 is under 95 %", 28, 2, 500, false},
      {"too few chances", 19, 0, 500, false},
      {"no chances", 0, 0, 500, false},
  };
  for (const Case& c : cases) {
    const KeyMastery m = MasteryOf("g", Chances("g", c.hits, c.misses, c.reactionMs), 1000);
    EXPECT_EQ(m.mastered, c.mastered) << c.what;
    EXPECT_EQ(m.score == 1.0, c.mastered) << c.what << " score " << m.score;
    EXPECT_GE(m.score, 0.0) << c.what;
  }
}

TEST(PracticeMastery, OnlyTheRecentWindowCountsAndTheScoreMovesWithBothMeasures) {
  // 30 recent perfect chances after 20 old misses: mastered.
  std::vector<PracticeChance> recent = Chances("f", 30, 0, 600);
  const std::vector<PracticeChance> old = Chances("f", 0, 20, 600);
  recent.insert(recent.end(), old.begin(), old.end());
  EXPECT_TRUE(MasteryOf("f", recent, 1000).mastered);
  EXPECT_EQ(MasteryOf("f", recent, 1000).chances, kMasteryWindow);

  const double slowAccurate = MasteryOf("f", Chances("f", 30, 0, 2000), 1000).score;
  const double fasterAccurate = MasteryOf("f", Chances("f", 30, 0, 1500), 1000).score;
  const double fasterLessAccurate = MasteryOf("f", Chances("f", 24, 6, 1500), 1000).score;
  const double fewer = MasteryOf("f", Chances("f", 15, 0, 1500), 1000).score;
  EXPECT_LT(slowAccurate, fasterAccurate);
  EXPECT_LT(fasterLessAccurate, fasterAccurate);
  EXPECT_LT(fewer, fasterAccurate);
  EXPECT_GT(fasterLessAccurate, 0.0);
}

TEST(PracticeMastery, TheTargetsMoveByTheirStepsAndNeverFasterThanTheSkilledTypist) {
  EXPECT_EQ(AdjustTarget(1000, 1), 1050);
  EXPECT_EQ(AdjustTarget(1000, -1), 950);
  EXPECT_EQ(AdjustTarget(1000, -100), 700);
  EXPECT_EQ(AdjustTarget(300, 0), 700);  // a target an older game allowed is raised
  EXPECT_EQ(AdjustTarget(kMaxTargetReactionMs, 3), kMaxTargetReactionMs);
  EXPECT_EQ(AdjustTarget(INT64_MAX, 0), kMaxTargetReactionMs);
  EXPECT_EQ(AdjustTarget(1000, INT32_MIN), kMinTargetReactionMs);
  EXPECT_EQ(AdjustTypingTarget(kDefaultTargetTypingMs, -1), kDefaultTargetTypingMs - kTypingStepMs);
  EXPECT_EQ(AdjustTypingTarget(kDefaultTargetTypingMs, -100), 200);
  EXPECT_EQ(AdjustTypingTarget(INT64_MIN, 0), kMinTargetTypingMs);
  EXPECT_EQ(AdjustTypingTarget(kDefaultTargetTypingMs, 1000), kMaxTargetTypingMs);
}

// Reaction in letter waves and typing in words, each against its own target (1000 and 400 ms).
TEST(PracticeMastery, LetterWaveHitsAndWordLettersCountEachAgainstItsOwnTarget) {
  struct Case {
    const char* what;
    int reactions;  // letter-wave hits at reactionMs
    int64_t reactionMs;
    int letters;  // word letters typed right at typingMs (-1: without a time)
    int64_t typingMs;
    int misses;
    bool mastered;
  } cases[] = {
      {"30 letters in words at 60 words a minute", 0, 0, 30, 200, 0, true},
      {"30 letter-wave hits", 30, 800, 0, 0, 0, true},
      {"both", 15, 900, 15, 350, 0, true},
      {"words typed slowly", 0, 0, 30, 500, 0, false},
      {"fast reactions do not hide slow typing", 15, 800, 15, 500, 0, false},
      {"both, with a slip", 15, 800, 14, 300, 1, true},
      {"words without a time (completed before letters were timed)", 0, 0, 30, -1, 0, false},
  };
  for (const Case& c : cases) {
    std::vector<PracticeChance> newestFirst;
    for (int i = 0; i < c.reactions; ++i) newestFirst.push_back({"g", true, c.reactionMs, false, 1, std::nullopt});
    for (int i = 0; i < c.letters; ++i) {
      newestFirst.push_back({"g", true, std::nullopt, false, 1,
                             c.typingMs >= 0 ? std::optional<int64_t>(c.typingMs) : std::nullopt});
    }
    for (int i = 0; i < c.misses; ++i) newestFirst.push_back({"g", false, std::nullopt, false, 1, std::nullopt});
    const KeyMastery m = MasteryOf("g", newestFirst, SpeedTargets(1000, 400));
    EXPECT_EQ(m.mastered, c.mastered) << c.what;
    EXPECT_EQ(m.chances, kMasteryWindow) << c.what;
  }
}

TEST(PracticeReviews, ForgiveOneMissInTwentyAtTheSpeedTargets) {
  struct Case {
    int hits, chances;
    int64_t speedPerMille;
    bool passed;
  } cases[] = {
      {12, 12, 900, true}, {11, 12, 900, true},  {10, 12, 900, false},  {11, 12, 1100, false},
      {9, 10, 1000, true}, {38, 40, 1000, true}, {37, 40, 1000, false}, {9, 9, 500, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PassesReview(c.hits, c.chances, c.speedPerMille), c.passed) << c.hits << " of " << c.chances;
  }
  // Through a practice: one slip in 12 quick chances passes the review, two fail it.
  const UsableKeys usable = TwoLevels();
  for (int misses : {1, 2}) {
    PracticeState state;
    Settle(state, usable, Mastered({"f"}), 100);
    const PracticeEvents e =
        AfterPractice(state, usable, Mastered({"f"}), Chances("f", 12 - misses, misses, 700), 101, 1000);
    EXPECT_EQ(e.reviewsPassed.size(), misses == 1 ? 1u : 0u) << misses;
    EXPECT_EQ(state.Find("f")->mastered, misses == 1) << misses;
  }
}

TEST(PracticeReviews, APassLateEarnsTheTimeThatPassedAndABackwardClockNoNegativeDays) {
  struct Case {
    const char* what;
    int32_t interval;
    int64_t due, today;
    int32_t next;
  } cases[] = {
      {"first review on time", 1, 101, 101, 2},
      {"on time again", 4, 108, 108, 8},
      {"a day late", 2, 103, 104, 6},
      {"thirty days late", 1, 101, 130, 60},
      {"a year late", 64, 200, 800, 365},
      {"the clock went back before the last judgement", 2, 103, 90, 4},
  };
  for (const Case& c : cases) {
    const KeyProgress key{"f", true, c.interval, c.due};
    EXPECT_EQ(NextReviewInterval(key, c.today), c.next) << c.what;
  }
}

TEST(PracticeKeySet, StartsWithTheFirstLevelAndTheNextKeyJoinsWhenAllAreMastered) {
  const UsableKeys usable = TwoLevels();
  PracticeState state;
  PracticeEvents e = Settle(state, usable, {}, 100);
  EXPECT_EQ(Positions(state), (std::vector<std::string>{"f", "d", "k", "j"}));
  EXPECT_EQ(e.joined.size(), 4u);

  // Three of four mastered: nothing joins.
  e = Settle(state, usable, Mastered({"f", "d", "k"}), 100);
  EXPECT_EQ(state.keys.size(), 4u);
  EXPECT_TRUE(e.joined.empty());
  EXPECT_EQ(e.mastered, (std::vector<std::string>{"f", "d", "k"}));
  // All four: s joins, and only s, as it is not mastered yet.
  e = Settle(state, usable, Mastered({"f", "d", "k", "j"}), 101);
  EXPECT_EQ(e.joined, (std::vector<std::string>{"s"}));
  EXPECT_EQ(NewKey(state, usable), "s");
  // s mastered: ; joins.
  e = Settle(state, usable, Mastered({"f", "d", "k", "j", "s"}), 102);
  EXPECT_EQ(e.joined, (std::vector<std::string>{";"}));
}

// A key that joined the set on another layout and cannot be typed on this one stays stored as it
// was: it neither holds back the next key nor is mastered by records from before.
TEST(PracticeKeySet, AStoredKeyTheLayoutCannotTypeIsPassedOver) {
  const UsableKeys usable = TwoLevels();  // y is not among them
  const struct {
    const char* what;
    std::vector<std::string> masteredByRecords;
  } cases[] = {
      {"y without records", {"f", "d", "k", "j"}},
      {"y mastered on the earlier layout", {"f", "d", "k", "j", "y"}},
  };
  for (const auto& c : cases) {
    PracticeState state;
    state.keys = {{"f", true, 1, 101}, {"d", true, 1, 101}, {"y", false, 0, 0}, {"k", true, 1, 101}, {"j", true, 1, 101}};
    const PracticeEvents e = Settle(state, usable, Mastered(c.masteredByRecords), 100);
    EXPECT_EQ(e.joined, (std::vector<std::string>{"s"})) << c.what;
    EXPECT_TRUE(e.mastered.empty()) << c.what;
    ASSERT_NE(state.Find("y"), nullptr) << c.what;
    EXPECT_FALSE(state.Find("y")->mastered) << c.what;
    EXPECT_EQ(state.Find("y")->dueDay, 0) << c.what;
  }
}

TEST(PracticeKeySet, ReviewsAcrossDaysPassDoubleFailReturnAndTooFewChancesStayDue) {
  const UsableKeys usable = TwoLevels();
  const int64_t target = 1000;
  PracticeState state;
  Settle(state, usable, Mastered({"f"}), 100);
  const KeyProgress* f = state.Find("f");
  ASSERT_TRUE(f);
  EXPECT_TRUE(f->mastered);
  EXPECT_EQ(f->dueDay, 101);
  EXPECT_FALSE(IsDue(*f, 100));

  struct Step {
    const char* what;
    int64_t day;
    int hits, misses;
    int64_t reactionMs;
    bool mastered;
    int32_t interval;
    int64_t due;
  } steps[] = {
      {"not due yet: chances change nothing", 100, 5, 5, 3000, true, 1, 101},
      {"due and passed: interval doubles", 101, 12, 0, 700, true, 2, 103},
      {"the day between", 102, 12, 0, 700, true, 2, 103},
      {"due, too few chances: stays due", 103, 9, 0, 700, true, 2, 103},
      {"passed at exactly 10 chances and the target", 103, 10, 0, 1000, true, 4, 107},
      {"passed again", 107, 10, 0, 900, true, 8, 115},
      {"failed by speed alone", 115, 10, 0, 1100, false, 0, 0},
  };
  for (const Step& s : steps) {
    AfterPractice(state, usable, Mastered({"f"}), Chances("f", s.hits, s.misses, s.reactionMs), s.day, target);
    f = state.Find("f");
    EXPECT_EQ(f->mastered, s.mastered) << s.what;
    EXPECT_EQ(f->intervalDays, s.interval) << s.what;
    if (s.mastered) {
      EXPECT_EQ(f->dueDay, s.due) << s.what;
    }
  }
  // Mastered again on a later day: first review one day later.
  Settle(state, usable, Mastered({"f"}), 120);
  EXPECT_TRUE(state.Find("f")->mastered);
  EXPECT_EQ(state.Find("f")->dueDay, 121);
  // Failed by accuracy alone: two misses in 11.
  PracticeEvents e = AfterPractice(state, usable, Mastered({"f"}), Chances("f", 9, 2, 500), 121, target);
  EXPECT_EQ(e.reviewsFailed, (std::vector<std::string>{"f"}));
  EXPECT_FALSE(state.Find("f")->mastered);
  EXPECT_EQ(DueKeys(state, 200), std::vector<std::string>{});
}

TEST(PracticeKeySet, TheFocusIsTheLeastMasteredKey) {
  PracticeState state;
  for (const char* k : {"f", "d", "k", "j"}) state.keys.push_back({k, false, 0, 0});
  std::map<std::string, KeyMastery> m;
  auto set = [&](const std::string& k, double score, int chances) {
    m[k].position = k;
    m[k].score = score;
    m[k].chances = chances;
  };
  set("f", 0.8, 30);
  set("d", 0.3, 30);
  set("k", 0.3, 12);
  set("j", 0.9, 30);
  EXPECT_EQ(FocusKey(state, m, 10), "k");  // equal score: the one with fewer chances
  set("k", 0.5, 12);
  EXPECT_EQ(FocusKey(state, m, 10), "d");
  // A mastered key is not the focus while others are not mastered, however its score reads.
  state.Find("d")->mastered = true;
  state.Find("d")->dueDay = 20;
  EXPECT_EQ(FocusKey(state, m, 10), "k");
  // All mastered: the due one.
  for (auto& k : state.keys) {
    k.mastered = true;
    k.dueDay = 30;
  }
  state.Find("j")->dueDay = 10;
  EXPECT_EQ(FocusKey(state, m, 10), "j");
  EXPECT_EQ(FocusKey(PracticeState{}, m, 10), "");
}

TEST(PracticeKeyOrder, FollowsTheLevelsByPositionOnUsDeAndFr) {
  const std::vector<KeyIntroduction> order = KeyIntroductions(std::string(CONTENT_DIR) + "/");
  ASSERT_GE(order.size(), 12u);
  std::vector<std::string> first;
  for (size_t i = 0; i < 12; ++i) first.push_back(order[i].position);
  EXPECT_EQ(first, (std::vector<std::string>{"f", "d", "k", "j", "s", ";", "l", "a", "g", "h", "i", "e"}));
  EXPECT_EQ(order[4].level, 2);
  EXPECT_EQ(order[8].level, 3);
  struct Case {
    const char* layout;
    const char* position;
    const char* types;
  } cases[] = {{"us", ";", ";"}, {"de", ";", "ö"}, {"de", "y", "z"}, {"fr", "a", "q"}, {"fr", ";", "m"}};
  for (const Case& c : cases) {
    const std::optional<KeyTable> table = KeyTableForLayout(c.layout);
    ASSERT_TRUE(table) << c.layout;
    EXPECT_EQ(TypedCharacter(c.position, &*table), c.types) << c.layout;
  }
}

TEST(PracticeKeyOrder, TheLayoutsOwnLetterKeysJoinAfterBBeforeTheDigits) {
  const std::vector<KeyIntroduction> order = KeyIntroductions(std::string(CONTENT_DIR) + "/");
  const auto b = std::find_if(order.begin(), order.end(), [](const KeyIntroduction& k) { return k.position == "b"; });
  ASSERT_NE(b, order.end());
  ASSERT_EQ((b + 1)->position, "4");
  const auto afterB = static_cast<size_t>(b - order.begin()) + 1;
  int lastLevel = 0;
  for (const KeyIntroduction& k : order) lastLevel = std::max(lastLevel, k.level);
  struct Case {
    const char* layout;
    std::vector<std::string> joining;  // positions, in order
    std::vector<std::string> typing;   // what they type
  } cases[] = {{"us", {}, {}},
               {"de", {"'", "[", "-"}, {"ä", "ü", "ß"}},
               {"fr", {"'"}, {"ù"}},
               {"es", {"\\"}, {"ç"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layout);
    const std::optional<KeyTable> table = KeyTableForLayout(c.layout);
    ASSERT_TRUE(table);
    const UsableKeys usable = UsableKeysOf(order, &*table);
    EXPECT_TRUE(usable.leftOut.empty());
    // The levels' positions keep their order; the layout's own letters come right after b.
    std::vector<std::string> expected;
    for (size_t i = 0; i < order.size(); ++i) {
      if (i == afterB) expected.insert(expected.end(), c.joining.begin(), c.joining.end());
      expected.push_back(order[i].position);
    }
    std::vector<std::string> got, typed;
    for (const KeyIntroduction& k : usable.keys) got.push_back(k.position);
    EXPECT_EQ(got, expected);
    for (const std::string& p : c.joining) typed.push_back(TypedCharacter(p, &*table));
    EXPECT_EQ(typed, c.typing);
    // No level brings them: they count as after the last level, never among the first keys.
    for (size_t i = 0; i < c.joining.size(); ++i) EXPECT_EQ(usable.keys[afterB + i].level, lastLevel + 1);
    PracticeState state;
    Settle(state, usable, {}, 1);
    ASSERT_EQ(state.keys.size(), 4u);
    EXPECT_EQ(state.keys.front().position, "f");
  }
  // A game whose levels bring f alone: every other letter is the layout's own, and still the
  // set starts with f alone.
  const std::optional<KeyTable> us = KeyTableForLayout("us");
  ASSERT_TRUE(us);
  const UsableKeys onlyF = UsableKeysOf({{"f", 1}}, &*us);
  EXPECT_EQ(onlyF.keys.size(), 26u);
  PracticeState state;
  Settle(state, onlyF, {}, 1);
  ASSERT_EQ(state.keys.size(), 1u);
  EXPECT_EQ(state.keys.front().position, "f");
}

TEST(PracticeKeyOrder, KeysALayoutCannotTypeOrTypesTwiceAreLeftOut) {
  const std::vector<KeyIntroduction> order = KeyIntroductions(std::string(CONTENT_DIR) + "/");
  const std::optional<KeyTable> tamil = KeyTableForLayout("in(tam)");
  ASSERT_TRUE(tamil);
  const UsableKeys usable = UsableKeysOf(order, &*tamil);
  std::vector<std::string> left;
  for (const LeftOutKey& k : usable.leftOut) left.push_back(k.position);
  for (const char* key : {"y", "i", "o"}) {
    EXPECT_NE(std::find(left.begin(), left.end(), key), left.end()) << key;
    EXPECT_FALSE(std::any_of(usable.keys.begin(), usable.keys.end(), [&](const auto& k) { return k.position == key; }));
  }
  EXPECT_EQ(usable.keys.size() + usable.leftOut.size(), order.size());
  // The set never waits on a key left out: with every usable key mastered, all have joined.
  PracticeState state;
  std::vector<std::string> all;
  for (const auto& k : usable.keys) all.push_back(k.position);
  Settle(state, usable, Mastered(all), 1);
  EXPECT_EQ(state.keys.size(), usable.keys.size());

  // Two keys typing one character: the later one is left out.
  KeyTable twins;
  twins.Set("f", {KeyTyped::Kind::Character, "f", "f"});
  twins.Set("d", {KeyTyped::Kind::Character, "f", "f"});
  twins.Set("k", {KeyTyped::Kind::DeadKey, "", "dead_acute"});
  const UsableKeys u = UsableKeysOf({{"f", 1}, {"d", 1}, {"k", 1}}, &twins);
  ASSERT_EQ(u.keys.size(), 1u);
  ASSERT_EQ(u.leftOut.size(), 2u);
  EXPECT_EQ(u.leftOut[0].reason, "types the same character as f");
  EXPECT_EQ(u.leftOut[1].reason, "types nothing");
}
