// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the progress records: one per level run and one per resolved key or lost enemy.
#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kOutcomePlaying = "playing";  // written while the run goes on
inline constexpr const char* kOutcomeFinished = "finished";
inline constexpr const char* kOutcomeRestarted = "restarted";
inline constexpr const char* kOutcomeQuit = "quit";
inline constexpr const char* kResultLost = "LOST";
inline constexpr const char* kResultMiss = "MISS";
// In a word wave: a letter that picked or continued a word without completing it.
inline constexpr const char* kResultLetter = "LETTER";

// The results screen's numbers of a finished run.
struct RunResult {
  int32_t percent = 0;
  int32_t hits = 0;
  int32_t misses = 0;
  int32_t civilians = 0;
  bool passed = false;
};

struct RunRecord {
  int64_t id = 0;  // 0 until the database has stored the row
  std::string profile;
  int32_t level = 0;
  std::string difficulty;
  std::string startedAt;  // UTC, ISO 8601
  int64_t durationMs = 0;
  std::string outcome = kOutcomePlaying;
  std::optional<RunResult> result;  // only for a finished run
  int64_t wordReadyMs = 0;  // word-wave time with a word ready to be typed, pauses left out
};

struct ShotRecord {
  int64_t gameMs = 0;  // playing time since the level started
  std::string typed;   // as typed; empty for a lost enemy
  std::string result;  // POINT, CIVILIAN, MISS or LOST
  std::string letter;  // of the place that decided; empty when none did
  std::string key;     // the key the row is a chance at: the letter, or the typed key of a miss
  std::optional<int64_t> reactionMs;  // hits only: from the actor's appearance to the shot
  bool endPhase = false;              // a miss after the wave's time, which the counters ignore
  std::string position;  // the key's US key name ("y", ";"); empty when it is not known
  std::string aimedAt;  // a counted miss while exactly one enemy stood ready: that enemy's key position
  // Word waves only (all unset in letter waves): the figure the key went to (its spawn count in
  // the run; -1 for a miss with nothing locked), the letter's index in its word (unset for a
  // miss) and, for the letter that completed the word, the word's letters (else 0).
  std::optional<int64_t> word = std::nullopt;
  std::optional<int64_t> wordPos = std::nullopt;
  int32_t wordLen = 0;
  // The key the row is a chance at where the game told it (see chance_rule.h): for a miss the
  // key aimed at, empty when it counts for no key; for a letter of a word its key, empty for a
  // townsperson's word. Unset on every other row, which counts at its own key.
  std::optional<std::string> charged = std::nullopt;
  // A word letter typed right: the time since the previous key press of its word (for its first
  // letter since the word came up, or since the lock before it ended, whichever was later).
  // Unset elsewhere, and for a letter typed right after a miss.
  std::optional<int64_t> typingMs = std::nullopt;
};

// A run with the shots not yet written. A deque, as the recorder gives up the oldest shots
// first when its buffer is full, at a cost that does not grow with the buffer.
struct PendingRun {
  RunRecord run;
  std::deque<ShotRecord> shots;
};

// One chance at a key, as the progress screen's arithmetic reads it, newest first.
struct KeyChance {
  std::string key;  // the character the row counts for
  bool hit = false;
  std::optional<int64_t> reactionMs;  // a hit in a letter wave: from the figure's coming up
  std::string position;  // the key's US key name, empty when it is not known
  int64_t id = 0;        // the row's number: a later row has a larger one
  std::optional<int64_t> typingMs = std::nullopt;  // a word letter typed right: from the press before it
};

// A finished run for the chart, oldest first.
struct FinishedRun {
  std::string startedAt;
  int32_t level = 0;
  int32_t percent = 0;
  bool passed = false;
};

// A practice run with word waves, for the words-per-minute chart, oldest first.
struct WordRun {
  std::string startedAt;
  double wordsPerMinute = 0;
  double accuracy = 0;  // 0 to 1
};

// One letter-pair time: from one letter of a word to the next, by key position.
struct PairSample {
  std::string from;
  std::string to;
  int64_t ms = 0;
};

// Why records could not be read, or written: nothing, the file cannot be reached just now (or a
// part of it could not be read), it is no file of ours, a newer game made it, our tables or
// columns are missing from it, it is being brought up to date, or (in the network mode) another
// computer has it open.
enum class ProgressFault { kNone, kUnavailable, kNotOurs, kNewerSchema, kMissingParts, kUpdating, kOpenElsewhere };

// What the progress screen shows of one profile.
struct ProgressData {
  // At most the last kChancesPerKey of each key, newest first within each; a key is a position,
  // or for rows without one their character.
  std::vector<KeyChance> chances;
  std::vector<FinishedRun> finished; // oldest first
  int64_t playedMs = 0;              // every run's playing time
  int64_t runs = 0;                  // every run, whatever its outcome
  int64_t levelsPassed = 0;          // distinct levels with a passed run
  std::vector<WordRun> wordRuns;     // oldest first
  // The letter-pair times of the newest kWordRunsForPairs runs with word waves.
  std::vector<PairSample> pairTimes;
  ProgressFault fault = ProgressFault::kNone;  // what kept some or all of this from being read
};

inline constexpr int kChancesPerKey = 200;
inline constexpr int kWordRunsForPairs = 50;
