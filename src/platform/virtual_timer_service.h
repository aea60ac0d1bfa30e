// SPDX-License-Identifier: GPL-3.0-or-later
// Timers in virtual time: Advance(ms) fires what falls due, deterministically.
#pragma once
#include "platform/timer_service.h"

#include <map>

class VirtualTimerService : public TimerService {
public:
  VirtualTimerService() = default;
  ~VirtualTimerService() override;
  VirtualTimerService(const VirtualTimerService&) = delete;
  VirtualTimerService& operator=(const VirtualTimerService&) = delete;

  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
  int64_t NowMs() const override { return now_; }

  // Fires every timer that falls due within the next ms milliseconds, in order of due time and,
  // for equal times, in order of creation. Handlers may create, delete, enable or disable
  // timers, and may call Advance themselves (a modal screen's nested loop).
  void Advance(int64_t ms);
  // Runs timers until the predicate holds or limitMs of virtual time have passed; true if it held.
  bool AdvanceUntil(const std::function<bool()>& done, int64_t limitMs);

private:
  class VirtualTimer;
  struct Slot {
    int interval = 0;
    bool enabled = false;
    bool firing = false;
    int64_t due = 0;
    std::shared_ptr<std::function<void()>> onTick;
  };
  Slot* Find(uint64_t id);
  bool FireNext(int64_t limit);

  int64_t now_ = 0;
  uint64_t nextId_ = 1;
  std::map<uint64_t, Slot> slots_;
};
