// SPDX-License-Identifier: GPL-3.0-or-later
// A practice drill: a shipped scene with a script of the drill's own, the keys of the set on
// its places drawn anew every wave, and figures brought up more often at the keys that need it.
#pragma once
#include "level/drill_source.h"
#include "practice/key_schedule.h"
#include "words/word_typing.h"
#include "words/words_choice.h"
#include "core/level_counters.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Random;

// The drill's pace: waves of kDrillWaveMs, figures that leave their place free again soon.
inline constexpr int kDrillWaves = 5;
inline constexpr int32_t kDrillWaveMs = 12000;
inline constexpr int32_t kDrillDumpTimeMs = 300;
inline constexpr int32_t kDrillDumpIntervalMs = 100;
// Words chosen at a time for a word wave: more than its figures usually need, so the word that
// comes up next can have a first letter no standing word has.
inline constexpr size_t kWaveWords = 10;
// A set larger than every scene plays in a scene with at most this many places fewer than the
// largest.
inline constexpr int kSceneSlackPlaces = 2;
// Word waves in a drill by the size of the key set, once the words allow any: one from
// kWordWavesFrom keys, one more at each step of kWordWaveStep keys, at most kMostWordWaves.
inline constexpr size_t kWordWavesFrom = 8;
inline constexpr size_t kWordWaveStep = 4;
inline constexpr size_t kMostWordWaves = 3;
// Figures standing at once: in the first waves, then in the rest.
inline constexpr int kDrillEarlyWaves = 2;
inline constexpr int kDrillFiguresEarly = 2;
inline constexpr int kDrillFiguresLater = 3;

// How often a figure comes up at a key, relative to a mastered key; the focus key besides gets
// at least a third of all figures whenever its place is free, and so does the runner-up (the
// weakest key after the focus).
inline constexpr int kWeightMastered = 1;
inline constexpr int kWeightLearning = 8;
inline constexpr int kWeightDue = 4;
inline constexpr int kWeightNew = 8;
inline constexpr int kWeightFocus = 8;

struct DrillPlan {
  int sceneLevel = 0;
  std::string sceneDir;  // with a trailing slash
  std::string scriptText;
  std::vector<std::string> keys;  // the set's keys, in joining order
  std::string focus;
  std::string runnerUp;  // the weakest key after the focus (see WeakestAfter)
  std::string newKey;
  std::vector<std::string> due;
  std::vector<std::string> mastered;  // stored as mastered and still meeting the gate in the records
  int placeCount = 0;
};

// The weakest key of keys other than skip: first a key whose records do not meet the gate (the
// lowest score, then fewer chances), else the key with the slowest median reaction, then the most
// misses among its recent chances; keys without records count as not mastered. Empty when no
// other key is left.
std::string WeakestAfter(const std::vector<std::string>& keys, const std::string& skip,
                         const std::map<std::string, KeyMastery>& mastery);

// The Script.ini of a drill over a scene: the scene's own actor definitions, then the drill's waves.
std::string DrillScript(const std::string& sceneScriptPath);

// How many of a drill's waves carry words for a set of keyCount keys when words can come at all:
// none under 8 keys, 1 at 8 to 11, 2 at 12 to 15, 3 from 16.
size_t DrillWordWaves(size_t keyCount);

// Composes the next drill: the scene is drawn among the shipped levels (Maps/Level1..lastLevel
// under appDir) that have places: among those with room for the whole set, else among those
// within kSceneSlackPlaces places of the largest.
DrillPlan ComposeDrill(const std::string& appDir, const PracticeState& state, const UsableKeys& usable,
                       const std::map<std::string, KeyMastery>& mastery, int64_t today, Random& random,
                       int lastLevel = 16);

// The learner's keys for the words of a drill: the plan's set, focus key and keys due for review,
// what each key types on the active layout, and the slow letter pairs read from the records.
WordKeys DrillWordKeys(const DrillPlan& plan, std::map<std::string, std::string> typed,
                       std::vector<std::pair<std::string, std::string>> slowPairs = {});

class PracticeDrill : public DrillSource {
 public:
  // Writes the plan's script to scriptPath (its folder must exist).
  PracticeDrill(DrillPlan plan, std::string scriptPath);

  std::string SceneDir() const override { return plan_.sceneDir; }
  std::string ScriptPath() const override { return scriptPath_; }
  std::vector<std::string> DrawPositions(size_t placeCount, Random& random) override;
  size_t ChoosePlace(const std::vector<size_t>& candidates, const std::vector<std::string>& positions,
                     Random& random) override;
  void Finished(const LevelCounters& counters) override;
  bool BeginWave(size_t waveIndex, Random& random) override;
  DrillWord WordFor(const std::vector<std::string>& standing, Random& random) override;
  WordTyping* Typing() override { return chooser_ ? &typing_ : nullptr; }

  // Lets the drill's waves carry words, as many as the wave rule gives the key set: words from
  // list (which must outlive the drill) in language for keys; a list without words (the built-in
  // letter pairs) gives made-up words of the keys. Without it every wave has letters.
  void EnableWords(const WordList& list, WordLanguage language, WordKeys keys);
  // The share of waves that carry words (0 without words).
  double WordShare() const { return wordShare_; }
  // Whether the running wave carries words.
  bool InWordWave() const { return wordWave_; }
  // How many of the drill's kDrillWaves waves carry words.
  size_t WordWaveCount() const;

  const DrillPlan& Plan() const { return plan_; }
  int Weight(const std::string& position) const;
  bool IsFinished() const { return finished_; }
  const LevelCounters& FinalCounters() const { return counters_; }
  // Figures brought up per key so far.
  const std::map<std::string, int>& Spawns() const { return spawns_; }
  std::function<void(const LevelCounters&)> onFinished;
  // Told of every word given to a figure, as it is given.
  std::function<void(const DrillWord&)> onWord;

 private:
  DrillPlan plan_;
  std::string scriptPath_;
  std::map<std::string, int> spawns_;
  int totalSpawns_ = 0;
  bool finished_ = false;
  LevelCounters counters_;
  // Word waves.
  std::unique_ptr<WordChooser> chooser_;
  double wordShare_ = 0;
  bool wordWave_ = false;
  std::deque<ChosenWord> waveWords_;
  WordTyping typing_;
};
