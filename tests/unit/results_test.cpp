// SPDX-License-Identifier: GPL-3.0-or-later
// Results of a finished level: percentage, best results, the table and the three ways on.
#include "screens/results.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_play.h"
#include "level/level_play_host.h"
#include "platform/game_error.h"
#include "platform/message_boxes.h"
#include "platform/picture_loader.h"
#include "platform/random.h"
#include "platform/sound_player.h"
#include "platform/text_measurer.h"
#include "platform/virtual_timer_service.h"
#include "core/ini_store.h"
#include "profiles/player_store.h"
#include "core/level_counters.h"
#include "scratch_folder.h"
#include "test_services.h"

namespace {

namespace fs = std::filesystem;

LevelCounters Counters(int32_t myScore, int32_t allScore, int32_t misses, int32_t civilians,
                       int32_t hits = 0) {
  LevelCounters c;
  c.MyScore = myScore;
  c.AllScore = allScore;
  c.Misses = misses;
  c.Civilians = civilians;
  c.Hits = hits;
  return c;
}

TEST(ResultPercent, WeighsMissesAndCiviliansAndTruncates) {
  struct Case {
    LevelCounters counters;
    int32_t percent;
  };
  const Case cases[] = {
      {Counters(4000, 5000, 1, 0), 66},
      {Counters(4000, 5000, 2, 0), 57},
      {Counters(3000, 5000, 0, 0), 60},
      {Counters(2950, 5000, 0, 0), 59},
      {Counters(1000, 1000, 0, 1), 33},
      {Counters(0, 5000, 0, 0), 0},
      {Counters(5000, 5000, 0, 0), 100},
      // Negative sums truncate toward zero.
      {Counters(-150, 1000, 0, 0), -15},
      // Nothing appeared and nothing was missed: the divisor is zero.
      {Counters(0, 0, 0, 0), 100},
      {Counters(700, 0, 0, 0), 100},
      // MyScore * 100 wraps in 32 bits: 30000000 * 100 = 3000000000 -> -1294967296.
      {Counters(30000000, 1000000, 0, 0), -1294},
      // 536870912 * 100 wraps to INT_MIN, and INT_MIN / -1 is the one quotient that overflows.
      {Counters(536870912, -1, 0, 0), INT32_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.counters.MyScore << " of " << c.counters.AllScore);
    EXPECT_EQ(ResultPercentOf(c.counters), c.percent);
  }
}

TEST(ResultPercent, PassesFromSixty) {
  EXPECT_TRUE(Passed(60));
  EXPECT_TRUE(Passed(100));
  EXPECT_FALSE(Passed(59));
  EXPECT_FALSE(Passed(-5));
  EXPECT_EQ(ResultRecordOf(75, Counters(0, 0, 3, 1, 12)), "75:12:3:1");
}

class PlayerIniTest : public testing::Test {
 protected:
  void WriteIni(const std::string& text) { std::ofstream(IniPath()) << text; }
  std::string IniPath() const { return (dir_ / "Player.ini").string(); }
  std::string AppDir() const { return dir_.string() + "/"; }
  std::string IniText() const {
    std::ifstream in(IniPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  ScratchFolder scratch_{"results"};
  const fs::path dir_ = scratch_.Path();
};

using BestResult = PlayerIniTest;

TEST_F(BestResult, FirstResultIsStoredAndOnlyAHigherPercentReplacesIt) {
  IniStore store(IniPath());
  struct Step {
    std::string record;
    int32_t percent;
    bool written;
    std::string stored;
  };
  const Step steps[] = {
      {"0:0:5:0", 0, true, "0:0:5:0"},       {"0:3:1:0", 0, false, "0:0:5:0"},
      {"75:12:3:1", 75, true, "75:12:3:1"},  {"75:20:0:0", 75, false, "75:12:3:1"},
      {"74:20:0:0", 74, false, "75:12:3:1"}, {"80:13:0:0", 80, true, "80:13:0:0"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.record);
    EXPECT_EQ(KeepBestResult(store, "Anna", 4, s.record, s.percent), s.written);
    EXPECT_EQ(store.ReadString("Anna", "4", ""), s.stored);
  }
}

TEST_F(BestResult, StoredResultThatIsNotANumberIsReplacedAndCountsAsZero) {
  struct Case {
    std::string stored;
    int32_t percent;  // of the new run
    bool replaced;
  };
  const Case cases[] = {
      {"abc:1:2:3", 0, true},
      {"abc", -7, true},
      {"12.5:1:1:1", 3, true},
      // Integers by the INI store's rule are numbers: hexadecimal 0x10 is 16.
      {"0x10:1:1:1", 16, false},
      {"0x10:1:1:1", 17, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    WriteIni("[Anna]\n2=" + c.stored + "\n");
    IniStore store(IniPath());
    const std::string record = std::to_string(c.percent) + ":0:0:0";
    EXPECT_EQ(KeepBestResult(store, "Anna", 2, record, c.percent), c.replaced);
    EXPECT_EQ(store.ReadString("Anna", "2", ""), c.replaced ? record : c.stored);
  }
  EXPECT_EQ(StoredPercent("abc:1:2:3"), 0);
  EXPECT_EQ(StoredPercent("42:1:2:3"), 42);
  EXPECT_EQ(StoredPercent(""), 0);
}

using ResultTable = PlayerIniTest;

TEST_F(ResultTable, RowsListEveryProfileButCurplayerWithBlankMissingFields) {
  WriteIni(
      "[Anna]\n3=75:12:3:1\n[curplayer]\nname=Anna\n[Bob]\nlevels=2\n[Cleo]\n3=50:1:2:3:4:5\n"
      "[Dan]\n3=40:7\n");
  IniStore store(IniPath());
  const std::vector<ResultRow> rows = ResultRows(store, 3);
  const std::vector<ResultRow> expected = {
      {"Anna", "75", "12", "3", "1"},
      {"Bob", "0", "", "", ""},
      {"Cleo", "50", "1", "2", "3"},
      {"Dan", "40", "7", "", ""},
  };
  EXPECT_EQ(rows, expected);
}

TEST(ResultOrder, HighestFirstWithTheExchangeOrderForTies) {
  std::vector<ResultRow> rows = {{"A", "50", "", "", ""},
                                 {"B", "40", "", "", ""},
                                 {"C", "50", "", "", ""},
                                 {"D", "60", "", "", ""}};
  OrderResultRows(rows);
  std::vector<std::string> names;
  for (const ResultRow& r : rows) names.push_back(r[0]);
  EXPECT_EQ(names, (std::vector<std::string>{"D", "C", "A", "B"}));

  std::vector<ResultRow> odd = {
      {"X", "junk", "", "", ""}, {"Y", "-3", "", "", ""}, {"Z", "5", "", "", ""}};
  OrderResultRows(odd);
  EXPECT_EQ(odd[0][0], "Z");
  EXPECT_EQ(odd[1][0], "X");  // not a number: counts as 0
  EXPECT_EQ(odd[2][0], "Y");
}

TEST(ResultOrder, FanfareWhenThisRunEqualsTheBestOfTheTable) {
  const std::vector<ResultRow> tie = {{"Bob", "70", "", "", ""}, {"Anna", "70", "", "", ""}};
  EXPECT_TRUE(FanfareDue(tie, 70));
  const std::vector<ResultRow> ownBetter = {{"Anna", "90", "", "", ""}, {"Bob", "10", "", "", ""}};
  EXPECT_FALSE(FanfareDue(ownBetter, 70));
  const std::vector<ResultRow> zeros = {{"Anna", "0", "", "", ""}, {"Bob", "0", "", "", ""}};
  EXPECT_TRUE(FanfareDue(zeros, 0));
  EXPECT_FALSE(FanfareDue({}, 0));
}

// The results screen's rules with level play over a host that shows nothing.
class ResultsFlow : public PlayerIniTest {
 protected:
  void Start(const std::string& ini, const std::string& levelName) {
    WriteIni(ini);
    shared_.appDir = AppDir();
    OpenPlayerStore(shared_, "tester");
    level_ = std::make_unique<LevelPlay>(services_, shared_, host_);
    // There are no level files here: the load fails and is reported, the name stays.
    level_->StartLevel(levelName);
    messages_.shown.clear();
    results_ = std::make_unique<Results>(shared_, services_, *level_);
  }
  void Finish(int32_t myScore, int32_t allScore, int32_t misses, int32_t civilians, int32_t hits) {
    level_->MutableCounters() = Counters(myScore, allScore, misses, civilians, hits);
  }
  std::string Stored(const std::string& section, const std::string& key) const {
    return shared_.playerStore->ReadString(section, key, "<absent>");
  }
  bool Played(const std::string& name) const {
    for (const std::string& s : sound_.played)
      if (s == AppDir() + "sounds/" + name) return true;
    return false;
  }

  SharedState shared_;
  VirtualTimerService timers_;
  RecordingSoundPlayer sound_;
  NoPictures pictures_;
  FixedTextMeasurer text_;
  RecordingMessageBoxes messages_;
  Random random_{3};
  Services services_{timers_, sound_, pictures_, text_, messages_, random_};
  NullLevelPlayHost host_;
  std::unique_ptr<LevelPlay> level_;
  std::unique_ptr<Results> results_;
};

TEST_F(ResultsFlow, ShowingComputesKeepsTheBestAndFillsTheOrderedTable) {
  Start("[Bob]\n15=70:1:1:1\n[Anna]\ncurlevel=15\nlevels=15\n15=20:0:0:0\n[curplayer]\nname=Anna\n",
        "Level15");
  Finish(4900, 7000, 0, 0, 12);
  const ResultsView& view = results_->Show();
  EXPECT_EQ(view.levelName, "Level15");
  EXPECT_EQ(view.percent, 70);
  EXPECT_EQ(view.record, "70:12:0:0");
  EXPECT_EQ(view.playerLine, "Anna  70%");
  EXPECT_EQ(view.level, 15);
  EXPECT_TRUE(view.passed);
  EXPECT_EQ(Stored("Anna", "15"), "70:12:0:0");
  ASSERT_EQ(view.rows.size(), 2u);
  // A tie with another profile: Bob stays first, and the fanfare sounds.
  EXPECT_EQ(view.rows[0][0], "Bob");
  EXPECT_EQ(view.rows[1][0], "Anna");
  EXPECT_TRUE(view.fanfare);
  EXPECT_TRUE(Played("fx_1175.wav"));
  EXPECT_TRUE(view.writeError.empty());
}

TEST_F(ResultsFlow, NoFanfareWhenTheOwnStoredBestIsHigherOrSoundIsOff) {
  Start("[Anna]\ncurlevel=2\n2=90:9:0:0\n[curplayer]\nname=Anna\n", "Level2");
  Finish(4000, 5000, 2, 0, 4);
  const ResultsView& view = results_->Show();
  EXPECT_EQ(view.percent, 57);
  EXPECT_FALSE(view.passed);
  EXPECT_FALSE(view.fanfare);
  EXPECT_EQ(Stored("Anna", "2"), "90:9:0:0");

  Start("[Anna]\ncurlevel=2\n[curplayer]\nname=Anna\nsound=0\n", "Level2");
  Finish(4000, 5000, 1, 0, 4);
  EXPECT_TRUE(results_->Show().fanfare);
  EXPECT_TRUE(sound_.played.empty());
}

TEST_F(ResultsFlow, ContinueOnLevelFifteenWritesSixteenToCurlevelAndLevels) {
  struct Case {
    std::string levels;
    std::string expectLevels;
  };
  const Case cases[] = {{"15", "16"}, {"16", "16"}, {"12", "16"}, {"17", "17"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.levels);
    Start("[Anna]\ncurlevel=15\nlevels=" + c.levels + "\n[curplayer]\nname=Anna\n", "Level15");
    Finish(5000, 5000, 0, 0, 10);
    results_->Show();
    results_->Continue();
    EXPECT_EQ(Stored("Anna", "curlevel"), "16");
    EXPECT_EQ(Stored("Anna", "levels"), c.expectLevels);
    EXPECT_EQ(results_->ResultLevel(), 16);
    EXPECT_FALSE(shared_.showEndScreen);
    EXPECT_FALSE(shared_.returnToMenu);
    EXPECT_EQ(level_->Counters().MyScore, 0);
    EXPECT_TRUE(Played("button0.wav") || Played("button1.wav") || Played("button2.wav") ||
                Played("button3.wav") || Played("button4.wav"));
  }
}

TEST_F(ResultsFlow, ContinueOnTheLastLevelShowsTheEndScreenAndWritesNothing) {
  Start("[Anna]\ncurlevel=16\nlevels=16\n[curplayer]\nname=Anna\n", "Level16");
  Finish(5000, 5000, 0, 0, 10);
  results_->Show();
  const std::string before = IniText();
  host_.mainMenuShowing = false;
  results_->Continue();
  EXPECT_EQ(IniText(), before);
  EXPECT_TRUE(shared_.showEndScreen);
  EXPECT_FALSE(shared_.returnToMenu);
  EXPECT_TRUE(host_.mainMenuShowing);
}

TEST_F(ResultsFlow, TryAgainAndMainMenuWriteNothingBeyondTheKeptResult) {
  for (const bool mainMenu : {false, true}) {
    SCOPED_TRACE(mainMenu ? "MAIN MENU" : "TRY AGAIN");
    Start("[Anna]\ncurlevel=5\nlevels=7\n[curplayer]\nname=Anna\n", "Level5");
    Finish(1000, 5000, 3, 1, 2);
    results_->Show();
    EXPECT_EQ(Stored("Anna", "5"), "10:2:3:1");
    const std::string before = IniText();
    host_.mainMenuShowing = false;
    if (mainMenu)
      results_->MainMenu();
    else
      results_->TryAgain();
    EXPECT_EQ(IniText(), before);
    EXPECT_EQ(shared_.returnToMenu, mainMenu);
    EXPECT_FALSE(shared_.showEndScreen);
    EXPECT_EQ(host_.mainMenuShowing, mainMenu);
    EXPECT_EQ(level_->Counters().Misses, mainMenu ? 3 : 0);
    EXPECT_EQ(results_->ResultLevel(), 5);
    shared_.returnToMenu = false;
  }
}

TEST_F(ResultsFlow, UnwritableStoreStillShowsTheRunAndStopsContinueWithTheMessage) {
  Start("[Anna]\ncurlevel=3\nlevels=3\n[curplayer]\nname=Anna\n", "Level3");
  Finish(5000, 5000, 0, 0, 10);
  // A file without write permission bits is read-only for everyone.
  fs::permissions(IniPath(), fs::perms::owner_read | fs::perms::group_read);
  const ResultsView& view = results_->Show();
  EXPECT_NE(view.writeError.find("Unable to write to"), std::string::npos);
  EXPECT_TRUE(view.passed);
  EXPECT_THROW(results_->Continue(), GameError);
  EXPECT_EQ(Stored("Anna", "curlevel"), "3");
  EXPECT_EQ(Stored("Anna", "3"), "<absent>");
}

}  // namespace
