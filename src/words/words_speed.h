// SPDX-License-Identifier: GPL-3.0-or-later
// Words per minute, word accuracy and letter-pair times: plain arithmetic over the records of
// word waves.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One key press typed in a word wave (auto-repeats and the space bar are not recorded).
struct WordKeyRecord {
  int64_t atMs = 0;     // game time, pauses left out
  std::string key;      // its US key position
  bool continued = false;  // it picked a figure's word or continued the locked one (false: a miss)
  int figure = -1;      // the figure it went to; -1 for a miss without a lock
  size_t position = 0;  // for a continuing letter: its index in the word
  size_t completedLetters = 0;  // when it completed a word: the word's letters, else 0
  bool enemy = false;   // for a completed word: an enemy's (townspeople's words do not count)
};

// Counts the time during which at least one word stood ready to be typed, pauses left out: call
// Update at every change of either (and at the end) with the state that held until now.
class WordReadyClock {
public:
  void Update(int64_t nowMs, bool anyReady, bool paused);
  int64_t ReadyMs() const { return readyMs_; }

private:
  int64_t lastMs_ = -1;
  bool counting_ = false;
  int64_t readyMs_ = 0;
};

struct WordSpeed {
  int32_t enemyWords = 0;       // enemies' words completed
  int32_t enemyLetters = 0;     // their letters
  int32_t lettersTyped = 0;     // every recorded key
  int32_t lettersContinued = 0;  // those that picked or continued a word
  double wordsPerMinute = 0;    // (enemyLetters + enemyWords) / 5 per minute of ready time; 0 without ready time
  double accuracy = 0;          // lettersContinued / lettersTyped; 0 when nothing was typed
};
WordSpeed MeasureWordSpeed(const std::vector<WordKeyRecord>& records, int64_t readyMs);

// The times from one letter of a word to the next, per pair of key positions. A pair counts only
// when both letters went to the same figure one after the other with no miss between them: a
// correction measures the mistake, not the pair.
struct LetterPairTime {
  std::string from;
  std::string to;
  int64_t ms = 0;
};
std::vector<LetterPairTime> LetterPairTimes(const std::vector<WordKeyRecord>& records);

struct SlowPair {
  std::string from;
  std::string to;
  int64_t medianMs = 0;
  size_t samples = 0;
};
// Fewest samples a pair needs before it can be named slow.
constexpr size_t kMinPairSamples = 5;
// Least difference to the learner's median pair for a pair to be named slow.
constexpr int64_t kSlowPairMarginMs = 50;
// "Pairs to practise": among the pairs with at least minSamples samples, those markedly slower
// than the learner's own median pair (the lower median of those pairs' medians): at least a
// third slower and at least kSlowPairMarginMs slower, so that pairs typed a few milliseconds
// apart are never called slow. Slowest first (ties: fewer samples first, then by keys), at most
// count of them.
// Whether any pair has minSamples samples: with none, no pair can be named slow yet.
bool AnyPairMeasured(const std::vector<LetterPairTime>& times, size_t minSamples = kMinPairSamples);
std::vector<SlowPair> PairsToPractise(const std::vector<LetterPairTime>& times, size_t count = 5,
                                      size_t minSamples = kMinPairSamples);
