// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's learning typist: weak keys start slower and less sure, and every key gets
// faster and surer with its chances; slips land beside the key; it practises words over days.
#include "design/learning_typist.h"
#include "design/practice_sim.h"
#include "words/words_source.h"

#include <gtest/gtest.h>

TEST(LearningTypist, WeakKeysStartWorseAndEveryKeyImprovesWithChances) {
  LearningTypist t(*FindTypist("average"), LearningModel{}, {"g"}, 1);
  EXPECT_DOUBLE_EQ(t.MedianMs("f"), 900);
  EXPECT_DOUBLE_EQ(t.MedianMs("g"), 1500);
  EXPECT_GT(t.WrongChance("g"), t.WrongChance("f"));
  EXPECT_GT(t.LateChance("g"), 0.0);
  EXPECT_EQ(t.LateChance("f"), 0.0);
  const double before[] = {t.MedianMs("g"), t.WrongChance("g"), t.LateChance("g"), t.MedianMs("f"), t.WrongChance("f")};
  t.experience["g"] = 80;
  t.experience["f"] = 80;
  const double after[] = {t.MedianMs("g"), t.WrongChance("g"), t.LateChance("g"), t.MedianMs("f"), t.WrongChance("f")};
  for (int i = 0; i < 5; ++i) EXPECT_LT(after[i], before[i]) << i;
  t.experience["g"] = 100000;
  EXPECT_NEAR(t.MedianMs("g"), LearningModel{}.practisedMedianMs, 1e-6);
  EXPECT_NEAR(t.WrongChance("g"), LearningModel{}.practisedWrongChance, 1e-6);
}

TEST(LearningTypist, SlipsLandOnANeighbourOnTheSameRow) {
  Random random(3);
  const std::pair<const char*, std::set<std::string>> cases[] = {
      {"g", {"f", "h"}}, {"a", {"s"}}, {"/", {"."}}, {"1", {"2"}}, {";", {"l", "'"}}};
  for (const auto& [key, neighbours] : cases) {
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(neighbours.count(NeighbourKey(key, random))) << key;
  }
}

// Practice over days with word waves: the typist types the words of enemies letter by letter
// through level play, slips onto neighbours in them, reviews come due and are judged, and the
// word waves' rows give chances.
TEST(LearningTypist, PractisesWordsOverDaysWithReviewsJudged) {
  // Words of the first keys of the levels: d, f, j, k, s, l, a, g, h, i, e around a vowel.
  std::string text;
  for (char x : std::string("fdkjslaghie")) {
    for (char y : std::string("fdkjslaghie")) text += std::string{x, 'a', y} + "\n" + std::string{x, 'i', y} + "\n";
  }
  WordSource source;
  source.list = WordList::FromText(text);
  Simulator simulator(CONTENT_DIR);
  PracticeSimOptions options;
  options.weak = {"g", "h"};
  options.days = 3;
  options.maxMinutes = 3 * options.minutesPerDay;
  options.levels = false;
  options.words = &source;
  const PracticeSimResult result = SimulatePractice(simulator, CONTENT_DIR, options);
  EXPECT_EQ(result.days, 3);
  EXPECT_GT(result.drills, 30);
  // The keys of levels 1 and 2 start mastered and due on the second day.
  EXPECT_GT(result.reviewsPassed + result.reviewsFailed, 0);
  EXPECT_GT(result.wordChances, 0);
  EXPECT_LT(result.wordChances, result.chances);
  EXPECT_FALSE(result.runnerUps.empty());
  // A weak key gets most of its chances while it is not yet mastered.
  const KeyRates& g = result.keys.at("g");
  EXPECT_GT(g.unmasteredPracticePerMinute, 0);
  EXPECT_GE(g.unmasteredPracticePerMinute, g.practicePerMinute);
}
