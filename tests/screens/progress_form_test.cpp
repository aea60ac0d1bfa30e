// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen on a seeded Progress.db: the keyboard's colours, the keys to practise,
// the chart's level choice, the totals, its keys, and the main menu's PROGRESS button.
#include <QTest>
#include <filesystem>

#include <gtest/gtest.h>

#include "language_scope.h"
#include "profiles/ui/main_menu_form.h"
#include "text_box_watch.h"
#include "platform/keyboard_layout.h"
#include "platform/xkb_key_tables.h"
#include "progress/progress_database.h"
#include "progress/ui/progress_form.h"
#include "progress/progress_recorder.h"
#include "screen_fixture.h"
#include "sql_probe.h"
#include "widgets/hover_button_widget.h"

namespace {

struct ProgressWorld : ScreenWorld {
  ProgressWorld() : ScreenWorld("[curplayer]\nname=Anna\n[Anna]\ncurlevel=2\n") {
    const std::string level = shared.appDir + "Maps/Level1";
    std::filesystem::create_directories(level);
    std::ofstream(level + "/Map.ini") << "[Map]\n[Objects]\n[a]\nletter=f\n[b]\nletter=j\n[c]\nletter=k\n";
    recorder = std::make_unique<ProgressRecorder>(shared, timers, messages, [] { return int64_t{0}; });
    shared.progress = recorder.get();
    shared.currentPlayer = "anna";  // the section is "Anna": names match without letter case
  }
  // f: 20 hits; j: half of 20; k: 5 hits (too few to rate); three finished runs, one quit.
  void Seed() {
    ProgressDatabase db(shared.PlayerDataDir() + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(4);
    const int percents[] = {45, 72, 88};
    for (int i = 0; i < 3; ++i) {
      runs[i].run = RunRecord{0, "Anna", i == 1 ? 2 : 1, "easy", "2026-12-0" + std::to_string(i + 1) + "T10:00:00Z",
                              120000, kOutcomeFinished, RunResult{percents[i], 10, 2, 0, percents[i] >= 60}};
    }
    runs[3].run = RunRecord{0, "Anna", 1, "easy", "2026-12-04T10:00:00Z", 60000, kOutcomeQuit, std::nullopt};
    auto shot = [](const char* key, const char* result, std::optional<int64_t> reaction) {
      return ShotRecord{1000, result == std::string("LOST") ? "" : key, result, key, key, reaction, false, "", ""};
    };
    for (int i = 0; i < 20; ++i) runs[0].shots.push_back(shot("f", "POINT", 400 + i));
    for (int i = 0; i < 10; ++i) runs[1].shots.push_back(shot("j", "POINT", 900));
    for (int i = 0; i < 10; ++i) runs[1].shots.push_back(shot("j", i % 2 ? "MISS" : "LOST", std::nullopt));
    for (int i = 0; i < 5; ++i) runs[2].shots.push_back(shot("k", "POINT", 700));
    db.Write(runs);
  }
  std::unique_ptr<ProgressRecorder> recorder;
};

QColor PixelInside(TfmProgress& screen, const std::string& key) {
  const QRect r = screen.KeyRect(key);
  EXPECT_FALSE(r.isEmpty()) << key;
  // Two pixels in: clear of the rounded corners and of the centred texts.
  return screen.grab().toImage().pixelColor(r.left() + 2, r.center().y());
}

TEST(ProgressScreen, ColoursTheTaughtKeysByAccuracyAndListsTheWeakOnes) {
  ProgressWorld world;
  world.Seed();
  TfmProgress screen(world.app);
  screen.FormShow();
  screen.show();
  const ProgressView& view = screen.View();
  EXPECT_EQ(view.practiseLines, (std::vector<std::string>{"j   50%   10 of 20   900 ms", "f   100%   20 of 20   409 ms"}));
  EXPECT_EQ(view.runsText, "4");
  EXPECT_EQ(view.playedText, "7 min");
  EXPECT_EQ(view.levelsPassedText, "2");
  EXPECT_EQ(view.bestStreakText, "2");
  EXPECT_EQ(view.chart.size(), 3u);
  EXPECT_EQ(PixelInside(screen, "f").rgb(), TfmProgress::AccuracyColor(100).rgb());
  EXPECT_EQ(PixelInside(screen, "j").rgb(), TfmProgress::AccuracyColor(50).rgb());
  EXPECT_NE(TfmProgress::AccuracyColor(100).rgb(), TfmProgress::AccuracyColor(50).rgb());
  const QColor unrated = PixelInside(screen, "k");
  const QColor untaught = PixelInside(screen, "q");
  EXPECT_EQ(unrated.red(), unrated.green());  // grey
  EXPECT_EQ(unrated.green(), unrated.blue());
  EXPECT_NE(untaught, unrated);
  EXPECT_TRUE(world.messages.shown.empty());
}

// The keys page's texts fit their boxes in every language, with the records and without.
TEST(ProgressScreen, EveryTextFitsItsBoxInEveryLanguage) {
  for (const std::string& language : AllLanguages()) {
    SCOPED_TRACE(language);
    LanguageScope scope(language);
    for (const bool seeded : {false, true}) {
      ProgressWorld world;
      if (seeded) world.Seed();
      TfmProgress screen(world.app);
      screen.FormShow();
      ExpectTextsInTheirBoxes(screen, seeded ? "progress" : "progress_empty");
    }
  }
}

TEST(ProgressScreen, ArrowsChooseTheChartsLevelEscapeClosesAndEnterChoosesPractice) {
  ProgressWorld world;
  world.Seed();
  TfmProgress screen(world.app);
  for (Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
    bool checked = false;
    WhenModal([&] {
      EXPECT_TRUE(screen.isVisible());
      QTest::keyClick(screen.windowHandle(), Qt::Key_Right);
      EXPECT_EQ(screen.View().filterText, "Level 1");
      EXPECT_EQ(screen.View().chart.size(), 2u);
      QTest::keyClick(screen.windowHandle(), Qt::Key_Left);
      QTest::keyClick(screen.windowHandle(), Qt::Key_Left);
      EXPECT_EQ(screen.View().filterText, "Level 16");
      EXPECT_TRUE(screen.View().chart.empty());
      checked = true;
      QTest::keyClick(screen.windowHandle(), closing);
    });
    screen.ShowModal();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.View().filterText, "Level 16");
    EXPECT_EQ(screen.PracticeChosen(), closing == Qt::Key_Return);
  }
}

// A German player's hits on the key a level names y are recorded as z: the keyboard shows them
// on that key, where the German keyboard has z, and names the keys as it does.
TEST(ProgressScreen, OnAGermanKeyboardTheKeysAreWhereThePlayersKeyboardHasThem) {
  ProgressWorld world;
  std::ofstream(world.shared.appDir + "Maps/Level1/Map.ini")
      << "[Map]\nLayout=us\n[Objects]\n[a]\nletter=y\n[b]\nletter=z\n";
  {
    ProgressDatabase db(world.shared.PlayerDataDir() + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(1);
    runs[0].run = RunRecord{0, "Anna", 1, "easy", "2026-12-01T10:00:00Z", 60000, kOutcomeFinished,
                            RunResult{90, 20, 0, 0, true}};
    for (int i = 0; i < 20; ++i) runs[0].shots.push_back(ShotRecord{1000, "z", "POINT", "z", "z", 500, false, "", ""});
    db.Write(runs);
  }
  FixedKeyboardLayout german(KeyTableForLayout("de"));
  ASSERT_TRUE(german.table);
  world.services.keyboard = &german;
  TfmProgress screen(world.app);
  screen.FormShow();
  screen.show();
  EXPECT_EQ(german.reads, 1);
  const QRect z = screen.KeyRect("z");
  const QRect y = screen.KeyRect("y");
  EXPECT_LT(z.top(), y.top());  // z on the upper letter row, y at the bottom left
  EXPECT_EQ(PixelInside(screen, "z").rgb(), TfmProgress::AccuracyColor(100).rgb());
  const QColor unrated = PixelInside(screen, "y");  // taught (the US z key), not yet tried
  EXPECT_EQ(unrated.red(), unrated.blue());
  EXPECT_FALSE(screen.KeyRect("\xc3\xb6").isEmpty());
  EXPECT_TRUE(screen.KeyRect(";").isEmpty());
}

// Shots at the US ; key typed on a US keyboard (;) and on a German one (ö) are one key: the
// German keyboard shows them on its ö key, and the keys to practise name it so.
TEST(ProgressScreen, ShotsAtOneKeyOnTwoLayoutsAreOneKey) {
  ProgressWorld world;
  std::ofstream(world.shared.appDir + "Maps/Level1/Map.ini") << "[Map]\nLayout=us\n[Objects]\n[a]\nletter=;\n";
  {
    ProgressDatabase db(world.shared.PlayerDataDir() + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(2);
    for (PendingRun& run : runs) {
      run.run = RunRecord{0, "Anna", 1, "easy", "2026-12-01T10:00:00Z", 60000, kOutcomeQuit, std::nullopt};
    }
    for (int i = 0; i < 10; ++i) runs[0].shots.push_back(ShotRecord{1000, ";", "POINT", ";", ";", 500, false, ";", ""});
    for (int i = 0; i < 10; ++i) {
      runs[1].shots.push_back(ShotRecord{1000, "\xc3\xb6", "MISS", "", "\xc3\xb6", std::nullopt, false, ";", ""});
    }
    db.Write(runs);
  }
  FixedKeyboardLayout german(KeyTableForLayout("de"));
  world.services.keyboard = &german;
  TfmProgress screen(world.app);
  screen.FormShow();
  screen.show();
  EXPECT_EQ(screen.View().practiseLines, std::vector<std::string>{"\xc3\xb6   50%   10 of 20   500 ms"});
  EXPECT_EQ(PixelInside(screen, "\xc3\xb6").rgb(), TfmProgress::AccuracyColor(50).rgb());
  EXPECT_TRUE(screen.KeyRect(";").isEmpty());
}

// Practice runs (level 0) are charted among all levels' runs but are no level: they count for
// neither the levels passed nor the streak, and no level's chart shows them.
TEST(ProgressScreen, PracticeRunsAreChartedApartFromTheLevels) {
  ProgressWorld world;
  world.Seed();
  {
    ProgressDatabase db(world.shared.PlayerDataDir() + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(2);
    for (int i = 0; i < 2; ++i)
      runs[i].run = RunRecord{0, "Anna", 0, "easy", "2026-12-0" + std::to_string(5 + i) + "T10:00:00Z", 60000,
                              kOutcomeFinished, RunResult{90, 20, 0, 0, true}};
    db.Write(runs);
  }
  TfmProgress screen(world.app);
  screen.FormShow();
  EXPECT_EQ(screen.View().chart.size(), 5u);
  EXPECT_EQ(screen.View().chart.back().level, 0);
  EXPECT_EQ(screen.View().runsText, "6");
  EXPECT_EQ(screen.View().levelsPassedText, "2");
  EXPECT_EQ(screen.View().bestStreakText, "2");
  screen.SetLevelFilter(1);
  EXPECT_EQ(screen.View().chart.size(), 2u);
}

TEST(ProgressScreen, AnEmptyDatabaseShowsGreyKeysAndNoRuns) {
  ProgressWorld world;
  TfmProgress screen(world.app);
  screen.FormShow();
  EXPECT_TRUE(screen.View().practiseLines.empty());
  EXPECT_TRUE(screen.View().chart.empty());
  EXPECT_EQ(screen.View().runsText, "0");
  EXPECT_EQ(screen.View().bestStreakText, "0");
  const QColor f = PixelInside(screen, "f");
  EXPECT_EQ(f.red(), f.blue());
}

// Yellow pixels in the line beside OK, where the screen says why records are missing.
int YellowPixelsOfTheFaultLine(TfmProgress& screen) {
  const QImage image = screen.grab().toImage();
  int count = 0;
  for (int y = 444; y < 469; ++y) {
    for (int x = 16; x < 552; ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() > 200 && c.green() > 200 && c.blue() < 80;
    }
  }
  return count;
}

// A file the game cannot read is left alone, and the screen says so instead of showing a
// profile without records; a file it reads shows no such line.
TEST(ProgressScreen, SaysPlainlyWhenItCannotReadTheRecords) {
  const struct {
    const char* sql;
    std::string line;
  } cases[] = {
      {"", ""},
      {"PRAGMA user_version=99", "Cannot read Progress.db: a newer version of the game made it."},
      {"ALTER TABLE shots DROP COLUMN reaction_ms", "Cannot read Progress.db: part of it is missing."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sql);
    ProgressWorld world;
    world.Seed();
    if (*c.sql) ExecSql(world.shared.PlayerDataDir() + kProgressFileName, c.sql);
    TfmProgress screen(world.app);
    screen.FormShow();
    screen.show();
    EXPECT_EQ(screen.View().faultText, c.line);
    EXPECT_EQ(YellowPixelsOfTheFaultLine(screen) > 20, !c.line.empty());
    EXPECT_EQ(screen.View().runsText, c.line.empty() ? "4" : "0");
  }
}

TEST(ProgressScreen, TheMenusProgressButtonSitsBetweenAboutAndExitAndOpensIt) {
  ProgressWorld world;
  TfmMain menu(world.app);
  TfmProgress screen(world.app);
  world.app.screens.fmProgress = &screen;
  world.shared.currentPlayer = "Anna";
  TVtxSpdButton* button = menu.BtnProgress();
  EXPECT_EQ(button->text(), "PROGRESS");
  EXPECT_EQ(button->geometry(), QRect(8, 264, 289, 25));
  EXPECT_EQ(button->font(), menu.BtnAbout()->font());
  EXPECT_EQ(button->FontColor(), menu.BtnAbout()->FontColor());
  bool shown = false;
  WhenModal([&] {
    shown = screen.isVisible();
    screen.BtnOk()->click();
  });
  button->click();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(screen.isVisible());
  EXPECT_TRUE(world.PlayedButtonClick());
}

// A rated key carries its accuracy as a number too, in the ink that reads on its colour: the
// percent row of the tile holds that ink; an unrated key has no such row.
TEST(ProgressScreen, RatedKeysShowTheirAccuracyInReadableInk) {
  ProgressWorld world;
  world.Seed();
  TfmProgress screen(world.app);
  screen.FormShow();
  screen.show();
  const QImage shot = screen.grab().toImage();
  const auto inkInPercentRow = [&](const std::string& key, const QColor& ink) {
    const QRect r = screen.KeyRect(key);
    int count = 0;
    for (int y = r.top() + 17; y <= r.top() + 20; ++y)
      for (int x = r.left() + 3; x < r.right() - 2; ++x)
        if (shot.pixelColor(x, y) == ink) ++count;
    return count;
  };
  struct Case {
    const char* key;
    QColor ink;
    bool shown;
  };
  const Case cases[] = {
      {"f", QColor(0, 0, 0), true},        // 100%: light tile, black figures
      {"k", QColor(0, 0, 0), false},       // too few tries: no figure
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    if (c.shown)
      EXPECT_GE(inkInPercentRow(c.key, c.ink), 4);
    else
      EXPECT_EQ(inkInPercentRow(c.key, c.ink), 0);
  }
}

}  // namespace
