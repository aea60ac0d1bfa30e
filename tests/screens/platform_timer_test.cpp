// SPDX-License-Identifier: GPL-3.0-or-later
// Qt timers as the game needs them: periods kept, restarts, re-entrancy and deletion in handlers.
#include <gtest/gtest.h>

#include <climits>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_timer_service.h"

namespace {

TEST(QtTimerService, NewTimersAreDisabledAndKeepTheirSettings) {
  QtTimerService service;
  int ticks = 0;
  auto timer = service.CreateTimer(30, [&] { ++ticks; });
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 30);
  QTest::qWait(150);
  EXPECT_EQ(ticks, 0);
  timer->SetInterval(40);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 40);
  timer->SetEnabled(true);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Enabled());
  const int stoppedAt = ticks;
  QTest::qWait(150);
  EXPECT_EQ(ticks, stoppedAt);
}

TEST(QtTimerService, EnablingARunningTimerKeepsItsPeriod) {
  QtTimerService service;
  int slowTicks = 0;
  auto slow = service.CreateTimer(200, [&] { ++slowTicks; });
  // Every 20 ms the running slow timer is enabled again; a restart would never let it fire.
  auto poke = service.CreateTimer(20, [&] { slow->SetEnabled(true); });
  slow->SetEnabled(true);
  poke->SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return slowTicks >= 2; }, 5000));
  EXPECT_EQ(slow->Interval(), 200);
}

TEST(QtTimerService, ChangingTheIntervalOfARunningTimerRestartsIt) {
  QtTimerService service;
  int slowTicks = 0;
  int pokes = 0;
  int64_t lastPoke = 0;
  int64_t shortestGap = INT64_MAX;
  // Each poke restarts the slow timer, so it fires only a whole period after the latest poke;
  // a timer that kept running would fire within a poke or two of its period since the start.
  // Gaps are measured, not assumed, so a stalled machine cannot make the test fail.
  auto slow = service.CreateTimer(1000, [&] {
    ++slowTicks;
    shortestGap = std::min(shortestGap, service.NowMs() - lastPoke);
  });
  auto poke = service.CreateTimer(30, [&] {
    ++pokes;
    lastPoke = service.NowMs();
    slow->SetInterval(1000);
  });
  lastPoke = service.NowMs();
  slow->SetEnabled(true);
  poke->SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return pokes >= 60; }, 60000));
  poke->SetEnabled(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return slowTicks >= 1; }, 60000));
  // Coarse timers may fire up to 5 % early.
  EXPECT_GE(shortestGap, 900);
}

TEST(QtTimerService, AHandlerMayDeleteItsOwnTimerAndOthers) {
  QtTimerService service;
  int selfTicks = 0;
  int otherTicks = 0;
  std::unique_ptr<Timer> other = service.CreateTimer(10, [&] { ++otherTicks; });
  std::unique_ptr<Timer> self;
  self = service.CreateTimer(10, [&] {
    ++selfTicks;
    other.reset();
    self.reset();  // destroys the handler's own timer, and this lambda's owner with it
  });
  other->SetEnabled(true);
  self->SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return self == nullptr; }, 5000));
  const int otherAtDeletion = otherTicks;
  QTest::qWait(100);
  EXPECT_EQ(selfTicks, 1);
  EXPECT_EQ(otherTicks, otherAtDeletion);
}

TEST(QtTimerService, AModalScreenInAHandlerBlocksOnlyThatTimer) {
  QtTimerService service;
  QtMessageBoxes messages;
  constexpr int kOtherTicks = 3;
  int depth = 0;
  int maxDepth = 0;
  int modalTicks = 0;
  int otherTicksDuringModal = 0;
  bool modalOpen = false;
  int modalTicksAtClose = -1;
  // The other timer closes the modal itself once it has ticked enough times under it, so the
  // test holds however slowly a loaded machine runs the timers.
  auto other = service.CreateTimer(20, [&] {
    if (!modalOpen) return;
    if (++otherTicksDuringModal == kOtherTicks) {
      modalTicksAtClose = modalTicks;
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    }
  });
  auto modal = service.CreateTimer(20, [&] {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    ++modalTicks;
    if (modalTicks == 1) {
      modalOpen = true;
      messages.Show("A modal screen");
      modalOpen = false;
    }
    --depth;
  });
  // Should the other timer be blocked too, the modal is closed anyway so that the test ends and fails.
  QTimer::singleShot(20000, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  other->SetEnabled(true);
  modal->SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return modalTicks >= 3; }, 30000));
  EXPECT_EQ(maxDepth, 1);
  EXPECT_EQ(otherTicksDuringModal, kOtherTicks);
  EXPECT_EQ(modalTicksAtClose, 1) << "the timer whose handler shows the modal ticked under it";
}

TEST(QtTimerService, TimersDueCloseTogetherFireInOneWakeUpNeverEarly) {
  QtTimerService service;
  // Counts the event loop's passes: a zero-time timer fires once in each.
  int passes = 0;
  QTimer pass;
  pass.setInterval(0);
  QObject::connect(&pass, &QTimer::timeout, [&] { ++passes; });
  int passOfShort = -1;
  int passOfLong = -1;
  int64_t shortAfter = -1;
  int64_t longAfter = -1;
  const int64_t start = service.NowMs();
  std::unique_ptr<Timer> shortOne;
  std::unique_ptr<Timer> longOne;
  shortOne = service.CreateTimer(90, [&] {
    passOfShort = passes;
    shortAfter = service.NowMs() - start;
    shortOne->SetEnabled(false);
  });
  longOne = service.CreateTimer(100, [&] {
    passOfLong = passes;
    longAfter = service.NowMs() - start;
    longOne->SetEnabled(false);
  });
  pass.start();
  shortOne->SetEnabled(true);
  longOne->SetEnabled(true);
  // The 90 ms timer may wait until 108 ms, by when the 100 ms one is due: one wake-up serves
  // both. (A machine too busy to wake at 108 ms also serves both at once.)
  EXPECT_TRUE(QTest::qWaitFor([&] { return passOfShort >= 0 && passOfLong >= 0; }, 30000));
  EXPECT_EQ(passOfShort, passOfLong) << "fired after " << shortAfter << " and " << longAfter << " ms";
  EXPECT_GE(shortAfter, 89);
  EXPECT_GE(longAfter, 99);
}

TEST(QtTimerService, NowAdvancesWithWallTime) {
  QtTimerService service;
  const int64_t before = service.NowMs();
  QTest::qWait(120);
  const int64_t after = service.NowMs();
  EXPECT_GE(after - before, 100);
  EXPECT_LT(after - before, 60000);
}

}  // namespace
