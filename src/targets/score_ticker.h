// SPDX-License-Identifier: GPL-3.0-or-later
// The score ticker: up to seven lines of points and penalties that fade out one by one.
#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>

class Timer;
class TimerService;

class ScoreTicker {
public:
  static constexpr int kMaxLines = 7;
  static constexpr int kFadeMs = 750;

  ScoreTicker(TimerService& timers, std::function<void()> changed);
  ~ScoreTicker();

  void AddTickerLine(const std::string& text);
  void scoretimerTimer();
  // Clears the shown text (not the lines), as a fresh level start does.
  void ClearCaption();

  const std::deque<std::string>& TickerLines() const { return lines_; }
  const std::string& Caption() const { return caption_; }
  bool Running() const;

private:
  void ShowLines();

  std::deque<std::string> lines_;  // newest first
  std::string caption_ = "st1";
  std::unique_ptr<Timer> scoretimer_;
  std::function<void()> changed_;
};
