// The game screen: keys reach level play once each, held keys repeat without shooting, Escape
// and clicks on the map pause, and what is painted is level play's state.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <fstream>

#include "app/app_context.h"
#include "app/services.h"
#include "app/shared_state.h"
#include "level/game_form.h"
#include "level/level_play.h"
#include "platform/file_picture_loader.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/sound_player.h"
#include "platform/text_measurer.h"
#include "platform/virtual_timer_service.h"
#include "profiles/ini_store.h"
#include "targets/bot_image.h"

namespace {

// The test game folder with one bandit at the door (f, at 100,50) and a long wave.
struct GameScreenWorld {
  QTemporaryDir tempDir;
  SharedState shared;
  VirtualTimerService timers;
  RecordingSoundPlayer sound;
  FilePictureLoader pictures;
  FixedTextMeasurer text;
  RecordingMessageBoxes messages;
  Random random{3};
  Services services{timers, sound, pictures, text, messages, random};
  RecordingShell shell;
  NullLevelPlayHost host;
  AppContext app{shared, services, shell, nullptr, {}};
  std::unique_ptr<TfmGame> form;

  GameScreenWorld() {
    const std::string dir = tempDir.path().toStdString();
    std::filesystem::copy(std::string(TEST_DATA_DIR) + "/game", dir, std::filesystem::copy_options::recursive);
    std::ofstream(dir + "/Maps/Level1/Map.ini")
        << "[Map]\nLBMP=Tag.bmp\n[Objects]\nbandit=Bandit\n[door]\nx=100\ny=50\nh=64\nside=1\nletter=f\n";
    std::ofstream(dir + "/Maps/Level1/Script.ini")
        << "[t]\ncommand=1\nparam1=bandit\nparam2=30000\n[w]\ncommand=2\nparam1=60000\nparam2=9000:0:1\n";
    shared.appDir = dir + "/";
    shared.playerStore = std::make_unique<IniStore>(dir + "/Player.ini");
    shared.currentPlayer = "tester";
    form = std::make_unique<TfmGame>(app, host);
    app.screens.fmGame = form.get();
    app.level = &form->Level();
    form->ShowScreen();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Level().StartLevel("Level1");
    timers.Advance(200 + 385 + 100);  // the bandit has appeared at the door
  }

  LevelPlay& Level() { return form->Level(); }
  const LevelCounters& Counters() { return Level().Counters(); }

  void Key(QEvent::Type type, int key, const QString& text, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    QCoreApplication::sendEvent(form->windowHandle(), &event);
  }
  void Click(int x, int y) { QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(x, y)); }
};

TEST(GameScreen, AKeyShootsOnceHoweverLongItIsHeld) {
  GameScreenWorld world;
  ASSERT_NE(world.Level().Places()[0].actor, nullptr);
  world.Key(QEvent::KeyPress, Qt::Key_F, "f");
  EXPECT_EQ(world.Counters().Hits, 1);
  // The window system's repeats: releases and presses marked as repeats.
  for (int i = 0; i < 3; ++i) {
    world.Key(QEvent::KeyRelease, Qt::Key_F, "f", true);
    world.Key(QEvent::KeyPress, Qt::Key_F, "f", true);
  }
  EXPECT_EQ(world.Counters().Hits, 1);
  EXPECT_EQ(world.Counters().Misses, 0);
  world.Key(QEvent::KeyRelease, Qt::Key_F, "f");
  world.Key(QEvent::KeyPress, Qt::Key_X, "x");
  world.Key(QEvent::KeyRelease, Qt::Key_X, "x");
  EXPECT_EQ(world.Counters().Misses, 1);
}

TEST(GameScreen, KeysSentToAChildOfTheWindowAreNotCountedTwice) {
  GameScreenWorld world;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QCoreApplication::sendEvent(world.form.get(), &press);  // not the window: ignored by the filter
  EXPECT_EQ(world.Counters().Misses, 0);
  world.Key(QEvent::KeyPress, Qt::Key_X, "x");
  EXPECT_EQ(world.Counters().Misses, 1);
}

TEST(GameScreen, EscapeAndAClickOnTheMapPauseAndAClickResumes) {
  GameScreenWorld world;
  world.host.onPauseContinue = [&world] { world.Level().SetPaused(false, true); };
  world.Key(QEvent::KeyPress, Qt::Key_Escape, "\x1b");
  world.Key(QEvent::KeyRelease, Qt::Key_Escape, "\x1b");
  EXPECT_TRUE(world.host.pauseShowing);
  EXPECT_FALSE(world.Level().ClockEnabled());
  world.Click(400, 300);  // the map while the pause screen shows: its CONTINUE
  EXPECT_FALSE(world.host.pauseShowing);
  EXPECT_TRUE(world.Level().ClockEnabled());
  world.Click(110, 60);  // the bandit stands over the map and takes its own click
  EXPECT_FALSE(world.host.pauseShowing);
  world.Click(400, 300);
  EXPECT_TRUE(world.host.pauseShowing);
}

TEST(GameScreen, PaintsTheMapTheActorAndNoColourKeyOfTheShotActor) {
  GameScreenWorld world;
  const TbotImage* bandit = world.Level().Places()[0].actor;
  ASSERT_NE(bandit, nullptr);
  QImage shot = world.form->grab().toImage();
  const Image& map = *world.Level().MapPicture();
  EXPECT_EQ(shot.pixel(600, 20) & 0xFFFFFF, map.Pixel(600, 20) & 0xFFFFFF);
  EXPECT_EQ(shot.pixel(103, 53) & 0xFFFFFF, bandit->Shown->Pixel(3, 3) & 0xFFFFFF);
  world.Key(QEvent::KeyPress, Qt::Key_F, "f");
  world.timers.Advance(55);  // one step of sinking: the dead picture, its magenta keyed out
  ASSERT_TRUE(bandit->Transparent);
  shot = world.form->grab().toImage();
  int magenta = 0;
  for (int y = bandit->Top; y < bandit->Top + bandit->Height; ++y) {
    for (int x = bandit->Left; x < bandit->Left + bandit->Width; ++x) {
      if ((shot.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) ++magenta;
    }
  }
  EXPECT_EQ(magenta, 0);
  const int bottom = bandit->Top + bandit->Height - 1;
  EXPECT_EQ(shot.pixel(bandit->Left + 32, bottom) & 0xFFFFFF, 0u);  // the black body
  EXPECT_EQ(shot.pixel(bandit->Left + 3, bottom) & 0xFFFFFF, map.Pixel(bandit->Left + 3, bottom) & 0xFFFFFF);
}

}  // namespace
