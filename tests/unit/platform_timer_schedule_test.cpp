// SPDX-License-Identifier: GPL-3.0-or-later
// The timer schedule: shared wake-ups, never early, at most the slack late, phases kept.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/timer_schedule.h"

namespace {

TEST(TimerSchedule, TimersDueCloseTogetherShareOneWakeUpEarliestFirst) {
  TimerSchedule schedule;
  const auto late = schedule.Add(100);
  const auto early = schedule.Add(100);
  const auto apart = schedule.Add(100);
  schedule.Start(late, 15);
  schedule.Start(early, 0);
  schedule.Start(apart, 30);
  // The earliest may be 20 ms late (a fifth of its period): by then the one due at 115 is due
  // too, the one due at 130 is not.
  ASSERT_EQ(schedule.NextWakeMs(), 120);
  EXPECT_EQ(schedule.TakeDue(120), (std::vector<TimerSchedule::Id>{early, late}));
  EXPECT_EQ(schedule.NextWakeMs(), 150);
  EXPECT_EQ(schedule.TakeDue(150), std::vector<TimerSchedule::Id>{apart});
  // Phases are kept: the next ones are due at 200 and 215, not 220.
  EXPECT_EQ(schedule.NextWakeMs(), 220);
  EXPECT_EQ(schedule.TakeDue(219), (std::vector<TimerSchedule::Id>{early, late}));
}

TEST(TimerSchedule, AProgramWakingWhenToldServesEveryPeriodNeverEarlyAndWithinItsSlack) {
  // Timers of the game's periods, started at odd moments, run for a minute of schedule time.
  std::mt19937 random(7);
  TimerSchedule schedule;
  struct Expected {
    int interval;
    int64_t start;
    int64_t nextDue;
    int fired = 0;
  };
  std::map<TimerSchedule::Id, Expected> timers;
  const int intervals[] = {55, 55, 55, 100, 100, 100, 100, 100, 200, 200, 400, 750};
  for (const int interval : intervals) {
    const int64_t start = std::uniform_int_distribution<int>(0, 999)(random);
    const auto id = schedule.Add(interval);
    schedule.Start(id, start);
    timers[id] = Expected{interval, start, start + interval};
  }
  constexpr int64_t kEnd = 60'000;
  int wakeUps = 0;
  int fires = 0;
  for (auto wake = schedule.NextWakeMs(); wake && *wake <= kEnd; wake = schedule.NextWakeMs()) {
    ++wakeUps;
    const std::vector<TimerSchedule::Id> due = schedule.TakeDue(*wake);
    ASSERT_FALSE(due.empty()) << "a wake-up at " << *wake << " served nothing";
    for (const auto id : due) {
      Expected& timer = timers.at(id);
      EXPECT_GE(*wake, timer.nextDue) << "fired early";
      EXPECT_LE(*wake, timer.nextDue + TimerSchedule::SlackMs(timer.interval)) << "fired too late";
      timer.nextDue += timer.interval;
      ++timer.fired;
      ++fires;
    }
  }
  for (const auto& [id, timer] : timers) {
    // No period lost or added: lateness does not add up.
    const int64_t whole = (kEnd - TimerSchedule::SlackMs(timer.interval) - timer.start) / timer.interval;
    EXPECT_GE(timer.fired, whole) << "interval " << timer.interval;
    EXPECT_LE(timer.fired, (kEnd - timer.start) / timer.interval) << "interval " << timer.interval;
  }
  // Twelve timers apart from one another would need a wake-up for each firing.
  EXPECT_LT(wakeUps * 10, fires * 8) << wakeUps << " wake-ups for " << fires << " firings";
}

TEST(TimerSchedule, WakingLateSkipsMissedPeriodsWithoutMakingThemUp) {
  TimerSchedule schedule;
  const auto id = schedule.Add(100);
  schedule.Start(id, 0);
  // The program was held up for over five periods: the timer fires once, then a period on.
  EXPECT_EQ(schedule.TakeDue(550), std::vector<TimerSchedule::Id>{id});
  EXPECT_TRUE(schedule.TakeDue(600).empty());
  EXPECT_EQ(schedule.NextWakeMs(), 670);
  EXPECT_EQ(schedule.TakeDue(650), std::vector<TimerSchedule::Id>{id});
}

TEST(TimerSchedule, RestartsStopsIntervalChangesAndRemovalsLeaveNoStaleWakeUp) {
  TimerSchedule schedule;
  const auto id = schedule.Add(100);
  const auto other = schedule.Add(-5);
  EXPECT_EQ(schedule.Interval(other), 0);
  EXPECT_FALSE(schedule.Running(id));
  EXPECT_EQ(schedule.NextWakeMs(), std::nullopt);

  schedule.Start(id, 0);
  schedule.Start(id, 50);  // starting a running timer starts a new period
  EXPECT_TRUE(schedule.Running(id));
  EXPECT_EQ(schedule.NextWakeMs(), 170);
  EXPECT_TRUE(schedule.TakeDue(149).empty());

  schedule.SetInterval(id, 40, 60);
  EXPECT_EQ(schedule.Interval(id), 40);
  EXPECT_EQ(schedule.NextWakeMs(), 60 + 40 + 8);
  schedule.Stop(id);
  EXPECT_FALSE(schedule.Running(id));
  EXPECT_EQ(schedule.NextWakeMs(), std::nullopt) << "the old period's wake-up is left";
  EXPECT_TRUE(schedule.TakeDue(1000).empty());

  schedule.SetInterval(id, 300, 1000);
  EXPECT_FALSE(schedule.Running(id)) << "changing a stopped timer's interval does not start it";
  schedule.Start(id, 1000);
  schedule.Remove(id);
  EXPECT_FALSE(schedule.Running(id));
  EXPECT_EQ(schedule.NextWakeMs(), std::nullopt);
  schedule.Start(id, 1000);  // a removed timer stays gone
  EXPECT_EQ(schedule.NextWakeMs(), std::nullopt);
}

TEST(TimerSchedule, AZeroIntervalTimerIsDueAtEveryWakeUpButOncePerWakeUp) {
  TimerSchedule schedule;
  const auto id = schedule.Add(0);
  schedule.Start(id, 10);
  EXPECT_EQ(schedule.NextWakeMs(), 10);
  EXPECT_EQ(schedule.TakeDue(10), std::vector<TimerSchedule::Id>{id});
  EXPECT_EQ(schedule.NextWakeMs(), 10);
  EXPECT_EQ(schedule.TakeDue(12), std::vector<TimerSchedule::Id>{id});
}

}  // namespace
