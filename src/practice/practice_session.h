// SPDX-License-Identifier: GPL-3.0-or-later
// One learner's way through practice: reads the records and the key set, composes the next
// drill and says what its card shows; after the drill it applies the reviews and joins and says
// what the results show. The screens draw these views and forward the player's choices.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/key_table.h"
#include "practice/drill.h"
#include "practice/key_finger.h"
#include "practice/key_order.h"
#include "practice/key_schedule.h"
#include "practice/local_day.h"
#include "practice/mastery.h"
#include "progress/progress_database.h"
#include "words/words_speed.h"

class PracticeStore;
class ProgressDatabase;
class Random;
struct WordSource;

// The name a drill's run has; its records carry level 0.
inline constexpr const char* kPracticeRunName = "Practice";

struct PracticeKeyView {
  std::string position;  // US key name
  std::string typed;     // what the key types on the player's layout (the position without one)
  KeyMastery mastery;
  bool mastered = false;  // in the set
  bool due = false;
  int64_t dueDay = 0;  // next review, while mastered
};

struct PracticeCardView {
  std::vector<PracticeKeyView> keys;  // the set, in joining order
  std::string focus;                  // positions, as in keys
  std::string newKey;                 // empty when no key has just joined
  Finger newKeyFinger = Finger::None;
  std::vector<std::string> due;
  std::vector<LeftOutKey> leftOut;
  int64_t targetMs = kDefaultTargetReactionMs;
  int64_t typingTargetMs = kDefaultTargetTypingMs;
  // The learner's recent times at the focus key are far (twice or more) slower than the targets:
  // the card says so, as a target out of reach stops new keys from joining.
  bool farFromTarget = false;
  size_t wordWaves = 0;       // the drill's waves that carry words
  bool englishWords = false;  // they carry English words: the player's language has no list here
  bool madeUpWords = false;   // they carry made-up words: no list is installed at all
  std::string wordPackage;    // the Debian package that brings words of the player's language
  const PracticeKeyView* Find(const std::string& position) const;
};

struct PracticeResultKey {
  std::string position;
  std::string typed;
  double before = 0;  // mastery scores, 0..1
  double after = 0;
  bool masteredBefore = false;
  bool masteredAfter = false;
  std::optional<int64_t> nextReviewDay;  // while mastered
  int chances = 0;                       // in this drill
};

struct PracticeResultView {
  std::vector<PracticeResultKey> keys;  // the set after the drill, in joining order
  PracticeEvents events;                // what the drill did to the set
  std::string joinedTyped;              // what the key that joined types; empty when none joined
  Finger joinedFinger = Finger::None;
  int32_t hits = 0;
  int32_t misses = 0;
  int32_t townsfolkShot = 0;
  int32_t enemiesLost = 0;  // enemies that acted unshot
  // hits × 100 ÷ (hits + misses + townsfolk shot + enemies lost), truncated, as a key's accuracy
  // is counted; none when the drill gave nothing to count.
  std::optional<int> AccuracyPercent() const;
  // Word waves' words per minute, once a drill has word waves; the results show a line for it.
  std::optional<double> wordsPerMinute;
  // Letters that picked or continued a word over all letters typed in word waves (0 to 1), once
  // a letter was typed in one.
  std::optional<double> wordAccuracy;
};

struct PracticeSetup {
  std::string appDir;  // game content, trailing slash
  std::string dbPath;  // the profile's Progress.db
  RecordsAccess access;  // how the file is kept: the mode, and the gate of the network mode
  std::string profile;
  std::string scriptPath;          // where the drill's Script.ini is written; its folder must exist
  std::optional<KeyTable> layout;  // the player's layout; none: every key types its US character
  DayClock today;
  int lastLevel = 16;
  // Where the drills' words come from; it must outlive the session. None: letters only.
  const WordSource* words = nullptr;
};

class PracticeSession {
 public:
  PracticeSession(PracticeSetup setup, Random& random);
  ~PracticeSession();
  PracticeSession(const PracticeSession&) = delete;
  PracticeSession& operator=(const PracticeSession&) = delete;

  // Brings the set up to date with the records and composes the next drill. Throws
  // ProgressError when the records cannot be read or written, GameError when no drill can be
  // made (no scene, script not writable).
  const PracticeCardView& Prepare();
  // + (steps > 0, slower) and - (faster) on the card: stores the changed target and judges the
  // keys by it.
  void ChangeTarget(SpeedTarget which, int steps);
  const PracticeCardView& Card() const { return card_; }
  // The composed drill; null before Prepare.
  PracticeDrill* Drill() const { return drill_.get(); }
  // After the drill's script has run out and its run is stored: applies the reviews of this
  // drill and the keys that join; words is what its word waves measured (nothing when the drill
  // had none). Throws ProgressError.
  const PracticeResultView& Finish(const LevelCounters& counters, const std::optional<WordSpeed>& words = std::nullopt);
  const PracticeResultView& Results() const { return results_; }

 private:
  void Open();
  std::vector<std::string> UsablePositions() const;
  std::string Typed(const std::string& position) const;
  void FillCard(const PracticeState& state, const std::map<std::string, KeyMastery>& mastery);

  PracticeSetup setup_;
  Random& random_;
  std::unique_ptr<ProgressDatabase> db_;
  std::unique_ptr<PracticeStore> store_;
  UsableKeys usable_;
  int64_t day_ = 0;
  SpeedTargets targets_;
  PracticeCardView card_;
  std::unique_ptr<PracticeDrill> drill_;
  PracticeResultView results_;
};
