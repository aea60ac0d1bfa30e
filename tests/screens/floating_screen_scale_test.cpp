// SPDX-License-Identifier: GPL-3.0-or-later
// The screens that float over the game in full screen on a 1920 by 1080 screen: the pause screen
// and the modal results and end screens are drawn twice their size, pixel for pixel, centred,
// with clicks and keys reaching them. Run by the screens_full_hd test, which gives the offscreen
// platform that screen; elsewhere these tests skip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "level/ui/game_form.h"
#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"
#include "screens/ui/pause_form.h"
#include "widgets/qt_key_highlight.h"
#include "level/ui/floating_screens.h"
#include "widgets/qt_scaled_screen.h"
#include "screens/ui/score_form.h"
#include "screens/ui/the_end_form.h"

namespace {

bool FullHd() { return QGuiApplication::primaryScreen()->geometry() == QRect(0, 0, 1920, 1080); }

struct FloatWorld : ScreenWorld {
  explicit FloatWorld(bool fullScreen) : ScreenWorld("[Anna]\nlevels=4\ncurlevel=4\n[curplayer]\nname=Anna\n") {
    OpenStore();
    game = std::make_unique<TfmGame>(app, host);
    app.screens.fmGame = game.get();
    game->SetFullScreen(fullScreen);
    game->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(game.get()));
  }
  ~FloatWorld() { game->hide(); }
  std::unique_ptr<TfmGame> game;
};

QGraphicsView* ViewOf(QWidget* host) { return host ? host->findChild<QGraphicsView*>() : nullptr; }

// A click where a form's point lies in the enlarged window.
void ClickScaled(QWidget* host, QWidget* form, QWidget* target, int factor) {
  const QPoint onForm = target->mapTo(form, target->rect().center());
  QTest::mouseClick(ViewOf(host)->viewport(), Qt::LeftButton, {}, onForm * factor);
}

// Every 2 by 2 block of the enlarged picture repeats one pixel of the form's own drawing at
// the given points (inside pictures: text and one-pixel lines are drawn anew at the larger size).
void ExpectPixelsRepeated(QWidget* host, QWidget* form, std::initializer_list<QPoint> points) {
  const QImage big = host->grab().toImage();
  const QImage small = form->grab().toImage();
  for (const QPoint& p : points) {
    const QRgb want = small.pixel(p);
    for (const QPoint& d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
      EXPECT_EQ(big.pixel(p * 2 + d), want) << p.x() << "," << p.y();
  }
}

TEST(FullHdFloatingScreens, WholeFactorOfTheScreen) {
  if (!FullHd()) GTEST_SKIP() << "needs the 1920 by 1080 offscreen screen";
  FloatWorld full(true);
  EXPECT_EQ(FloatingScreenFactor(full.app, nullptr), 2);
  full.game->SetFullScreen(false);
  EXPECT_EQ(FloatingScreenFactor(full.app, nullptr), 1);
}

TEST(FullHdFloatingScreens, PauseIsTwiceItsSizeCentredAndTakesClicksAndKeys) {
  if (!FullHd()) GTEST_SKIP() << "needs the 1920 by 1080 offscreen screen";
  struct Case {
    const char* name;
    bool byKeys;
  };
  for (const Case& c : {Case{"click", false}, Case{"keys", true}}) {
    SCOPED_TRACE(c.name);
    FloatWorld world(true);
    TFmPause pause(world.app);
    world.app.screens.FmPause = &pause;
    world.host.pauseShowing = true;
    pause.ShowPause();
    QWidget* host = pause.Scaled().Host();
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
    EXPECT_TRUE(pause.isVisible());
    EXPECT_EQ(host->geometry(), QRect(742, 329, 436, 422));
    ExpectPixelsRepeated(host, &pause, {{30, 100}, {180, 60}, {108, 120}});
    if (c.byKeys) {
      // Up from nothing lights the last button, MAIN MENU.
      QTest::keyClick(host->windowHandle(), Qt::Key_Up);
      EXPECT_EQ(pause.Keys().Lit(), pause.BtnMainMenu());
      QTest::keyClick(host->windowHandle(), Qt::Key_Space);
    } else {
      ClickScaled(host, &pause, pause.BtnMainMenu(), 2);
    }
    EXPECT_TRUE(world.host.mainMenuShowing);
    pause.hide();
    EXPECT_FALSE(host->isVisible());
  }
}

// The modal results screen is enlarged too, and its buttons work by mapped clicks and by keys;
// over the windowed game it is its own window at its own size, as before.
TEST(FullHdFloatingScreens, ResultsAreTwiceTheirSizeCentredAndTakeClicksAndKeys) {
  if (!FullHd()) GTEST_SKIP() << "needs the 1920 by 1080 offscreen screen";
  struct Case {
    const char* name;
    bool byKeys;
    int result;
    bool toMenu;
  };
  for (const Case& c : {Case{"click on TRY AGAIN", false, QDialog::Rejected, false},
                        Case{"Escape", true, QDialog::Accepted, true}}) {
    SCOPED_TRACE(c.name);
    FloatWorld world(true);
    world.level->StartLevel("Level4");  // no level files here: only the name is kept
    world.messages.shown.clear();
    LevelCounters& counters = world.level->MutableCounters();
    counters.MyScore = 1000;
    counters.AllScore = 5000;
    TFmScore score(world.app);
    bool ran = false;
    WhenModal([&] {
      ran = true;
      QWidget* host = score.Scaled().Host();
      ASSERT_NE(host, nullptr);
      EXPECT_TRUE(host->isVisible());
      EXPECT_EQ(host->geometry(), QRect(645, 215, 630, 650));
      EXPECT_EQ(score.Scaled().Factor(), 2);
      EXPECT_TRUE(score.isVisible());
      // The game beneath takes no input while the results are up.
      EXPECT_TRUE(host->isModal());
      ExpectPixelsRepeated(host, &score, {{5, 5}, {300, 20}, {200, 240}});
      // Other keys, and a click between the buttons, do nothing.
      QTest::keyClick(host->windowHandle(), Qt::Key_A);
      QTest::mouseClick(ViewOf(host)->viewport(), Qt::LeftButton, {}, QPoint(106, 292) * 2);
      EXPECT_TRUE(score.isVisible());
      if (c.byKeys)
        QTest::keyClick(host->windowHandle(), Qt::Key_Escape);
      else
        ClickScaled(host, &score, score.BtnTryAgain(), 2);
      if (score.isVisible()) {
        ADD_FAILURE() << "the screen did not close";
        score.MainMenuClick();
      }
    });
    EXPECT_EQ(score.Scaled().Host(), nullptr);
    score.ShowModal();
    EXPECT_TRUE(ran);
    EXPECT_EQ(score.result(), c.result);
    EXPECT_EQ(world.shared.returnToMenu, c.toMenu);
    EXPECT_EQ(score.Scaled().Host(), nullptr);
    EXPECT_FALSE(score.isVisible());
    // The form is its own window again afterwards: over the windowed game it shows as before,
    // and modally.
    world.shared.returnToMenu = false;
    world.game->SetFullScreen(false);
    bool ranWindowed = false;
    WhenModal([&] {
      ranWindowed = true;
      EXPECT_EQ(score.Scaled().Host(), nullptr);
      EXPECT_EQ(score.size(), QSize(315, 325));
      EXPECT_TRUE(score.isWindow());
      EXPECT_EQ(QApplication::activeModalWidget(), &score);
      ASSERT_NE(score.windowHandle(), nullptr);
      QTest::keyClick(score.windowHandle(), Qt::Key_Escape);
      if (score.isVisible()) score.MainMenuClick();
    });
    score.ShowModal();
    EXPECT_TRUE(ranWindowed);
    EXPECT_TRUE(world.shared.returnToMenu);
  }
}

// The end screen comes once the last level has been left and the game window has gone: the
// player's full screen still enlarges it. Only its close area closes it, by click or by keys.
TEST(FullHdFloatingScreens, EndScreenIsTwiceItsSizeAfterAFullScreenLevel) {
  if (!FullHd()) GTEST_SKIP() << "needs the 1920 by 1080 offscreen screen";
  for (const bool byKeys : {false, true}) {
    SCOPED_TRACE(byKeys ? "keys" : "click");
    FloatWorld world(true);
    world.game->hide();  // the level has been left
    TFmTheEnd end(world.app);
    bool ran = false;
    WhenModal([&] {
      ran = true;
      QWidget* host = end.Scaled().Host();
      ASSERT_NE(host, nullptr);
      // Active, as on a desktop: its view and scene then have the keys, and would keep Tab.
      ASSERT_TRUE(QTest::qWaitForWindowActive(host));
      EXPECT_EQ(host->geometry(), QRect(459, 132, 1002, 816));
      ExpectPixelsRepeated(host, &end, {{100, 100}, {450, 50}, {480, 380}});
      // Enter, Escape and a click on the picture outside the close area do nothing.
      QTest::keyClick(host->windowHandle(), Qt::Key_Escape);
      QTest::keyClick(host->windowHandle(), Qt::Key_Return);
      QTest::mouseClick(ViewOf(host)->viewport(), Qt::LeftButton, {}, QPoint(450, 200) * 2);
      EXPECT_TRUE(end.isVisible());
      if (byKeys) {
        // Sent to the view itself, which has the keys there, as the window system does.
        QTest::keyClick(ViewOf(host), Qt::Key_Tab);
        EXPECT_EQ(end.Keys().Lit(), end.CloseArea());
        QTest::keyClick(host->windowHandle(), Qt::Key_Space);
      } else {
        ClickScaled(host, &end, end.CloseArea(), 2);
      }
      if (end.isVisible()) {
        ADD_FAILURE() << "the close area did not close the screen";
        end.CloseArea()->click();
      }
    });
    end.ShowModal();
    EXPECT_TRUE(ran);
    EXPECT_EQ(end.result(), QDialog::Accepted);
    EXPECT_EQ(end.Scaled().Host(), nullptr);
  }
  // After a windowed level it keeps its own size.
  FloatWorld world(false);
  world.game->hide();
  TFmTheEnd end(world.app);
  bool ran = false;
  WhenModal([&] {
    ran = true;
    EXPECT_EQ(end.Scaled().Host(), nullptr);
    EXPECT_EQ(end.size(), QSize(501, 408));
    EXPECT_EQ(QApplication::activeModalWidget(), &end);
    end.CloseArea()->click();
  });
  end.ShowModal();
  EXPECT_TRUE(ran);
}

}  // namespace
