// SPDX-License-Identifier: GPL-3.0-or-later
// Word plaques on the game screen: six-letter words on places that stand close together, at the
// world's size and in full screen: each word drawn whole inside its plaque, the plaques apart,
// the typed letters marked, and repaints leaving nothing behind.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <fstream>

#include "forwarding_host.h"
#include "game_folder_world.h"
#include "level/drill_source.h"
#include "level/ui/game_form.h"
#include "level/letterbox.h"
#include "level/level_play.h"
#include "platform/qt/qt_text_measurer.h"
#include "words/word_typing.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

namespace {

// A drill whose every wave carries six-letter words, at four places 40 pixels apart.
struct SixLetterDrill : DrillSource {
  std::string scene;
  std::string script;
  WordTyping typing;
  size_t next = 0;
  const std::vector<DrillWord> words = {{"shield", {"s", "h", "i", "e", "l", "d"}},
                                        {"waders", {"w", "a", "d", "e", "r", "s"}},
                                        {"jigsaw", {"j", "i", "g", "s", "a", "w"}},
                                        {"flight", {"f", "l", "i", "g", "h", "t"}}};
  std::string SceneDir() const override { return scene; }
  std::string ScriptPath() const override { return script; }
  std::vector<std::string> DrawPositions(size_t placeCount, Random&) override {
    std::vector<std::string> keys = {"a", "s", "d", "f"};
    keys.resize(placeCount);
    return keys;
  }
  size_t ChoosePlace(const std::vector<size_t>&, const std::vector<std::string>&, Random&) override { return 0; }
  void Finished(const LevelCounters&) override {}
  bool BeginWave(size_t, Random&) override {
    typing.Clear();
    return true;
  }
  DrillWord WordFor(const std::vector<std::string>&, Random&) override { return words[next++ % words.size()]; }
  WordTyping* Typing() override { return &typing; }
};

constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kMagenta = 0xFF00FF;

struct PlaqueWorld : GameFolderWorld<QtTextMeasurer, ForwardingHost> {
  std::unique_ptr<TfmGame> form;
  SixLetterDrill drill;

  PlaqueWorld() {
    // Letters in green, the typed ones in magenta (toolkit colours are 0x00BBGGRR).
    std::ofstream(dir + "/Maps/Level1/Map.ini")
        << "[Map]\nLBMP=Tag.bmp\nLColor=65280\nLHLColor=16711935\nLsize=12\n[Objects]\nbandit=Bandit\n"
        << "[p1]\nx=200\ny=300\nw=40\nh=64\nside=1\nletter=a\n[p2]\nx=240\ny=300\nw=40\nh=64\nside=1\nletter=s\n"
        << "[p3]\nx=280\ny=300\nw=40\nh=64\nside=1\nletter=d\n[p4]\nx=320\ny=300\nw=40\nh=64\nside=1\nletter=f\n";
    drill.scene = dir + "/Maps/Level1/";
    drill.script = dir + "/drill.ini";
    std::ofstream(drill.script) << "[t]\ncommand=1\nparam1=bandit\nparam2=60000\n[w]\ncommand=2\nparam1=60000\n"
                                   "param2=100:100:4\n";
    form = std::make_unique<TfmGame>(app, host);
    host.form = form.get();
    app.screens.fmGame = form.get();
    app.level = &form->Level();
  }
  LevelPlay& Level() { return form->Level(); }

  void Start(const QSize& size) {
    form->ShowScreen();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    if (size != QSize(LevelStage::kScreenWidth, LevelStage::kScreenHeight)) {
      form->SetFullScreen(true);
      form->setGeometry(QRect(QPoint(0, 0), size));
      ASSERT_TRUE(QTest::qWaitFor([&] { return form->size() == size; }, 10000));
    }
    Level().StartDrill("Practice", drill);
    // Four figures come up, one a tick, and have appeared.
    timers.Advance(3000);
  }
  void Type(const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(form->windowHandle(), &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(form->windowHandle(), &release);
  }
  QImage Shown() {
    QCoreApplication::processEvents();
    return form->screen()->grabWindow(form->winId()).toImage();
  }
  std::vector<const TletterImage*> Plaques() {
    std::vector<const TletterImage*> plaques;
    for (const LetterTagEntry& entry : Level().Stage().LetterTags()) {
      if (entry.tag->Visible && entry.tag->HasWord()) plaques.push_back(entry.tag.get());
    }
    return plaques;
  }
};

// The box on the screen of a world rectangle.
QRect OnScreen(const Letterbox& box, int left, int top, int width, int height) {
  const ScreenRect r = box.ToSurface({left, top, width, height});
  return QRect(r.left, r.top, r.width, r.height);
}

// The bounding box of the pixels of colour within area (empty when there are none).
QRect InkOf(const QImage& image, const QRect& area, uint32_t colour) {
  QRect ink;
  for (int y = std::max(area.top(), 0); y <= std::min(area.bottom(), image.height() - 1); ++y) {
    for (int x = std::max(area.left(), 0); x <= std::min(area.right(), image.width() - 1); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == colour) ink = ink.united(QRect(x, y, 1, 1));
    }
  }
  return ink;
}

int Differing(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
  }
  return n;
}

}  // namespace

void ExpectPlaquesWholeApartAndMarked(const QSize& size) {
  {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    PlaqueWorld world;
    world.Start(size);
    const std::vector<const TletterImage*> plaques = world.Plaques();
    ASSERT_EQ(plaques.size(), 4u);
    const Letterbox box = world.form->Box();
    const double factor = box.Factor();
    const QImage shot = world.Shown();
    std::vector<QRect> boxes;
    for (const TletterImage* plaque : plaques) {
      SCOPED_TRACE(plaque->Letter);
      const QRect world640(plaque->Left, plaque->Top, plaque->Width(), plaque->Height());
      EXPECT_TRUE(QRect(0, 0, 640, 480).contains(world640));
      for (const QRect& other : boxes) EXPECT_FALSE(other.intersects(world640));
      boxes.push_back(world640);
      // The word's ink lies inside its plaque, with room at both ends (a word too wide would be
      // cut at the plaque's edge), and is as tall as a letter of the tag scaled to the screen.
      const QRect onScreen = OnScreen(box, plaque->Left, plaque->Top, plaque->Width(), plaque->Height());
      const QRect ink = InkOf(shot, onScreen.adjusted(0, -20, 0, 20), kGreen);
      ASSERT_FALSE(ink.isEmpty());
      EXPECT_TRUE(onScreen.contains(ink)) << "ink " << ink.x() << "," << ink.width() << " plaque " << onScreen.x()
                                          << "," << onScreen.width();
      EXPECT_GE(ink.left() - onScreen.left(), static_cast<int>(2 * factor));
      EXPECT_GE(onScreen.right() - ink.right(), static_cast<int>(2 * factor));
      EXPECT_GE(ink.height(), static_cast<int>(9 * factor));
      EXPECT_GE(ink.width(), static_cast<int>(30 * factor));
      EXPECT_TRUE(InkOf(shot, onScreen, kMagenta).isEmpty());
    }

    // Two letters of "shield": marked on its plaque alone, then the word shoots and its plaque goes.
    const TletterImage* shield = plaques.front();
    ASSERT_EQ(shield->Letter, "shield");
    const QRect shieldBox = OnScreen(box, shield->Left, shield->Top, shield->Width(), shield->Height());
    world.Type("s");
    world.Type("h");
    QImage typed = world.Shown();
    const QRect marked = InkOf(typed, shieldBox, kMagenta);
    ASSERT_FALSE(marked.isEmpty());
    EXPECT_LT(marked.right(), InkOf(typed, shieldBox, kGreen).right());
    for (size_t i = 1; i < plaques.size(); ++i) {
      const QRect other = OnScreen(box, plaques[i]->Left, plaques[i]->Top, plaques[i]->Width(), plaques[i]->Height());
      EXPECT_TRUE(InkOf(typed, other, kMagenta).isEmpty());
    }
    EXPECT_EQ(Differing(typed, world.form->grab().toImage()), 0);
    for (const char* letter : {"i", "e", "l", "d"}) world.Type(letter);
    EXPECT_EQ(world.Level().Counters().Hits, 1);
    const QImage shot2 = world.Shown();
    EXPECT_TRUE(InkOf(shot2, shieldBox, kGreen).isEmpty());
    EXPECT_TRUE(InkOf(shot2, shieldBox, kMagenta).isEmpty());
    EXPECT_EQ(Differing(shot2, world.form->grab().toImage()), 0);
    world.Level().QuitToMenu();
  }
}

TEST(WordPlaques, SixLetterWordsAreDrawnWholeOnPlaquesApartAtTheWorldsSize) {
  ExpectPlaquesWholeApartAndMarked(QSize(640, 480));
}

TEST(FullHdWordPlaques, SixLetterWordsAreDrawnWholeOnPlaquesApartInFullScreen) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || screen->geometry().width() < 1920 || screen->geometry().height() < 1080) {
    GTEST_SKIP() << "needs the 1920 by 1080 offscreen screen";
  }
  ExpectPlaquesWholeApartAndMarked(QSize(1920, 1080));
}
