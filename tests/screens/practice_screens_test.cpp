// SPDX-License-Identifier: GPL-3.0-or-later
// The practice card and the practice results on a seeded Progress.db: what they show, their
// keys (Enter, Esc, + and -), the drill played between them in virtual time, and what it
// stores: a practice run, the reviews and joins applied, Player.ini untouched.
#include <gtest/gtest.h>

#include <QDir>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game_folder_world.h"
#include "language_scope.h"
#include "text_box_watch.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "platform/keyboard_layout.h"
#include "practice/ui/practice_card_form.h"
#include "practice/ui/practice_results_form.h"
#include "practice/practice_session.h"
#include "practice/practice_store.h"
#include "practice/ui/qt_practice_drawing.h"
#include "practice/ui/qt_practice_flow.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "widgets/hover_button_widget.h"
#include "screens/ui/pause_form.h"
#include "widgets/qt_key_highlight.h"
#include "level/ui/floating_screens.h"
#include "widgets/qt_scaled_screen.h"
#include "sql_probe.h"

namespace {
constexpr int64_t kToday = 20400;
constexpr const char* kPlayerIni =
    "[curplayer]\nname=Anna\nsound=0\n[Anna]\ncurlevel=2\nlevels=2\nfirststart=1\n";

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The test game with a second level that brings the k key; Anna has mastered f and j (30 quick
// hits each) and is learning k (17 hits of 20: a bar half full); f is due for review today, j in
// five days.
void Press(QWidget* form, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(form, &press);
}

struct PracticeWorld : GameFolderWorld<> {
  PracticeWorld() : GameFolderWorld("anna") {
    std::ofstream(dir + "/Player.ini", std::ios::binary) << kPlayerIni;
    shared.playerStore = std::make_unique<IniStore>(dir + "/Player.ini");
    const std::string level2 = dir + "/Maps/Level2";
    std::filesystem::copy(dir + "/Maps/Level1", level2);
    std::string map = FileText(level2 + "/Map.ini");
    map.replace(map.find("letter=f"), 8, "letter=k");
    std::ofstream(level2 + "/Map.ini", std::ios::binary) << map;
    shared.lastLevel = 2;
    level = std::make_unique<LevelPlay>(services, shared, host);
    app.level = level.get();
    recorder = std::make_unique<ProgressRecorder>(shared, timers, messages,
                                                  [] { return kToday * 86400000; });
    shared.progress = recorder.get();
    level->listener = recorder.get();
    flow = std::make_unique<PracticeFlow>(app);
    flow->today = [] { return kToday; };
    flow->showProgress = [this] { ++progressShown; };
    app.practice = flow.get();
    card = std::make_unique<TfmPracticeCard>(app);
    results = std::make_unique<TfmPracticeResults>(app);
    app.screens.fmPracticeCard = card.get();
    app.screens.fmPracticeResults = results.get();
  }
  ~PracticeWorld() {
    // The screens go before the flow they ask.
    card.reset();
    results.reset();
    level->listener = nullptr;
  }

  std::string DbPath() const { return shared.appDir + kProgressFileName; }

  void Seed() {
    ProgressDatabase db(DbPath());
    db.Open();
    std::vector<PendingRun> runs(2);
    for (int i = 0; i < 2; ++i) {
      runs[i].run = RunRecord{0,
                              "anna",
                              i + 1,
                              "easy",
                              "2025-11-0" + std::to_string(i + 1) + "T10:00:00Z",
                              60000,
                              kOutcomeFinished,
                              RunResult{80, 30, 0, 0, true}};
    }
    auto shot = [](const char* key, const char* result, std::optional<int64_t> reaction) {
      return ShotRecord{1000, key, result, key, key, reaction, false, key, ""};
    };
    for (int i = 0; i < 30; ++i) runs[0].shots.push_back(shot("f", "POINT", 500));
    for (int i = 0; i < 30; ++i) runs[0].shots.push_back(shot("j", "POINT", 600));
    for (int i = 0; i < 17; ++i) runs[1].shots.push_back(shot("k", "POINT", 800));
    for (int i = 0; i < 3; ++i) runs[1].shots.push_back(shot("k", "MISS", std::nullopt));
    db.Write(runs);
    PracticeStore store(db);
    PracticeState state;
    state.keys = {{"f", true, 2, kToday}, {"j", true, 1, kToday + 5}, {"k", false, 0, 0}};
    store.SaveState("anna", state);
  }

  int64_t StoredTarget() {
    ProgressDatabase db(DbPath());
    db.Open();
    return PracticeStore(db).TargetMs("anna");
  }

  // Plays the drill on the card to its end without a key pressed.
  void PlayDrillOut() {
    ASSERT_TRUE(level->LevelLoaded());
    ASSERT_TRUE(timers.AdvanceUntil([this] { return results->isVisible(); }, 600000));
  }
  // A seeded history, its card started with Enter and the drill played out to its results.
  void SeededDrillToResults() {
    Seed();
    ASSERT_TRUE(flow->Begin());
    Press(card.get(), Qt::Key_Return);
    PlayDrillOut();
  }

  std::unique_ptr<LevelPlay> level;
  std::unique_ptr<ProgressRecorder> recorder;
  std::unique_ptr<PracticeFlow> flow;
  std::unique_ptr<TfmPracticeCard> card;
  std::unique_ptr<TfmPracticeResults> results;
  int progressShown = 0;
};

// The colour of a bar's inside near its right end: filled there only when the score is near 1.
QColor RightEndOf(QWidget& form, const QRect& bar) {
  EXPECT_FALSE(bar.isEmpty());
  return form.grab().toImage().pixelColor(bar.right() - 3, bar.center().y());
}
QColor LeftEndOf(QWidget& form, const QRect& bar) {
  return form.grab().toImage().pixelColor(bar.left() + 3, bar.center().y());
}

TEST(PracticeCard, ShowsTheFocusAndNewKeyWithItsFingerTheDueKeysAndEachKeysMastery) {
  PracticeWorld world;
  world.Seed();
  ASSERT_TRUE(world.flow->Begin());
  TfmPracticeCard& card = *world.card;
  ASSERT_TRUE(card.isVisible());
  const PracticeCardView* view = card.View();
  ASSERT_NE(view, nullptr);
  std::vector<std::string> keys;
  for (const PracticeKeyView& key : view->keys) keys.push_back(key.position);
  EXPECT_EQ(keys, (std::vector<std::string>{"f", "j", "k"}));
  EXPECT_EQ(view->focus, "k");
  EXPECT_EQ(view->newKey, "k");
  EXPECT_EQ(view->due, std::vector<std::string>{"f"});
  EXPECT_EQ(card.NewKeyText(), "Finger: right middle finger");
  EXPECT_EQ(card.DueText(), "f");
  EXPECT_EQ(card.TargetText(), "Target reaction: 1000 ms");
  EXPECT_EQ(card.FocusReasonText().toStdString(), "Focus, your weakest key: 17 of your last 20 right (85%), median 800 ms");
  EXPECT_TRUE(card.LeftOutText().isEmpty());
  // Mastered keys' bars are full, the learning key's only partly.
  EXPECT_EQ(RightEndOf(card, card.BarRect("f")).rgb(), practice_look::kMastered.rgb());
  EXPECT_EQ(RightEndOf(card, card.BarRect("j")).rgb(), practice_look::kMastered.rgb());
  EXPECT_EQ(LeftEndOf(card, card.BarRect("k")).rgb(), practice_look::kLearning.rgb());
  EXPECT_NE(RightEndOf(card, card.BarRect("k")).rgb(), practice_look::kLearning.rgb());
  // The new key is drawn on the small keyboard in its finger's zone.
  const QRect k = card.KeyboardKeyRect("k");
  EXPECT_EQ(card.grab().toImage().pixelColor(k.left() + 3, k.top() + 3).rgb(),
            FingerColour(Finger::RightMiddle).rgb());
  EXPECT_TRUE(world.messages.shown.empty());
}

// A keyboard whose j types what f types and whose k is a dead key: both are left out of the set,
// and the card names them; the small keyboard names f by what it types.
TEST(PracticeCard, SaysWhichKeysThisKeyboardLeavesOut) {
  PracticeWorld world;
  world.Seed();
  KeyTable table;
  table.Set("f", {KeyTyped::Kind::Character, "\xc3\xb6", "odiaeresis"});
  table.Set("j", {KeyTyped::Kind::Character, "\xc3\xb6", "odiaeresis"});
  table.Set("k", {KeyTyped::Kind::DeadKey, "", "dead_acute"});
  FixedKeyboardLayout layout(table);
  world.services.keyboard = &layout;
  ASSERT_TRUE(world.flow->Begin());
  const PracticeCardView* view = world.card->View();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->keys.size(), 1u);
  EXPECT_EQ(view->keys[0].position, "f");
  EXPECT_EQ(view->keys[0].typed, "\xc3\xb6");
  EXPECT_EQ(world.card->LeftOutText(), "Left out on this keyboard: j k");
  EXPECT_EQ(world.card->DueText(), "\xc3\xb6");  // f, due today, by what it types
  world.services.keyboard = nullptr;
}

TEST(PracticeCard, PlusAndMinusChangeTheStoredTargetBy50Ms) {
  PracticeWorld world;
  world.Seed();
  ASSERT_TRUE(world.flow->Begin());
  TfmPracticeCard& card = *world.card;
  Press(&card, Qt::Key_Plus, QStringLiteral("+"));
  EXPECT_EQ(card.TargetText(), "Target reaction: 1050 ms");
  EXPECT_EQ(world.StoredTarget(), 1050);
  Press(&card, Qt::Key_Minus, QStringLiteral("-"));
  Press(&card, Qt::Key_Minus, QStringLiteral("-"));
  card.BtnFaster()->click();
  EXPECT_EQ(card.TargetText(), "Target reaction: 900 ms");
  EXPECT_EQ(world.StoredTarget(), 900);
  card.BtnSlower()->click();
  EXPECT_EQ(world.StoredTarget(), 950);
  EXPECT_TRUE(card.isVisible());
  EXPECT_FALSE(world.level->LevelLoaded());
}

// Tab and the arrows light the card's buttons in turn and Space presses the lit one, as on the
// other screens; the results' two buttons likewise.
TEST(PracticeCard, TabAndSpaceReachEveryButton) {
  PracticeWorld world;
  world.Seed();
  ASSERT_TRUE(world.flow->Begin());
  TfmPracticeCard& card = *world.card;
  Press(&card, Qt::Key_Tab);
  EXPECT_EQ(card.Keys().Lit(), card.BtnStart());
  Press(&card, Qt::Key_Tab);
  EXPECT_EQ(card.Keys().Lit(), card.BtnFaster());
  Press(&card, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(world.StoredTarget(), 950);
  Press(&card, Qt::Key_Right);
  EXPECT_EQ(card.Keys().Lit(), card.BtnSlower());
  Press(&card, Qt::Key_Left);
  Press(&card, Qt::Key_Left);
  EXPECT_EQ(card.Keys().Lit(), card.BtnStart());
  Press(&card, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_FALSE(card.isVisible());
  ASSERT_TRUE(world.level->LevelLoaded());
  world.PlayDrillOut();
  TfmPracticeResults& results = *world.results;
  Press(&results, Qt::Key_Tab);
  EXPECT_EQ(results.Keys().Lit(), results.BtnMainMenu());
  Press(&results, Qt::Key_Tab);
  EXPECT_EQ(results.Keys().Lit(), results.BtnAgain());
  Press(&results, Qt::Key_Tab);
  Press(&results, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_FALSE(results.isVisible());
  EXPECT_TRUE(world.host.mainMenuShowing);
}

TEST(PracticeCard, EscapeGoesBackToProgressWithoutARun) {
  PracticeWorld world;
  world.Seed();
  ASSERT_TRUE(world.flow->Begin());
  Press(world.card.get(), Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_FALSE(world.card->isVisible());
  EXPECT_EQ(world.progressShown, 1);
  EXPECT_FALSE(world.level->LevelLoaded());
  EXPECT_FALSE(world.recorder->RunOpen());
}

TEST(PracticeCard, EnterStartsTheDrillOnItsSceneWithTheSetsKeys) {
  PracticeWorld world;
  world.Seed();
  ASSERT_TRUE(world.flow->Begin());
  Press(world.card.get(), Qt::Key_Return);
  EXPECT_FALSE(world.card->isVisible());
  ASSERT_TRUE(world.level->LevelLoaded());
  EXPECT_EQ(world.level->CurrentLevelName(), "Practice");
  EXPECT_EQ(world.level->Drill().Source(), world.flow->Session()->Drill());
  EXPECT_TRUE(world.recorder->RunOpen());
  // The drill's script lies in a temporary folder of its own, not among the player's files.
  const std::string folder = world.flow->ScriptFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(world.level->Drill().Source()->ScriptPath(), folder + "/Drill.ini");
  EXPECT_TRUE(std::filesystem::exists(folder + "/Drill.ini"));
  EXPECT_NE(std::filesystem::canonical(folder).parent_path(),
            std::filesystem::canonical(world.dir));
  EXPECT_TRUE(world.messages.shown.empty());
}

TEST(PracticeResults, AfterTheDrillShowBeforeAndAfterAppliedReviewsAndAPracticeRun) {
  PracticeWorld world;
  ASSERT_NO_FATAL_FAILURE(world.SeededDrillToResults());
  TfmPracticeResults& results = *world.results;
  const PracticeResultView* view = results.View();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->keys.size(), 3u);
  // Nothing was typed: every figure was lost. f had its review today and failed it.
  const PracticeResultKey& f = view->keys[0];
  EXPECT_EQ(f.position, "f");
  EXPECT_GE(f.chances, kReviewMinChances);
  EXPECT_TRUE(f.masteredBefore);
  EXPECT_FALSE(f.masteredAfter);
  EXPECT_DOUBLE_EQ(f.before, 1.0);
  EXPECT_LT(f.after, f.before);
  EXPECT_EQ(view->events.reviewsFailed, std::vector<std::string>{"f"});
  EXPECT_EQ(results.ReviewsText(), "Reviews to practise again: f");
  EXPECT_EQ(results.ReviewText("f"), "learning");
  EXPECT_EQ(results.ReviewText("j"), QString::fromStdString(DayText(kToday + 5)));
  EXPECT_TRUE(results.JoinedText().isEmpty());
  EXPECT_TRUE(results.WordsPerMinuteText().isEmpty());
  EXPECT_EQ(RightEndOf(results, results.BeforeBarRect("f")).rgb(),
            practice_look::kMastered.darker(150).rgb());
  EXPECT_NE(RightEndOf(results, results.AfterBarRect("f")).rgb(), practice_look::kLearning.rgb());

  // The review is stored, and the run as a finished practice run.
  {
    ProgressDatabase db(world.DbPath());
    db.Open();
    PracticeStore store(db);
    const PracticeState state = store.LoadState("anna");
    ASSERT_NE(state.Find("f"), nullptr);
    EXPECT_FALSE(state.Find("f")->mastered);
    EXPECT_EQ(QueryRows(db.Handle(), "SELECT level, outcome FROM runs ORDER BY id DESC LIMIT 1"),
              (SqlRows{{"0", "finished"}}));
  }
  // Esc leaves for the main menu; Player.ini is as it was (not even a difficulty is written).
  Press(&results, Qt::Key_Escape);
  EXPECT_FALSE(results.isVisible());
  EXPECT_TRUE(world.host.mainMenuShowing);
  EXPECT_FALSE(world.level->LevelLoaded());
  EXPECT_EQ(FileText(world.dir + "/Player.ini"), kPlayerIni);
  EXPECT_TRUE(world.messages.shown.empty());
}

// The results count the whole drill: townsfolk shot and enemies lost beside hits and misses, and
// the accuracy of them all (hits over the four).
TEST(PracticeResults, CountTownsfolkShotAndEnemiesLostBesideHitsAndMisses) {
  PracticeWorld world;
  ASSERT_NO_FATAL_FAILURE(world.SeededDrillToResults());
  TfmPracticeResults& results = *world.results;
  ASSERT_NE(results.View(), nullptr);
  // Nothing typed: every enemy that came up was lost, and the accuracy is none of them.
  const int32_t lost = world.level->Counters().Lost;
  ASSERT_GT(lost, 0);
  EXPECT_EQ(results.CountsText(), "Hits: 0   Misses: 0");
  EXPECT_EQ(results.OutcomeText(),
            QString("Townsfolk shot: 0   Enemies lost: %1   Accuracy: %2").arg(lost).arg(PercentText(0)));

  struct Case {
    LevelCounters counters;
    QString counts, outcome;
  } cases[] = {
      {{.Misses = 1, .Civilians = 13, .Hits = 30}, "Hits: 30   Misses: 1",
       "Townsfolk shot: 13   Enemies lost: 0   Accuracy: " + PercentText(68)},  // 30 of 44
      {{.Lost = 21}, "Hits: 0   Misses: 0", "Townsfolk shot: 0   Enemies lost: 21   Accuracy: " + PercentText(0)},
      {{}, "Hits: 0   Misses: 0", QString::fromUtf8("Townsfolk shot: 0   Enemies lost: 0   Accuracy: \u2013")},
  };
  for (const Case& c : cases) {
    world.flow->Session()->Finish(c.counters);
    EXPECT_EQ(results.CountsText(), c.counts);
    EXPECT_EQ(results.OutcomeText(), c.outcome);
  }
}

// Every text the card and the results draw into a box fits it, in every language: the longest
// translation decides.
TEST(PracticeScreens, EveryTextFitsItsBoxInEveryLanguage) {
  for (const std::string& language : AllLanguages()) {
    SCOPED_TRACE(language);
    LanguageScope scope(language);
    ASSERT_TRUE(scope.ok);
    PracticeWorld world;
    world.Seed();
    ASSERT_TRUE(world.flow->Begin());
    ExpectTextsInTheirBoxes(*world.card, "practice_card");
    // KEYSLINGER_SCREENSHOT_DIR set: the card in each language saved there to look at.
    if (const QString dir = qEnvironmentVariable("KEYSLINGER_SCREENSHOT_DIR"); !dir.isEmpty()) {
      QDir().mkpath(dir);
      world.card->grab().save(dir + "/" + QString::fromStdString(language) + "_practice_card.png");
    }
    Press(world.card.get(), Qt::Key_Return);
    world.PlayDrillOut();
    ASSERT_NE(world.results->View(), nullptr);
    ASSERT_FALSE(world.results->View()->keys.empty());
    ExpectTextsInTheirBoxes(*world.results, "practice_results");
  }
}

TEST(PracticeResults, EnterPractisesAgainFromANewCard) {
  PracticeWorld world;
  world.Seed();
  ASSERT_TRUE(world.flow->Begin());
  const PracticeDrill* first = world.flow->Session()->Drill();
  Press(world.card.get(), Qt::Key_Return);
  world.PlayDrillOut();
  Press(world.results.get(), Qt::Key_Return);
  EXPECT_FALSE(world.results->isVisible());
  ASSERT_TRUE(world.card->isVisible());
  EXPECT_FALSE(world.level->LevelLoaded());
  // The failed review put f back among the keys to learn; the card says so.
  const PracticeCardView* view = world.card->View();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->due.empty());
  ASSERT_NE(view->Find("f"), nullptr);
  EXPECT_FALSE(view->Find("f")->mastered);
  Press(world.card.get(), Qt::Key_Return);
  EXPECT_TRUE(world.level->LevelLoaded());
  EXPECT_NE(world.level->Drill().Source(), nullptr);
  (void)first;
}

// The pause screen over a drill: RESTART starts it afresh, MAIN MENU leaves it; the runs are
// stored as restarted and quit, curlevel is not read, and Player.ini keeps every byte.
TEST(PracticeDrill, PauseRestartsAndLeavesTheDrillWithoutTouchingPlayerIni) {
  PracticeWorld world;
  world.Seed();
  world.shared.playerStore->WriteString("Anna", "curlevel", "7");  // no such level: never read here
  const std::string before = FileText(world.dir + "/Player.ini");
  TFmPause pause(world.app);
  ASSERT_TRUE(world.flow->Begin());
  Press(world.card.get(), Qt::Key_Return);
  world.timers.Advance(5000);
  EXPECT_FALSE(world.card->isVisible());
  world.level->FormKeyDown(true);
  EXPECT_TRUE(world.host.pauseShowing);
  pause.RestartClick();
  EXPECT_TRUE(world.level->LevelLoaded());
  EXPECT_EQ(world.level->CurrentLevelName(), "Practice");
  world.timers.Advance(5000);
  world.level->FormKeyDown(true);
  pause.MainMenuClick();
  EXPECT_FALSE(world.level->LevelLoaded());
  EXPECT_TRUE(world.host.mainMenuShowing);
  EXPECT_FALSE(world.results->isVisible());
  ProgressDatabase db(world.DbPath());
  db.Open();
  EXPECT_EQ(QueryValue(db.Handle(), "SELECT group_concat(level || ':' || outcome, ' ') FROM"
                                    " (SELECT level, outcome FROM runs WHERE level = 0 ORDER BY id)"),
            "0:restarted 0:quit");
  EXPECT_EQ(FileText(world.dir + "/Player.ini"), before);
  EXPECT_TRUE(world.messages.shown.empty());
}

// Over the full-screen game on a 1920 by 1080 screen (the screens_full_hd test) the card is drawn
// at the world's factor; F11 on it switches the game screen, stores the choice, and the card
// follows at the new factor with the keys still its own.
TEST(FullHdFloatingScreens, PracticeCardFollowsTheGameInAndOutOfFullScreen) {
  if (QGuiApplication::primaryScreen()->geometry() != QRect(0, 0, 1920, 1080))
    GTEST_SKIP() << "needs the 1920 by 1080 offscreen screen";
  PracticeWorld world;
  world.Seed();
  TfmGame game(world.app, world.host);
  world.app.screens.fmGame = &game;
  game.SetFullScreen(true);
  game.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
  ASSERT_TRUE(world.flow->Begin());
  TfmPracticeCard& card = *world.card;
  ASSERT_NE(card.Scaled().Host(), nullptr);
  EXPECT_EQ(card.Scaled().Factor(), 2);
  EXPECT_EQ(card.Scaled().Host()->size(), QSize(1120, 840));
  Press(&card, Qt::Key_F11);
  QCoreApplication::processEvents();
  EXPECT_FALSE(game.FullScreen());
  EXPECT_EQ(card.Scaled().Factor(), 1);
  EXPECT_EQ(card.Scaled().Host(), nullptr);
  // A window of its own again, and shown as one: not merely marked visible from its enlarged days.
  ASSERT_NE(card.windowHandle(), nullptr);
  EXPECT_TRUE(card.windowHandle()->isVisible());
  EXPECT_NE(FileText(world.dir + "/Player.ini").find("fullscreen=0"), std::string::npos);
  Press(&card, Qt::Key_F11);
  QCoreApplication::processEvents();
  EXPECT_TRUE(game.FullScreen());
  EXPECT_EQ(card.Scaled().Factor(), 2);
  ASSERT_NE(card.Scaled().Host(), nullptr);
  EXPECT_TRUE(card.isVisible());
  EXPECT_NE(FileText(world.dir + "/Player.ini").find("fullscreen=1"), std::string::npos);
  Press(&card, Qt::Key_Plus, QStringLiteral("+"));
  EXPECT_EQ(card.TargetText(), "Target reaction: 1050 ms");
  card.hide();
  game.hide();
  world.app.screens.fmGame = nullptr;
}

}  // namespace
