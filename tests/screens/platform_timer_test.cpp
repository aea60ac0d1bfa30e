// Qt timers as the game needs them: periods kept, restarts, re-entrancy and deletion in handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt_message_boxes.h"
#include "platform/qt_timer_service.h"

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
  // The slow period is long enough that a stalled, loaded machine does not let it fire between pokes.
  auto slow = service.CreateTimer(3000, [&] { ++slowTicks; });
  auto poke = service.CreateTimer(30, [&] {
    ++pokes;
    slow->SetInterval(3000);
  });
  slow->SetEnabled(true);
  poke->SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return pokes >= 25; }, 5000));
  EXPECT_EQ(slowTicks, 0);
  poke->SetEnabled(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return slowTicks >= 1; }, 10000));
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
  int depth = 0;
  int maxDepth = 0;
  int modalTicks = 0;
  int otherTicksDuringModal = 0;
  bool modalOpen = false;
  auto other = service.CreateTimer(20, [&] { otherTicksDuringModal += modalOpen ? 1 : 0; });
  auto modal = service.CreateTimer(20, [&] {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    ++modalTicks;
    if (modalTicks == 1) {
      QTimer::singleShot(400, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
      });
      modalOpen = true;
      messages.Show("A modal screen");
      modalOpen = false;
    }
    --depth;
  });
  other->SetEnabled(true);
  modal->SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return modalTicks >= 3; }, 5000));
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GE(otherTicksDuringModal, 3);
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
