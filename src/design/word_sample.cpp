// SPDX-License-Identifier: GPL-3.0-or-later
// Word samples and typists' words per minute for the simulator.
#include "design/word_sample.h"

#include "design/word_drill_sim.h"
#include "platform/key_table.h"
#include "platform/random.h"

#include <algorithm>

bool ParseKeySet(std::string_view text, std::vector<std::string>& keys, std::string& problem) {
  keys.clear();
  for (char c : text) {
    const std::string key(1, c);
    if (!FindUsKey(key)) {
      problem = "'" + key + "' is no key of a US keyboard's typing area (write the keys as a US keyboard types them)";
      return false;
    }
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
      problem = "the key '" + key + "' is named twice";
      return false;
    }
    keys.push_back(key);
  }
  if (keys.empty()) {
    problem = "the key set is empty";
    return false;
  }
  return true;
}

WordKeys WordKeysFor(const std::vector<std::string>& keys, const KeyTable& table) {
  WordKeys wordKeys;
  wordKeys.keys = keys;
  if (!keys.empty()) wordKeys.focus = keys.front();
  wordKeys.typed = TypedByKeys(table, keys);
  return wordKeys;
}

std::vector<ChosenWord> SampleWords(WordChooser& chooser, size_t n, uint64_t seed) {
  Random random(seed);
  std::vector<ChosenWord> words;
  while (words.size() < n) {
    std::vector<ChosenWord> wave = chooser.Choose(std::min(kWordsPerWave, n - words.size()), random);
    if (wave.empty()) break;
    for (ChosenWord& word : wave) words.push_back(std::move(word));
  }
  return words;
}

std::vector<TypistWordSpeed> MeasureTypistWordSpeed(const std::vector<TypistProfile>& typists, WordChooser& chooser,
                                                    int runs, uint64_t seed) {
  std::vector<TypistWordSpeed> speeds;
  for (const TypistProfile& typist : typists) {
    std::vector<double> wpm;
    double accuracy = 0;
    for (int run = 0; run < runs; ++run) {
      const WordDrillResult result = SimulateWordDrill(typist, chooser, WordDrillSettings{}, seed * 1000003u + static_cast<uint64_t>(run));
      wpm.push_back(result.speed.wordsPerMinute);
      accuracy += result.speed.accuracy;
    }
    TypistWordSpeed speed;
    speed.typist = typist.name;
    if (!wpm.empty()) {
      std::sort(wpm.begin(), wpm.end());
      speed.medianWpm = wpm[wpm.size() / 2];
      speed.meanAccuracy = accuracy / static_cast<double>(wpm.size());
    }
    speeds.push_back(speed);
  }
  return speeds;
}
