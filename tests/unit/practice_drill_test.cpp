// SPDX-License-Identifier: GPL-3.0-or-later
// Practice drills through level play in virtual time: letters drawn anew per wave, weighted
// spawning with the focus key's share, runs stored as practice apart from Player.ini, and the
// miss aimed at the only ready enemy recorded.
#include "level/level_listener.h"
#include "drill_scene.h"
#include "platform/key_table.h"
#include "platform/random.h"
#include "practice/drill.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "targets/letter_image.h"
#include "sql_probe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

void WriteScene(LevelHarness& h) { WriteDrillScene(h, "2500", "3000"); }

DrillPlan FiveKeys(LevelHarness& h) {
  DrillPlan plan = DrillOverScene(h, {"f", "d", "k", "j", "s"});
  plan.mastered = {"d", "j"};
  plan.focus = "k";
  plan.newKey = "s";
  return plan;
}

// Plays the drill to its end, shooting every figure 400 ms after it came up; calls watch
// every tick.
template <class Watch>
void PlayDrill(LevelHarness& h, PracticeDrill& drill, Watch&& watch, bool start = true) {
  std::map<size_t, int64_t> cameUp;
  h.play->onSpawn = [&](size_t place, const TbotImage&) { cameUp[place] = h.timers.NowMs(); };
  if (start) h.play->StartDrill("Practice", drill);
  ASSERT_TRUE(h.play->LevelLoaded());
  for (int tick = 0; tick < 5000 && !drill.IsFinished(); ++tick) {
    h.Run(100);
    watch();
    for (size_t p = 0; p < h.play->Stage().Places().size() && !drill.IsFinished(); ++p) {
      const TbotImage* a = h.ActorAt(p);
      if (a && !a->Dump && !a->Deathing && !a->Activity && !a->Deadly && h.timers.NowMs() - cameUp[p] >= 400) {
        h.Type(h.play->Drill().Positions()[p]);
      }
    }
  }
  ASSERT_TRUE(drill.IsFinished());
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(PracticeDrill, LettersAreDrawnAnewEachWaveNoTwoPlacesAlikeAndFiguresOnlyAtKeys) {
  LevelHarness h;
  WriteScene(h);
  PracticeDrill drill(FiveKeys(h), h.dir + "/drill.ini");
  std::vector<std::vector<std::string>> waves;
  size_t stepsLeft = 0;
  int offKey = 0;
  int changes = 0;
  std::vector<std::string> last;
  PlayDrill(h, drill, [&] {
    const std::vector<std::string>& p = h.play->Drill().Positions();
    // Letters change only as a wave starts: at most once a wave.
    if (!last.empty() && p != last && !p.empty()) ++changes;
    if (!p.empty()) last = p;
    if (h.play->Clock().PendingSteps().size() != stepsLeft || waves.empty()) {
      stepsLeft = h.play->Clock().PendingSteps().size();
      if (!p.empty()) waves.push_back(p);
    }
    for (size_t i = 0; i < h.play->Stage().Places().size(); ++i) {
      if (h.ActorAt(i) && p[i].empty()) ++offKey;
      // The tag shows the key the place carries now.
      std::string shown = p[i];
      for (char& c : shown) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      EXPECT_EQ(h.play->Stage().LetterTags()[i].tag->Letter, shown);
      EXPECT_EQ(h.play->Stage().LetterTags()[i].tag->Visible, !p[i].empty());
    }
  });
  EXPECT_EQ(offKey, 0);
  EXPECT_GE(changes, 2);
  EXPECT_LE(changes, kDrillWaves);
  ASSERT_GE(waves.size(), static_cast<size_t>(kDrillWaves));
  std::set<std::vector<std::string>> distinct;
  for (const auto& wave : waves) {
    std::vector<std::string> used;
    for (const std::string& key : wave) {
      if (!key.empty()) used.push_back(key);
    }
    // Five keys on six places: every key once, one place empty.
    std::sort(used.begin(), used.end());
    EXPECT_EQ(used, (std::vector<std::string>{"d", "f", "j", "k", "s"}));
    distinct.insert(wave);
  }
  EXPECT_GE(distinct.size(), 3u) << "the letters should move between waves";
  EXPECT_GT(drill.FinalCounters().Hits, 20);
}

TEST(PracticeDrill, TheFocusKeyGetsAThirdOfTheFiguresAndNewKeysMoreThanMasteredOnes) {
  std::map<std::string, int> total;
  int all = 0;
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    LevelHarness h;
    h.random.Seed(seed);
    WriteScene(h);
    PracticeDrill drill(FiveKeys(h), h.dir + "/drill.ini");
    PlayDrill(h, drill, [] {});
    int runTotal = 0;
    for (const auto& [key, n] : drill.Spawns()) runTotal += n;
    ASSERT_GT(runTotal, 0);
    EXPECT_GE(drill.Spawns().at("k") * 3, runTotal) << "seed " << seed;
    for (const auto& [key, n] : drill.Spawns()) total[key] += n;
    all += runTotal;
  }
  EXPECT_GE(total["k"] * 3, all);
  EXPECT_GT(total["s"], total["d"]);
  EXPECT_GT(total["s"], total["j"]);
  EXPECT_GT(total["f"], total["d"]);  // not mastered yet: more than a mastered key
}

TEST(PracticeDrill, WeightedDrawOfKeysWhenTheSetOutnumbersThePlaces) {
  DrillPlan plan;
  for (const char* k : {"a", "b", "c", "d", "e", "f", "g", "h"}) plan.keys.push_back(k);
  plan.mastered = {"a", "b", "c", "d", "e"};
  plan.focus = "h";
  plan.newKey = "g";
  plan.due = {"a"};
  char pattern[] = "/tmp/keyslinger-drill-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  PracticeDrill drill(plan, dir + "/drill.ini");
  EXPECT_EQ(FileText(dir + "/drill.ini"), plan.scriptText);
  Random random(7);
  for (int i = 0; i < 200; ++i) {
    const std::vector<std::string> p = drill.DrawPositions(4, random);
    ASSERT_EQ(p.size(), 4u);
    std::set<std::string> keys(p.begin(), p.end());
    EXPECT_EQ(keys.size(), 4u);
    // The focus, the new key and the due key are always there.
    for (const char* k : {"h", "g", "a"}) EXPECT_TRUE(keys.count(k)) << k;
  }
  std::filesystem::remove_all(dir);
}

KeyMastery Recent(const std::string& key, int hits, int chances, int64_t medianMs, double score) {
  KeyMastery m;
  m.position = key;
  m.hits = hits;
  m.chances = chances;
  m.medianReactionMs = medianMs;
  m.score = score;
  m.mastered = score >= 1.0;
  return m;
}

TEST(PracticeDrill, TheRunnerUpIsTheWeakestKeyAfterTheFocus) {
  std::map<std::string, KeyMastery> m;
  m["a"] = Recent("a", 30, 30, 700, 1.0);
  m["b"] = Recent("b", 29, 30, 700, 1.0);   // one miss more than a
  m["c"] = Recent("c", 30, 30, 900, 1.0);   // slower than a and b
  m["d"] = Recent("d", 20, 25, 1400, 0.4);  // not mastered
  m["e"] = Recent("e", 25, 30, 1100, 0.6);  // not mastered, a higher score than d
  // Keys not meeting the gate come first, the lowest score first; the focus is never its own runner-up.
  EXPECT_EQ(WeakestAfter({"a", "b", "c", "d", "e"}, "x", m), "d");
  EXPECT_EQ(WeakestAfter({"a", "b", "c", "d", "e"}, "d", m), "e");
  // Among mastered keys the slowest, then the one with more misses.
  EXPECT_EQ(WeakestAfter({"a", "b", "c"}, "x", m), "c");
  EXPECT_EQ(WeakestAfter({"a", "b", "c"}, "c", m), "b");
  // A key without records counts as not mastered.
  EXPECT_EQ(WeakestAfter({"a", "b", "n"}, "x", m), "n");
  EXPECT_EQ(WeakestAfter({"a"}, "a", m), "");
}

TEST(PracticeDrill, ASetLargerThanEveryScenePlaysInTheLargestScenesAndTheyVary) {
  // The shipped scenes have 4 to 14 places.
  const std::string content = std::string(CONTENT_DIR) + "/";
  for (const size_t size : {16, 20, 40}) {
    SCOPED_TRACE(std::to_string(size) + " keys");
    PracticeState state;
    UsableKeys usable;
    for (size_t i = 0; i < size; ++i) {
      const std::string key = UsKeys()[i].character;
      state.keys.push_back({key, true, 1, 100});
      usable.keys.push_back({key, 1});
    }
    Random random(static_cast<uint64_t>(size));
    std::set<int> scenes;
    for (int draw = 0; draw < 200; ++draw) {
      const DrillPlan plan = ComposeDrill(content, state, usable, {}, 50, random);
      EXPECT_GE(plan.placeCount, 14 - kSceneSlackPlaces) << "Level" << plan.sceneLevel;
      EXPECT_EQ(plan.keys.size(), size);
      scenes.insert(plan.sceneLevel);
    }
    EXPECT_FALSE(scenes.count(1));
    EXPECT_GE(scenes.size(), 3u);
  }
}

TEST(PracticeDrill, AKeyThatSlippedSinceMasteryIsDrilledAsOneStillBeingLearnt) {
  LevelHarness h;
  WriteScene(h);
  PracticeState state;
  for (const char* k : {"f", "d", "k", "j"}) state.keys.push_back({k, true, 1, 100});
  state.keys.push_back({"s", false, 0, 0});
  UsableKeys usable;
  for (const char* k : {"f", "d", "k", "j", "s"}) usable.keys.push_back({k, 1});
  std::map<std::string, KeyMastery> m;
  for (const char* k : {"f", "d", "k"}) m[k] = Recent(k, 30, 30, 700, 1.0);
  m["j"] = Recent("j", 26, 30, 800, 0.8);  // stored as mastered, its recent chances fall short
  m["s"] = Recent("s", 10, 12, 1200, 0.3);
  Random random(3);
  const DrillPlan plan = ComposeDrill(h.dir + "/", state, usable, m, 50, random, 1);
  EXPECT_EQ(plan.focus, "s");
  EXPECT_EQ(plan.runnerUp, "j");
  EXPECT_EQ(plan.mastered, (std::vector<std::string>{"f", "d", "k"}));
  PracticeDrill drill(plan, h.dir + "/drill.ini");
  EXPECT_EQ(drill.Weight("j"), kWeightLearning);
  EXPECT_EQ(drill.Weight("f"), kWeightMastered);
}

TEST(PracticeDrill, TheTwoWeakestKeysEachGetAThirdOfTheFigures) {
  std::map<std::string, int> total;
  int all = 0;
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    LevelHarness h;
    h.random.Seed(seed);
    WriteScene(h);
    DrillPlan plan = FiveKeys(h);
    plan.runnerUp = "j";  // mastered, yet the weakest after the focus
    PracticeDrill drill(plan, h.dir + "/drill.ini");
    PlayDrill(h, drill, [] {});
    for (const auto& [key, n] : drill.Spawns()) {
      total[key] += n;
      all += n;
    }
  }
  ASSERT_GT(all, 0);
  EXPECT_GE(total["k"] * 3, all);
  // The runner-up gives way to the focus when both places are free: allow a few figures.
  EXPECT_GE(total["j"] * 10, all * 3);
  EXPECT_GT(total["j"], total["d"] * 3);  // far above the other mastered key
}


TEST(PracticeDrill, RunsAreStoredAsPracticeAndNeverTouchPlayerIni) {
  LevelHarness h;
  WriteScene(h);
  h.shared.playerStore->WriteString("Tester", "curlevel", "5");
  h.shared.playerStore->WriteString("Tester", "levels", "5");
  h.shared.playerStore->WriteString("Tester", "Level1", "73");
  h.shared.dataDir = h.dir + "/";
  ProgressRecorder recorder(h.shared, h.timers, h.messages, [] { return int64_t{1765240245000}; });
  h.play->listener = &recorder;
  const std::string before = FileText(h.dir + "/Player.ini");

  PracticeDrill drill(FiveKeys(h), h.dir + "/drill.ini");
  // RESTART from the pause screen starts the drill afresh; curlevel is not read.
  h.play->StartDrill("Practice", drill);
  h.Run(3000);
  h.play->FormKeyDown(true);
  h.play->RestartLevel();
  EXPECT_EQ(h.play->CurrentLevelName(), "Practice");
  EXPECT_EQ(h.play->Drill().Source(), &drill);
  PlayDrill(h, drill, [] {}, false);
  h.play->listener = nullptr;
  recorder.Flush();
  EXPECT_TRUE(h.messages.shown.empty()) << h.messages.shown.front();

  EXPECT_EQ(FileText(h.dir + "/Player.ini"), before);
  EXPECT_EQ(h.host.resultsShown, 0);
  const std::string db = h.dir + "/Progress.db";
  EXPECT_EQ(QueryValue(db, "SELECT group_concat(level || ':' || outcome, ' ') FROM runs"), "0:restarted 0:finished");
  EXPECT_NE(QueryValue(db, "SELECT count(*) FROM shots WHERE run_id = 2 AND result = 'POINT' AND key IN ('f','d','k','j','s')"), "0");
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots WHERE key IN ('q','w','e','r','t','y')"), "0");
}

TEST(PracticeRecording, AMissWithOneEnemyReadyIsRecordedAsAimedAtItsKey) {
  LevelHarness h;
  h.WriteLevel("Level1", MapIni("a:0:40:1:f b:70:40:1:j", "Easy=0:0:0:2000:3000\n"),
               TemplateStep("t", "bandit", "20000") + WaveStep("w", "30000", "100:100:2"));
  h.shared.playerStore->WriteString("Tester", "up", "Easy");
  h.shared.dataDir = h.dir + "/";
  ProgressRecorder recorder(h.shared, h.timers, h.messages, [] { return int64_t{1765240245000}; });
  h.play->listener = &recorder;
  h.play->StartLevel("Level1");
  auto ready = [&] {
    int n = 0;
    for (size_t p = 0; p < 2; ++p) {
      const TbotImage* a = h.ActorAt(p);
      n += a && !a->Dump && !a->Deathing && !a->Activity && !a->Deadly;
    }
    return n;
  };
  ASSERT_TRUE(h.timers.AdvanceUntil([&] { return ready() == 1; }, 10000));
  const std::string aimed = h.ActorAt(0) ? "f" : "j";
  h.Type("x");  // one enemy ready: aimed at it
  ASSERT_TRUE(h.timers.AdvanceUntil([&] { return ready() == 2; }, 10000));
  h.Type("z");  // two ready: aimed at neither
  h.play->QuitToMenu();
  h.play->listener = nullptr;
  recorder.Flush();
  const std::string db = h.dir + "/Progress.db";
  EXPECT_EQ(QueryValue(db, "SELECT group_concat(key || '>' || aimed_at, ' ') FROM shots WHERE result = 'MISS'"),
            "x>" + aimed + " z>");
}
