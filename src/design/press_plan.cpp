// SPDX-License-Identifier: GPL-3.0-or-later
// A modelled typist's planned key presses.
#include "design/press_plan.h"

#include "design/simulation.h"
#include "level/level_play.h"
#include "targets/bot_image.h"

#include <algorithm>

int32_t PressPlan::Spawned(size_t place) {
  const int32_t spawn = ++spawns_;
  spawnAtPlace_[place] = spawn;
  return spawn;
}

int32_t PressPlan::SpawnAt(size_t place) const {
  const auto it = spawnAtPlace_.find(place);
  return it == spawnAtPlace_.end() ? 0 : it->second;
}

void PressPlan::Plan(int64_t atMs, size_t place, int32_t spawn) {
  const Intent intent{atMs, place, spawn};
  auto at = std::upper_bound(intents_.begin(), intents_.end(), intent,
                             [](const Intent& a, const Intent& b) { return a.atMs < b.atMs; });
  intents_.insert(at, intent);
}

int64_t PressPlan::NextPressMs(int32_t minGapMs) const {
  if (intents_.empty()) return -1;
  const int64_t ready = lastPressMs_ < 0 ? 0 : lastPressMs_ + minGapMs;
  return std::max(intents_.front().atMs, ready);
}

std::optional<size_t> PressPlan::TakeNext(const LevelPlay& play) {
  if (intents_.empty()) return std::nullopt;
  taken_ = intents_.front();
  intents_.erase(intents_.begin());
  const auto& places = play.Stage().Places();
  if (taken_.place >= places.size() || spawnAtPlace_[taken_.place] != taken_.spawn) return std::nullopt;
  const TbotImage* actor = places[taken_.place].actor;
  if (!actor || !Shootable(*actor)) return std::nullopt;
  return taken_.place;
}

void PressPlan::Retry(int64_t nowMs, int32_t minGapMs) {
  intents_.insert(intents_.begin(), Intent{nowMs + std::max(minGapMs, 1), taken_.place, taken_.spawn});
}

void PressPlan::Clear() {
  intents_.clear();
  spawnAtPlace_.clear();
  spawns_ = 0;
  lastPressMs_ = -1;
}
