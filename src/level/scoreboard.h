// SPDX-License-Identifier: GPL-3.0-or-later
// The scoreboard: the run's counters, the captions of the labels that show them, the score ticker.
#pragma once
#include <cstdint>
#include <string>

#include "core/level_counters.h"
#include "targets/score_ticker.h"

class LevelPlayHost;
class TimerService;

// Captions of the game screen's counter labels, as the screen draws them.
struct GameLabels {
  std::string point = "Point:";
  std::string miss = "Miss:";
  std::string civilian = "Civilian:";
  std::string allScore = "AllScore:";
  std::string myScore = "MyScore:";
  std::string lost = "Lost:";
  std::string lostScore = "lostScore:";
  std::string bots = "bots:";
};

class Scoreboard {
 public:
  Scoreboard(TimerService& timers, LevelPlayHost& host);

  const LevelCounters& Counters() const { return counters_; }
  LevelCounters& MutableCounters() { return counters_; }
  const GameLabels& Labels() const { return labels_; }
  const ScoreTicker& Ticker() const { return ticker_; }

  void AddTickerLine(const std::string& text) { ticker_.AddTickerLine(text); }
  // A fresh level start clears the ticker's text (not its lines).
  void ClearTicker() { ticker_.ClearCaption(); }
  // Zero counters, and the three shown labels without a number.
  void Reset();

  // An actor has come up; enemy when it is one, worth its score.
  void CountSpawn(bool enemy, int32_t score);
  // An enemy that has come up was given more time: it is worth that much more.
  void CountExtraScore(int32_t score);
  // An enemy acted unshot: lost, with its score.
  void CountLost(int32_t score);
  // The lost labels show the counters (after any acted actor, enemy or not).
  void ShowLost();
  // The results of a typed character, each with its ticker line; ShowCounters draws them.
  void CountMiss(int32_t penaltyMs);
  void CountCivilian(int32_t penaltyMs);
  void CountPoint(int32_t points);
  void ShowCounters();

 private:
  LevelPlayHost& host_;
  LevelCounters counters_;
  GameLabels labels_;
  ScoreTicker ticker_;
};
