// SPDX-License-Identifier: GPL-3.0-or-later
// Timers driven by Qt's event loop, for the running game.
#include "platform/qt/qt_timer_service.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimerEvent>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "platform/timer_schedule.h"

namespace {

// Shared between a timer and the wake-up that calls its handler, so that a handler may delete
// its own timer (or the object that owns it) while it runs.
struct TickState {
  std::function<void()> onTick;
  bool firing = false;
  bool released = false;
};

}  // namespace

// All timers of one service wake the program through a single Qt timer, armed for the moment
// the schedule names: timers falling due close together are served by one wake-up.
class QtTimerHub : public QObject, public std::enable_shared_from_this<QtTimerHub> {
public:
  QtTimerHub() { clock_.start(); }
  QtTimerHub(const QtTimerHub&) = delete;
  QtTimerHub& operator=(const QtTimerHub&) = delete;
  ~QtTimerHub() override {
    if (armedId_ != 0) killTimer(armedId_);
  }

  int64_t NowMs() const { return clock_.elapsed(); }
  // The schedule's clock, rounded up: a Qt timer may fire within the millisecond before the
  // moment it was armed for, and a timer's handler must find the time it was due as passed.
  int64_t ScheduleNowMs() const { return (clock_.nsecsElapsed() + 999'999) / 1'000'000; }

  // Made through this, a hub left by its service and its last timer inside one of its own
  // wake-ups is deleted once the wake-up has returned.
  static std::shared_ptr<QtTimerHub> Make() {
    return std::shared_ptr<QtTimerHub>(new QtTimerHub, [](QtTimerHub* hub) {
      if (hub->dispatching_ > 0) {
        hub->deleteLater();
      } else {
        delete hub;
      }
    });
  }

  TimerSchedule::Id Add(int intervalMs, std::function<void()> onTick) {
    const TimerSchedule::Id id = schedule_.Add(intervalMs);
    auto state = std::make_shared<TickState>();
    state->onTick = std::move(onTick);
    states_.emplace(id, std::move(state));
    return id;
  }

  void Remove(TimerSchedule::Id id) {
    const auto found = states_.find(id);
    if (found != states_.end()) {
      found->second->released = true;
      states_.erase(found);
    }
    schedule_.Remove(id);
    // A wake-up armed for a timer that has gone finds nothing due and re-arms for the rest.
  }

  void Start(TimerSchedule::Id id) {
    schedule_.Start(id, ScheduleNowMs());
    ArmIfSooner();
  }
  void Stop(TimerSchedule::Id id) { schedule_.Stop(id); }
  bool Running(TimerSchedule::Id id) const { return schedule_.Running(id); }
  void SetInterval(TimerSchedule::Id id, int intervalMs) {
    schedule_.SetInterval(id, intervalMs, ScheduleNowMs());
    ArmIfSooner();
  }
  int Interval(TimerSchedule::Id id) const { return schedule_.Interval(id); }

protected:
  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() != armedId_) return;
    struct Dispatching {
      int& depth;
      explicit Dispatching(int& d) : depth(d) { ++depth; }
      ~Dispatching() { --depth; }
    } dispatching(dispatching_);
    // Made after the depth count, so it goes first: should it be the last owner, the hub's
    // deletion sees the wake-up still under way and is deferred.
    const std::shared_ptr<QtTimerHub> keepAlive = shared_from_this();
    killTimer(armedId_);
    armedId_ = 0;
    const std::vector<TimerSchedule::Id> due = schedule_.TakeDue(ScheduleNowMs());
    // Armed again before any handler runs: a handler may open a modal screen, whose event loop
    // must go on serving the other timers.
    Arm();
    for (const TimerSchedule::Id id : due) {
      const auto found = states_.find(id);
      if (found == states_.end()) continue;
      Fire(found->second);
      ArmIfSooner();
    }
    Arm();
  }

private:
  static void Fire(const std::shared_ptr<TickState>& shared) {
    // Keep the state (and with it the handler) alive even if the handler destroys the timer.
    const std::shared_ptr<TickState> state = shared;
    // A timer never fires again while its own handler runs (it may have opened a modal screen).
    if (state->firing || state->released) return;
    struct Firing {
      TickState& state;
      explicit Firing(TickState& s) : state(s) { state.firing = true; }
      ~Firing() { state.firing = false; }
    } firing(*state);
    state->onTick();
  }

  // Arms the Qt timer for the schedule's next wake-up, or leaves it unarmed when nothing runs.
  void Arm() {
    const std::optional<int64_t> next = schedule_.NextWakeMs();
    if (next == armedFor_ && (armedId_ != 0) == next.has_value()) return;
    if (armedId_ != 0) killTimer(armedId_);
    armedId_ = 0;
    armedFor_ = next;
    if (!next) return;
    const int64_t wait = std::max<int64_t>(*next - ScheduleNowMs(), 0);
    armedId_ = startTimer(static_cast<int>(std::min<int64_t>(wait, INT32_MAX)), Qt::PreciseTimer);
  }

  // Only a wake-up needed sooner than the armed one re-arms at once; one armed too soon just
  // finds nothing due and re-arms, which is cheaper than re-arming at every change.
  void ArmIfSooner() {
    const std::optional<int64_t> next = schedule_.NextWakeMs();
    if (next && (armedId_ == 0 || !armedFor_ || *next < *armedFor_)) Arm();
  }

  QElapsedTimer clock_;
  TimerSchedule schedule_;
  std::unordered_map<TimerSchedule::Id, std::shared_ptr<TickState>> states_;
  int armedId_ = 0;
  std::optional<int64_t> armedFor_;
  int dispatching_ = 0;
};

namespace {

class QtTimer : public Timer {
public:
  QtTimer(std::shared_ptr<QtTimerHub> hub, int intervalMs, std::function<void()> onTick)
      : hub_(std::move(hub)), id_(hub_->Add(intervalMs, std::move(onTick))) {}
  ~QtTimer() override { hub_->Remove(id_); }

  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  void SetEnabled(bool enabled) override {
    // Enabling a running timer keeps its period.
    if (enabled && !hub_->Running(id_)) {
      hub_->Start(id_);
    } else if (!enabled) {
      hub_->Stop(id_);
    }
  }
  bool Enabled() const override { return hub_->Running(id_); }
  void SetInterval(int ms) override { hub_->SetInterval(id_, ms); }
  int Interval() const override { return hub_->Interval(id_); }

private:
  std::shared_ptr<QtTimerHub> hub_;
  TimerSchedule::Id id_;
};

}  // namespace

QtTimerService::QtTimerService() : hub_(QtTimerHub::Make()) {}

QtTimerService::~QtTimerService() = default;

std::unique_ptr<Timer> QtTimerService::CreateTimer(int intervalMs, std::function<void()> onTick) {
  return std::make_unique<QtTimer>(hub_, intervalMs, std::move(onTick));
}

int64_t QtTimerService::NowMs() const { return hub_->NowMs(); }
