// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's key set over days: which keys have joined, which are mastered, when each
// mastered key is due for review, and the focus of the next drill. Plain functions over the
// stored state, the mastery read from the records and a local calendar day.
#pragma once
#include "practice/key_order.h"
#include "practice/mastery.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct KeyProgress {
  std::string position;
  bool mastered = false;
  int32_t intervalDays = 0;  // of the review after the next; 0 while not mastered
  int64_t dueDay = 0;        // local day number of the next review; only while mastered
};

// Keys in the order they joined the set.
struct PracticeState {
  std::vector<KeyProgress> keys;
  const KeyProgress* Find(const std::string& position) const;
  KeyProgress* Find(const std::string& position);
};

// What one practice did to the set.
struct PracticeEvents {
  std::vector<std::string> joined;
  std::vector<std::string> mastered;
  std::vector<std::string> reviewsPassed;
  std::vector<std::string> reviewsFailed;
};

// The first review comes this many days after a key is mastered.
inline constexpr int32_t kFirstReviewDays = 1;
inline constexpr int32_t kMaxReviewDays = 365;

// Brings the set up to date with the records: an empty set takes the keys of the first level;
// a key not mastered that meets the mastery rule becomes mastered, due kFirstReviewDays after
// today; while every key of the set is mastered, the next usable key joins.
PracticeEvents Settle(PracticeState& state, const UsableKeys& usable,
                      const std::map<std::string, KeyMastery>& mastery, int64_t today);

// After a practice on day today: each mastered key due by today that got at least
// kReviewMinChances chances in the practice (given in thisPractice, any order) is reviewed:
// passed (PassesReview) earns the next interval, NextReviewInterval; failed brings it back not
// mastered; with fewer chances it stays due. Then Settle runs, except that a key that failed a
// review now is not mastered again by the same practice.
PracticeEvents AfterPractice(PracticeState& state, const UsableKeys& usable,
                             const std::map<std::string, KeyMastery>& mastery,
                             const std::vector<PracticeChance>& thisPractice, int64_t today,
                             const SpeedTargets& targets);

// The interval after a review of key passed on day today: twice the longer of its planned
// interval and the days since it was last judged, from kFirstReviewDays to kMaxReviewDays. On
// time that doubles it (1, 2, 4, 8 ...); a review passed late earns the time that passed.
int32_t NextReviewInterval(const KeyProgress& key, int64_t today);

bool IsDue(const KeyProgress& key, int64_t today);
std::vector<std::string> DueKeys(const PracticeState& state, int64_t today);

// The least mastered key: among keys not mastered the lowest score (then fewer chances, then
// the earlier joined); when all are mastered, among the due keys; else among all. Empty when
// the set is empty.
std::string FocusKey(const PracticeState& state, const std::map<std::string, KeyMastery>& mastery, int64_t today);

// The key that joined last, while it is not mastered and was not one of the first level's.
std::string NewKey(const PracticeState& state, const UsableKeys& usable);
