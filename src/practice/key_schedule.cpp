// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's key set over days: joins, mastery, reviews and the focus key.
#include "practice/key_schedule.h"

#include "progress/progress_stats.h"

#include <algorithm>
#include <set>
#include <tuple>

const KeyProgress* PracticeState::Find(const std::string& position) const {
  auto it = std::find_if(keys.begin(), keys.end(), [&](const KeyProgress& k) { return k.position == position; });
  return it == keys.end() ? nullptr : &*it;
}

KeyProgress* PracticeState::Find(const std::string& position) {
  return const_cast<KeyProgress*>(static_cast<const PracticeState*>(this)->Find(position));
}

namespace {

bool MasteredByRecords(const std::map<std::string, KeyMastery>& mastery, const std::string& position) {
  auto it = mastery.find(position);
  return it != mastery.end() && it->second.mastered;
}

PracticeEvents SettleExcept(PracticeState& state, const UsableKeys& usable,
                            const std::map<std::string, KeyMastery>& mastery, int64_t today,
                            const std::set<std::string>& notNow) {
  PracticeEvents events;
  // Keys no longer usable (the player changed layouts) stay stored but are skipped.
  auto usableIndex = [&](const std::string& position) {
    for (size_t i = 0; i < usable.keys.size(); ++i) {
      if (usable.keys[i].position == position) return static_cast<int>(i);
    }
    return -1;
  };
  bool anyUsable = std::any_of(state.keys.begin(), state.keys.end(),
                               [&](const KeyProgress& k) { return usableIndex(k.position) >= 0; });
  if (!anyUsable && !usable.keys.empty()) {
    const int firstLevel = usable.keys.front().level;
    for (const KeyIntroduction& key : usable.keys) {
      if (key.level != firstLevel || state.Find(key.position)) continue;
      state.keys.push_back({key.position, false, 0, 0});
      events.joined.push_back(key.position);
    }
  }
  for (;;) {
    bool allMastered = true;
    for (KeyProgress& key : state.keys) {
      if (usableIndex(key.position) < 0) continue;
      if (!key.mastered && !notNow.count(key.position) && MasteredByRecords(mastery, key.position)) {
        key.mastered = true;
        key.intervalDays = kFirstReviewDays;
        key.dueDay = today + kFirstReviewDays;
        events.mastered.push_back(key.position);
      }
      allMastered = allMastered && key.mastered;
    }
    if (!allMastered) break;
    auto next = std::find_if(usable.keys.begin(), usable.keys.end(),
                             [&](const KeyIntroduction& k) { return !state.Find(k.position); });
    if (next == usable.keys.end()) break;
    state.keys.push_back({next->position, false, 0, 0});
    events.joined.push_back(next->position);
  }
  return events;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& from) { to.insert(to.end(), from.begin(), from.end()); }

}  // namespace

bool IsDue(const KeyProgress& key, int64_t today) { return key.mastered && today >= key.dueDay; }

std::vector<std::string> DueKeys(const PracticeState& state, int64_t today) {
  std::vector<std::string> due;
  for (const KeyProgress& key : state.keys) {
    if (IsDue(key, today)) due.push_back(key.position);
  }
  return due;
}

PracticeEvents Settle(PracticeState& state, const UsableKeys& usable,
                      const std::map<std::string, KeyMastery>& mastery, int64_t today) {
  return SettleExcept(state, usable, mastery, today, {});
}

int32_t NextReviewInterval(const KeyProgress& key, int64_t today) {
  // The day it was last judged (mastered or reviewed) lies an interval before its due day; a
  // clock set back makes the days since it none, never fewer.
  const int64_t judged = key.dueDay - key.intervalDays;
  const int64_t since = std::clamp<int64_t>(today - judged, 0, kMaxReviewDays);
  const int64_t longer = std::max<int64_t>(std::max<int64_t>(key.intervalDays, 0), since);
  return static_cast<int32_t>(std::clamp<int64_t>(2 * longer, kFirstReviewDays, kMaxReviewDays));
}

PracticeEvents AfterPractice(PracticeState& state, const UsableKeys& usable,
                             const std::map<std::string, KeyMastery>& mastery,
                             const std::vector<PracticeChance>& thisPractice, int64_t today,
                             const SpeedTargets& targets) {
  PracticeEvents events;
  std::set<std::string> failed;
  for (KeyProgress& key : state.keys) {
    if (!IsDue(key, today)) continue;
    int chances = 0, hits = 0;
    std::vector<int64_t> ratios;
    for (const PracticeChance& chance : thisPractice) {
      if (chance.position != key.position) continue;
      ++chances;
      if (!chance.hit) continue;
      ++hits;
      if (const std::optional<int64_t> ratio = SpeedPerMille(chance, targets)) ratios.push_back(*ratio);
    }
    if (chances < kReviewMinChances) continue;  // stays due
    if (PassesReview(hits, chances, MedianOf(std::move(ratios)))) {
      key.intervalDays = NextReviewInterval(key, today);
      key.dueDay = today + key.intervalDays;
      events.reviewsPassed.push_back(key.position);
    } else {
      key.mastered = false;
      key.intervalDays = 0;
      key.dueDay = 0;
      failed.insert(key.position);
      events.reviewsFailed.push_back(key.position);
    }
  }
  PracticeEvents settled = SettleExcept(state, usable, mastery, today, failed);
  events.joined = settled.joined;
  Append(events.mastered, settled.mastered);
  return events;
}

std::string FocusKey(const PracticeState& state, const std::map<std::string, KeyMastery>& mastery, int64_t today) {
  auto pick = [&](auto&& eligible) {
    std::string best;
    std::tuple<double, int, size_t> bestRank{2.0, 0, 0};
    for (size_t i = 0; i < state.keys.size(); ++i) {
      const KeyProgress& key = state.keys[i];
      if (!eligible(key)) continue;
      auto it = mastery.find(key.position);
      const double score = it == mastery.end() ? 0.0 : it->second.score;
      const int chances = it == mastery.end() ? 0 : it->second.chances;
      const std::tuple<double, int, size_t> rank{score, chances, i};
      if (best.empty() || rank < bestRank) {
        best = key.position;
        bestRank = rank;
      }
    }
    return best;
  };
  std::string focus = pick([](const KeyProgress& k) { return !k.mastered; });
  if (focus.empty()) focus = pick([&](const KeyProgress& k) { return IsDue(k, today); });
  if (focus.empty()) focus = pick([](const KeyProgress&) { return true; });
  return focus;
}

std::string NewKey(const PracticeState& state, const UsableKeys& usable) {
  if (state.keys.empty() || usable.keys.empty()) return "";
  const KeyProgress& last = state.keys.back();
  if (last.mastered) return "";
  for (const KeyIntroduction& key : usable.keys) {
    if (key.position == last.position) return key.level == usable.keys.front().level ? "" : last.position;
  }
  return "";
}
