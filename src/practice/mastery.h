// SPDX-License-Identifier: GPL-3.0-or-later
// Mastery of a key: accuracy and speed over its recent chances, against the speed targets.
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
// A review needs this many chances in one practice; it forgives one miss in this many chances
// (at least one).
inline constexpr int kReviewMinChances = 10;
inline constexpr int kReviewChancesPerMiss = 20;
// The reaction target (from a figure's coming up to its shot, letter waves): default, step of
// + and -, and bounds. The fastest is the simulator's skilled typist's median reaction in the
// levels (680 ms, docs/practice.md) rounded up to the step: no target asks for more than that.
inline constexpr int64_t kDefaultTargetReactionMs = 1000;
inline constexpr int64_t kTargetStepMs = 50;
inline constexpr int64_t kMinTargetReactionMs = 700;
inline constexpr int64_t kMaxTargetReactionMs = 3000;
// The typing target (from one letter of a word to the next): the simulator's average typist
// types a letter in about 310 ms (its 280 ms other-hand pairs, longer on one hand), the novice in
// about 570 ms; the default asks for the average with a margin. The fastest is the skilled
// typist's (about 160 ms) with a margin, 60 words a minute.
inline constexpr int64_t kDefaultTargetTypingMs = 400;
inline constexpr int64_t kTypingStepMs = 25;
inline constexpr int64_t kMinTargetTypingMs = 200;
inline constexpr int64_t kMaxTargetTypingMs = 2000;

// Which of the two targets a player's + or - changes.
enum class SpeedTarget { Reaction, Typing };

// The two speeds a key's hits are judged against. Made from a reaction target alone the typing
// target is its default.
struct SpeedTargets {
  SpeedTargets(int64_t reaction = kDefaultTargetReactionMs, int64_t typing = kDefaultTargetTypingMs)
      : reactionMs(reaction), typingMs(typing) {}
  int64_t reactionMs;
  int64_t typingMs;
};

struct KeyMastery {
  std::string position;
  int chances = 0;  // of the last kMasteryWindow
  int hits = 0;
  std::optional<int64_t> medianReactionMs;  // over the letter-wave hits among them
  std::optional<int64_t> medianTypingMs;    // over the word letters typed right among them
  // The median of every hit's time over its own target, in thousandths (1000: on target).
  std::optional<int64_t> speedPerMille;
  double score = 0;  // 0..1; exactly 1 when mastered
  bool mastered = false;
};

// A hit's time over its target in thousandths; nothing for a hit without a time.
std::optional<int64_t> SpeedPerMille(const PracticeChance& chance, const SpeedTargets& targets);

// True when hits of chances reach the accuracy, with at least minChances chances, and the
// median time-to-target ratio of the hits is at most 1.
bool MeetsGate(int hits, int chances, const std::optional<int64_t>& speedPerMille, int minChances);
// A review of chances (at least kReviewMinChances): at most max(1, chances / 20) misses, at the
// speed targets.
bool PassesReview(int hits, int chances, const std::optional<int64_t>& speedPerMille);

// The mastery of one key over its chances given newest first (only the first kMasteryWindow count).
KeyMastery MasteryOf(const std::string& position, const std::vector<PracticeChance>& newestFirst,
                     const SpeedTargets& targets);

// Per position over chances given oldest first.
std::map<std::string, KeyMastery> MasteryByPosition(const std::vector<PracticeChance>& oldestFirst,
                                                    const SpeedTargets& targets);

// The score: accuracy from 50 % (0) to 95 % (1), times speed (1 over the median ratio, at most
// 1), times how much of the window is filled; kept under 1 for a key not mastered.
double MasteryScore(int hits, int chances, const std::optional<int64_t>& speedPerMille, bool mastered);

// The targets after steps presses of + (positive, slower) or - (negative, faster), in bounds.
int64_t AdjustTarget(int64_t targetMs, int steps);
int64_t AdjustTypingTarget(int64_t targetMs, int steps);
