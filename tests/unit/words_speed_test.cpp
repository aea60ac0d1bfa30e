// SPDX-License-Identifier: GPL-3.0-or-later
// Words per minute, word accuracy, ready time and letter-pair times, on a drill worked out by hand;
// the simulated typists' word drills.
#include "design/word_drill_sim.h"
#include "design/word_sample.h"
#include "words/words_choice.h"
#include "words/words_speed.h"

#include <gtest/gtest.h>

namespace {

WordKeyRecord Key(int64_t atMs, const char* key, int figure, size_t position, size_t completed = 0, bool enemy = false) {
  WordKeyRecord record;
  record.atMs = atMs;
  record.key = key;
  record.continued = true;
  record.figure = figure;
  record.position = position;
  record.completedLetters = completed;
  record.enemy = enemy;
  return record;
}

WordKeyRecord Miss(int64_t atMs, const char* key, int figure) {
  WordKeyRecord record;
  record.atMs = atMs;
  record.key = key;
  record.figure = figure;
  return record;
}

// An enemy's "flask", a stray x, a townsperson's "sad", and an enemy's "had" with a slip in it.
std::vector<WordKeyRecord> Drill() {
  return {Key(1000, "f", 1, 0),         Key(1200, "l", 1, 1), Key(1500, "a", 1, 2), Key(1700, "s", 1, 3),
          Key(2000, "k", 1, 4, 5, true), Miss(2500, "x", -1),  Key(3000, "s", 2, 0), Key(3300, "a", 2, 1),
          Key(3500, "d", 2, 2, 3, false), Key(4000, "h", 3, 0), Key(4200, "a", 3, 1), Miss(4400, "x", 3),
          Key(4600, "d", 3, 2, 3, true)};
}

TEST(WordSpeed, ScriptedDrillWorkedOutByHand) {
  // Words stand ready from 0 to 30 s with a pause from 10 to 15 s, then none until 40 s, then
  // 5 s more: 10 + 15 + 5 = 30 s of ready time.
  WordReadyClock ready;
  ready.Update(0, true, false);
  ready.Update(10000, true, true);
  ready.Update(15000, true, false);
  ready.Update(30000, false, false);
  ready.Update(40000, true, false);
  ready.Update(45000, false, false);
  ready.Update(45000, false, false);
  EXPECT_EQ(ready.ReadyMs(), 30000);

  const WordSpeed speed = MeasureWordSpeed(Drill(), ready.ReadyMs());
  // Enemies' words: flask and had, 8 letters and 2 spaces = 10 characters, 2 words of five, in
  // half a minute: 4 words per minute. The townsperson's "sad" does not count.
  EXPECT_EQ(speed.enemyWords, 2);
  EXPECT_EQ(speed.enemyLetters, 8);
  EXPECT_DOUBLE_EQ(speed.wordsPerMinute, 4.0);
  // 13 letters typed, 11 of them picked or continued a word.
  EXPECT_EQ(speed.lettersTyped, 13);
  EXPECT_EQ(speed.lettersContinued, 11);
  EXPECT_DOUBLE_EQ(speed.accuracy, 11.0 / 13.0);

  const WordSpeed idle = MeasureWordSpeed({}, 0);
  EXPECT_EQ(idle.wordsPerMinute, 0);
  EXPECT_EQ(idle.accuracy, 0);
}

TEST(WordSpeed, LetterPairTimesSkipWordStartsAndCorrections) {
  std::vector<std::tuple<std::string, std::string, int64_t>> pairs;
  for (const LetterPairTime& time : LetterPairTimes(Drill())) pairs.emplace_back(time.from, time.to, time.ms);
  // "had": the a-d pair had a slip between its letters and is left out.
  const std::vector<std::tuple<std::string, std::string, int64_t>> expected = {
      {"f", "l", 200}, {"l", "a", 300}, {"a", "s", 200}, {"s", "k", 300},
      {"s", "a", 300}, {"a", "d", 200}, {"h", "a", 200}};
  EXPECT_EQ(pairs, expected);
}

TEST(WordSpeed, PairsToPractiseAreMarkedlySlowerThanTheLearnersMedianPair) {
  std::vector<LetterPairTime> times;
  auto add = [&](const char* from, const char* to, std::vector<int64_t> samples) {
    for (int64_t ms : samples) times.push_back(LetterPairTime{from, to, ms});
  };
  add("a", "b", {100, 200, 300, 400, 500});            // median 300
  add("c", "d", {900, 900, 900, 900});                 // too few samples
  add("e", "f", {400, 400, 100, 900, 900, 900});       // lower median 400
  add("g", "h", {300, 300, 300, 300, 300});            // 300, ties with a-b: by keys
  add("i", "j", {300, 300, 300, 300, 300, 300, 300});  // 300 with more samples: after both
  for (const char* to : {"k", "l", "m", "n", "o"}) add("z", to, {150, 150, 150, 150, 150});
  // The learner's median pair is 150 ms: slow from 200 ms.
  const std::vector<SlowPair> slow = PairsToPractise(times, 5);
  ASSERT_EQ(slow.size(), 4u);
  EXPECT_EQ(slow[0].from + slow[0].to, "ef");
  EXPECT_EQ(slow[0].medianMs, 400);
  EXPECT_EQ(slow[0].samples, 6u);
  EXPECT_EQ(slow[1].from + slow[1].to, "ab");
  EXPECT_EQ(slow[2].from + slow[2].to, "gh");
  EXPECT_EQ(slow[3].from + slow[3].to, "ij");
  EXPECT_EQ(PairsToPractise(times, 2).size(), 2u);
  EXPECT_EQ(PairsToPractise(times, 5, 4).size(), 5u);  // c-d joins with four samples enough

  // Pairs typed in 77 to 81 ms are all alike: none is slow, however they sort.
  times.clear();
  int64_t ms = 77;
  for (const char* to : {"k", "l", "m", "n", "o"}) add("a", to, {ms, ms, ms, ms, ms}), ++ms;
  EXPECT_TRUE(PairsToPractise(times).empty());
  add("a", "p", {131, 131, 131, 131, 131});  // the learner's median pair is now 80: slow from 130
  add("a", "q", {129, 129, 129, 129, 129});  // just under
  ASSERT_EQ(PairsToPractise(times).size(), 1u);
  EXPECT_EQ(PairsToPractise(times)[0].to, "p");
}

TEST(WordDrillSimulation, FingersAndHandsSetThePairTimes) {
  struct Case {
    const char* from;
    const char* to;
    double factor;
  };
  for (const Case c : {Case{"f", "j", 0.85}, Case{"a", "s", 1.15}, Case{"f", "g", 1.6}, Case{"d", "e", 1.6},
                       Case{"k", "k", 1.0}, Case{";", "p", 1.6}, Case{"t", "y", 0.85}}) {
    EXPECT_DOUBLE_EQ(WordPairFactor(c.from, c.to), c.factor) << c.from << c.to;
  }
}

TEST(WordDrillSimulation, FasterTypistsTypeMoreWordsAndTheSameSeedReplays) {
  const WordList list = WordList::FromText(
      "add\nall\nask\nfall\nflask\nglad\nhad\nhall\nhash\nlad\nsad\nsalad\nshall\nslash\ndash\ngash\njag\n"
      "flag\nhalf\nlash\nlass\nsag\nskald\ndead\nsea\nseal\nsell\nshed\nshe\nfeel\nheal\nlead\nleash\n");
  std::vector<std::string> keys;
  std::string problem;
  ASSERT_TRUE(ParseKeySet("asdfjklghe", keys, problem)) << problem;
  WordKeys wordKeys;
  wordKeys.keys = keys;
  wordKeys.focus = "a";
  wordKeys.typed = TypedAsUs(keys);
  WordChooser chooser(list, WordLanguage::English, wordKeys);
  const std::vector<TypistWordSpeed> speeds = MeasureTypistWordSpeed(BuiltInTypists(), chooser, 5, 1);
  ASSERT_EQ(speeds.size(), 3u);
  EXPECT_GT(speeds[0].medianWpm, 0);
  EXPECT_LT(speeds[0].medianWpm, speeds[1].medianWpm);
  EXPECT_LT(speeds[1].medianWpm, speeds[2].medianWpm);
  EXPECT_GT(speeds[2].meanAccuracy, speeds[0].meanAccuracy);

  const TypistProfile average = BuiltInTypists()[1];
  const WordDrillResult a = SimulateWordDrill(average, chooser, WordDrillSettings{}, 42);
  const WordDrillResult b = SimulateWordDrill(average, chooser, WordDrillSettings{}, 42);
  EXPECT_EQ(a.records.size(), b.records.size());
  EXPECT_EQ(a.readyMs, b.readyMs);
  EXPECT_GT(a.speed.enemyWords, 10);
  // The records are the word-typing rules' own: each completed word's letters went to one figure.
  for (const WordKeyRecord& record : a.records) {
    if (record.completedLetters > 0) {
      EXPECT_EQ(record.position + 1, record.completedLetters);
    }
  }
}

TEST(WordKeySet, ParsesUsKeyPositions) {
  std::vector<std::string> keys;
  std::string problem;
  EXPECT_TRUE(ParseKeySet("asdfjkl;ei", keys, problem));
  EXPECT_EQ(keys.size(), 10u);
  EXPECT_EQ(keys[7], ";");
  EXPECT_FALSE(ParseKeySet("asa", keys, problem));
  EXPECT_FALSE(ParseKeySet("aS", keys, problem));
  EXPECT_FALSE(ParseKeySet("", keys, problem));
  EXPECT_FALSE(ParseKeySet("a b", keys, problem));
}

}  // namespace
