// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the simulator: simulated game seconds per wall-clock second on the shipped levels.
#include "design/simulation.h"
#include "design/typist.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// The shipped content beside the test data.
std::string ContentDir() { return std::string(TEST_DATA_DIR) + "/../../content"; }

// Every shipped level once per iteration with the average typist; the counter "game_s_per_s"
// is simulated game time over wall time.
void SimulateShippedLevels(benchmark::State& state) {
  if (!std::filesystem::is_directory(ContentDir() + "/Maps")) {
    state.SkipWithError("no content folder");
    return;
  }
  Simulator simulator(ContentDir());
  const TypistProfile typist = *FindTypist("average");
  const char* const difficulties[] = {"Easy", "Normal", "Hard"};
  int64_t gameMs = 0;
  uint64_t seed = 0;
  for (auto _ : state) {
    for (int level = 1; level <= 16; ++level) {
      ++seed;
      ModelledTypist keys(typist, seed);
      const SimulatedRun result =
          simulator.Run("Level" + std::to_string(level), difficulties[seed % 3], seed, keys);
      if (!result.finished) {
        state.SkipWithError(result.failure.c_str());
        return;
      }
      gameMs += result.playingMs;
    }
  }
  state.counters["game_s_per_s"] = benchmark::Counter(static_cast<double>(gameMs) / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(SimulateShippedLevels)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
