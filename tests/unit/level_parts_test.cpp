// SPDX-License-Identifier: GPL-3.0-or-later
// Level play's parts on their own, in virtual time: the script clock with a fake for the work of
// its steps, spawning and letter typing on a stage of their own, without a LevelPlay.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "level/letter_typing.h"
#include "level/level_hooks.h"
#include "level/level_stage.h"
#include "level/pause_control.h"
#include "level/scoreboard.h"
#include "level/script_clock.h"
#include "level/spawning.h"
#include "level_harness.h"

namespace {

// The work of the script's steps as the clock asks for it; a wave's end checks answer the waits
// queued in endWaits (then 0).
struct FakeSteps : ScriptSteps {
  std::vector<std::string> calls;  // every call but the wave's ticks, in order
  int ticks = 0;
  std::deque<int32_t> endWaits;

  void DefineTemplate(const std::string& key, const std::string& maxLife) override {
    calls.push_back("template " + key + " " + maxLife);
  }
  void WaveStarts() override { calls.push_back("wave starts"); }
  void WaveTick(const std::vector<std::string>&) override { ++ticks; }
  int32_t WaveEndCheck() override {
    calls.push_back("end check");
    const int32_t wait = endWaits.empty() ? 0 : endWaits.front();
    if (!endWaits.empty()) endWaits.pop_front();
    return wait;
  }
  void WaveEndChecked() override { calls.push_back("end checked"); }
  void StepDone() override { calls.push_back("step done"); }
  void EndOfLevel() override { calls.push_back("end of level"); }
};

// A stage with the level folder's places "name:x:y:side:letter", the ones listed untypable, and
// their letter tags: what level play's loading leaves, without a script.
void LoadStage(LevelHarness& h, LevelStage& stage, const std::string& places,
               std::vector<size_t> untypable = {}) {
  h.WriteLevel("Level1", MapIni(places), "");
  auto map = std::make_unique<IniStore>(h.dir + "/Maps/Level1/Map.ini");
  std::vector<std::string> names = map->ReadSections();
  names.erase(names.begin(), names.begin() + 2);  // [Map] and [Objects]
  const std::vector<std::string> positions(names.size());
  stage.Take(std::move(map), std::move(names), std::nullopt, positions, std::move(untypable));
  stage.CreateLetterTags(h.dir + "/Maps/Level1/Tag.bmp");
}

size_t Standing(const LevelStage& stage) {
  size_t count = 0;
  for (const Place& place : stage.Places()) count += place.actor != nullptr;
  return count;
}

TEST(ScriptClockPart, CountsAWaveDownWithItsPenaltyThroughTheEndPhaseToTheEndOfTheLevel) {
  LevelHarness h;
  FakeSteps steps;
  LevelHooks hooks;
  ScriptClock clock(h.services, h.host, hooks, steps);
  LevelHarness::WriteFile(h.dir + "/Script.ini",
                          TemplateStep("t", "bandit", "3000") + WaveStep("w", "1000", "0:0:1"));
  auto script = std::make_unique<IniStore>(h.dir + "/Script.ini");
  clock.TimeLevel(*script, {"t", "w"});
  clock.TakeScript(std::move(script));
  clock.QueueSteps({"t", "w"});
  EXPECT_EQ(clock.LevelTimeMs(), 1000);
  EXPECT_EQ(clock.TimeText(), "0:01");
  steps.endWaits = {1500};
  clock.SetEnabled(true);

  h.Run(100);
  EXPECT_EQ(steps.calls, (std::vector<std::string>{"template bandit 3000", "step done"}));
  h.Run(100);  // the wave's first tick takes its duration and spends a tick of the level time
  EXPECT_EQ(steps.calls.back(), "wave starts");
  EXPECT_EQ(clock.StepWait(), 1000);
  EXPECT_EQ(clock.LevelTimeMs(), 900);
  h.Run(400);
  EXPECT_EQ(clock.StepWait(), 600);
  EXPECT_EQ(steps.ticks, 5);

  // A penalty lengthens the wave and the level time alike, and flashes the time red for 400 ms.
  clock.Penalise(2000);
  EXPECT_EQ(clock.StepWait(), 2600);
  EXPECT_EQ(clock.LevelTimeMs(), 2500);
  EXPECT_EQ(clock.TimeColor(), ScriptClock::kTimeRed);
  h.Run(400);
  EXPECT_EQ(clock.TimeColor(), ScriptClock::kTimeYellow);

  // The wave's end: the first check's wait goes into the wave and the level time.
  h.timers.AdvanceUntil([&] { return clock.EndPhase(); }, 10000);
  EXPECT_EQ(h.timers.NowMs(), 3200);
  EXPECT_EQ(clock.StepWait(), 1500);
  EXPECT_EQ(clock.LevelTimeMs(), 1500);
  EXPECT_EQ(steps.calls.back(), "end checked");
  // The end phase ticks on until a check finds nothing left; then the step is done.
  h.Run(1400);
  EXPECT_TRUE(clock.EndPhase());
  h.Run(100);
  EXPECT_FALSE(clock.EndPhase());
  EXPECT_TRUE(clock.PendingSteps().empty());
  h.Run(100);
  EXPECT_EQ(steps.calls,
            (std::vector<std::string>{"template bandit 3000", "step done", "wave starts",
                                      "end check", "end checked", "end check", "end checked",
                                      "step done", "end of level"}));
  EXPECT_FALSE(clock.Enabled());
}

TEST(ScriptClockPart, APenaltyLengthensOnlyARunningWaveOfFiniteLength) {
  const struct {
    std::string duration;  // "": no wave runs
    int32_t waitAfter;
  } cases[] = {{"", -1}, {"1000", 3000}, {"3600000", 3600000}};
  for (const auto& c : cases) {
    LevelHarness h;
    FakeSteps steps;
    LevelHooks hooks;
    ScriptClock clock(h.services, h.host, hooks, steps);
    if (!c.duration.empty()) clock.ExecuteStep(2, c.duration, "0:0:1");
    const int32_t time = clock.LevelTimeMs();
    clock.Penalise(2000);
    EXPECT_EQ(clock.StepWait(), c.waitAfter) << c.duration;
    EXPECT_EQ(clock.LevelTimeMs(), c.waitAfter == 3000 ? time + 2000 : time) << c.duration;
    EXPECT_EQ(clock.TimeColor(), ScriptClock::kTimeRed) << c.duration;
  }
}

// Spawning's rig: a stage of four places, the second one untypable, and the bandit template.
struct SpawnRig {
  explicit SpawnRig(SpawnPolicy& policy)
      : spawning(h.services, h.shared, h.host, hooks, stage, score, policy) {
    LoadStage(h, stage, "a:0:0:1:f b:100:0:1:g c:200:0:1:h d:300:0:1:j", {1});
    hooks.onSpawn = [this](size_t place, const TbotImage&) { spawnedAt.push_back(place); };
    spawning.DefineTemplate("bandit", "3000");
    spawning.RestartRamp();
  }
  LevelHarness h;
  LevelHooks hooks;
  LevelStage stage{h.services, h.host};
  Scoreboard score{h.timers, h.host};
  Spawning spawning;
  std::vector<size_t> spawnedAt;
};

TEST(SpawningPart, FiguresComeUpOneATimeAtFreeTypablePlacesAsTheRampAllows) {
  SpawnPolicy levelPolicy;
  SpawnRig rig(levelPolicy);
  rig.spawning.WaveTick({"60000", "0", "4"}, true);
  EXPECT_EQ(Standing(rig.stage), 0u) << "the end phase brings nobody up";

  int32_t ramp = rig.spawning.SpawnRamp();
  for (int tick = 0; tick < 30; ++tick) {
    const size_t before = Standing(rig.stage);
    rig.spawning.WaveTick({"60000", "0", "4"}, false);
    EXPECT_LE(rig.spawning.SpawnRamp(), ramp + 1);
    ramp = rig.spawning.SpawnRamp();
    EXPECT_LE(Standing(rig.stage), before + 1);
    EXPECT_LE(Standing(rig.stage), static_cast<size_t>(rig.spawning.WaveTarget()));
  }
  EXPECT_EQ(ramp, 4);
  EXPECT_EQ(std::set<size_t>(rig.spawnedAt.begin(), rig.spawnedAt.end()),
            (std::set<size_t>{0, 2, 3}));
  EXPECT_EQ(rig.spawnedAt.size(), 3u) << "a place with a figure gets no second one";
  EXPECT_EQ(rig.stage.Places()[1].actor, nullptr);
  EXPECT_EQ(rig.spawning.LiveActors().size(), 3u);
  EXPECT_EQ(rig.score.Counters().Bots, 3);
  EXPECT_EQ(rig.score.Counters().AllScore, 9000);
}

// A drill's say in spawning: place 2 is closed, and the last free place is chosen.
struct LastOpenPlace : SpawnPolicy {
  bool PlaceOpen(size_t place) const override { return place != 2; }
  std::optional<size_t> ChoosePlace(const std::vector<int>& free) override {
    offered.push_back(free);
    return static_cast<size_t>(free.back());
  }
  void Spawned(size_t place, const TbotImage&) override { told.push_back(place); }
  std::vector<std::vector<int>> offered;
  std::vector<size_t> told;
};

TEST(SpawningPart, APolicyDecidesWhereFiguresComeUpAndHearsOfEach) {
  LastOpenPlace policy;
  SpawnRig rig(policy);
  for (int tick = 0; tick < 30; ++tick) rig.spawning.WaveTick({"60000", "0", "4"}, false);
  ASSERT_EQ(policy.offered.size(), 2u);
  EXPECT_EQ(policy.offered[0], (std::vector<int>{0, 3}));
  EXPECT_EQ(policy.offered[1], (std::vector<int>{0}));
  EXPECT_EQ(policy.told, (std::vector<size_t>{3, 0}));
  EXPECT_EQ(rig.spawnedAt, policy.told);
}

// Letter typing's rig: door (f) with an enemy of life 700 and window (j) with a civilian, the
// clock running (no step comes due: time does not pass).
struct TypingRig {
  TypingRig() {
    LoadStage(h, stage, "door:100:50:1:f window:300:50:3:j");
    enemy.Life = 700;
    civilian.Character = 1;
    stage.Places()[0].actor = &enemy;
    stage.Places()[1].actor = &civilian;
    clock.SetEnabled(true);
  }
  LevelHarness h;
  FakeSteps steps;
  LevelHooks hooks;
  LevelStage stage{h.services, h.host};
  Scoreboard score{h.timers, h.host};
  ScriptClock clock{h.services, h.host, hooks, steps};
  PauseControl pause{clock, stage, h.host, hooks};
  LetterTyping typing{h.services, h.shared, h.host, hooks, stage, score, clock, pause};
  TbotImage enemy{h.services, nullptr};
  TbotImage civilian{h.services, nullptr};
};

TEST(LetterTypingPart, ALetterHitsItsPlacesActorAndAHeldKeyDropsTheNextPress) {
  TypingRig rig;
  EXPECT_FALSE(rig.typing.KeyPress(false, "F", "f"));
  EXPECT_EQ(rig.typing.HitPlace(), 0);
  EXPECT_TRUE(rig.enemy.Deathing);
  EXPECT_EQ(rig.score.Counters().Hits, 1);
  EXPECT_EQ(rig.score.Counters().MyScore, 700);
  EXPECT_EQ(rig.score.Labels().point, "Point: 1");

  EXPECT_TRUE(rig.typing.KeyPress(false, "j", "j")) << "f is still down";
  EXPECT_FALSE(rig.civilian.Deathing);
  rig.typing.KeyRelease();
  EXPECT_FALSE(rig.typing.KeyPress(false, "j", "j"));
  EXPECT_TRUE(rig.civilian.Deathing);
  EXPECT_EQ(rig.score.Counters().Civilians, 1);
  EXPECT_EQ(rig.clock.TimeColor(), ScriptClock::kTimeRed);

  rig.typing.KeyRelease();
  rig.typing.KeyPress(false, "x", "x");
  EXPECT_EQ(rig.score.Counters().Misses, 1);
  EXPECT_EQ(rig.score.Ticker().TickerLines().front(), "-2000");

  // Escape pauses: the clock stops, and with it the filter and the typing.
  rig.typing.KeyRelease();
  rig.typing.KeyPress(true, "", "");
  EXPECT_FALSE(rig.clock.Enabled());
  EXPECT_TRUE(rig.h.host.pauseShowing);
  EXPECT_FALSE(rig.typing.KeyPress(false, "x", "x"));
  EXPECT_FALSE(rig.typing.KeyPress(false, "x", "x"));
  EXPECT_EQ(rig.score.Counters().Misses, 1);
}

}  // namespace
