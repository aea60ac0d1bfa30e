// SPDX-License-Identifier: GPL-3.0-or-later
// The script on the 100 ms clock: step timing, waves and their end, level time, failures.
#include "level_harness.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A level with two places, door (f) and window (j), and the given script.
void StartWith(LevelHarness& h, const std::string& script, const std::string& rows = "") {
  h.WriteLevel("Level1", MapIni("door:100:50:1:f window:300:50:3:j", rows), script);
  // The results screen's MAIN MENU, until a test wants another way on.
  h.host.onResults = [&h] {
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
}

TEST(ScriptClock, FiveTemplatesThenAWaveSpawnsItsFirstActorOnTheSixthTick) {
  LevelHarness h;
  std::string script;
  for (int i = 0; i < 5; ++i) script += TemplateStep("t" + std::to_string(i), "bandit", "3000");
  StartWith(h, script + WaveStep("w", "3000", "1000:0:1"));
  h.Run(500);
  EXPECT_EQ(h.play->Spawner().Templates().size(), 5u);
  EXPECT_TRUE(h.play->Spawner().LiveActors().empty());
  EXPECT_EQ(h.play->Clock().PendingSteps().size(), 1u);
  h.Run(99);
  EXPECT_TRUE(h.play->Spawner().LiveActors().empty());
  h.Run(1);
  EXPECT_EQ(h.play->Spawner().LiveActors().size(), 1u);
  EXPECT_EQ(h.play->Clock().StepWait(), 3000);
  EXPECT_EQ(h.Counter(&LevelCounters::Bots), 1);
  EXPECT_EQ(h.Counter(&LevelCounters::AllScore), 3000);
}

struct StepTiming {
  const char* what;
  std::string script;
  int64_t resultsAtMs;  // 0: the results never come
};

class ScriptTiming : public testing::TestWithParam<StepTiming> {};

TEST_P(ScriptTiming, TheResultsComeWhenTheLastStepIsConsumed) {
  const StepTiming c = GetParam();
  LevelHarness h;
  StartWith(h, c.script);
  int64_t shownAt = 0;
  h.host.onResults = [&] {
    shownAt = h.timers.NowMs();
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.Run(20000);
  EXPECT_EQ(shownAt, c.resultsAtMs) << c.what;
  EXPECT_EQ(h.host.resultsShown, c.resultsAtMs ? 1 : 0) << c.what;
  EXPECT_FALSE(h.shared.returnToMenu);  // the clock clears the flag it read
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ScriptTiming,
    testing::Values(StepTiming{"an empty script", "", 100},
                    StepTiming{"one empty step", "[s]\ncommand=3\n", 200},
                    StepTiming{"a zero wave ends on its first tick", WaveStep("w", "0", "0:0:0"), 200},
                    StepTiming{"a 3000 ms wave", WaveStep("w", "3000", "0:0:0"), 3200},
                    StepTiming{"a 250 ms wave still ends", WaveStep("w", "250", "0:0:0"), 500},
                    StepTiming{"command 7 holds for ever", "[s]\ncommand=7\n", 0}));

TEST(ScriptClock, LevelTimeCountsDownAndNeverShowsANegativeTime) {
  LevelHarness h;
  StartWith(h, WaveStep("w", "65000", "0:0:0") + WaveStep("v", "1000", "0:0:0"));
  EXPECT_EQ(h.play->Clock().TimeText(), "1:06");
  h.Run(1100);
  EXPECT_EQ(h.play->Clock().LevelTimeMs(), 64900);
  EXPECT_EQ(h.play->Clock().TimeText(), "1:04");
  h.Run(70000);
  EXPECT_EQ(h.play->Clock().TimeText(), "0:00");
  EXPECT_LE(h.play->Clock().LevelTimeMs(), 0);
}

struct TimeCase {
  int32_t ms;
  const char* shown;
};

class LevelTimeDisplay : public testing::TestWithParam<TimeCase> {};

TEST_P(LevelTimeDisplay, ShowsMinutesAndPaddedSeconds) {
  LevelHarness h;
  h.play->AddLevelTime(GetParam().ms);
  EXPECT_EQ(h.play->Clock().TimeText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Times, LevelTimeDisplay,
                         testing::Values(TimeCase{65000, "1:05"}, TimeCase{600000, "10:00"}, TimeCase{999, "0:00"},
                                         TimeCase{59999, "0:59"}, TimeCase{-5000, "0:00"}));

TEST(ScriptClock, AMissInTheLastSecondOfAWaveLengthensItAndTheLevelTime) {
  LevelHarness h;
  StartWith(h, WaveStep("w", "3000", "0:0:0"));
  int64_t resultsAt = 0;
  h.host.onResults = [&] {
    resultsAt = h.timers.NowMs();
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.Run(2600);
  ASSERT_EQ(h.play->Clock().StepWait(), 500);
  EXPECT_EQ(h.play->Clock().TimeText(), "0:00");  // 400 ms left
  h.Type("q");
  EXPECT_EQ(h.play->Clock().StepWait(), 2500);
  EXPECT_EQ(h.play->Clock().LevelTimeMs(), 2400);
  EXPECT_EQ(h.play->Clock().TimeText(), "0:02");
  EXPECT_EQ(h.play->Clock().TimeColor(), ScriptClock::kTimeRed);
  h.Run(400);
  EXPECT_EQ(h.play->Clock().TimeColor(), ScriptClock::kTimeYellow);
  h.Run(10000);
  EXPECT_EQ(resultsAt, 5200);
}

TEST(ScriptClock, PenaltiesOutsideARunningWaveAddNoTime) {
  LevelHarness h;
  StartWith(h, "[s]\ncommand=7\n" + WaveStep("w", "4000000", "0:0:0"));
  h.Run(100);
  h.Type("q");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 1);
  EXPECT_EQ(h.play->Clock().LevelTimeMs(), 4000000);
  EXPECT_EQ(h.play->Score().Ticker().TickerLines().front(), "-2000");
}

TEST(ScriptClock, PauseFreezesTheWaveTheTimeAndAHalfGrownActor) {
  LevelHarness h;
  StartWith(h, TemplateStep("t", "bandit", "3000") + WaveStep("w", "5000", "0:0:1"));
  h.Run(200 + 2 * 55);
  ASSERT_EQ(h.play->Spawner().LiveActors().size(), 1u);
  const TbotImage* actor = h.play->Spawner().LiveActors()[0];
  ASSERT_EQ(actor->Width + actor->Height, 24 + 64);  // two growth steps along its side
  const int32_t stepWait = h.play->Clock().StepWait();
  const std::string time = h.play->Clock().TimeText();
  h.play->FormKeyDown(true);
  EXPECT_TRUE(h.host.pauseShowing);
  h.Run(60000);
  EXPECT_EQ(h.play->Clock().StepWait(), stepWait);
  EXPECT_EQ(h.play->Clock().TimeText(), time);
  EXPECT_EQ(actor->Width + actor->Height, 24 + 64);
  h.Type("f");  // typing does nothing while paused
  EXPECT_EQ(h.Counter(&LevelCounters::Misses) + h.Counter(&LevelCounters::Hits), 0);
  h.play->imgMapClick();  // the pause screen shows: the click is its CONTINUE
  h.host.onPauseContinue = nullptr;
  h.play->SetPaused(false, true);
  EXPECT_FALSE(h.host.pauseShowing);
  h.Run(55);
  EXPECT_EQ(actor->Width + actor->Height, 36 + 64);
  h.Run(45);
  EXPECT_EQ(h.play->Clock().StepWait(), stepWait - 100);
}

struct ClockFailure {
  const char* what;
  std::string script;
  const char* message;
};

class ScriptFailures : public testing::TestWithParam<ClockFailure> {};

TEST_P(ScriptFailures, StopTheClockAndKeepTheStep) {
  const ClockFailure c = GetParam();
  LevelHarness h;
  StartWith(h, TemplateStep("good", "bandit", "3000") + c.script);
  h.Run(2000);
  ASSERT_EQ(h.messages.shown.size(), 1u) << c.what;
  EXPECT_EQ(h.messages.shown[0], c.message) << c.what;
  EXPECT_FALSE(h.play->ClockEnabled());
  ASSERT_FALSE(h.play->Clock().PendingSteps().empty());
  EXPECT_EQ(h.play->Clock().PendingSteps().front(), "bad") << c.what;
  EXPECT_EQ(h.play->Spawner().Templates().size(), 1u) << c.what;
  // Pausing and resuming runs the failing step again.
  h.play->SetPaused(true, true);
  h.play->SetPaused(false, true);
  h.Run(100);
  EXPECT_EQ(h.messages.shown.size(), 2u);
  EXPECT_EQ(h.play->Spawner().Templates().size(), 1u) << c.what;
  // Nothing but the difficulty went to Player.ini.
  EXPECT_EQ(h.shared.playerStore->ReadSections(), std::vector<std::string>{"Tester"});
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ScriptFailures,
    testing::Values(
        ClockFailure{"no command", "[bad]\nparam1=1\n", "Error"},
        ClockFailure{"a command that is no integer", "[bad]\ncommand=two\n", "Error"},
        ClockFailure{"command -1", "[bad]\ncommand=-1\n", "Error"},
        ClockFailure{"a wave duration that is no integer", WaveStep("bad", "long", "0:0:1"), "Error in Clock"},
        ClockFailure{"two fields", WaveStep("bad", "1000", "0:1"), "Error in Clock"},
        ClockFailure{"a target that is no integer", WaveStep("bad", "1000", "0:0:x"), "Error in Clock"},
        ClockFailure{"a dump time that is no integer", WaveStep("bad", "1000", "soon:0:1"), "Error in Clock"},
        ClockFailure{"a key missing from Objects", TemplateStep("bad", "ghost", "3000"), "Error in Clock"},
        ClockFailure{"a picture under 64 pixels", TemplateStep("bad", "small", "3000"), "Error in Clock"},
        ClockFailure{"a picture that is no bitmap", TemplateStep("bad", "broken", "3000"), "Error in Clock"},
        ClockFailure{"a MaxLife that is no integer", TemplateStep("bad", "bandit", "3s"), "Error in Clock"}));

TEST(ScriptClock, AWaveBeforeAnyTemplateFailsWhenItSpawns) {
  LevelHarness h;
  StartWith(h, WaveStep("bad", "1000", "0:0:1"));
  h.Run(500);
  EXPECT_EQ(h.messages.shown, std::vector<std::string>{"Error in Clock"});
  EXPECT_EQ(h.play->Clock().StepWait(), 1000);  // it keeps its last value
  EXPECT_TRUE(h.play->Spawner().LiveActors().empty());
}

TEST(ScriptClock, AfterTryAgainTheSameLevelIsLoadedWithCountersAtZero) {
  LevelHarness h;
  StartWith(h, WaveStep("w", "300", "0:0:0"));
  h.host.onResults = [&h] {
    h.play->CloseLevel();
    h.play->ResetCounters();
  };
  h.Run(150);
  h.Type("q");
  h.Run(450 + 2000);
  EXPECT_EQ(h.host.resultsShown, 1);
  EXPECT_TRUE(h.play->LevelLoaded());
  EXPECT_EQ(h.play->CurrentLevelName(), "Level1");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 0);
  EXPECT_TRUE(h.play->ClockEnabled());
}

TEST(ScriptClock, ANextLevelThatCannotLoadIsAnErrorInClock) {
  LevelHarness h;
  StartWith(h, "");
  h.shared.playerStore->WriteInteger("Tester", "curlevel", 9);
  h.host.onResults = [&h] { h.play->CloseLevel(); };
  h.Run(100);
  EXPECT_EQ(h.messages.shown, std::vector<std::string>{"Error in Clock"});
  EXPECT_FALSE(h.play->ClockEnabled());
}

}  // namespace
