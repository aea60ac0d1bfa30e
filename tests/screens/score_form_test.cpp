// SPDX-License-Identifier: GPL-3.0-or-later
// The results screen: what it shows, its buttons and keys, and that only they close it.
#include "screens/ui/score_form.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"
#include "core/result_arithmetic.h"

namespace {

struct ScoreWorld : ScreenWorld {
  ScoreWorld(const std::string& ini, const std::string& levelName) : ScreenWorld(ini) {
    OpenStore();
    level->StartLevel(levelName);  // no level files here: only the name is kept
    messages.shown.clear();
    score = std::make_unique<TFmScore>(app);
    app.screens.FmScore = score.get();
  }
  void Finish(int32_t myScore, int32_t allScore, int32_t misses, int32_t civilians, int32_t hits) {
    LevelCounters& c = level->MutableCounters();
    c.MyScore = myScore;
    c.AllScore = allScore;
    c.Misses = misses;
    c.Civilians = civilians;
    c.Hits = hits;
  }
  // Shows the screen modally and runs steps inside its loop; true when the screen closed.
  bool RunModal(std::function<void()> steps) {
    bool closed = true;
    WhenModal([&] {
      steps();
      if (score->isVisible()) {
        closed = false;
        score->MainMenuClick();
      }
    });
    score->ShowModal();
    return closed;
  }
  std::vector<std::string> Row(int r) const {
    std::vector<std::string> cells;
    for (int c = 0; c < 5; ++c) {
      QTableWidgetItem* item = score->ScoreList()->item(r, c);
      cells.push_back(item ? item->text().toStdString() : "");
    }
    return cells;
  }
  std::unique_ptr<TFmScore> score;
};

const std::string kAnnaOn4 = "[Anna]\nlevels=4\ncurlevel=4\n[curplayer]\nname=Anna\n";

TEST(ResultsScreen, PassShowsTheRunAndOffersContinue) {
  ScoreWorld world("[Bob]\n4=50:1:2:3\n" + kAnnaOn4, "Level4");
  world.Finish(4000, 5000, 1, 0, 9);
  EXPECT_TRUE(world.RunModal([&] {
    EXPECT_EQ(world.score->LbLevel()->text(), "Level4");
    EXPECT_EQ(world.score->Label2()->text(), "Anna  66%");
    EXPECT_FALSE(world.score->LbNeeded()->isVisible());
    EXPECT_TRUE(world.score->BtnContinue()->isEnabled());
    ASSERT_EQ(world.score->ScoreList()->rowCount(), 3);
    EXPECT_EQ(world.Row(0), (std::vector<std::string>{"Name", "%", "Point", "Miss", "Civilian"}));
    EXPECT_EQ(world.Row(1), (std::vector<std::string>{"Anna", "66", "9", "1", "0"}));
    EXPECT_EQ(world.Row(2), (std::vector<std::string>{"Bob", "50", "1", "2", "3"}));
    QTest::keyClick(world.score->windowHandle(), Qt::Key_Return);
  }));
  EXPECT_EQ(world.Read("Anna", "4"), "66:9:1:0");
  EXPECT_EQ(world.Read("Anna", "curlevel"), "5");
  EXPECT_EQ(world.Read("Anna", "levels"), "5");
  EXPECT_TRUE(world.PlayedButtonClick());
}

TEST(ResultsScreen, ThePlayerLineLiesClearOfTheBackgroundsStars) {
  // The player line's letters (a long name with an accented capital, a three-digit percent)
  // over the background: none of the stars' brass may lie under their ink.
  const std::string name = "\u00c9lodie-Maximiliane";
  ScoreWorld world("[" + name + "]\nlevels=4\ncurlevel=4\n[curplayer]\nname=" + name + "\n", "Level4");
  world.Finish(5000, 5000, 0, 0, 9);
  EXPECT_TRUE(world.RunModal([&] {
    QLabel* line = world.score->Label2();
    EXPECT_EQ(line->text().toStdString(), name + "  100%");
    const QImage background =
        QImage(QStringLiteral(":/pictures/score_background.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(background.size(), QSize(315, 325));
    // The label draws its letters alone on a transparent picture: where they have ink.
    QImage letters(line->size(), QImage::Format_ARGB32);
    letters.fill(Qt::transparent);
    line->render(&letters, QPoint(), QRegion(), QWidget::DrawChildren);
    int brass = 0, inked = 0;
    for (int y = 0; y < letters.height(); ++y) {
      for (int x = 0; x < letters.width(); ++x) {
        if (qAlpha(letters.pixel(x, y)) == 0) continue;
        ++inked;
        const QColor c = background.pixelColor(line->x() + x, line->y() + y);
        // The stars' brass: a warm, light yellow the dark planks never reach.
        if (c.red() > 150 && c.green() > 110 && c.blue() < 120 && c.red() - c.blue() > 70) ++brass;
      }
    }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(brass, 0) << "pixels of the player line's letters over brass";
    QTest::keyClick(world.score->windowHandle(), Qt::Key_Escape);
  }));
}

TEST(ResultsScreen, FailShowsTheNeedAndEnterTriesAgain) {
  ScoreWorld world(kAnnaOn4, "Level4");
  world.Finish(4000, 5000, 2, 0, 9);
  EXPECT_TRUE(world.RunModal([&] {
    EXPECT_EQ(world.score->Label2()->text(), "Anna  57%");
    EXPECT_TRUE(world.score->LbNeeded()->isVisible());
    EXPECT_EQ(world.score->LbNeeded()->text(), "Take more 60%");
    EXPECT_FALSE(world.score->BtnContinue()->isEnabled());
    const std::string before = world.PlayerIni();
    QTest::keyClick(world.score->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(world.PlayerIni(), before);
  }));
  EXPECT_EQ(world.score->result(), QDialog::Rejected);
  EXPECT_EQ(world.Read("Anna", "curlevel"), "4");
  EXPECT_FALSE(world.shared.returnToMenu);
  EXPECT_EQ(world.level->Counters().Misses, 0);
}

TEST(ResultsScreen, EscapeGoesToTheMainMenuAfterAPassToo) {
  ScoreWorld world(kAnnaOn4, "Level4");
  world.Finish(5000, 5000, 0, 0, 9);
  EXPECT_TRUE(world.RunModal([&] {
    const std::string before = world.PlayerIni();
    QTest::keyClick(world.score->windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(world.PlayerIni(), before);
  }));
  EXPECT_TRUE(world.shared.returnToMenu);
  EXPECT_TRUE(world.host.mainMenuShowing);
  EXPECT_EQ(world.Read("Anna", "curlevel"), "4");
}

TEST(ResultsScreen, CloseRequestsFromTheWindowSystemAreRefused) {
  ScoreWorld world(kAnnaOn4, "Level4");
  world.Finish(5000, 5000, 0, 0, 9);
  EXPECT_FALSE(world.RunModal([&] {
    world.score->close();
    QTest::keyClick(world.score->windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(world.score->isVisible());
  }));
}

TEST(ResultsScreen, TiedBestPlaysTheFanfareAndTheTableRefreshesOnEveryShowing) {
  ScoreWorld world("[Bob]\n4=100:1:0:0\n" + kAnnaOn4, "Level4");
  world.Finish(5000, 5000, 0, 0, 9);
  world.RunModal([&] { world.score->BtnTryAgain()->click(); });
  EXPECT_EQ(
      std::count(world.sound.played.begin(), world.sound.played.end(), world.Sound("fx_1175.wav")),
      1);
  EXPECT_EQ(world.Row(1)[0], "Bob");
  world.sound.played.clear();
  world.Finish(0, 5000, 0, 0, 0);
  world.RunModal([&] { world.score->BtnTryAgain()->click(); });
  EXPECT_EQ(world.Row(2), (std::vector<std::string>{"Anna", "100", "9", "0", "0"}));
  EXPECT_EQ(
      std::count(world.sound.played.begin(), world.sound.played.end(), world.Sound("fx_1175.wav")),
      0);
}

TEST(ResultsScreen, FailedWriteIsReportedAndTheScreenStillLeadsOn) {
  ScoreWorld world(kAnnaOn4, "Level4");
  world.Finish(5000, 5000, 0, 0, 9);
  std::filesystem::permissions(world.IniPath(), std::filesystem::perms::owner_read);
  EXPECT_TRUE(world.RunModal([&] {
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0], "Unable to write to " + world.IniPath());
    // CONTINUE cannot write its progress: the message shows and the screen stays.
    world.score->BtnContinue()->click();
    EXPECT_TRUE(world.score->isVisible());
    EXPECT_EQ(world.messages.shown.size(), 2u);
    world.score->BtnMainMenu()->click();
  }));
}

}  // namespace
