// SPDX-License-Identifier: GPL-3.0-or-later
// Mastery of a key: accuracy and median reaction over its recent chances, against the target.
#include "practice/mastery.h"

#include "progress/progress_stats.h"

#include <algorithm>

bool MeetsGate(int hits, int chances, const std::optional<int64_t>& medianReactionMs, int64_t targetMs,
               int minChances) {
  if (chances < minChances || chances <= 0) return false;
  if (static_cast<int64_t>(hits) * 100 < static_cast<int64_t>(kMasteryAccuracyPercent) * chances) return false;
  return medianReactionMs && *medianReactionMs <= targetMs;
}

double MasteryScore(int hits, int chances, const std::optional<int64_t>& medianReactionMs, int64_t targetMs,
                    bool mastered) {
  if (mastered) return 1.0;
  if (chances <= 0) return 0.0;
  const double accuracy = static_cast<double>(hits) / chances;
  const double accuracyPart = std::clamp((accuracy - 0.5) / (kMasteryAccuracyPercent / 100.0 - 0.5), 0.0, 1.0);
  double speedPart = 0;
  if (medianReactionMs) {
    speedPart = *medianReactionMs <= targetMs ? 1.0 : static_cast<double>(targetMs) / static_cast<double>(*medianReactionMs);
  }
  const double filled = std::min(1.0, static_cast<double>(chances) / kMasteryWindow);
  return std::min(accuracyPart * speedPart * filled, 0.99);
}

KeyMastery MasteryOf(const std::string& position, const std::vector<PracticeChance>& newestFirst, int64_t targetMs) {
  KeyMastery m;
  m.position = position;
  std::vector<int64_t> reactions;
  for (const PracticeChance& chance : newestFirst) {
    if (m.chances >= kMasteryWindow) break;
    ++m.chances;
    if (chance.hit) {
      ++m.hits;
      if (chance.reactionMs) reactions.push_back(*chance.reactionMs);
    }
  }
  m.medianReactionMs = MedianOf(std::move(reactions));
  m.mastered = MeetsGate(m.hits, m.chances, m.medianReactionMs, targetMs, kMasteryWindow);
  m.score = MasteryScore(m.hits, m.chances, m.medianReactionMs, targetMs, m.mastered);
  return m;
}

std::map<std::string, KeyMastery> MasteryByPosition(const std::vector<PracticeChance>& oldestFirst, int64_t targetMs) {
  std::map<std::string, std::vector<PracticeChance>> byKey;
  for (auto it = oldestFirst.rbegin(); it != oldestFirst.rend(); ++it) {
    std::vector<PracticeChance>& chances = byKey[it->position];
    if (chances.size() < static_cast<size_t>(kMasteryWindow)) chances.push_back(*it);
  }
  std::map<std::string, KeyMastery> result;
  for (const auto& [position, chances] : byKey) result.emplace(position, MasteryOf(position, chances, targetMs));
  return result;
}

int64_t AdjustTarget(int64_t targetMs, int steps) {
  const int64_t clampedSteps = std::clamp<int64_t>(steps, -1000, 1000);
  const int64_t current = std::clamp(targetMs, kMinTargetReactionMs, kMaxTargetReactionMs);
  return std::clamp(current + clampedSteps * kTargetStepMs, kMinTargetReactionMs, kMaxTargetReactionMs);
}
