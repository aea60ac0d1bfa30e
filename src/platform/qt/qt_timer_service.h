// SPDX-License-Identifier: GPL-3.0-or-later
// Timers driven by Qt's event loop, for the running game.
#pragma once
#include <memory>

#include "platform/timer_service.h"

class QtTimerHub;

// Each timer may fire up to a fifth of its interval late, never early, so that timers falling
// due close together wake the program once (see TimerSchedule).
class QtTimerService : public TimerService {
public:
  QtTimerService();
  ~QtTimerService() override;
  // Timers need a running QCoreApplication event loop to fire. They may outlive the service.
  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
  // Milliseconds since the service was made, on a monotonic clock.
  int64_t NowMs() const override;

private:
  std::shared_ptr<QtTimerHub> hub_;
};
