// SPDX-License-Identifier: GPL-3.0-or-later
// The scoreboard: what spawns and results add to the counters, their captions and the ticker.
#include "level/scoreboard.h"

#include "level/level_play_host.h"

namespace {
constexpr ScreenRect kCounterLabels{560, 400, 80, 80};
constexpr ScreenRect kTickerLabel{16, 400, 105, 73};
}  // namespace

Scoreboard::Scoreboard(TimerService& timers, LevelPlayHost& host)
    : host_(host), ticker_(timers, [this] { host_.Invalidate(kTickerLabel); }) {}

void Scoreboard::Reset() {
  counters_ = LevelCounters{};
  labels_.point = "Point: ";
  labels_.miss = "Miss: ";
  labels_.civilian = "Civilian: ";
  ShowCounters();
}

void Scoreboard::CountExtraScore(int32_t score) {
  counters_.AllScore = WrapAdd(counters_.AllScore, score);
  labels_.allScore = "AllScore: " + std::to_string(counters_.AllScore);
}

void Scoreboard::CountSpawn(bool enemy, int32_t score) {
  if (enemy) counters_.AllScore = WrapAdd(counters_.AllScore, score);
  labels_.allScore = "AllScore: " + std::to_string(counters_.AllScore);
  counters_.Bots = WrapAdd(counters_.Bots, 1);
  labels_.bots = "bots: " + std::to_string(counters_.Bots);
}

void Scoreboard::CountLost(int32_t score) {
  counters_.Lost = WrapAdd(counters_.Lost, 1);
  counters_.LostScore = WrapAdd(counters_.LostScore, score);
}

void Scoreboard::ShowLost() {
  labels_.lost = "lost: " + std::to_string(counters_.Lost);
  labels_.lostScore = "lostScore: " + std::to_string(counters_.LostScore);
}

void Scoreboard::CountMiss(int32_t penaltyMs) {
  counters_.Misses = WrapAdd(counters_.Misses, 1);
  AddTickerLine("-" + std::to_string(penaltyMs));
  labels_.miss = "Miss: " + std::to_string(counters_.Misses);
}

void Scoreboard::CountCivilian(int32_t penaltyMs) {
  counters_.Civilians = WrapAdd(counters_.Civilians, 1);
  AddTickerLine("-" + std::to_string(penaltyMs));
  labels_.civilian = "Civilian: " + std::to_string(counters_.Civilians);
}

void Scoreboard::CountPoint(int32_t points) {
  counters_.MyScore = WrapAdd(counters_.MyScore, points);
  AddTickerLine("+" + std::to_string(points));
  labels_.myScore = "MyScore: " + std::to_string(counters_.MyScore);
  counters_.Hits = WrapAdd(counters_.Hits, 1);
  labels_.point = "Point: " + std::to_string(counters_.Hits);
}

void Scoreboard::ShowCounters() { host_.Invalidate(kCounterLabels); }
