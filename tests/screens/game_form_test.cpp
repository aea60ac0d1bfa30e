// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen: keys reach level play once each, held keys repeat without shooting, Escape
// and clicks on the map pause, and what is painted is level play's state.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "forwarding_host.h"
#include "game_folder_world.h"
#include "level/ui/game_form.h"
#include "level/letterbox.h"
#include "level/level_play.h"
#include "level/ui/qt_game_keys.h"
#include "core/display_choice.h"
#include "targets/bot_image.h"

namespace {

// The test game folder with one bandit at the door (f, at 100,50) and a long wave.
struct GameScreenWorld : GameFolderWorld<FixedTextMeasurer, ForwardingHost> {
  std::unique_ptr<TfmGame> form;

  GameScreenWorld() {
    std::ofstream(dir + "/Maps/Level1/Map.ini")
        << "[Map]\nLBMP=Tag.bmp\n[Objects]\nbandit=Bandit\n[door]\nx=100\ny=50\nh=64\nside=1\nletter=f\n";
    std::ofstream(dir + "/Maps/Level1/Script.ini")
        << "[t]\ncommand=1\nparam1=bandit\nparam2=30000\n[w]\ncommand=2\nparam1=60000\nparam2=9000:0:1\n";
    form = std::make_unique<TfmGame>(app, host);
    host.form = form.get();
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
  void DoubleClick(int x, int y) { QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(x, y)); }
  void KeyWith(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(form->windowHandle(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(form->windowHandle(), &release);
  }
  std::string PlayerIni() const {
    std::ifstream in(tempDir.path().toStdString() + "/Player.ini");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // What the screen shows now, as painted into its backing store (not drawn afresh).
  QImage Shown() {
    QCoreApplication::processEvents();
    return form->screen()->grabWindow(form->winId()).toImage();
  }
};

TEST(GameScreen, AKeyShootsOnceHoweverLongItIsHeld) {
  GameScreenWorld world;
  ASSERT_NE(world.Level().Stage().Places()[0].actor, nullptr);
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
  const TbotImage* bandit = world.Level().Stage().Places()[0].actor;
  ASSERT_NE(bandit, nullptr);
  QImage shot = world.form->grab().toImage();
  const Image& map = *world.Level().Stage().MapPicture();
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

TEST(GameKeys, OnlyCharacterKeysShootAndSystemKeysAreNotKeysAtAll) {
  using Kind = GameKey::Kind;
  struct Case {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    Kind kind;
    std::string typed;
    bool escape;
  };
  const Case cases[] = {
      {"a letter", Qt::Key_F, Qt::NoModifier, "f", Kind::Press, "f", false},
      {"a shifted letter", Qt::Key_F, Qt::ShiftModifier, "F", Kind::Press, "F", false},
      {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", Kind::Press, "\r", false},
      {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", Kind::Press, "\b", false},
      {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", Kind::Press, "\t", false},
      {"the space bar", Qt::Key_Space, Qt::NoModifier, " ", Kind::Press, " ", false},
      {"Delete types nothing", Qt::Key_Delete, Qt::NoModifier, "\x7f", Kind::Press, "", false},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", Kind::Press, "\x1b", true},
      {"AltGr types characters", Qt::Key_Q, Qt::GroupSwitchModifier, "@", Kind::Press, "@", false},
      {"a shifted digit key", Qt::Key_Exclam, Qt::ShiftModifier, "!", Kind::Press, "!", false},
      {"an arrow types nothing but is a key", Qt::Key_Left, Qt::KeypadModifier, "", Kind::Press, "", false},
      {"Control with a letter", Qt::Key_F, Qt::ControlModifier, "\x06", Kind::Press, "", false},
      {"Control with Enter", Qt::Key_Return, Qt::ControlModifier, "\r", Kind::Press, "", false},
      {"Alt", Qt::Key_Alt, Qt::AltModifier, "", Kind::Ignored, "", false},
      {"Alt with a letter", Qt::Key_F, Qt::AltModifier, "f", Kind::Ignored, "", false},
      {"Alt+Tab", Qt::Key_Tab, Qt::AltModifier, "\t", Kind::Ignored, "", false},
      {"F10", Qt::Key_F10, Qt::NoModifier, "", Kind::Ignored, "", false},
      {"F11", Qt::Key_F11, Qt::NoModifier, "", Kind::FullScreen, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const GameKey key = TranslateKeyPress(c.key, c.modifiers, c.text, 0);
    EXPECT_EQ(key.kind, c.kind);
    EXPECT_EQ(key.text, c.typed);
    EXPECT_EQ(key.escape, c.escape);
    EXPECT_EQ(ReleaseReachesLevel(c.key, c.modifiers), c.kind != Kind::Ignored);
  }
}

TEST(GameKeys, ModifiersAloneAreNoKeysAtAll) {
  struct Case {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    uint32_t keysym;  // X keysym, 0 where the platform gives none
  };
  const Case cases[] = {
      {"Shift", Qt::Key_Shift, Qt::ShiftModifier, 0xffe1},
      {"right Shift without a keysym", Qt::Key_Shift, Qt::NoModifier, 0},
      {"Control", Qt::Key_Control, Qt::ControlModifier, 0xffe3},
      {"AltGr", Qt::Key_AltGr, Qt::NoModifier, 0xfe03},
      {"Caps Lock", Qt::Key_CapsLock, Qt::NoModifier, 0xffe5},
      {"Num Lock", Qt::Key_NumLock, Qt::NoModifier, 0xff7f},
      {"Super", Qt::Key_Super_L, Qt::NoModifier, 0xffeb},
      {"Meta", Qt::Key_Meta, Qt::MetaModifier, 0xffe7},
      {"Alt", Qt::Key_Alt, Qt::AltModifier, 0xffe9},
      {"Hyper", Qt::Key_Hyper_R, Qt::NoModifier, 0xffee},
      {"group switch", Qt::Key_Mode_switch, Qt::NoModifier, 0xff7e},
      {"level 5 shift, unknown to Qt", Qt::Key_unknown, Qt::NoModifier, 0xfe11},
      {"level 3 lock, unknown to Qt", 0, Qt::NoModifier, 0xfe04},
      {"next group, unknown to Qt", Qt::Key_unknown, Qt::NoModifier, 0xfe08},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const GameKey key = TranslateKeyPress(c.key, c.modifiers, "", c.keysym);
    EXPECT_EQ(key.kind, GameKey::Kind::Ignored);
    EXPECT_TRUE(key.text.empty());
    EXPECT_FALSE(ReleaseReachesLevel(c.key, c.modifiers, c.keysym));
  }
  // Keys next to the modifiers' keysyms are real keys.
  EXPECT_EQ(TranslateKeyPress(Qt::Key_unknown, Qt::NoModifier, "", 0xffe0).kind, GameKey::Kind::Press);
  EXPECT_EQ(TranslateKeyPress(Qt::Key_unknown, Qt::NoModifier, "", 0xfe20).kind, GameKey::Kind::Press);
  EXPECT_TRUE(ReleaseReachesLevel(Qt::Key_unknown, Qt::NoModifier, 0xff7d));
}

// Shift (or AltGr, or Caps Lock) goes down before the letter and up after it: the letter shoots.
// A modifier's press and release leave the mark of a real key alone.
TEST(GameScreen, ShiftedLettersShootAndModifiersLeaveHeldKeysAlone) {
  struct Case {
    const char* what;
    int modifierKey;
    Qt::KeyboardModifiers held;
    QString typed;
  };
  const Case cases[] = {
      {"Shift+f", Qt::Key_Shift, Qt::ShiftModifier, "F"},
      {"AltGr+f", Qt::Key_AltGr, Qt::GroupSwitchModifier, "f"},
      {"Caps Lock, then f", Qt::Key_CapsLock, Qt::NoModifier, "F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameScreenWorld world;
    ASSERT_NE(world.Level().Stage().Places()[0].actor, nullptr);
    QWindow* window = world.form->windowHandle();
    QKeyEvent modifierDown(QEvent::KeyPress, c.modifierKey, c.held, "");
    QCoreApplication::sendEvent(window, &modifierDown);
    QKeyEvent letterDown(QEvent::KeyPress, Qt::Key_F, c.held, c.typed);
    QCoreApplication::sendEvent(window, &letterDown);
    QKeyEvent letterUp(QEvent::KeyRelease, Qt::Key_F, c.held, c.typed);
    QCoreApplication::sendEvent(window, &letterUp);
    QKeyEvent modifierUp(QEvent::KeyRelease, c.modifierKey, Qt::NoModifier, "");
    QCoreApplication::sendEvent(window, &modifierUp);
    EXPECT_EQ(world.Counters().Hits, 1);
    EXPECT_EQ(world.Counters().Misses, 0);
  }

  GameScreenWorld world;
  world.Key(QEvent::KeyPress, Qt::Key_X, "x");  // held: a miss
  ASSERT_EQ(world.Counters().Misses, 1);
  world.KeyWith(Qt::Key_Shift, Qt::ShiftModifier, "");  // its release must not free x's mark
  world.Key(QEvent::KeyPress, Qt::Key_F, "f");
  EXPECT_EQ(world.Counters().Hits, 0) << "a second key while x is down does not shoot";
  world.Key(QEvent::KeyRelease, Qt::Key_X, "x");
  // Control with a letter: held like a key, but neither a shot nor a miss.
  world.KeyWith(Qt::Key_F, Qt::ControlModifier, "\x06");
  EXPECT_EQ(world.Counters().Hits, 0);
  EXPECT_EQ(world.Counters().Misses, 1);
  world.Key(QEvent::KeyPress, Qt::Key_F, "f");
  EXPECT_EQ(world.Counters().Hits, 1);
}

TEST(GameScreen, SystemKeysLeaveNoHeldKeyAndDeleteIsNoShot) {
  GameScreenWorld world;
  // Alt+Tab away: the release goes to another window. The next key still shoots.
  QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier, "");
  QCoreApplication::sendEvent(world.form->windowHandle(), &alt);
  world.KeyWith(Qt::Key_F, Qt::AltModifier, "f");
  world.KeyWith(Qt::Key_F10, Qt::NoModifier, "");
  EXPECT_EQ(world.Counters().Misses, 0);
  world.KeyWith(Qt::Key_Delete, Qt::NoModifier, "\x7f");
  EXPECT_EQ(world.Counters().Misses, 0);
  EXPECT_EQ(world.Counters().Hits, 0);
  world.Key(QEvent::KeyPress, Qt::Key_F, "f");
  EXPECT_EQ(world.Counters().Hits, 1);
  world.Key(QEvent::KeyRelease, Qt::Key_F, "f");
  for (const char* typed : {"\r", "\b", "\t", " "}) world.KeyWith(Qt::Key_unknown, Qt::NoModifier, typed);
  EXPECT_EQ(world.Counters().Misses, 4);
}

TEST(GameScreen, OnlyTheMapPausesAndADoubleClickIsOneClick) {
  GameScreenWorld world;
  world.host.onPauseContinue = [&world] { world.Level().SetPaused(false, true); };
  // The time, the ticker and the three counters lie over the map.
  for (const QPoint p : {QPoint(320, 450), QPoint(300, 430), QPoint(30, 420), QPoint(570, 410), QPoint(575, 435),
                         QPoint(580, 460)}) {
    SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
    world.Click(p.x(), p.y());
    EXPECT_FALSE(world.host.pauseShowing);
  }
  world.Click(200, 455);  // the map between the ticker and the time
  EXPECT_TRUE(world.host.pauseShowing);
  world.Click(200, 455);
  EXPECT_FALSE(world.host.pauseShowing);
  world.DoubleClick(400, 300);
  EXPECT_TRUE(world.host.pauseShowing);
  EXPECT_FALSE(world.Level().ClockEnabled());
}

TEST(GameScreen, ClicksMapBackToTheWorldAtEveryScale) {
  GameScreenWorld world;
  world.host.onPauseContinue = [&world] { world.Level().SetPaused(false, true); };
  // Sized as a plain window, since the test platform's screen is smaller than these sizes.
  world.form->setMinimumSize(0, 0);
  world.form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  // Worked out by hand for each size: the scale, the border, and where on the window the world
  // points land: the bandit (110,60), the time (320,450), the map (400,300) and the world's last
  // pixel (639,479). A border point, where there is a border, lies just outside the world.
  struct Case {
    QSize size;
    QPoint bandit, time, map, corner, border;  // border (-1,-1): none
  };
  const Case cases[] = {
      // 2.25: 1440 by 1080 from x 240.
      {{1920, 1080}, {487, 135}, {960, 1012}, {1140, 675}, {1679, 1079}, {239, 200}},
      // 2: 1280 by 960 from y 32.
      {{1280, 1024}, {220, 152}, {640, 932}, {800, 632}, {1279, 991}, {640, 31}},
      // 2.5: 1600 by 1200 from x 160.
      {{1920, 1200}, {435, 150}, {960, 1125}, {1160, 750}, {1759, 1199}, {1761, 600}},
      // 1.25: the whole window.
      {{800, 600}, {137, 75}, {400, 562}, {500, 375}, {799, 599}, {-1, -1}},
      {{640, 480}, {110, 60}, {320, 450}, {400, 300}, {639, 479}, {-1, -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height());
    world.form->setGeometry(QRect(QPoint(0, 0), c.size));
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.form->size() == c.size; }, 10000));
    world.Click(c.bandit.x(), c.bandit.y());
    EXPECT_FALSE(world.host.pauseShowing) << "the bandit takes its own click";
    world.Click(c.time.x(), c.time.y());
    EXPECT_FALSE(world.host.pauseShowing) << "the time lies over the map";
    if (c.border.x() >= 0) {
      world.Click(c.border.x(), c.border.y());
      EXPECT_FALSE(world.host.pauseShowing) << "the border is not the map";
    }
    world.Click(c.map.x(), c.map.y());
    EXPECT_TRUE(world.host.pauseShowing) << "the map pauses";
    world.Click(c.corner.x(), c.corner.y());
    EXPECT_FALSE(world.host.pauseShowing) << "the world's last pixel is map too";
  }
}

TEST(GameScreen, TheFullScreenKeySwitchesAndStoresTheChoice) {
  GameScreenWorld world;
  const QSize screen = world.form->screen()->geometry().size();
  world.KeyWith(Qt::Key_F11, Qt::NoModifier, "");
  EXPECT_TRUE(world.form->FullScreen());
  EXPECT_TRUE(QTest::qWaitFor([&] { return world.form->size() == screen; }, 10000));
  EXPECT_NE(world.PlayerIni().find("fullscreen=1"), std::string::npos);
  world.KeyWith(Qt::Key_F11, Qt::NoModifier, "");
  EXPECT_FALSE(world.form->FullScreen());
  EXPECT_TRUE(QTest::qWaitFor([&] { return world.form->size() == QSize(640, 480); }, 10000));
  EXPECT_NE(world.PlayerIni().find("fullscreen=0"), std::string::npos);
  EXPECT_EQ(world.Counters().Misses, 0);  // the key types nothing

  // The stored choice is what the next level start shows.
  world.shared.playerStore->WriteBool("curplayer", "fullscreen", true);
  world.form->hide();
  world.form->ShowScreen();
  EXPECT_TRUE(world.form->FullScreen());
  world.form->hide();
  world.shared.playerStore->WriteBool("curplayer", "fullscreen", false);
  world.form->ShowScreen();
  EXPECT_FALSE(world.form->FullScreen());

  // A refused write says so, as every refused write does.
  const std::string ini = world.tempDir.path().toStdString() + "/Player.ini";
  ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
  world.KeyWith(Qt::Key_F11, Qt::NoModifier, "");
  EXPECT_EQ(world.messages.shown, std::vector<std::string>{"Unable to write to " + ini});
  EXPECT_EQ(FullScreenChosen(world.shared), false);
}

TEST(GameScreen, FullScreenPaintsTheWorldScaledInABlackBorder) {
  GameScreenWorld world;
  world.form->SetFullScreen(true);
  world.form->setGeometry(0, 0, 1280, 1024);  // twice the world, 32 rows of border above and below
  ASSERT_TRUE(QTest::qWaitFor([&] { return world.form->size() == QSize(1280, 1024); }, 10000));
  const QImage shot = world.form->grab().toImage();
  const Image& map = *world.Level().Stage().MapPicture();
  const TbotImage* bandit = world.Level().Stage().Places()[0].actor;
  ASSERT_NE(bandit, nullptr);
  EXPECT_EQ(shot.pixel(10, 10) & 0xFFFFFF, 0u);
  EXPECT_EQ(shot.pixel(1270, 1000) & 0xFFFFFF, 0u);
  // A whole factor repeats each pixel exactly.
  for (const QPoint p : {QPoint(600, 20), QPoint(300, 200)}) {
    for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)}) {
      EXPECT_EQ(shot.pixel(2 * p.x() + d.x(), 32 + 2 * p.y() + d.y()) & 0xFFFFFF, map.Pixel(p.x(), p.y()) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(shot.pixel(2 * 103, 32 + 2 * 53) & 0xFFFFFF, bandit->Shown->Pixel(3, 3) & 0xFFFFFF);
  // The time label, at twice its size: yellow well below where the 640-wide text would end.
  bool yellowLow = false;
  for (int x = 560; x < 720; ++x) {
    for (int y = 32 + 2 * 455; y < 32 + 2 * 470; ++y) yellowLow |= (shot.pixel(x, y) & 0xFFFFFF) == 0xFDFD00;
  }
  EXPECT_TRUE(yellowLow);
}

// Only what changed is repainted, and at any scale the window must then show what a paint of
// the whole would: the bandit counting down and dying, its tag blinking, the time, the ticker
// and the counters, each repainted in its own rectangle on the scaled world.
TEST(GameScreen, RepaintsOfWhatChangedMatchAFreshPaintAtEveryScale) {
  for (const QSize size : {QSize(1366, 768), QSize(1280, 1024), QSize(1000, 700)}) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    GameScreenWorld world;
    world.form->setMinimumSize(0, 0);
    world.form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    world.form->setGeometry(QRect(QPoint(0, 0), size));
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.form->size() == size; }, 10000));
    world.Shown();
    for (int step = 0; step < 8; ++step) {
      SCOPED_TRACE(step);
      world.timers.Advance(300);
      if (step == 2) world.KeyWith(Qt::Key_X, Qt::NoModifier, "x");  // a miss: counters, ticker, time
      if (step == 4) world.KeyWith(Qt::Key_F, Qt::NoModifier, "f");  // the bandit is shot and dies
      const QImage shown = world.Shown();
      const QImage fresh = world.form->grab().toImage();
      ASSERT_EQ(shown.size(), size);
      ASSERT_EQ(fresh.size(), size);
      int differing = 0;
      QPoint first(-1, -1);
      for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
          if ((shown.pixel(x, y) & 0xFFFFFF) == (fresh.pixel(x, y) & 0xFFFFFF)) continue;
          if (differing++ == 0) first = QPoint(x, y);
        }
      }
      EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
    }
    EXPECT_EQ(world.Counters().Hits, 1);
    EXPECT_EQ(world.Counters().Misses, 1);
  }
}

TEST(GameScreen, TheWiderTimeTextLeavesNoRemnants) {
  GameScreenWorld world;
  world.timers.Advance(5000);
  world.Level().SetPaused(true, false);  // the clock stands while the labels are set
  world.Level().AddLevelTime(600000 - world.Level().Clock().LevelTimeMs());
  ASSERT_EQ(world.Level().Clock().TimeText(), "10:00");
  world.Shown();
  world.Level().AddLevelTime(-1000);
  ASSERT_EQ(world.Level().Clock().TimeText(), "9:59");
  const QImage shot = world.Shown();
  const Image& map = *world.Level().Stage().MapPicture();
  int remnants = 0;
  for (int y = 430; y < 475; ++y) {
    for (int x : {255, 258, 262, 266, 268, 372, 376, 380, 384}) {
      if ((shot.pixel(x, y) & 0xFFFFFF) != (map.Pixel(x, y) & 0xFFFFFF)) ++remnants;
    }
  }
  EXPECT_EQ(remnants, 0);
}

TEST(GameScreen, ASmallMapLeavesNothingOfTheLevelBefore) {
  GameScreenWorld world;
  world.Shown();  // the first level's picture and its bandit are on screen
  const std::string level2 = world.tempDir.path().toStdString() + "/Maps/Level2";
  std::filesystem::copy(world.tempDir.path().toStdString() + "/Maps/Level1", level2);
  QImage small(200, 150, QImage::Format_RGB32);
  small.fill(QColor(0, 200, 0));
  ASSERT_TRUE(small.save(QString::fromStdString(level2 + "/Map.jpg"), "JPG"));
  world.Level().QuitToMenu();
  world.form->ShowScreen();
  world.Level().StartLevel("Level2");
  const QImage shot = world.Shown();
  for (const QPoint p : {QPoint(210, 60), QPoint(400, 300), QPoint(639, 0), QPoint(300, 200), QPoint(100, 160)}) {
    EXPECT_EQ(shot.pixel(p) & 0xFFFFFF, 0u) << p.x() << "," << p.y();
  }
  EXPECT_GT(qGreen(shot.pixel(100, 100)), 150);
}

}  // namespace
