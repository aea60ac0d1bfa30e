// SPDX-License-Identifier: GPL-3.0-or-later
// Composing a practice drill over a Progress.db of 1,000,000 shots: the set, its mastery from
// the newest chances of every key, the focus and the scene; with 40 keys and word waves in half
// the runs, the letter-pair times too.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/random.h"
#include "practice/drill.h"
#include "practice/key_order.h"
#include "practice/practice_store.h"
#include "progress/progress_database.h"

namespace {

const char* const kKeys[] = {"f", "d", "k", "j", "s", ";", "l", "a", "g", "h", "i", "e", "r", "u", "y", "t"};

void BM_ComposePracticeOverAMillionShots(benchmark::State& state) {
  char pattern[] = "/tmp/practice_bench.XXXXXX";
  if (mkdtemp(pattern) == nullptr) abort();
  const std::string folder = pattern;
  const std::string contentDir = std::string(CONTENT_DIR) + "/";
  {
    ProgressDatabase db(folder + "/Progress.db");
    db.Open();
    for (int batch = 0; batch < 100; ++batch) {
      std::vector<PendingRun> runs(10);
      for (size_t r = 0; r < runs.size(); ++r) {
        runs[r].run = RunRecord{0, r % 2 ? "Bench" : "Other", static_cast<int32_t>(r % 16 + 1), "Normal",
                                "2026-01-01T00:00:00Z", 180000, kOutcomeFinished, RunResult{70, 0, 0, 0, true}};
        for (int s = 0; s < 1000; ++s) {
          ShotRecord shot;
          shot.key = shot.typed = kKeys[(static_cast<size_t>(s) + r) % 16];
          const bool hit = s % 9 != 0;
          shot.result = hit ? "POINT" : "MISS";
          shot.letter = hit ? shot.key : "";
          if (hit) shot.reactionMs = 500 + s % 700;
          if (!hit && s % 2 == 0) shot.aimedAt = kKeys[(static_cast<size_t>(s) + r + 1) % 16];
          runs[r].shots.push_back(std::move(shot));
        }
      }
      db.Write(runs);
    }
  }
  ProgressDatabase db(folder + "/Progress.db");
  db.Open();
  const UsableKeys usable = UsableKeysOf(KeyIntroductions(contentDir), nullptr);
  std::vector<std::string> positions;
  for (const KeyIntroduction& key : usable.keys) positions.push_back(key.position);
  Random random(1);
  size_t keys = 0;
  for (auto _ : state) {
    PracticeStore store(db);
    PracticeState practice = store.LoadState("Bench");
    const int64_t target = store.TargetMs("Bench");
    const auto mastery = store.LoadMastery("Bench", positions, target);
    Settle(practice, usable, mastery, 20000);
    const DrillPlan plan = ComposeDrill(contentDir, practice, usable, mastery, 20000, random);
    keys = plan.keys.size();
    benchmark::DoNotOptimize(plan);
  }
  state.counters["keys"] = static_cast<double>(keys);
  state.counters["positions"] = static_cast<double>(positions.size());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ComposePracticeOverAMillionShots)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// 40 keys of the order, as the set of a learner far along.
const char* const kForty[] = {"f", "d", "k", "j", "s", ";", "l", "a", "g", "h", "i", "e", "r", "u",
                              "y", "t", "o", "w", "q", "p", "v", "m", ",", "c", "x", ".", "z", "/",
                              "n", "b", "4", "1", "5", "3", "2", "9", "7", "6", "8", "0"};

// Progress.db in a folder of its own with 1,000,000 shots of two profiles, half the runs with word
// waves (their rows word letters with the key charged and a typing time, misses charged to the
// due letter), and a set of 40 keys for "Bench", 36 of them mastered. Removed with the object.
struct FortyKeyRecords {
  FortyKeyRecords() {
    char pattern[] = "/tmp/practice_bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) abort();
    folder = pattern;
    ProgressDatabase db(folder + "/Progress.db");
    db.Open();
    for (int batch = 0; batch < 100; ++batch) {
      std::vector<PendingRun> runs(10);
      for (size_t r = 0; r < runs.size(); ++r) {
        const bool words = (static_cast<size_t>(batch) + r / 2) % 2 == 0;
        runs[r].run = RunRecord{0, r % 2 ? "Bench" : "Other", 0, "Normal", "2026-01-01T00:00:00Z", 90000,
                                kOutcomeFinished, std::nullopt, words ? 60000 : 0};
        for (int s = 0; s < 1000; ++s) runs[r].shots.push_back(Shot(s, r, words));
      }
      db.Write(runs);
    }
    for (const KeyIntroduction& key : usable.keys) positions.push_back(key.position);
    PracticeState set;
    for (size_t i = 0; i < 40 && i < usable.keys.size(); ++i) {
      set.keys.push_back({usable.keys[i].position, i < 36, 4, 20002});
    }
    PracticeStore(db).SaveState("Bench", set);
  }
  ~FortyKeyRecords() { std::filesystem::remove_all(folder); }

  static ShotRecord Shot(int s, size_t r, bool words) {
    ShotRecord shot;
    const std::string key = kForty[(static_cast<size_t>(s) * 7 + r) % 40];
    shot.key = shot.typed = shot.position = key;
    const bool hit = s % 9 != 0;
    shot.letter = hit ? key : "";
    if (words) {
      // Words of five letters, one after another.
      shot.word = s / 5;
      shot.charged = key;
      if (hit) {
        shot.result = s % 5 == 4 ? "POINT" : kResultLetter;
        shot.wordPos = s % 5;
        shot.typingMs = 150 + s % 300;
        if (s % 5 == 4) shot.wordLen = 5;
      } else {
        shot.result = "MISS";
      }
    } else {
      shot.result = hit ? "POINT" : "MISS";
      if (hit) shot.reactionMs = 500 + s % 700;
      else shot.charged = kForty[(static_cast<size_t>(s) * 7 + r + 1) % 40];
    }
    return shot;
  }

  std::string folder;
  const std::string contentDir = std::string(CONTENT_DIR) + "/";
  const UsableKeys usable = UsableKeysOf(KeyIntroductions(contentDir), nullptr);
  std::vector<std::string> positions;
};

// The drill a learner with 40 keys in the set gets (the audit's case): the set, both targets,
// every key's mastery, the letter-pair times and the drill.
void BM_ComposePracticeFortyKeysHalfTheRunsWithWords(benchmark::State& state) {
  const FortyKeyRecords records;
  ProgressDatabase db(records.folder + "/Progress.db");
  db.Open();
  Random random(1);
  size_t keys = 0, pairs = 0;
  for (auto _ : state) {
    PracticeStore store(db);
    PracticeState practice = store.LoadState("Bench");
    const SpeedTargets targets = store.Targets("Bench");
    const auto mastery = store.LoadMastery("Bench", records.positions, targets);
    Settle(practice, records.usable, mastery, 20000);
    const std::vector<PairSample> pairTimes = db.LoadPairTimes("Bench");
    const DrillPlan plan = ComposeDrill(records.contentDir, practice, records.usable, mastery, 20000, random);
    keys = practice.keys.size();
    pairs = pairTimes.size();
    benchmark::DoNotOptimize(plan);
  }
  state.counters["keys"] = static_cast<double>(keys);
  state.counters["pairs"] = static_cast<double>(pairs);
}
BENCHMARK(BM_ComposePracticeFortyKeysHalfTheRunsWithWords)->Unit(benchmark::kMillisecond);

// Its letter-pair times alone.
void BM_LetterPairTimesOfFiftyWordRuns(benchmark::State& state) {
  const FortyKeyRecords records;
  ProgressDatabase db(records.folder + "/Progress.db");
  db.Open();
  for (auto _ : state) benchmark::DoNotOptimize(db.LoadPairTimes("Bench"));
}
BENCHMARK(BM_LetterPairTimesOfFiftyWordRuns)->Unit(benchmark::kMillisecond);

}  // namespace
