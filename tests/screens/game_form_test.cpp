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

#include "game_folder_world.h"
#include "level/game_form.h"
#include "level/letterbox.h"
#include "level/level_play.h"
#include "level/qt_game_keys.h"
#include "profiles/display_choice.h"
#include "targets/bot_image.h"

namespace {

// Passes level play's redraw requests on to the screen, as the game's own host does.
struct ForwardingHost : NullLevelPlayHost {
  TfmGame* form = nullptr;
  void Invalidate(const ScreenRect& rect) override {
    if (form) form->InvalidateWorld(rect);
  }
};

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
      {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, "", Kind::Press, "", false},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", Kind::Press, "\x1b", true},
      {"AltGr types characters", Qt::Key_Q, Qt::GroupSwitchModifier, "@", Kind::Press, "@", false},
      {"AltGr alone", Qt::Key_AltGr, Qt::NoModifier, "", Kind::Press, "", false},
      {"Alt", Qt::Key_Alt, Qt::AltModifier, "", Kind::Ignored, "", false},
      {"Alt with a letter", Qt::Key_F, Qt::AltModifier, "f", Kind::Ignored, "", false},
      {"Alt+Tab", Qt::Key_Tab, Qt::AltModifier, "\t", Kind::Ignored, "", false},
      {"F10", Qt::Key_F10, Qt::NoModifier, "", Kind::Ignored, "", false},
      {"F11", Qt::Key_F11, Qt::NoModifier, "", Kind::FullScreen, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const GameKey key = TranslateKeyPress(c.key, c.modifiers, c.text);
    EXPECT_EQ(key.kind, c.kind);
    EXPECT_EQ(key.text, c.typed);
    EXPECT_EQ(key.escape, c.escape);
    EXPECT_EQ(ReleaseReachesLevel(c.key, c.modifiers), c.kind != Kind::Ignored);
  }
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
  for (const QSize size : {QSize(1920, 1080), QSize(1280, 1024), QSize(1920, 1200), QSize(800, 600), QSize(640, 480)}) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    world.form->setGeometry(QRect(QPoint(0, 0), size));
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.form->size() == size; }, 10000));
    const Letterbox box = world.form->Box();
    auto at = [&box](int x, int y) {
      return QPoint(box.left + static_cast<int>(x * box.Factor()), box.top + static_cast<int>(y * box.Factor()));
    };
    const QPoint bandit = at(110, 60), map = at(400, 300), time = at(320, 450), corner = at(639, 479);
    world.Click(bandit.x(), bandit.y());
    EXPECT_FALSE(world.host.pauseShowing);
    world.Click(time.x(), time.y());
    EXPECT_FALSE(world.host.pauseShowing);
    if (box.left > 0) {
      world.Click(box.left - 1, 200);  // the border
      EXPECT_FALSE(world.host.pauseShowing);
    }
    world.Click(map.x(), map.y());
    EXPECT_TRUE(world.host.pauseShowing);
    world.Click(corner.x(), corner.y());
    EXPECT_FALSE(world.host.pauseShowing);
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
  const Image& map = *world.Level().MapPicture();
  const TbotImage* bandit = world.Level().Places()[0].actor;
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

TEST(GameScreen, TheWiderTimeTextLeavesNoRemnants) {
  GameScreenWorld world;
  world.timers.Advance(5000);
  world.Level().SetPaused(true, false);  // the clock stands while the labels are set
  world.Level().AddLevelTime(600000 - world.Level().LevelTimeMs());
  ASSERT_EQ(world.Level().Labels().time, "10:00");
  world.Shown();
  world.Level().AddLevelTime(-1000);
  ASSERT_EQ(world.Level().Labels().time, "9:59");
  const QImage shot = world.Shown();
  const Image& map = *world.Level().MapPicture();
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
