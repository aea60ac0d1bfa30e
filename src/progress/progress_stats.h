// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of the progress screen: accuracy and median reaction per key, the weakest
// keys, the best streak and the totals' texts. Plain functions over the records' rows.
#pragma once
#include "progress/progress_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A key is rated (coloured, eligible as a weak key) from this many chances on.
inline constexpr int kMinChancesToRate = 10;
inline constexpr size_t kKeysToPractise = 5;

struct KeyStats {
  std::string key;
  std::string position;  // the key's US key name, when the stats are by position
  int chances = 0;  // of the last kChancesPerKey
  int hits = 0;
  std::optional<int64_t> medianReactionMs;  // over the letter-wave hits among those chances
  std::optional<int64_t> medianTypingMs;    // over the word letters typed right among them

  bool Rated() const { return chances >= kMinChancesToRate; }
  // hits * 100 / chances, truncated; 0 without chances.
  int AccuracyPercent() const;
};

// Median of the values: the middle one, or for an even count the mean of the two middle ones
// rounded down. Nothing for no values.
std::optional<int64_t> MedianOf(std::vector<int64_t> values);

// Per key, from chances given newest first (only the first kChancesPerKey of a key count),
// ordered by key.
std::vector<KeyStats> KeyStatsOf(const std::vector<KeyChance>& newestFirst);

// The count weakest rated keys: lowest accuracy first; at equal accuracy the one with more
// chances (the surer weakness), then the slower median reaction, then the key.
std::vector<KeyStats> WeakestKeys(const std::vector<KeyStats>& stats, size_t count = kKeysToPractise);

// The longest row of passed runs among the finished runs in the order given. Runs restarted
// or quit are not finished runs and neither extend nor break a streak.
int BestStreak(const std::vector<FinishedRun>& finished);

// The finished runs of one level; level 0 keeps them all.
std::vector<FinishedRun> RunsOfLevel(const std::vector<FinishedRun>& finished, int32_t level);

// "0 min", "7 min", "2 h 05 min": playing time as the totals show it (whole minutes, rounded
// down; negative times count as 0).
std::string PlayedTimeText(int64_t ms);
