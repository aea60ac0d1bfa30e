// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of word choice: reading each Debian word list once (as the game does per run) and
// choosing the words of one wave for a key set (goal: under 5 ms).
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "platform/random.h"
#include "words/word_list.h"
#include "words/words_choice.h"
#include "words/words_source.h"

namespace {

const std::string kDict = kDebianWordListDir;

void BM_WordListLoad(benchmark::State& state, const char* file) {
  for (auto _ : state) {
    std::optional<WordList> list = WordList::FromFile(kDict + "/" + file);
    if (!list) {
      state.SkipWithError("word list not installed");
      return;
    }
    benchmark::DoNotOptimize(list->Words().size());
  }
}
BENCHMARK_CAPTURE(BM_WordListLoad, american_english, "american-english")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordListLoad, ngerman, "ngerman")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordListLoad, french, "french")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordListLoad, spanish, "spanish")->Unit(benchmark::kMillisecond);

// Filtering the list for the key set and drawing a wave's ten words, as practice does per wave.
void BM_WaveWords(benchmark::State& state, const char* file, const char* set, WordLanguage language) {
  static std::map<std::string, std::unique_ptr<WordList>> lists;
  std::unique_ptr<WordList>& list = lists[file];
  if (!list) {
    std::optional<WordList> loaded = WordList::FromFile(kDict + "/" + file);
    if (!loaded) {
      state.SkipWithError("word list not installed");
      return;
    }
    list = std::make_unique<WordList>(std::move(*loaded));
  }
  WordKeys keys;
  for (const char* c = set; *c; ++c) keys.keys.emplace_back(1, *c);
  keys.focus = keys.keys.front();
  keys.review = {keys.keys[3]};
  keys.slowPairs = {{keys.keys[1], keys.keys[2]}};
  keys.typed = TypedAsUs(keys.keys);
  Random random(1);
  for (auto _ : state) {
    WordChooser chooser(*list, language, keys);
    benchmark::DoNotOptimize(chooser.Choose(10, random));
  }
}
BENCHMARK_CAPTURE(BM_WaveWords, en_16_keys, "american-english", "asdfjklghtyrueiw", WordLanguage::English)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WaveWords, en_all_letters, "american-english", "eqwrtyuiopasdfghjklzxcvbnm", WordLanguage::English)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WaveWords, de_all_letters, "ngerman", "eqwrtyuiopasdfghjklzxcvbnm", WordLanguage::German)->Unit(benchmark::kMillisecond);

}  // namespace
