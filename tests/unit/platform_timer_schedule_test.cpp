// SPDX-License-Identifier: GPL-3.0-or-later
// The timer schedule: shared wake-ups, never early, at most the slack late, phases kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "platform/timer_schedule.h"

namespace {

TEST(TimerSchedule, TimersDueCloseTogetherShareOneWakeUpEarliestFirst) {
  TimerSchedule schedule;
  // Periods that do not divide one another, so each keeps the phase it was started with.
  const auto later = schedule.Add(90);
  const auto earliest = schedule.Add(100);
  const auto apart = schedule.Add(70);
  schedule.Start(later, 25);
  schedule.Start(earliest, 0);
  schedule.Start(apart, 60);
  // The earliest may be 20 ms late (a fifth of its period): by then the one due at 115 is due
  // too, the one due at 130 is not.
  ASSERT_EQ(schedule.NextWakeMs(), 120);
  EXPECT_EQ(schedule.TakeDue(120), (std::vector<TimerSchedule::Id>{earliest, later}));
  EXPECT_EQ(schedule.NextWakeMs(), 130 + 14);
  EXPECT_EQ(schedule.TakeDue(144), std::vector<TimerSchedule::Id>{apart});
  // Phases are kept: the next ones are due at 200, 200 and 205 (not 220 and 210), so the one of
  // 70 ms, due at 200 and allowed until 214, serves all three.
  EXPECT_EQ(schedule.NextWakeMs(), 214);
  EXPECT_EQ(schedule.TakeDue(214), (std::vector<TimerSchedule::Id>{earliest, apart, later}));
}

TEST(TimerSchedule, ATimerStartedAfreshTakesTheBeatOfARunningOneWithinItsSlack) {
  TimerSchedule schedule;
  const auto clock = schedule.Add(100);
  const auto life = schedule.Add(100);
  const auto blink = schedule.Add(200);
  const auto step = schedule.Add(55);
  const auto late = schedule.Add(100);
  schedule.Start(clock, 0);
  // Due at 185 by itself; the clock's beat at 200 is within its 20 ms.
  schedule.Start(life, 85);
  EXPECT_EQ(schedule.TakeDue(120), std::vector<TimerSchedule::Id>{clock});
  // Its slack is what the beat left of it: it may wait until 205, as it would have without it.
  EXPECT_EQ(schedule.NextWakeMs(), 205);
  EXPECT_TRUE(schedule.TakeDue(199).empty());
  EXPECT_EQ(schedule.TakeDue(205), (std::vector<TimerSchedule::Id>{clock, life}));
  // A period twice the clock's falls on every other beat: 400, not 390.
  schedule.Start(blink, 190);
  // No beat divides 55 ms; and 100 ms from 230 is 70 ms from the nearest beat.
  schedule.Start(step, 190);
  schedule.Start(late, 230);
  std::vector<TimerSchedule::Id> fired;
  std::vector<int64_t> at;
  std::vector<int64_t> clockAt;
  for (auto wake = schedule.NextWakeMs(); wake && *wake <= 420; wake = schedule.NextWakeMs()) {
    for (const auto id : schedule.TakeDue(*wake)) {
      if (id == clock) clockAt.push_back(*wake);
      if (id == blink || id == step || id == late) {
        fired.push_back(id);
        at.push_back(*wake);
      }
    }
  }
  ASSERT_GE(fired.size(), 4u);
  EXPECT_EQ(fired[0], step);
  EXPECT_GE(at[0], 245);
  EXPECT_EQ(fired[1], step);  // 55 ms on
  EXPECT_EQ(fired[2], late);
  EXPECT_GE(at[2], 330);
  EXPECT_LE(at[2], 350);
  ASSERT_EQ(std::count(fired.begin(), fired.end(), blink), 1);
  const int64_t blinkAt = at[std::find(fired.begin(), fired.end(), blink) - fired.begin()];
  EXPECT_GE(blinkAt, 400);
  EXPECT_NE(std::find(clockAt.begin(), clockAt.end(), blinkAt), clockAt.end())
      << "the blink at " << blinkAt << " did not share the clock's wake-up";
}

TEST(TimerSchedule, ATimerRestartedByItsOwnHandlerCountsFromWhenItWasDue) {
  TimerSchedule schedule;
  const auto clock = schedule.Add(100);
  schedule.Start(clock, 0);
  ASSERT_EQ(schedule.TakeDue(118), std::vector<TimerSchedule::Id>{clock});
  // The handler stops the timer and starts it again as it runs, 18 ms late.
  schedule.Stop(clock);
  schedule.Start(clock, 119);
  EXPECT_EQ(schedule.NextWakeMs(), 220) << "the lateness was added to the period";
  ASSERT_EQ(schedule.TakeDue(219), std::vector<TimerSchedule::Id>{clock});
  // A handler that held the program (a modal screen) starts a period from when it returns.
  schedule.Stop(clock);
  schedule.Start(clock, 260);
  EXPECT_EQ(schedule.NextWakeMs(), 380);
  // So does a start long after the last time it was due.
  schedule.Stop(clock);
  schedule.Start(clock, 400);
  EXPECT_EQ(schedule.NextWakeMs(), 520);
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

TEST(TimerSchedule, ManyStartsStopsAndRemovalsKeepEveryTimerWhereItWas) {
  std::mt19937 random(11);
  TimerSchedule schedule;
  std::map<TimerSchedule::Id, bool> running;
  const int intervals[] = {55, 100, 200, 400, 750};
  int64_t now = 0;
  for (int round = 0; round < 2000; ++round) {
    now += std::uniform_int_distribution<int>(0, 30)(random);
    const int op = std::uniform_int_distribution<int>(0, 9)(random);
    if (op == 0 || running.empty()) {
      running[schedule.Add(intervals[round % 5])] = false;
      continue;
    }
    auto it = running.begin();
    std::advance(it, std::uniform_int_distribution<size_t>(0, running.size() - 1)(random));
    if (op <= 4) {
      schedule.Start(it->first, now);
      it->second = true;
    } else if (op <= 7) {
      schedule.Stop(it->first);
      it->second = false;
    } else if (op == 8) {
      schedule.Remove(it->first);
      running.erase(it);
    } else {
      for (const auto id : schedule.TakeDue(now)) ASSERT_TRUE(running.at(id));
    }
  }
  std::vector<TimerSchedule::Id> expected;
  for (const auto& [id, on] : running) {
    EXPECT_EQ(schedule.Running(id), on);
    if (on) expected.push_back(id);
  }
  std::vector<TimerSchedule::Id> due = schedule.TakeDue(now + 1000);
  std::sort(due.begin(), due.end());
  EXPECT_EQ(due, expected);
}

}  // namespace
