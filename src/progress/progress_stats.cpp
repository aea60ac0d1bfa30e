// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of the progress screen: accuracy and median reaction per key, the weakest
// keys, the best streak and the totals' texts. Plain functions over the records' rows.
#include "progress/progress_stats.h"

#include <algorithm>
#include <map>
#include <tuple>

int KeyStats::AccuracyPercent() const {
  if (chances <= 0) return 0;
  return static_cast<int>(static_cast<int64_t>(hits) * 100 / chances);
}

std::optional<int64_t> MedianOf(std::vector<int64_t> values) {
  if (values.empty()) return std::nullopt;
  const size_t mid = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid), values.end());
  const int64_t upper = values[mid];
  if (values.size() % 2 == 1) return upper;
  const int64_t lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid));
  // Halving each first keeps the sum of two large times from overflowing.
  return lower / 2 + upper / 2 + (lower % 2 + upper % 2) / 2;
}

std::vector<KeyStats> KeyStatsOf(const std::vector<KeyChance>& newestFirst) {
  std::map<std::string, KeyStats> byKey;
  std::map<std::string, std::vector<int64_t>> reactions, typing;
  for (const KeyChance& chance : newestFirst) {
    KeyStats& stats = byKey[chance.key];
    if (stats.chances >= kChancesPerKey) continue;
    stats.key = chance.key;
    ++stats.chances;
    if (chance.hit) {
      ++stats.hits;
      if (chance.reactionMs) reactions[chance.key].push_back(*chance.reactionMs);
      if (chance.typingMs) typing[chance.key].push_back(*chance.typingMs);
    }
  }
  std::vector<KeyStats> result;
  result.reserve(byKey.size());
  for (auto& [key, stats] : byKey) {
    stats.medianReactionMs = MedianOf(std::move(reactions[key]));
    stats.medianTypingMs = MedianOf(std::move(typing[key]));
    result.push_back(std::move(stats));
  }
  return result;
}

std::vector<KeyStats> WeakestKeys(const std::vector<KeyStats>& stats, size_t count) {
  std::vector<KeyStats> rated;
  for (const KeyStats& s : stats) {
    if (s.Rated()) rated.push_back(s);
  }
  std::sort(rated.begin(), rated.end(), [](const KeyStats& a, const KeyStats& b) {
    // hits/chances compared exactly, by cross products.
    const int64_t left = static_cast<int64_t>(a.hits) * b.chances;
    const int64_t right = static_cast<int64_t>(b.hits) * a.chances;
    if (left != right) return left < right;
    if (a.chances != b.chances) return a.chances > b.chances;
    const int64_t ra = a.medianReactionMs.value_or(0);
    const int64_t rb = b.medianReactionMs.value_or(0);
    if (ra != rb) return ra > rb;
    return a.key < b.key;
  });
  if (rated.size() > count) rated.resize(count);
  return rated;
}

int BestStreak(const std::vector<FinishedRun>& finished) {
  int best = 0;
  int current = 0;
  for (const FinishedRun& run : finished) {
    current = run.passed ? current + 1 : 0;
    best = std::max(best, current);
  }
  return best;
}

std::vector<FinishedRun> RunsOfLevel(const std::vector<FinishedRun>& finished, int32_t level) {
  if (level == 0) return finished;
  std::vector<FinishedRun> result;
  std::copy_if(finished.begin(), finished.end(), std::back_inserter(result),
               [level](const FinishedRun& run) { return run.level == level; });
  return result;
}

std::string PlayedTimeText(int64_t ms) {
  const int64_t minutes = ms > 0 ? ms / 60000 : 0;
  if (minutes < 60) return std::to_string(minutes) + " min";
  const int64_t rest = minutes % 60;
  return std::to_string(minutes / 60) + " h " + (rest < 10 ? "0" : "") + std::to_string(rest) + " min";
}
