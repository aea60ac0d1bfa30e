// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen's words page on a seeded Progress.db: words per minute of each practice run
// with words charted, the slowest letter pairs listed, and Page Down, Page Up and the page button
// turning the pages.
#include <QTest>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "language_scope.h"
#include "text_box_watch.h"
#include "progress/progress_database.h"
#include "progress/ui/progress_form.h"
#include "progress/progress_recorder.h"
#include "progress/ui/progress_words_widget.h"
#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"

namespace {

struct WordsWorld : ScreenWorld {
  WordsWorld() : ScreenWorld("[curplayer]\nname=Anna\n[Anna]\ncurlevel=2\n") {
    const std::string level = shared.appDir + "Maps/Level1";
    std::filesystem::create_directories(level);
    std::ofstream(level + "/Map.ini") << "[Map]\n[Objects]\n[a]\nletter=f\n";
    recorder = std::make_unique<ProgressRecorder>(shared, timers, messages, [] { return int64_t{0}; });
    shared.progress = recorder.get();
    shared.currentPlayer = "Anna";
  }

  // One letter of a word: LETTER, or the POINT that completes it.
  static ShotRecord Letter(int64_t at, const std::string& key, int64_t figure, int64_t pos, int32_t completes) {
    ShotRecord shot;
    shot.gameMs = at;
    shot.typed = key;
    shot.result = completes ? "POINT" : "LETTER";
    shot.letter = key;
    shot.key = key;
    shot.position = key;
    shot.word = figure;
    shot.wordPos = pos;
    shot.wordLen = completes;
    return shot;
  }

  // A level run, then two practice runs with words: the first 10 words of four letters and 10
  // misses in a minute of ready time (10 words per minute, 80 % of letters right), the second
  // 10 words "shade" in half a minute (24 words per minute, all right) with h to a slow.
  void Seed() {
    ProgressDatabase db(shared.PlayerDataDir() + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(3);
    runs[0].run = RunRecord{0, "Anna", 1, "easy", "2026-12-01T10:00:00Z", 60000, kOutcomeFinished, RunResult{70, 7, 3, 0, true}};
    runs[1].run = RunRecord{0, "Anna", 0, "easy", "2026-12-02T10:00:00Z", 80000, kOutcomeFinished, RunResult{70, 7, 3, 0, true}};
    runs[1].run.wordReadyMs = 60000;
    runs[2].run = RunRecord{0, "Anna", 0, "easy", "2026-12-03T10:00:00Z", 80000, kOutcomeFinished, RunResult{90, 9, 1, 0, true}};
    runs[2].run.wordReadyMs = 30000;
    int64_t at = 1000;
    for (int word = 1; word <= 10; ++word) {
      const std::string keys = "dash";
      for (int i = 0; i < 4; ++i) runs[1].shots.push_back(Letter(at += 300, keys.substr(i, 1), word, i, i == 3 ? 4 : 0));
      ShotRecord miss;
      miss.gameMs = at += 300;
      miss.typed = miss.key = miss.position = "q";
      miss.result = "MISS";
      miss.word = -1;
      runs[1].shots.push_back(miss);
    }
    at = 1000;
    for (int word = 1; word <= 10; ++word) {
      const std::string keys = "shade";
      for (int i = 0; i < 5; ++i) {
        at += i == 2 ? 400 : 100;
        runs[2].shots.push_back(Letter(at, keys.substr(i, 1), word, i, i == 4 ? 5 : 0));
      }
    }
    db.Write(runs);
  }
  std::unique_ptr<ProgressRecorder> recorder;
};

}  // namespace

TEST(ProgressWordsPage, ChartsWordsPerMinuteOfEachPracticeRunAndListsTheSlowestPairs) {
  WordsWorld world;
  world.Seed();
  TfmProgress screen(world.app);
  screen.FormShow();
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  EXPECT_EQ(screen.Page(), 1);
  EXPECT_FALSE(screen.WordsPage()->isVisible());

  const ProgressWordsView& view = screen.WordsPage()->View();
  ASSERT_EQ(view.chart.size(), 2u);  // the level run has no words
  EXPECT_DOUBLE_EQ(view.chart[0].wordsPerMinute, 10.0);
  EXPECT_EQ(view.chart[0].accuracyPercent, 80);
  EXPECT_DOUBLE_EQ(view.chart[1].wordsPerMinute, 24.0);
  EXPECT_EQ(view.chart[1].accuracyPercent, 100);
  EXPECT_EQ(view.chartTop, 30);
  // The pairs of "shade" (100 ms, h to a 400 ms) and of "dash" (300 ms) with ten samples each;
  // s to h is in both, its lower median 100 ms. The learner's median pair is 100 ms: the slow
  // ones are h to a, d to a and a to s; the pairs of 100 ms are not slow.
  EXPECT_TRUE(view.pairsMeasured);
  ASSERT_EQ(view.pairs.size(), 3u);
  EXPECT_EQ(view.pairs[0].from + view.pairs[0].to, "ha");
  EXPECT_EQ(view.pairs[0].medianMs, 400);
  EXPECT_EQ(view.pairs[0].samples, 10u);
  EXPECT_EQ(view.pairs[1].from + view.pairs[1].to + view.pairs[2].from + view.pairs[2].to, "asda");
  for (size_t i = 1; i < 3; ++i) EXPECT_EQ(view.pairs[i].medianMs, 300) << i;

  // Page Down shows the words page, Page Up the first again; the button turns them too.
  QTest::keyClick(screen.windowHandle(), Qt::Key_PageDown);
  EXPECT_EQ(screen.Page(), 2);
  EXPECT_TRUE(screen.WordsPage()->isVisible());
  const QImage page = screen.WordsPage()->grab().toImage();
  // Each run's dot is drawn where the chart puts it, higher for the faster run.
  for (size_t i = 0; i < 2; ++i) {
    const QPoint dot = screen.WordsPage()->PointOf(i).toPoint();
    EXPECT_EQ(page.pixelColor(dot), QColor(0x6F, 0xC2, 0x4A)) << i;
  }
  EXPECT_LT(screen.WordsPage()->PointOf(1).y(), screen.WordsPage()->PointOf(0).y());
  const QRect plot = ProgressWordsPage::PlotArea();
  EXPECT_NEAR(screen.WordsPage()->PointOf(1).y(), plot.bottom() - plot.height() * 24.0 / 30.0, 0.01);
  QTest::keyClick(screen.windowHandle(), Qt::Key_PageUp);
  EXPECT_EQ(screen.Page(), 1);
  EXPECT_FALSE(screen.WordsPage()->isVisible());
  screen.BtnPage()->click();
  EXPECT_EQ(screen.Page(), 2);
  screen.BtnPage()->click();
  EXPECT_EQ(screen.Page(), 1);
}

TEST(ProgressWordsPage, WithoutWordsItSaysSoAndTheChartIsEmpty) {
  WordsWorld world;
  TfmProgress screen(world.app);
  screen.FormShow();
  EXPECT_TRUE(screen.WordsPage()->View().chart.empty());
  EXPECT_TRUE(screen.WordsPage()->View().pairs.empty());
  screen.ShowPage(2);
  EXPECT_TRUE(screen.WordsPage()->isVisibleTo(&screen));
}

// The words page's texts fit their boxes in every language, with the records and without.
TEST(ProgressWordsPage, EveryTextFitsItsBoxInEveryLanguage) {
  for (const std::string& language : AllLanguages()) {
    SCOPED_TRACE(language);
    LanguageScope scope(language);
    for (const bool seeded : {false, true}) {
      WordsWorld world;
      if (seeded) world.Seed();
      TfmProgress screen(world.app);
      screen.FormShow();
      screen.ShowPage(2);
      ExpectTextsInTheirBoxes(screen, seeded ? "progress_words" : "progress_words_empty");
    }
  }
}
