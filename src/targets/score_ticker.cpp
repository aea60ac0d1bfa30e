// SPDX-License-Identifier: GPL-3.0-or-later
// The score ticker: up to seven lines of points and penalties that fade out one by one.
#include "targets/score_ticker.h"

#include "platform/timer_service.h"

ScoreTicker::ScoreTicker(TimerService& timers, std::function<void()> changed)
    : changed_(std::move(changed)) {
  scoretimer_ = timers.CreateTimer(kFadeMs, [this] { scoretimerTimer(); });
}

ScoreTicker::~ScoreTicker() = default;

void ScoreTicker::AddTickerLine(const std::string& text) {
  if (static_cast<int>(lines_.size()) > kMaxLines - 1) lines_.pop_back();
  lines_.push_front(text);
  ShowLines();
  scoretimer_->SetEnabled(true);  // a running ticker keeps its period
}

void ScoreTicker::scoretimerTimer() {
  if (lines_.empty()) {
    scoretimer_->SetEnabled(false);
    return;
  }
  lines_.pop_back();
  ShowLines();
}

void ScoreTicker::ClearCaption() {
  caption_.clear();
  if (changed_) changed_();
}

bool ScoreTicker::Running() const { return scoretimer_->Enabled(); }

void ScoreTicker::ShowLines() {
  caption_.clear();
  for (const std::string& line : lines_) caption_ += line + "\n";
  if (changed_) changed_();
}
