// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the progress records: the writes on the game's thread while 10,000 shots are
// recorded, recording with the buffer full, and reading a profile's screen data over 100,000
// and over 1,000,000 shots.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/shared_state.h"
#include "platform/message_boxes.h"
#include "platform/virtual_timer_service.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "core/level_counters.h"

namespace {

std::string TempFolder() {
  char pattern[] = "/tmp/progress_bench.XXXXXX";
  if (mkdtemp(pattern) == nullptr) abort();
  return std::string(pattern) + "/";
}

// CPU time of this thread: what a write costs the game's thread, apart from the waits a busy
// machine adds to wall time.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

const char* const kKeys[] = {"a", "s", "d", "f", "j", "k", "l", ";", "g", "h"};

// 10,000 shots in runs of 500 and waves of 25: the time the game's thread spends at each wave's
// end check, where the write is handed to the recorder's worker (the commit runs there; a write
// still under way is let finish first and the wave's shots go with the next).
void BM_RecordTenThousandShots(benchmark::State& state) {
  const std::string folder = TempFolder();
  SharedState shared;
  shared.appDir = folder;
  shared.currentPlayer = "Bench";
  VirtualTimerService timers;
  RecordingMessageBoxes messages;
  std::vector<double> times;
  double slowestMs = 0;
  double slowestCpuMs = 0;
  double totalMs = 0;
  int64_t writes = 0;
  for (auto _ : state) {
    ProgressRecorder recorder(shared, timers, messages, [] { return int64_t{1765240245000}; });
    int shots = 0;
    while (shots < 10000) {
      recorder.LevelStarted("Level3", "easy");
      for (int wave = 0; wave < 20; ++wave) {
        for (int i = 0; i < 25; ++i, ++shots) {
          timers.Advance(100);
          recorder.ActorSpawned(static_cast<size_t>(i % 8));
          recorder.CharacterResolved(kKeys[shots % 10], shots % 7 ? "POINT" : "MISS", i % 8, kKeys[shots % 10], true);
        }
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        recorder.WaveEndChecked();
        slowestCpuMs = std::max(slowestCpuMs, ThreadCpuMs() - cpuStart);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        slowestMs = std::max(slowestMs, ms);
        times.push_back(ms);
        totalMs += ms;
        ++writes;
      }
      recorder.LevelFinished(LevelCounters{});
    }
  }
  state.counters["slowest_write_ms"] = slowestMs;
  state.counters["slowest_write_cpu_ms"] = slowestCpuMs;
  std::sort(times.begin(), times.end());
  if (!times.empty()) state.counters["p99_write_ms"] = times[times.size() * 99 / 100];
  state.counters["mean_write_ms"] = writes ? totalMs / static_cast<double>(writes) : 0;
  if (!messages.shown.empty()) state.SkipWithError(messages.shown.front().c_str());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordTenThousandShots)->Unit(benchmark::kMillisecond)->Iterations(3);

// A profile with 500 finished runs of 200 shots each (100,000 shots), beside another profile's.
void BM_LoadProgressOverHundredThousandShots(benchmark::State& state) {
  const std::string folder = TempFolder();
  const std::string path = folder + "Progress.db";
  {
    ProgressDatabase db(path);
    db.Open();
    for (const char* profile : {"Bench", "Other"}) {
      std::vector<PendingRun> runs(500);
      for (size_t r = 0; r < runs.size(); ++r) {
        const int32_t percent = static_cast<int32_t>(30 + r % 70);
        runs[r].run = RunRecord{0, profile, static_cast<int32_t>(r % 16 + 1), "easy",
                                "2026-01-01T00:00:00Z", 180000, kOutcomeFinished,
                                RunResult{percent, 150, 30, 2, percent >= 60}};
        for (int s = 0; s < 200; ++s) {
          const char* key = kKeys[(r + static_cast<size_t>(s)) % 10];
          const bool hit = s % 5 != 0;
          runs[r].shots.push_back(ShotRecord{s * 500, key, hit ? "POINT" : "MISS", hit ? key : "", key,
                                             hit ? std::optional<int64_t>(300 + s) : std::nullopt, false, "", ""});
        }
      }
      db.Write(runs);
    }
  }
  ProgressDatabase db(path);
  db.Open();
  size_t chances = 0;
  for (auto _ : state) {
    ProgressData data = db.Load("bench");
    chances = data.chances.size();
    benchmark::DoNotOptimize(data);
  }
  state.counters["chances"] = static_cast<double>(chances);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadProgressOverHundredThousandShots)->Unit(benchmark::kMillisecond);

// Each shot recorded while 200,000 are buffered (a database that refuses every write): the
// oldest is given up for it, at a cost that must not grow with the buffer.
void BM_RecordAtTheBufferBound(benchmark::State& state) {
  const std::string folder = TempFolder();
  SharedState shared;
  shared.appDir = folder;
  shared.currentPlayer = "Bench";
  VirtualTimerService timers;
  RecordingMessageBoxes messages;
  ProgressRecorder recorder(shared, timers, messages, [] { return int64_t{1765240245000}; });
  recorder.LevelStarted("Level3", "easy");
  // No wave ends: nothing is written, so the buffer fills as it does when every write fails.
  for (size_t i = 0; i < ProgressRecorder::kMaxBufferedShots; ++i) {
    recorder.CharacterResolved(kKeys[i % 10], "MISS", -1, "", true);
  }
  size_t i = 0;
  for (auto _ : state) {
    recorder.CharacterResolved(kKeys[i++ % 10], "MISS", -1, "", true);
  }
  state.counters["buffered"] = static_cast<double>(recorder.BufferedShots());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordAtTheBufferBound)->Unit(benchmark::kMicrosecond);

// A Progress.db of 1,000,000 shots, made once per process and removed at its end.
class MillionShots {
 public:
  // distinctKeys: every shot at a key of its own (a hostile file), else at 40 keys.
  explicit MillionShots(bool distinctKeys) : folder_(TempFolder()) {
    ProgressDatabase db(Path());
    db.Open();
    constexpr int kRuns = 5000;
    constexpr int kShotsPerRun = 200;
    for (int first = 0; first < kRuns; first += 250) {
      std::vector<PendingRun> runs(250);
      for (int r = 0; r < 250; ++r) {
        const int run = first + r;
        const int32_t percent = 30 + run % 70;
        runs[static_cast<size_t>(r)].run =
            RunRecord{0, "Owner", run % 16 + 1, "easy", "2026-01-01T00:00:00Z", 180000, kOutcomeFinished,
                      RunResult{percent, 150, 30, 2, percent >= 60}};
        for (int s = 0; s < kShotsPerRun; ++s) {
          const int n = run * kShotsPerRun + s;
          const std::string key = distinctKeys ? "k" + std::to_string(n) : std::string(1, char('!' + n % 40));
          const bool hit = s % 5 != 0;
          runs[static_cast<size_t>(r)].shots.push_back(ShotRecord{s * 500, key, hit ? "POINT" : "MISS", hit ? key : "",
                                                                  key, hit ? std::optional<int64_t>(300 + s) : std::nullopt,
                                                                  false, "", ""});
        }
      }
      if (first == kRuns / 2) {
        // The small profile's 20 shots, played in the middle of the owner's history.
        PendingRun small;
        small.run = RunRecord{0, "Small", 1, "easy", "2026-01-01T00:00:00Z", 60000, kOutcomeFinished,
                              RunResult{80, 16, 4, 0, true}};
        for (int s = 0; s < 20; ++s) small.shots.push_back(ShotRecord{s * 500, "f", "POINT", "f", "f", 400, false, "", ""});
        runs.push_back(std::move(small));
      }
      db.Write(runs);
    }
  }
  ~MillionShots() { std::filesystem::remove_all(folder_); }
  std::string Path() const { return folder_ + "Progress.db"; }

 private:
  std::string folder_;
};

const MillionShots& SharedKeys() {
  static const MillionShots file(false);
  return file;
}

const MillionShots& DistinctKeys() {
  static const MillionShots file(true);
  return file;
}

// What the PROGRESS screen reads when it opens, for one profile of a file of 1,000,000 shots.
void LoadFromMillion(benchmark::State& state, const MillionShots& file, const char* profile) {
  ProgressDatabase db(file.Path());
  db.Open();
  size_t chances = 0;
  size_t finished = 0;
  for (auto _ : state) {
    ProgressData data = db.Load(profile);
    chances = data.chances.size();
    finished = data.finished.size();
    benchmark::DoNotOptimize(data);
  }
  state.counters["chances"] = static_cast<double>(chances);
  state.counters["finished_runs"] = static_cast<double>(finished);
}

void BM_LoadOwnerOfAMillionShots(benchmark::State& state) { LoadFromMillion(state, SharedKeys(), "owner"); }
BENCHMARK(BM_LoadOwnerOfAMillionShots)->Unit(benchmark::kMillisecond);

void BM_LoadSmallProfileBesideAMillionShots(benchmark::State& state) { LoadFromMillion(state, SharedKeys(), "small"); }
BENCHMARK(BM_LoadSmallProfileBesideAMillionShots)->Unit(benchmark::kMillisecond);

void BM_LoadAMillionDistinctKeys(benchmark::State& state) { LoadFromMillion(state, DistinctKeys(), "owner"); }
BENCHMARK(BM_LoadAMillionDistinctKeys)->Unit(benchmark::kMillisecond);

}  // namespace
