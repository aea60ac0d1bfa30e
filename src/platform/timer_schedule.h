// SPDX-License-Identifier: GPL-3.0-or-later
// When the program's timers are due, and which of them one wake-up of the program serves.
#pragma once
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

// Every running timer may fire a little late, by at most its slack (a fifth of its period), and
// never early. The program wakes at the earliest moment some timer's slack runs out and then
// serves every timer already due, so timers that fall due close together share one wake-up
// instead of waking the program one by one.
//
// Two rules keep them together and keep time right:
// - A periodic timer keeps its phase: its next due time is a whole period after the last, however
//   late a wake-up served it. A timer stopped and started again by its own handler as it fires
//   (as the game's clock and blinking do) counts its new period from when it was due, not from
//   the late moment it ran, so lateness never adds up.
// - A timer started afresh takes the beat of a running timer whose period divides its own or is
//   divided by it, when that beat comes within its slack: it then falls due together with that
//   timer for as long as both run, and still never fires more than its slack after it would have.
class TimerSchedule {
public:
  using Id = uint64_t;

  // A new timer, stopped. Intervals below 0 count as 0.
  Id Add(int intervalMs);
  void Remove(Id id);

  // Starts a new period from nowMs (see above for the two exceptions); a running timer starts
  // afresh.
  void Start(Id id, int64_t nowMs);
  void Stop(Id id);
  bool Running(Id id) const;
  // A running timer starts a new period from nowMs with the new interval.
  void SetInterval(Id id, int intervalMs, int64_t nowMs);
  int Interval(Id id) const;

  // The moment the program must wake to serve every running timer within its slack; none when
  // no timer runs.
  std::optional<int64_t> NextWakeMs() const;
  // The running timers due at nowMs, the earliest due first. Each moves on by one period, or
  // past nowMs when wake-ups came so late that whole periods went by (those are not made up).
  std::vector<Id> TakeDue(int64_t nowMs);

  // How late a timer of this interval may fire.
  static int64_t SlackMs(int intervalMs);

private:
  static constexpr size_t kStopped = static_cast<size_t>(-1);
  struct Entry {
    int interval = 0;
    // What is left of the slack after the start moved the due time onto another timer's beat.
    int64_t slack = 0;
    // When the timer was last due as a wake-up served it, until it is started again.
    std::optional<int64_t> lastDue;
    // Where the timer stands in running_, or kStopped.
    size_t slot = kStopped;
  };
  // A running timer. The game runs some dozens at most, so plain walks over them cost less
  // than keeping them sorted.
  struct RunningTimer {
    Id id;
    int interval;
    int64_t due;
    int64_t deadline;
  };
  // The earliest due time from ideal on, within the slack, on the beat of a running timer.
  int64_t OnABeat(Id id, const Entry& entry, int64_t ideal) const;
  void Schedule(Id id, Entry& entry, int64_t due, int64_t slack);
  void Unschedule(Entry& entry);

  std::unordered_map<Id, Entry> entries_;
  std::vector<RunningTimer> running_;
  Id nextId_ = 1;
};
