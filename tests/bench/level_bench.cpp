// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of level play: a clock tick with 16 actors, a typed character against 16 places,
// loading a level, and a whole 3-minute level played headlessly by a scripted typist.
#include "level_harness.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kLetters = "fjdkslaghrueitywo";

std::string Places(int count) {
  std::string places;
  for (int i = 0; i < count; ++i) {
    places += "p" + std::to_string(i) + ":" + std::to_string(40 * i) + ":" + std::to_string(60 + 20 * (i % 4)) + ":1:" +
              std::string(1, kLetters[i]) + " ";
  }
  return places;
}

// A level whose 16 places all hold a waiting actor, with the clock stopped so the benchmark
// drives the ticks itself.
void FillSixteen(LevelHarness& h) {
  h.WriteLevel("Level1", MapIni(Places(16)),
               TemplateStep("t", "bandit", "2000000000") + WaveStep("w", "3500000", "0:0:16"));
  h.play->StartLevel("Level1");
  h.timers.AdvanceUntil([&] { return h.play->Spawner().LiveActors().size() == 16; }, 60000);
  h.Run(1000);
  h.play->SetClockEnabled(false);
}

void ClockTickWithSixteenActors(benchmark::State& state) {
  LevelHarness h;
  FillSixteen(h);
  for (auto _ : state) {
    h.play->ClockTimer();
    h.play->SetClockEnabled(false);
  }
  if (h.play->Spawner().LiveActors().size() != 16) state.SkipWithError("actors left the level");
}
BENCHMARK(ClockTickWithSixteenActors)->Iterations(20000)->Unit(benchmark::kMicrosecond);

void CharacterAgainstSixteenPlaces(benchmark::State& state) {
  LevelHarness h;
  FillSixteen(h);
  for (auto _ : state) h.play->ResolveCharacter("q");  // scans every place, then misses
  benchmark::DoNotOptimize(h.play->Counters().Misses);
}
BENCHMARK(CharacterAgainstSixteenPlaces)->Unit(benchmark::kMicrosecond);

void LoadLevelWithTwelvePlaces(benchmark::State& state) {
  LevelHarness h;
  h.WriteLevel("Level1", MapIni(Places(12)), TemplateStep("t", "bandit", "3000") + WaveStep("w", "60000", "0:0:4"));
  for (auto _ : state) {
    h.play->StartLevel("Level1");
    h.play->CloseLevel();
  }
  if (!h.messages.shown.empty()) state.SkipWithError(h.messages.shown[0].c_str());
}
BENCHMARK(LoadLevelWithTwelvePlaces)->Unit(benchmark::kMillisecond);

// Three one-minute waves on 12 places; the typist shoots the first shootable actor every 350 ms.
void ThreeMinuteLevelHeadless(benchmark::State& state) {
  LevelHarness h;
  h.WriteLevel("Level1", MapIni(Places(12)),
               TemplateStep("t", "bandit", "3000") + TemplateStep("c", "townsman", "2500") +
                   WaveStep("w1", "60000", "1000:500:2") + WaveStep("w2", "60000", "800:400:4") +
                   WaveStep("w3", "60000", "600:300:6"));
  h.host.onResults = [&h] {
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  for (auto _ : state) {
    h.play->ResetCounters();
    h.play->StartLevel("Level1");
    const int before = h.host.resultsShown;
    while (h.host.resultsShown == before) {
      h.Run(350);
      const auto& places = h.play->Stage().Places();
      for (size_t i = 0; i < places.size(); ++i) {
        const TbotImage* a = places[i].actor;
        if (a && !a->Dump && !a->Deadly && !a->Deathing && !a->Activity && a->Character == 0) {
          h.Type(std::string(1, kLetters[i]));
          break;
        }
      }
    }
  }
  state.counters["hits"] = h.play->Counters().Hits;
}
BENCHMARK(ThreeMinuteLevelHeadless)->Unit(benchmark::kMillisecond);

}  // namespace
