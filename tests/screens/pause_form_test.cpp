// SPDX-License-Identifier: GPL-3.0-or-later
// The pause screen: its sounds, its one-minute timer and its three ways out.
#include "screens/ui/pause_form.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"
#include "widgets/picture_box_widget.h"

namespace {

struct PauseWorld : ScreenWorld {
  explicit PauseWorld(
      const std::string& ini = "[Anna]\ncurlevel=2\nup=easy\n[curplayer]\nname=Anna\n")
      : ScreenWorld(ini) {
    OpenStore();
    pause = std::make_unique<TFmPause>(app);
    app.screens.FmPause = pause.get();
    host.pauseShowing = true;
  }
  int Count(const std::string& name) const {
    return static_cast<int>(std::count(sound.played.begin(), sound.played.end(), Sound(name)));
  }
  void Show() {
    pause->ShowPause();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pause.get()));
  }
  std::unique_ptr<TFmPause> pause;
};

TEST(PauseScreen, HowlsOnceAfterAMinuteAndNeverAgainInThatPause) {
  PauseWorld world;
  world.Show();
  EXPECT_EQ(world.Count("fx_1422.wav"), 1);
  world.timers.Advance(59999);
  EXPECT_EQ(world.Count("wolfhowl01.wav"), 0);
  world.timers.Advance(1);
  EXPECT_EQ(world.Count("wolfhowl01.wav"), 1);
  world.timers.Advance(10 * 60000);
  EXPECT_EQ(world.Count("wolfhowl01.wav"), 1);
  EXPECT_FALSE(world.pause->Timer1().Enabled());
}

TEST(PauseScreen, ContinueWithinAMinuteStopsTheHowlAndAPauseAgainArmsItAnew) {
  PauseWorld world;
  world.Show();
  world.timers.Advance(30000);
  world.pause->BtnContinue()->click();
  EXPECT_FALSE(world.host.pauseShowing);
  EXPECT_FALSE(world.pause->Timer1().Enabled());
  world.pause->hide();
  world.timers.Advance(120000);
  EXPECT_EQ(world.Count("wolfhowl01.wav"), 0);

  world.Show();
  EXPECT_EQ(world.Count("fx_1422.wav"), 2);
  world.timers.Advance(60000);
  EXPECT_EQ(world.Count("wolfhowl01.wav"), 1);
}

TEST(PauseScreen, SilentWithSoundOffButTheSame) {
  PauseWorld world("[Anna]\ncurlevel=2\n[curplayer]\nname=Anna\nsound=0\n");
  world.Show();
  world.timers.Advance(60000);
  EXPECT_TRUE(world.sound.played.empty());
  EXPECT_FALSE(world.pause->Timer1().Enabled());
}

TEST(PauseScreen, EnterEscapeAndAPictureClickContinueButATitleClickDoesNot) {
  struct Case {
    const char* name;
    std::function<void(PauseWorld&)> act;
    bool continues;
  };
  const Case cases[] = {
      {"Enter", [](PauseWorld& w) { QTest::keyClick(w.pause->windowHandle(), Qt::Key_Return); },
       true},
      {"Escape", [](PauseWorld& w) { QTest::keyClick(w.pause->windowHandle(), Qt::Key_Escape); },
       true},
      {"other key", [](PauseWorld& w) { QTest::keyClick(w.pause->windowHandle(), Qt::Key_A); },
       false},
      {"picture",
       [](PauseWorld& w) {
         QTest::mouseClick(w.pause->Picture(), Qt::LeftButton, {}, QPoint(30, 100));
       },
       true},
      {"title",
       [](PauseWorld& w) { QTest::mouseClick(w.pause->Title(), Qt::LeftButton, {}, QPoint(5, 5)); },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PauseWorld world;
    world.Show();
    c.act(world);
    EXPECT_EQ(!world.host.pauseShowing, c.continues);
    EXPECT_EQ(world.pause->Timer1().Enabled(), !c.continues);
  }
}

TEST(PauseScreen, MainMenuAndRestartHandOverToLevelPlayAndWriteNothing) {
  for (const bool restart : {false, true}) {
    SCOPED_TRACE(restart ? "RESTART" : "MAIN MENU");
    PauseWorld world;
    world.Show();
    world.level->MutableCounters().Misses = 4;
    const std::string before = world.PlayerIni();
    (restart ? world.pause->BtnRestart() : world.pause->BtnMainMenu())->click();
    EXPECT_EQ(world.PlayerIni(), before);
    EXPECT_FALSE(world.pause->Timer1().Enabled());
    EXPECT_FALSE(world.host.pauseShowing);
    EXPECT_EQ(world.host.mainMenuShowing, !restart);
    EXPECT_EQ(world.level->Counters().Misses, restart ? 0 : 4);
    // RESTART loads the profile's current level again.
    if (restart) {
      EXPECT_EQ(world.level->CurrentLevelName(), "Level2");
    }
    EXPECT_TRUE(world.PlayedButtonClick());
  }
}

}  // namespace
