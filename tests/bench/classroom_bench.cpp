// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of a class: making and writing the hand-in of a profile of 1,000,000 shots (its
// size and time), and reading a class folder of 30 and of 1,000 such hand-ins (the time, the time
// per hand-in, and the memory the reading adds at its peak).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "classroom/class_roster.h"
#include "classroom/hand_in_file.h"
#include "classroom_fixture.h"

namespace {

// A profile of 5,000 runs of 200 shots (1,000,000 shots), a third of them drills with words,
// made once per process.
const ScratchFolder& MillionShotHistory() {
  static const ScratchFolder folder;
  static const bool written = (WriteHistory(folder / "Progress.db", "Owner", 5000, 200), true);
  (void)written;
  return folder;
}

// The peak of resident memory since the last reset, in kilobytes (Linux's VmHWM).
long PeakKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// Lets the peak start again from what is resident now.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

void BM_HandInOfAMillionShots(benchmark::State& state) {
  const ScratchFolder& history = MillionShotHistory();
  ScratchFolder classFolder;
  size_t bytes = 0;
  for (auto _ : state) {
    ProgressDatabase db(history / "Progress.db");
    db.OpenReadOnly();
    const std::string file = HandInBytes(GatherHandIn(db, "Owner", nullptr, kClassroomNow));
    const HandInWrite write =
        WriteHandInFile(classFolder.Path(), HandInFileName("owner", "Owner"), file);
    if (!write.written) state.SkipWithError(write.error.c_str());
    bytes = file.size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HandInOfAMillionShots)->Unit(benchmark::kMillisecond)->Iterations(5);

// A class folder of count hand-ins, each the million-shot profile's (2,000 runs and the older
// ones as daily totals: as large as a hand-in gets).
void BM_ClassViewReads(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const ScratchFolder& history = MillionShotHistory();
  ProgressDatabase db(history / "Progress.db");
  db.OpenReadOnly();
  const std::string file = HandInBytes(GatherHandIn(db, "Owner", nullptr, kClassroomNow));
  ScratchFolder classFolder;
  for (int i = 0; i < count; ++i)
    WriteBytes(classFolder / ("pupil" + std::to_string(i) + kHandInSuffix), file);
  const auto accounts = [](uint32_t uid) { return AccountOf(uid); };
  size_t rows = 0;
  long addedPeakKb = 0;
  long peakKb = 0;
  double slowestMs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const long before = ResidentKb();
    ResetPeak();
    const ClassRoster roster = ReadClassFolder(classFolder.Path(), "2025-06-01", accounts);
    addedPeakKb = std::max(addedPeakKb, PeakKb() - before);
    peakKb = std::max(peakKb, PeakKb());
    slowestMs =
        std::max(slowestMs,
                 std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    rows = roster.rows.size();
    if (rows != static_cast<size_t>(count) || !roster.rows.front().Readable())
      state.SkipWithError("unread hand-ins");
  }
  state.counters["hand_ins"] = static_cast<double>(rows);
  state.counters["file_bytes"] = static_cast<double>(file.size());
  // The process's resident peak while reading, and how much the reading added to what was resident.
  state.counters["peak_rss_mb"] = static_cast<double>(peakKb) / 1024.0;
  state.counters["peak_added_mb"] = static_cast<double>(addedPeakKb) / 1024.0;
  state.counters["slowest_ms"] = slowestMs;
  state.counters["slowest_ms_per_hand_in"] = slowestMs / count;
}
BENCHMARK(BM_ClassViewReads)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
