// SPDX-License-Identifier: GPL-3.0-or-later
// Mastery of a key: accuracy and median reaction over its recent chances, against the target.
#pragma once
#include "practice/practice_chances.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Recent chances a key is judged over (see docs/practice.md for why 30).
inline constexpr int kMasteryWindow = 30;
inline constexpr int kMasteryAccuracyPercent = 95;
// A review needs this many chances in one practice.
inline constexpr int kReviewMinChances = 10;
// The target reaction: default, the step of + and -, and its bounds.
inline constexpr int64_t kDefaultTargetReactionMs = 1000;
inline constexpr int64_t kTargetStepMs = 50;
inline constexpr int64_t kMinTargetReactionMs = 300;
inline constexpr int64_t kMaxTargetReactionMs = 3000;

struct KeyMastery {
  std::string position;
  int chances = 0;  // of the last kMasteryWindow
  int hits = 0;
  std::optional<int64_t> medianReactionMs;  // over the hits among them
  double score = 0;                         // 0..1; exactly 1 when mastered
  bool mastered = false;
};

// True when hits of chances reach the accuracy and the median reaction is at most the target,
// with at least minChances chances.
bool MeetsGate(int hits, int chances, const std::optional<int64_t>& medianReactionMs, int64_t targetMs,
               int minChances);

// The mastery of one key over its chances given newest first (only the first kMasteryWindow count).
KeyMastery MasteryOf(const std::string& position, const std::vector<PracticeChance>& newestFirst, int64_t targetMs);

// Per position over chances given oldest first.
std::map<std::string, KeyMastery> MasteryByPosition(const std::vector<PracticeChance>& oldestFirst, int64_t targetMs);

// The score: accuracy from 50 % (0) to 95 % (1), times speed (target / median, at most 1),
// times how much of the window is filled; kept under 1 for a key not mastered.
double MasteryScore(int hits, int chances, const std::optional<int64_t>& medianReactionMs, int64_t targetMs,
                    bool mastered);

// The target after steps presses of + (positive, slower) or - (negative, faster), in bounds.
int64_t AdjustTarget(int64_t targetMs, int steps);
