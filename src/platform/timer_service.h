// SPDX-License-Identifier: GPL-3.0-or-later
// Timers: the one way time enters the rules. Real timers run on Qt, virtual ones in tests.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

class Timer {
public:
  virtual ~Timer() = default;
  // Enabling a timer that already runs keeps its period; enabling a stopped one starts a new
  // period from now. Disabling drops the period.
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  // Changing the interval of a running timer starts a new period from now.
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;
};

class TimerService {
public:
  virtual ~TimerService() = default;
  // A new timer, disabled. The handler runs on the user-interface thread; a timer never fires
  // again while its own handler runs (a handler may open a modal screen).
  virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) = 0;
  // Milliseconds on a monotonic clock: wall time for real timers, virtual time in tests.
  virtual int64_t NowMs() const = 0;
};
