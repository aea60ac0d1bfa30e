// SPDX-License-Identifier: GPL-3.0-or-later
// A practice drill: a shipped scene, the drill's script, letters per wave and weighted spawning.
#include "practice/drill.h"

#include "words/words_wave_rule.h"

#include "platform/game_error.h"
#include "platform/random.h"
#include "platform/text_case.h"
#include "core/ini_store.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <tuple>

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

int PlaceCountOf(const IniStore& map) {
  int count = 0;
  for (const std::string& section : map.ReadSections()) {
    if (!EqualsNoCaseAscii(section, "Map") && !EqualsNoCaseAscii(section, "Objects")) ++count;
  }
  return count;
}

}  // namespace

std::string WeakestAfter(const std::vector<std::string>& keys, const std::string& skip,
                         const std::map<std::string, KeyMastery>& mastery) {
  // Ordered weakest first: not meeting the gate, lower score, fewer chances, slower, more misses.
  auto rank = [&](const std::string& key) {
    const auto it = mastery.find(key);
    const KeyMastery m = it == mastery.end() ? KeyMastery{} : it->second;
    return std::make_tuple(m.mastered, m.score, m.chances, -m.medianReactionMs.value_or(INT64_MAX),
                           -(m.chances - m.hits));
  };
  std::string weakest;
  for (const std::string& key : keys) {
    if (key == skip) continue;
    if (weakest.empty() || rank(key) < rank(weakest)) weakest = key;
  }
  return weakest;
}

std::string DrillScript(const std::string& sceneScriptPath) {
  const IniStore scene(sceneScriptPath);
  std::string text;
  int n = 0;
  for (const std::string& step : scene.ReadSections()) {
    if (scene.ReadInteger(step, "command", 0) != 1) continue;
    text += "[Actor" + std::to_string(++n) + "]\ncommand=1\nparam1=" + scene.ReadString(step, "param1", "") +
            "\nparam2=" + scene.ReadString(step, "param2", "") + "\n";
  }
  // A few figures at once, then more: a key comes up again soon after it was shot.
  for (int wave = 0; wave < kDrillWaves; ++wave) {
    const int target = wave < kDrillEarlyWaves ? kDrillFiguresEarly : kDrillFiguresLater;
    text += "[Wave" + std::to_string(wave + 1) + "]\ncommand=2\nparam1=" + std::to_string(kDrillWaveMs) +
            "\nparam2=" + std::to_string(kDrillDumpTimeMs) + ":" + std::to_string(kDrillDumpIntervalMs) + ":" +
            std::to_string(target) + "\n";
  }
  return text;
}

DrillPlan ComposeDrill(const std::string& appDir, const PracticeState& state, const UsableKeys& usable,
                       const std::map<std::string, KeyMastery>& mastery, int64_t today, Random& random,
                       int lastLevel) {
  DrillPlan plan;
  for (const KeyProgress& key : state.keys) {
    const bool usableNow = std::any_of(usable.keys.begin(), usable.keys.end(),
                                       [&](const KeyIntroduction& k) { return k.position == key.position; });
    if (!usableNow) continue;
    plan.keys.push_back(key.position);
    // A key that slipped since it was mastered (its recent chances no longer meet the gate) is
    // drilled as a key still being learnt until its records show it mastered again.
    const auto recent = mastery.find(key.position);
    if (key.mastered && (recent == mastery.end() || recent->second.mastered)) plan.mastered.push_back(key.position);
  }
  plan.focus = FocusKey(state, mastery, today);
  plan.runnerUp = WeakestAfter(plan.keys, plan.focus, mastery);
  plan.newKey = NewKey(state, usable);
  plan.due = DueKeys(state, today);

  std::vector<std::pair<int, int>> scenes;  // level, places
  for (int level = 1; level <= lastLevel; ++level) {
    const std::string dir = appDir + "Maps/Level" + std::to_string(level) + "/";
    const int places = PlaceCountOf(IniStore(dir + "Map.ini"));
    if (places > 0) scenes.emplace_back(level, places);
  }
  if (scenes.empty()) throw GameError("no scene to practise in: the levels have no places");
  // Scenes with room for the whole set when there are any, so no key waits a wave out; else the
  // scenes with the most places, within kSceneSlackPlaces of the largest, so drills still vary.
  std::vector<std::pair<int, int>> roomy;
  for (const auto& scene : scenes) {
    if (scene.second >= static_cast<int>(plan.keys.size())) roomy.push_back(scene);
  }
  if (roomy.empty()) {
    int most = 0;
    for (const auto& scene : scenes) most = std::max(most, scene.second);
    for (const auto& scene : scenes) {
      if (scene.second >= most - kSceneSlackPlaces) roomy.push_back(scene);
    }
  }
  const std::vector<std::pair<int, int>>& pool = roomy;
  const auto& scene = pool[static_cast<size_t>(random.Below(static_cast<int32_t>(pool.size())))];
  plan.sceneLevel = scene.first;
  plan.placeCount = scene.second;
  plan.sceneDir = appDir + "Maps/Level" + std::to_string(scene.first) + "/";
  plan.scriptText = DrillScript(plan.sceneDir + "Script.ini");
  return plan;
}

size_t DrillWordWaves(size_t keyCount) {
  if (keyCount < kWordWavesFrom) return 0;
  return std::min(kMostWordWaves, 1 + (keyCount - kWordWavesFrom) / kWordWaveStep);
}

PracticeDrill::PracticeDrill(DrillPlan plan, std::string scriptPath)
    : plan_(std::move(plan)), scriptPath_(std::move(scriptPath)) {
  std::ofstream out(scriptPath_, std::ios::binary | std::ios::trunc);
  out << plan_.scriptText;
  if (!out.flush()) throw GameError("Unable to write to " + scriptPath_);
}

int PracticeDrill::Weight(const std::string& position) const {
  if (position == plan_.focus) return kWeightFocus;
  if (position == plan_.newKey) return kWeightNew;
  if (position == plan_.runnerUp) return kWeightLearning;
  if (Contains(plan_.due, position)) return kWeightDue;
  if (!Contains(plan_.mastered, position)) return kWeightLearning;
  return kWeightMastered;
}

std::vector<std::string> PracticeDrill::DrawPositions(size_t placeCount, Random& random) {
  std::vector<std::string> chosen;
  // The keys that need it most come first; the rest are drawn by weight, without repeats.
  // A due key comes before the runner-up: its review needs its chances in this drill.
  std::vector<std::string> first = {plan_.focus, plan_.newKey};
  first.insert(first.end(), plan_.due.begin(), plan_.due.end());
  first.push_back(plan_.runnerUp);
  for (const std::string& key : first) {
    if (!key.empty() && Contains(plan_.keys, key) && !Contains(chosen, key)) chosen.push_back(key);
  }
  std::vector<std::string> rest;
  for (const std::string& key : plan_.keys) {
    if (!Contains(chosen, key)) rest.push_back(key);
  }
  while (chosen.size() < placeCount && !rest.empty()) {
    int64_t total = 0;
    for (const std::string& key : rest) total += Weight(key);
    int64_t draw = random.Below(static_cast<int32_t>(total));
    size_t pick = 0;
    while (draw >= Weight(rest[pick])) draw -= Weight(rest[pick++]);
    chosen.push_back(rest[pick]);
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  if (chosen.size() > placeCount) chosen.resize(placeCount);
  // The chosen keys go to places drawn at random: a key is found by its letter, not its place.
  std::vector<size_t> order(placeCount);
  for (size_t i = 0; i < placeCount; ++i) order[i] = i;
  for (size_t i = placeCount; i > 1; --i) {
    std::swap(order[i - 1], order[static_cast<size_t>(random.Below(static_cast<int32_t>(i)))]);
  }
  std::vector<std::string> positions(placeCount);
  for (size_t i = 0; i < chosen.size(); ++i) positions[order[i]] = chosen[i];
  return positions;
}

size_t PracticeDrill::ChoosePlace(const std::vector<size_t>& candidates, const std::vector<std::string>& positions,
                                  Random& random) {
  if (candidates.empty()) return 0;
  auto keyAt = [&](size_t c) { return candidates[c] < positions.size() ? positions[candidates[c]] : std::string(); };
  size_t pick = candidates.size();
  // The focus key is brought up whenever its place is free and it has had less than a third.
  for (size_t c = 0; c < candidates.size(); ++c) {
    if (keyAt(c) == plan_.focus && !plan_.focus.empty() && spawns_[plan_.focus] * 3 < totalSpawns_ + 1) pick = c;
  }
  // The runner-up likewise: the two weakest keys share two thirds of the figures.
  if (pick == candidates.size() && !plan_.runnerUp.empty() && spawns_[plan_.runnerUp] * 3 < totalSpawns_ + 1) {
    for (size_t c = 0; c < candidates.size(); ++c) {
      if (keyAt(c) == plan_.runnerUp) pick = c;
    }
  }
  if (pick == candidates.size()) {
    int64_t total = 0;
    for (size_t c = 0; c < candidates.size(); ++c) total += Weight(keyAt(c));
    int64_t draw = random.Below(static_cast<int32_t>(total));
    pick = 0;
    while (pick + 1 < candidates.size() && draw >= Weight(keyAt(pick))) draw -= Weight(keyAt(pick++));
  }
  ++spawns_[keyAt(pick)];
  ++totalSpawns_;
  return pick;
}

void PracticeDrill::Finished(const LevelCounters& counters) {
  finished_ = true;
  counters_ = counters;
  if (onFinished) onFinished(counters);
}

WordKeys DrillWordKeys(const DrillPlan& plan, std::map<std::string, std::string> typed,
                       std::vector<std::pair<std::string, std::string>> slowPairs) {
  WordKeys keys;
  keys.keys = plan.keys;
  keys.focus = plan.focus;
  keys.review = plan.due;
  keys.slowPairs = std::move(slowPairs);
  keys.typed = std::move(typed);
  return keys;
}

void PracticeDrill::EnableWords(const WordList& list, WordLanguage language, WordKeys keys) {
  const size_t keyCount = plan_.keys.size();
  chooser_ = std::make_unique<WordChooser>(list, language, std::move(keys));
  // Without a word list the keys' made-up words stand in for the real ones.
  const size_t realWords = list.HasWords() ? chooser_->RealWordCount() : kMinRealWordsForWordWaves;
  // The words rule says whether words can come at all; the drill's size says how many waves.
  const bool wordsCome = WordWaveShare(keyCount, realWords, chooser_->HasVowel()) > 0;
  wordShare_ = wordsCome ? static_cast<double>(DrillWordWaves(keyCount)) / kDrillWaves : 0.0;
}

size_t PracticeDrill::WordWaveCount() const {
  if (!chooser_) return 0;
  size_t count = 0;
  for (size_t wave = 0; wave < static_cast<size_t>(kDrillWaves); ++wave) count += IsWordWave(wave, wordShare_) ? 1 : 0;
  return count;
}

bool PracticeDrill::BeginWave(size_t waveIndex, Random& random) {
  typing_.Clear();
  waveWords_.clear();
  wordWave_ = chooser_ && IsWordWave(waveIndex, wordShare_);
  if (wordWave_) {
    const std::vector<ChosenWord> words = chooser_->Choose(kWaveWords, random);
    waveWords_.assign(words.begin(), words.end());
  }
  return wordWave_;
}

DrillWord PracticeDrill::WordFor(const std::vector<std::string>& standing, Random& random) {
  if (!chooser_) return {};
  if (waveWords_.empty()) {
    const std::vector<ChosenWord> words = chooser_->Choose(kWaveWords, random);
    waveWords_.assign(words.begin(), words.end());
  }
  if (waveWords_.empty()) return {};
  // A word whose first letter no standing word has is typed without a second thought about
  // which figure it picks; the wave's next such word is taken when there is one.
  auto firstOf = [](const std::string& text) {
    // In lower case: a capitalised noun is typed with the same key as a word in lower case.
    const std::optional<std::u32string> letters = DecodeUtf8(ToLowerUtf8(text));
    return letters && !letters->empty() ? letters->front() : U'\0';
  };
  auto pick = std::find_if(waveWords_.begin(), waveWords_.end(), [&](const ChosenWord& word) {
    return std::none_of(standing.begin(), standing.end(),
                        [&](const std::string& other) { return firstOf(other) == firstOf(word.text); });
  });
  if (pick == waveWords_.end()) pick = waveWords_.begin();
  DrillWord word{pick->text, pick->keys};
  waveWords_.erase(pick);
  if (onWord) onWord(word);
  return word;
}
