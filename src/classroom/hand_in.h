// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-in: what a teacher sees of one profile's progress records, and no more. The game
// makes one after every run and writes it as a small SQLite file of its own (hand_in_format.h).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The file's format: SQLite's application id "KSHI" and the schema version in user_version.
inline constexpr int32_t kHandInApplicationId = 0x4B534849;
inline constexpr int kHandInVersion = 1;
// The newest runs kept one by one; older runs are kept as daily totals.
inline constexpr size_t kHandInRuns = 2000;

// One key position, as the pupil's PROGRESS screen rates it.
struct HandInKey {
  std::string position;  // the US key name; empty for a character no key types on the layout
  std::string typed;     // what the key types on the pupil's layout when the file was written
  int32_t chances = 0;   // of the newest 200 (kChancesPerKey)
  int32_t hits = 0;
  std::optional<int64_t> reactionMedianMs;  // over the hits among those chances
  int64_t reactionTargetMs = 0;             // practice's target reaction
  // Typing speed inside words: the median time from the word's previous letter to this key (the
  // letter pairs of the newest word drills); its target is empty while the game keeps none.
  std::optional<int64_t> typingMedianMs;
  std::optional<int64_t> typingTargetMs;
  std::optional<double> mastery;  // practice's score 0..1; empty before practice has judged keys
  bool mastered = false;          // mastered in practice's key set
  std::string reviewDue;          // the local date of its next review while mastered, else empty

  // hits * 100 / chances, truncated; 0 without chances (as PROGRESS shows it).
  int AccuracyPercent() const;
};

// One run, level or drill.
struct HandInRun {
  std::string startedAt;           // UTC, ISO 8601
  std::string localDay;            // the pupil's local date, YYYY-MM-DD
  int32_t level = 0;               // 0: a practice drill
  std::string outcome;             // finished, restarted, quit (or playing, for a run cut off)
  std::optional<int32_t> percent;  // finished runs only
  bool passed = false;
  int64_t durationMs = 0;
  std::optional<double> wordsPerMinute;  // drills with word waves
  std::optional<double> wordAccuracy;    // 0..1, with wordsPerMinute
};

// The daily totals of the runs older than the newest kHandInRuns.
struct HandInDay {
  std::string localDay;
  int64_t runs = 0;
  int64_t finished = 0;
  int64_t passed = 0;
  int64_t playedMs = 0;
};

struct HandInLevel {
  int32_t level = 0;
  int32_t bestPercent = 0;
  std::string firstPassed;  // local date of the first pass
};

// Practice by the pupil's local day, over every drill.
struct HandInPracticeDay {
  std::string localDay;
  int64_t drills = 0;
  int64_t practiceMs = 0;
  std::optional<double> wordsPerMinute;  // the mean of the day's drills with word waves
};

// What a key of the pupil's keyboard types, by its US key name.
struct HandInLayoutKey {
  std::string position;
  std::string typed;  // as the key's tag shows it; the position itself where it types nothing
};

struct HandIn {
  std::string gameVersion;
  std::string writtenAt;         // UTC, ISO 8601
  int32_t utcOffsetMinutes = 0;  // the pupil's time zone when it was written
  std::string profile;
  // Totals over every run, as PROGRESS shows them.
  int64_t playedMs = 0;
  int64_t runCount = 0;
  int64_t levelsPassed = 0;
  int64_t keysMastered = 0;
  int64_t reviewsDue = 0;
  int64_t reactionTargetMs = 0;
  std::optional<int64_t> typingTargetMs;
  std::vector<HandInLayoutKey> layout;  // the 47 keys of the typing area; empty when unknown
  std::vector<HandInKey> keys;          // by position, then the characters without one
  std::vector<HandInRun> runs;          // the newest kHandInRuns, oldest first
  std::vector<HandInDay> olderDays;     // oldest first
  std::vector<HandInLevel> levels;      // the levels passed, by number
  std::vector<HandInPracticeDay> practiceDays;  // oldest first
};
