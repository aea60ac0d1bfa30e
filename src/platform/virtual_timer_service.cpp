// SPDX-License-Identifier: GPL-3.0-or-later
// Timers in virtual time: Advance(ms) fires what falls due, deterministically.
#include "platform/virtual_timer_service.h"

#include <limits>

class VirtualTimerService::VirtualTimer : public Timer {
public:
  VirtualTimer(VirtualTimerService& service, uint64_t id) : service_(service), id_(id) {}
  ~VirtualTimer() override { service_.slots_.erase(id_); }

  void SetEnabled(bool enabled) override {
    Slot& slot = service_.slots_.at(id_);
    if (enabled && !slot.enabled) slot.due = service_.now_ + slot.interval;
    slot.enabled = enabled;
  }
  bool Enabled() const override { return service_.slots_.at(id_).enabled; }
  void SetInterval(int ms) override {
    Slot& slot = service_.slots_.at(id_);
    slot.interval = ms;
    if (slot.enabled) slot.due = service_.now_ + ms;
  }
  int Interval() const override { return service_.slots_.at(id_).interval; }

private:
  VirtualTimerService& service_;
  uint64_t id_;
};

VirtualTimerService::~VirtualTimerService() = default;

std::unique_ptr<Timer> VirtualTimerService::CreateTimer(int intervalMs, std::function<void()> onTick) {
  const uint64_t id = nextId_++;
  Slot& slot = slots_[id];
  slot.interval = intervalMs;
  slot.onTick = std::make_shared<std::function<void()>>(std::move(onTick));
  return std::make_unique<VirtualTimer>(*this, id);
}

VirtualTimerService::Slot* VirtualTimerService::Find(uint64_t id) {
  auto it = slots_.find(id);
  return it == slots_.end() ? nullptr : &it->second;
}

bool VirtualTimerService::FireNext(int64_t limit) {
  uint64_t bestId = 0;
  int64_t bestDue = std::numeric_limits<int64_t>::max();
  for (auto& [id, slot] : slots_) {
    // A timer with a zero interval would fire for ever at one instant; it waits 1 ms instead.
    if (slot.enabled && !slot.firing && slot.due <= limit && slot.due < bestDue) {
      bestDue = slot.due;
      bestId = id;
    }
  }
  if (bestId == 0) return false;
  if (bestDue > now_) now_ = bestDue;
  Slot* slot = Find(bestId);
  slot->firing = true;
  slot->due = now_ + (slot->interval > 0 ? slot->interval : 1);
  auto handler = slot->onTick;  // the timer may be deleted by its own handler
  (*handler)();
  if (Slot* after = Find(bestId)) after->firing = false;
  return true;
}

void VirtualTimerService::Advance(int64_t ms) {
  const int64_t target = now_ + ms;
  while (FireNext(target)) {
  }
  if (target > now_) now_ = target;
}

bool VirtualTimerService::AdvanceUntil(const std::function<bool()>& done, int64_t limitMs) {
  const int64_t target = now_ + limitMs;
  while (!done()) {
    if (!FireNext(target)) {
      now_ = target;
      return done();
    }
  }
  return true;
}
