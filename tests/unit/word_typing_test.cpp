// SPDX-License-Identifier: GPL-3.0-or-later
// Word typing: locking a figure by a first letter, continuing, misses, the lock's end, completing,
// two words with one first letter, rollover, auto-repeats and the space bar.
#include "words/word_typing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Press {
  const char* text;
  WordKeyResult result;
  int figure;
};

void Type(WordTyping& typing, const std::vector<Press>& presses) {
  for (const Press& press : presses) {
    const WordKeyOutcome outcome = typing.KeyPress(press.text, false);
    EXPECT_EQ(outcome.result, press.result) << "'" << press.text << "'";
    EXPECT_EQ(outcome.figure, press.figure) << "'" << press.text << "'";
  }
}

constexpr auto kLocked = WordKeyResult::Locked;
constexpr auto kContinued = WordKeyResult::Continued;
constexpr auto kCompleted = WordKeyResult::Completed;
constexpr auto kMiss = WordKeyResult::Miss;
constexpr auto kDropped = WordKeyResult::Dropped;

TEST(WordTyping, FirstLetterLocksLettersContinueAndAWrongOneIsAMissThatKeepsTheLock) {
  WordTyping typing;
  typing.FigureReady(1, "flask", true);
  typing.FigureReady(2, "lad", true);
  Type(typing, {{"x", kMiss, -1}, {"f", kLocked, 1}, {"l", kContinued, 1}});
  EXPECT_EQ(typing.Locked(), 1);
  EXPECT_EQ(typing.TypedLetters(1), 2u);
  // "l" would start "lad", but the lock holds: a letter that does not continue "flask" misses.
  Type(typing, {{"l", kMiss, 1}, {"a", kContinued, 1}, {"S", kContinued, 1}});
  EXPECT_EQ(typing.TypedLetters(1), 4u);
  EXPECT_EQ(typing.TypedLetters(2), 0u);
  const WordKeyOutcome last = typing.KeyPress("k", false);
  EXPECT_EQ(last.result, kCompleted);
  EXPECT_TRUE(last.enemy);
  EXPECT_EQ(last.letters, 5u);
  EXPECT_EQ(last.position, 4u);
  EXPECT_FALSE(typing.Locked());
  // The shot figure's word is gone; the next letter picks anew.
  Type(typing, {{"f", kMiss, -1}, {"l", kLocked, 2}, {"a", kContinued, 2}, {"d", kCompleted, 2}});
  EXPECT_FALSE(typing.AnyReady());
}

TEST(WordTyping, TheLockEndsWhenItsFigureCanNoLongerBeShot) {
  WordTyping typing;
  typing.FigureReady(1, "sash", true);
  typing.FigureReady(2, "sad", true);
  Type(typing, {{"s", kLocked, 1}, {"a", kContinued, 1}});
  typing.FigureGone(2);  // another figure going leaves the lock alone
  EXPECT_EQ(typing.Locked(), 1);
  typing.FigureGone(1);  // the locked one acts
  EXPECT_FALSE(typing.Locked());
  Type(typing, {{"s", kMiss, -1}});
  typing.FigureReady(3, "ash", true);
  Type(typing, {{"a", kLocked, 3}});
  typing.Clear();
  EXPECT_FALSE(typing.Locked());
  EXPECT_FALSE(typing.AnyReady());
}

TEST(WordTyping, OfTwoWordsWithOneFirstLetterTheOneThatCameUpFirstIsPicked) {
  WordTyping typing;
  typing.FigureReady(7, "hall", true);
  typing.FigureReady(3, "had", true);
  typing.FigureReady(5, "ash", true);
  // "h" picks 7, which came up first, even though "had" would fit the letters that follow.
  Type(typing, {{"h", kLocked, 7}, {"a", kContinued, 7}, {"d", kMiss, 7}, {"l", kContinued, 7}, {"l", kCompleted, 7}});
  Type(typing, {{"h", kLocked, 3}, {"a", kContinued, 3}, {"d", kCompleted, 3}});
}

TEST(WordTyping, TownspeoplesWordsCompletedAreCiviliansAndUpperCaseCounts) {
  WordTyping typing;
  typing.FigureReady(1, "Süß", false);
  Type(typing, {{"S", kLocked, 1}, {"ü", kContinued, 1}});
  const WordKeyOutcome outcome = typing.KeyPress("ß", false);
  EXPECT_EQ(outcome.result, kCompleted);
  EXPECT_FALSE(outcome.enemy);
  EXPECT_EQ(outcome.letters, 3u);
}

TEST(WordTyping, RolloverCountsEveryPressOnlyRepeatsAndSpaceAreDropped) {
  WordTyping typing;
  typing.FigureReady(1, "dad", true);
  // Typists press the next key before releasing the last: there is no release between these
  // presses, and every one counts.
  Type(typing, {{"d", kLocked, 1}, {"a", kContinued, 1}});
  // The held "a" repeats: dropped, neither a letter nor a miss.
  const WordKeyOutcome repeat = typing.KeyPress("a", true);
  EXPECT_EQ(repeat.result, kDropped);
  EXPECT_EQ(typing.TypedLetters(1), 2u);
  // The space a typist puts between words is neither a shot nor a miss.
  Type(typing, {{" ", kDropped, -1}, {"", kDropped, -1}});
  EXPECT_EQ(typing.Locked(), 1);
  Type(typing, {{"d", kCompleted, 1}, {" ", kDropped, -1}});
}

}  // namespace
