// SPDX-License-Identifier: GPL-3.0-or-later
// Mastery of a key: accuracy and speed over its recent chances, against the speed targets.
#include "practice/mastery.h"

#include "progress/progress_stats.h"

#include <algorithm>

namespace {

bool AccurateEnough(int hits, int chances) {
  return static_cast<int64_t>(hits) * 100 >= static_cast<int64_t>(kMasteryAccuracyPercent) * chances;
}

bool FastEnough(const std::optional<int64_t>& speedPerMille) { return speedPerMille && *speedPerMille <= 1000; }

int64_t Adjust(int64_t targetMs, int steps, int64_t step, int64_t least, int64_t most) {
  const int64_t clampedSteps = std::clamp<int64_t>(steps, -1000, 1000);
  const int64_t current = std::clamp(targetMs, least, most);
  return std::clamp(current + clampedSteps * step, least, most);
}

}  // namespace

std::optional<int64_t> SpeedPerMille(const PracticeChance& chance, const SpeedTargets& targets) {
  // Times are at most an hour (the records refuse others): the product stays far within range.
  const auto ratio = [](int64_t ms, int64_t target) {
    return std::clamp<int64_t>(ms, 0, 3600000) * 1000 / std::max<int64_t>(target, 1);
  };
  if (chance.reactionMs) return ratio(*chance.reactionMs, targets.reactionMs);
  if (chance.typingMs) return ratio(*chance.typingMs, targets.typingMs);
  return std::nullopt;
}

bool MeetsGate(int hits, int chances, const std::optional<int64_t>& speedPerMille, int minChances) {
  if (chances < minChances || chances <= 0) return false;
  return AccurateEnough(hits, chances) && FastEnough(speedPerMille);
}

bool PassesReview(int hits, int chances, const std::optional<int64_t>& speedPerMille) {
  if (chances < kReviewMinChances) return false;
  const int forgiven = std::max(1, chances / kReviewChancesPerMiss);
  return chances - hits <= forgiven && FastEnough(speedPerMille);
}

double MasteryScore(int hits, int chances, const std::optional<int64_t>& speedPerMille, bool mastered) {
  if (mastered) return 1.0;
  if (chances <= 0) return 0.0;
  const double accuracy = static_cast<double>(hits) / chances;
  const double accuracyPart = std::clamp((accuracy - 0.5) / (kMasteryAccuracyPercent / 100.0 - 0.5), 0.0, 1.0);
  double speedPart = 0;
  if (speedPerMille) speedPart = *speedPerMille <= 1000 ? 1.0 : 1000.0 / static_cast<double>(*speedPerMille);
  const double filled = std::min(1.0, static_cast<double>(chances) / kMasteryWindow);
  return std::min(accuracyPart * speedPart * filled, 0.99);
}

KeyMastery MasteryOf(const std::string& position, const std::vector<PracticeChance>& newestFirst,
                     const SpeedTargets& targets) {
  KeyMastery m;
  m.position = position;
  std::vector<int64_t> reactions, typing, ratios;
  for (const PracticeChance& chance : newestFirst) {
    if (m.chances >= kMasteryWindow) break;
    ++m.chances;
    if (!chance.hit) continue;
    ++m.hits;
    if (chance.reactionMs) reactions.push_back(*chance.reactionMs);
    if (chance.typingMs) typing.push_back(*chance.typingMs);
    if (const std::optional<int64_t> ratio = SpeedPerMille(chance, targets)) ratios.push_back(*ratio);
  }
  m.medianReactionMs = MedianOf(std::move(reactions));
  m.medianTypingMs = MedianOf(std::move(typing));
  m.speedPerMille = MedianOf(std::move(ratios));
  m.mastered = MeetsGate(m.hits, m.chances, m.speedPerMille, kMasteryWindow);
  m.score = MasteryScore(m.hits, m.chances, m.speedPerMille, m.mastered);
  return m;
}

std::map<std::string, KeyMastery> MasteryByPosition(const std::vector<PracticeChance>& oldestFirst,
                                                    const SpeedTargets& targets) {
  std::map<std::string, std::vector<PracticeChance>> byKey;
  for (auto it = oldestFirst.rbegin(); it != oldestFirst.rend(); ++it) {
    std::vector<PracticeChance>& chances = byKey[it->position];
    if (chances.size() < static_cast<size_t>(kMasteryWindow)) chances.push_back(*it);
  }
  std::map<std::string, KeyMastery> result;
  for (const auto& [position, chances] : byKey) result.emplace(position, MasteryOf(position, chances, targets));
  return result;
}

int64_t AdjustTarget(int64_t targetMs, int steps) {
  return Adjust(targetMs, steps, kTargetStepMs, kMinTargetReactionMs, kMaxTargetReactionMs);
}

int64_t AdjustTypingTarget(int64_t targetMs, int steps) {
  return Adjust(targetMs, steps, kTypingStepMs, kMinTargetTypingMs, kMaxTargetTypingMs);
}
