// SPDX-License-Identifier: GPL-3.0-or-later
// The practice simulation's words per minute: drills of the learnt keys when words come for them,
// else of sixteen letters; the faster typist types more words a minute; the JSON carries them.
#include "design/practice_sim.h"
#include "words/word_list.h"

#include <gtest/gtest.h>

namespace {
const char* const kWords =
    "dash\nsad\nlad\nfall\nhall\nglad\nflask\njag\nflag\nhalf\nlash\nsag\nsea\nseal\nsell\nshed\nshe\nfeel\n"
    "heal\nlead\nfee\nsee\nkid\nask\nthe\ntie\nsit\nwish\nfish\ndish\nrug\nhug\ntug\njug\ndug\nhis\nher\n";
}

TEST(PracticeWordSpeeds, DrillTheLearntKeysWhenWordsComeForThemAndRankTheTypists) {
  const WordList list = WordList::FromText(kWords);
  PracticeSimResult result;
  result.goalKeys = {"f", "d", "k", "j", "s", "l", "a", "g", "h", "e"};
  const PracticeWordSpeeds learnt = MeasurePracticeWordSpeeds(result, list, WordLanguage::English, 5, 7);
  EXPECT_EQ(learnt.keys, result.goalKeys);
  ASSERT_EQ(learnt.wordsPerMinute.size(), 3u);
  EXPECT_EQ(learnt.wordsPerMinute[0].first, "novice");
  EXPECT_EQ(learnt.wordsPerMinute[2].first, "skilled");
  EXPECT_GT(learnt.wordsPerMinute[0].second, 0);
  EXPECT_LT(learnt.wordsPerMinute[0].second, learnt.wordsPerMinute[1].second);
  EXPECT_LT(learnt.wordsPerMinute[1].second, learnt.wordsPerMinute[2].second);
  const std::string json = PracticeSimJson(result, {}, &learnt);
  EXPECT_NE(json.find("\"word_keys\": \"fdkjslaghe\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"words_per_minute\": {\"novice\": "), std::string::npos) << json;
  EXPECT_EQ(json.back(), '\n');

  // The home row's keys without a vowel bring no word waves: sixteen letters are drilled instead.
  result.goalKeys = {"f", "d", "k", "j", "s", "l", ";"};
  const PracticeWordSpeeds fallback = MeasurePracticeWordSpeeds(result, list, WordLanguage::English, 2, 7);
  EXPECT_EQ(fallback.keys.size(), 16u);
  EXPECT_EQ(fallback.keys.front(), "a");
}
