// SPDX-License-Identifier: GPL-3.0-or-later
// Timers driven by Qt's event loop, for the running game.
#pragma once
#include <QElapsedTimer>

#include "platform/timer_service.h"

class QtTimerService : public TimerService {
public:
  QtTimerService();
  // Timers need a running QCoreApplication event loop to fire.
  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
  // Milliseconds since the service was made, on a monotonic clock.
  int64_t NowMs() const override;

private:
  QElapsedTimer clock_;
};
