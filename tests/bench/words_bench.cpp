// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of word choice: reading each Debian word list once (as the game does per run), alone
// and with what the game adds (German nouns, names, ranks), and choosing the words of one wave for
// a key set (goal: under 5 ms).
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

// The word source as the game reads it once per run: the list, German nouns told from SCOWL's
// names, ranks from SCOWL (English) or the shipped tables.
void BM_WordSourceLoad(benchmark::State& state, WordLanguage language) {
  for (auto _ : state) {
    const WordSource source = LoadWordSource(language, kDict, std::string(CONTENT_DIR) + "/" + kRankTableFolder);
    if (source.englishInstead || source.builtInOnly) {
      state.SkipWithError("word list not installed");
      return;
    }
    benchmark::DoNotOptimize(source.list.Words().size());
  }
}
BENCHMARK_CAPTURE(BM_WordSourceLoad, en, WordLanguage::English)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordSourceLoad, de, WordLanguage::German)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordSourceLoad, fr, WordLanguage::French)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordSourceLoad, es, WordLanguage::Spanish)->Unit(benchmark::kMillisecond);

// Filtering the list for the key set and drawing a wave's ten words, as practice does per wave,
// from the source as the game reads it.
void BM_WaveWords(benchmark::State& state, const char* set, WordLanguage language) {
  static std::map<WordLanguage, std::unique_ptr<WordSource>> sources;
  std::unique_ptr<WordSource>& source = sources[language];
  if (!source) {
    source = std::make_unique<WordSource>(LoadWordSource(language, kDict, std::string(CONTENT_DIR) + "/" + kRankTableFolder));
  }
  if (source->englishInstead || source->builtInOnly) {
    state.SkipWithError("word list not installed");
    return;
  }
  const WordList* list = &source->list;
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
BENCHMARK_CAPTURE(BM_WaveWords, en_16_keys, "asdfjklghtyrueiw", WordLanguage::English)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WaveWords, en_all_letters, "eqwrtyuiopasdfghjklzxcvbnm", WordLanguage::English)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WaveWords, de_all_letters, "eqwrtyuiopasdfghjklzxcvbnm", WordLanguage::German)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WaveWords, fr_all_letters, "eqwrtyuiopasdfghjklzxcvbnm", WordLanguage::French)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WaveWords, es_all_letters, "eqwrtyuiopasdfghjklzxcvbnm", WordLanguage::Spanish)->Unit(benchmark::kMillisecond);

}  // namespace
