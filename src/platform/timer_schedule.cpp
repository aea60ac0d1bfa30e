// SPDX-License-Identifier: GPL-3.0-or-later
// When the program's timers are due, and which of them one wake-up of the program serves.
#include "platform/timer_schedule.h"

#include <algorithm>

TimerSchedule::Id TimerSchedule::Add(int intervalMs) {
  const Id id = nextId_++;
  entries_[id].interval = std::max(intervalMs, 0);
  return id;
}

void TimerSchedule::Remove(Id id) {
  const auto found = entries_.find(id);
  if (found == entries_.end()) return;
  Unschedule(found->second);
  entries_.erase(found);
}

void TimerSchedule::Start(Id id, int64_t nowMs) {
  const auto found = entries_.find(id);
  if (found == entries_.end()) return;
  Entry& entry = found->second;
  const int64_t slack = SlackMs(entry.interval);
  int64_t from = nowMs;
  if (entry.lastDue && nowMs >= *entry.lastDue && nowMs - *entry.lastDue <= slack) from = *entry.lastDue;
  entry.lastDue.reset();
  const int64_t ideal = from + entry.interval;
  const int64_t due = OnABeat(id, entry, ideal);
  Schedule(id, entry, due, slack - (due - ideal));
}

void TimerSchedule::Stop(Id id) {
  const auto found = entries_.find(id);
  if (found != entries_.end()) Unschedule(found->second);
}

bool TimerSchedule::Running(Id id) const {
  const auto found = entries_.find(id);
  return found != entries_.end() && found->second.slot != kStopped;
}

void TimerSchedule::SetInterval(Id id, int intervalMs, int64_t nowMs) {
  const auto found = entries_.find(id);
  if (found == entries_.end()) return;
  const bool running = found->second.slot != kStopped;
  Unschedule(found->second);
  found->second.interval = std::max(intervalMs, 0);
  found->second.lastDue.reset();
  if (running) Start(id, nowMs);
}

int TimerSchedule::Interval(Id id) const {
  const auto found = entries_.find(id);
  return found == entries_.end() ? 0 : found->second.interval;
}

std::optional<int64_t> TimerSchedule::NextWakeMs() const {
  std::optional<int64_t> earliest;
  for (const RunningTimer& timer : running_) {
    if (!earliest || timer.deadline < *earliest) earliest = timer.deadline;
  }
  return earliest;
}

std::vector<TimerSchedule::Id> TimerSchedule::TakeDue(int64_t nowMs) {
  std::vector<std::pair<int64_t, Id>> due;
  for (const RunningTimer& timer : running_) {
    if (timer.due <= nowMs) due.emplace_back(timer.due, timer.id);
  }
  std::sort(due.begin(), due.end());
  std::vector<Id> ids;
  ids.reserve(due.size());
  for (const auto& [when, id] : due) {
    Entry& entry = entries_.at(id);
    int64_t next = when + entry.interval;
    if (next <= nowMs) next = nowMs + entry.interval;
    Schedule(id, entry, next, entry.slack);
    entry.lastDue = when;
    ids.push_back(id);
  }
  return ids;
}

int64_t TimerSchedule::SlackMs(int intervalMs) { return std::max(intervalMs, 0) / 5; }

int64_t TimerSchedule::OnABeat(Id id, const Entry& entry, int64_t ideal) const {
  const int64_t slack = SlackMs(entry.interval);
  if (entry.interval <= 0 || slack <= 0) return ideal;
  int64_t best = slack + 1;
  for (const RunningTimer& timer : running_) {
    if (timer.id == id) continue;
    const int64_t due = timer.due;
    const int other = timer.interval;
    if (other <= 0) continue;
    const int longer = std::max(entry.interval, other);
    const int beat = std::min(entry.interval, other);
    if (longer % beat != 0) continue;
    // The other timer falls due at due + k * beat for every k; the first of those from ideal on.
    const int64_t shift = ((due - ideal) % beat + beat) % beat;
    best = std::min(best, shift);
    if (best == 0) break;
  }
  return best <= slack ? ideal + best : ideal;
}

void TimerSchedule::Schedule(Id id, Entry& entry, int64_t due, int64_t slack) {
  entry.slack = slack;
  const RunningTimer timer{id, entry.interval, due, due + slack};
  if (entry.slot == kStopped) {
    entry.slot = running_.size();
    running_.push_back(timer);
  } else {
    running_[entry.slot] = timer;
  }
}

void TimerSchedule::Unschedule(Entry& entry) {
  if (entry.slot == kStopped) return;
  // The last running timer takes the freed place.
  if (entry.slot != running_.size() - 1) {
    running_[entry.slot] = running_.back();
    entries_.at(running_[entry.slot].id).slot = entry.slot;
  }
  running_.pop_back();
  entry.slot = kStopped;
}
