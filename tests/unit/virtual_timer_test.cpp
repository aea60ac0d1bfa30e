// SPDX-License-Identifier: GPL-3.0-or-later
// Virtual time: order of firing, periods kept on re-enable, handlers that change timers.
#include "platform/virtual_timer_service.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(VirtualTimerService, FiresInDueOrderThenCreationOrder) {
  VirtualTimerService service;
  std::vector<std::string> log;
  auto slow = service.CreateTimer(100, [&] { log.push_back("slow@" + std::to_string(service.NowMs())); });
  auto fast = service.CreateTimer(55, [&] { log.push_back("fast@" + std::to_string(service.NowMs())); });
  auto twin = service.CreateTimer(100, [&] { log.push_back("twin@" + std::to_string(service.NowMs())); });
  slow->SetEnabled(true);
  fast->SetEnabled(true);
  twin->SetEnabled(true);
  service.Advance(110);
  EXPECT_EQ(log, (std::vector<std::string>{"fast@55", "slow@100", "twin@100", "fast@110"}));
}

TEST(VirtualTimerService, EnablingARunningTimerKeepsItsPeriod) {
  VirtualTimerService service;
  int ticks = 0;
  auto timer = service.CreateTimer(750, [&] { ++ticks; });
  timer->SetEnabled(true);
  service.Advance(700);
  timer->SetEnabled(true);
  service.Advance(50);
  EXPECT_EQ(ticks, 1);
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  service.Advance(749);
  EXPECT_EQ(ticks, 1);
  service.Advance(1);
  EXPECT_EQ(ticks, 2);
}

TEST(VirtualTimerService, HandlerMayDeleteTimersAndRunANestedLoop) {
  VirtualTimerService service;
  std::unique_ptr<Timer> victim;
  int victimTicks = 0, otherTicks = 0, outerTicks = 0;
  victim = service.CreateTimer(10, [&] { ++victimTicks; });
  auto other = service.CreateTimer(10, [&] { ++otherTicks; });
  std::unique_ptr<Timer> outer;
  outer = service.CreateTimer(5, [&] {
    ++outerTicks;
    victim.reset();
    service.Advance(50);  // a modal screen: the others go on, this one does not fire again
  });
  victim->SetEnabled(true);
  other->SetEnabled(true);
  outer->SetEnabled(true);
  service.Advance(5);
  EXPECT_EQ(outerTicks, 1);
  EXPECT_EQ(victimTicks, 0);
  EXPECT_EQ(otherTicks, 5);
  EXPECT_EQ(service.NowMs(), 55);
}
