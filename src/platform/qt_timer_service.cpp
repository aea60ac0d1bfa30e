// SPDX-License-Identifier: GPL-3.0-or-later
// Timers driven by Qt's event loop, for the running game.
#include "platform/qt_timer_service.h"

#include <QObject>
#include <QTimer>

namespace {

// Shared between a timer and the connection that calls its handler, so that a handler may
// delete its own timer (or the object that owns it) while it runs.
struct TickState {
  std::function<void()> onTick;
  bool firing = false;
  bool released = false;
};

class QtTimer : public Timer {
public:
  QtTimer(int intervalMs, std::function<void()> onTick)
      : timer_(new QTimer), state_(std::make_shared<TickState>()) {
    state_->onTick = std::move(onTick);
    timer_->setTimerType(Qt::CoarseTimer);
    timer_->setInterval(intervalMs < 0 ? 0 : intervalMs);
    QObject::connect(timer_, &QTimer::timeout, [state = state_] { Fire(state); });
  }

  ~QtTimer() override {
    timer_->stop();
    QObject::disconnect(timer_, nullptr, nullptr, nullptr);
    state_->released = true;
    if (state_->firing) {
      // Deleting a QTimer inside its own timeout would pull it from under Qt's timer dispatch.
      timer_->deleteLater();
    } else {
      delete timer_;
    }
  }

  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  void SetEnabled(bool enabled) override {
    // QTimer::start on a running timer would restart its period; the game's timers keep it.
    if (enabled && !timer_->isActive()) {
      timer_->start();
    } else if (!enabled) {
      timer_->stop();
    }
  }
  bool Enabled() const override { return timer_->isActive(); }

  void SetInterval(int ms) override {
    const int interval = ms < 0 ? 0 : ms;
    if (timer_->isActive()) {
      timer_->start(interval);
    } else {
      timer_->setInterval(interval);
    }
  }
  int Interval() const override { return timer_->interval(); }

private:
  static void Fire(const std::shared_ptr<TickState>& shared) {
    // Keep the state (and with it the handler) alive even if the handler destroys the timer.
    const std::shared_ptr<TickState> state = shared;
    if (state->firing || state->released) return;
    struct Firing {
      TickState& state;
      explicit Firing(TickState& s) : state(s) { state.firing = true; }
      ~Firing() { state.firing = false; }
    } firing(*state);
    state->onTick();
  }

  QTimer* timer_;
  std::shared_ptr<TickState> state_;
};

}  // namespace

QtTimerService::QtTimerService() { clock_.start(); }

std::unique_ptr<Timer> QtTimerService::CreateTimer(int intervalMs, std::function<void()> onTick) {
  return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

int64_t QtTimerService::NowMs() const { return clock_.elapsed(); }
