// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of INI store reads on a Player.ini with 50 profiles.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/ini_store.h"

namespace {

constexpr int kProfiles = 50;

class PlayerIniFile {
 public:
  PlayerIniFile() {
    char pattern[] = "/tmp/ini_bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) abort();
    folder_ = pattern;
    path_ = folder_ + "/Player.ini";
    std::ofstream out(path_, std::ios::binary);
    for (int p = 0; p < kProfiles; ++p) {
      out << "[Player" << p << "]\nlevels=16\ncurlevel=" << (p % 16 + 1)
          << "\nup=Normal\nfirststart=1\n";
      for (int level = 1; level <= 16; ++level) {
        out << level << "=" << (60 + (p + level) % 40) << ":" << 20 + level << ":" << p % 7 << ":"
            << level % 3 << "\n";
      }
    }
    out << "[curplayer]\nname=Player49\nsound=1\n";
  }
  ~PlayerIniFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::string& Path() const { return path_; }
  // Dates the file an hour back, as a Player.ini that was not written just now.
  void BackDate() const {
    timespec times[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, path_.c_str(), times, 0);
  }

 private:
  std::string folder_;
  std::string path_;
};

// 1,000 reads as the results table makes them: every profile's result key, its level and
// difficulty, five rounds over the 50 profiles (4 reads each).
void ThousandReads(benchmark::State& state, bool justWritten) {
  PlayerIniFile file;
  if (!justWritten) file.BackDate();
  IniStore store(file.Path());
  std::string names[kProfiles];
  for (int p = 0; p < kProfiles; ++p) names[p] = "player" + std::to_string(p);
  for (auto _ : state) {
    int64_t sum = 0;
    for (int round = 0; round < 5; ++round) {
      for (int p = 0; p < kProfiles; ++p) {
        sum += store.ReadInteger(names[p], "curlevel", 1);
        sum += store.ReadInteger(names[p], "levels", 1);
        sum += static_cast<int64_t>(
            store.ReadString(names[p], std::to_string(round + 12), "0").size());
        sum += static_cast<int64_t>(store.ReadString(names[p], "up", "").size());
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}

void BM_ThousandReadsSettledFile(benchmark::State& state) { ThousandReads(state, false); }
// Within the first seconds after a write the store compares the bytes before it trusts its parse.
void BM_ThousandReadsJustWrittenFile(benchmark::State& state) { ThousandReads(state, true); }

void BM_WriteOneKey(benchmark::State& state) {
  PlayerIniFile file;
  IniStore store(file.Path());
  int level = 0;
  for (auto _ : state) store.WriteInteger("Player7", "curlevel", ++level % 16 + 1);
}

}  // namespace

BENCHMARK(BM_ThousandReadsSettledFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThousandReadsJustWrittenFile)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond);
