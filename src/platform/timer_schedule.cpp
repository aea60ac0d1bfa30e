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
  Unschedule(id, found->second);
  entries_.erase(found);
}

void TimerSchedule::Start(Id id, int64_t nowMs) {
  const auto found = entries_.find(id);
  if (found == entries_.end()) return;
  Schedule(id, found->second, nowMs + found->second.interval);
}

void TimerSchedule::Stop(Id id) {
  const auto found = entries_.find(id);
  if (found != entries_.end()) Unschedule(id, found->second);
}

bool TimerSchedule::Running(Id id) const {
  const auto found = entries_.find(id);
  return found != entries_.end() && found->second.running;
}

void TimerSchedule::SetInterval(Id id, int intervalMs, int64_t nowMs) {
  const auto found = entries_.find(id);
  if (found == entries_.end()) return;
  // The deadline on record was worked out from the old interval's slack: drop it first.
  const bool running = found->second.running;
  Unschedule(id, found->second);
  found->second.interval = std::max(intervalMs, 0);
  if (running) Start(id, nowMs);
}

int TimerSchedule::Interval(Id id) const {
  const auto found = entries_.find(id);
  return found == entries_.end() ? 0 : found->second.interval;
}

std::optional<int64_t> TimerSchedule::NextWakeMs() const {
  if (deadlines_.empty()) return std::nullopt;
  return deadlines_.begin()->first;
}

std::vector<TimerSchedule::Id> TimerSchedule::TakeDue(int64_t nowMs) {
  std::vector<std::pair<int64_t, Id>> due;
  for (auto it = dues_.begin(); it != dues_.end() && it->first <= nowMs; ++it) due.push_back(*it);
  std::vector<Id> ids;
  ids.reserve(due.size());
  for (const auto& [when, id] : due) {
    Entry& entry = entries_.at(id);
    int64_t next = when + entry.interval;
    if (next <= nowMs) next = nowMs + entry.interval;
    Schedule(id, entry, next);
    ids.push_back(id);
  }
  return ids;
}

int64_t TimerSchedule::SlackMs(int intervalMs) { return std::max(intervalMs, 0) / 5; }

void TimerSchedule::Schedule(Id id, Entry& entry, int64_t due) {
  Unschedule(id, entry);
  entry.running = true;
  entry.due = due;
  deadlines_.emplace(due + SlackMs(entry.interval), id);
  dues_.emplace(due, id);
}

void TimerSchedule::Unschedule(Id id, Entry& entry) {
  if (!entry.running) return;
  deadlines_.erase({entry.due + SlackMs(entry.interval), id});
  dues_.erase({entry.due, id});
  entry.running = false;
}
