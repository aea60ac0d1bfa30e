// SPDX-License-Identifier: GPL-3.0-or-later
// Giving a composed drill its words, for the player's language, layout and slow letter pairs.
#include "practice/drill_words.h"

#include "words/words_choice.h"
#include "words/words_speed.h"

std::vector<std::pair<std::string, std::string>> SlowPairKeys(const std::vector<PairSample>& pairTimes) {
  std::vector<LetterPairTime> times;
  times.reserve(pairTimes.size());
  for (const PairSample& sample : pairTimes) times.push_back({sample.from, sample.to, sample.ms});
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const SlowPair& pair : PairsToPractise(times)) pairs.emplace_back(pair.from, pair.to);
  return pairs;
}

void EnableDrillWords(PracticeDrill& drill, const WordSource& source, const std::optional<KeyTable>& layout,
                      const std::vector<PairSample>& pairTimes) {
  const std::vector<std::string>& keys = drill.Plan().keys;
  drill.EnableWords(source.list, source.language,
                    DrillWordKeys(drill.Plan(), layout ? TypedByKeys(*layout, keys) : TypedAsUs(keys),
                                  SlowPairKeys(pairTimes)));
}
