// SPDX-License-Identifier: GPL-3.0-or-later
// keyslinger-word-figures: of the words practice draws per language, at the key order's first 20
// keys and at all of them, the share among the language's 10,000 commonest and the rude ones.
#include "design/word_sample.h"
#include "platform/random.h"
#include "platform/key_table.h"
#include "platform/text_case.h"
#include "platform/xkb_key_tables.h"
#include "practice/key_order.h"
#include "words/word_ranks.h"
#include "words/words_choice.h"
#include "words/words_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: keyslinger-word-figures GAME_DIR TEST_DATA_DIR [--words N] [--seed S] [--show N] [--uniform] [--check]\n"
    "For English (us layout), German (de), French (fr) and Spanish (es): N words (default 2000) that\n"
    "practice draws, a wave's ten at a time, the focus going round the keys, for the practice key\n"
    "order's first 20 keys and for all; prints the share among the language's 10,000 commonest words\n"
    "(GAME_DIR/words/<code>.ranks; English also by SCOWL's sizes 10 and 20), the words of TEST_DATA_DIR/offensive-<code>.txt drawn, and the\n"
    "made-up share; --show prints the first N words of each. --uniform weighs every word the same (as without ranks); --check exits 1 when an\n"
    "offensive word is drawn, 77 when no word list is installed.\n";

struct Figures {
  size_t words = 0, common = 0, scowlCommon = 0, offensive = 0, madeUp = 0, distinct = 0;
  std::vector<std::string> drawn;
};

Figures Measure(const WordSource& source, const WordRanks& ranks, const WordRanks* scowl, const std::set<std::string>& offensive,
                const std::vector<std::string>& keys, const KeyTable& table, size_t n, uint64_t seed) {
  Figures figures;
  std::map<std::string, std::unique_ptr<WordChooser>> choosers;  // by focus key
  std::set<std::string> seen;
  Random random(seed);
  for (size_t wave = 0; figures.words < n; ++wave) {
    // The focus goes round the keys, as it moves from the weakest key to the next over drills.
    std::vector<std::string> ordered = keys;
    std::rotate(ordered.begin(), ordered.begin() + static_cast<std::ptrdiff_t>(wave % keys.size()), ordered.end());
    std::unique_ptr<WordChooser>& chooser = choosers[ordered.front()];
    if (!chooser) chooser = std::make_unique<WordChooser>(source.list, source.language, WordKeysFor(ordered, table));
    const std::vector<ChosenWord> words = chooser->Choose(std::min(kWordsPerWave, n - figures.words), random);
    if (words.empty()) break;
    for (const ChosenWord& word : words) {
      ++figures.words;
      const uint32_t rank = ranks.Of(word.text);
      figures.common += rank > 0 && rank <= WordRanks::kCommonRank;
      if (scowl) {
        const uint32_t graded = scowl->Of(word.text);
        figures.scowlCommon += graded > 0 && graded <= WordRanks::kCommonRank;
      }
      figures.offensive += offensive.count(ToLowerUtf8(word.text));
      figures.madeUp += !word.real;
      seen.insert(word.text);
      figures.drawn.push_back(word.text);
    }
  }
  figures.distinct = seen.size();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> positional;
  size_t n = 2000;
  uint64_t seed = 1;
  bool uniform = false, check = false;
  size_t show = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if ((arg == "--words" || arg == "--seed" || arg == "--show") && i + 1 < argc) {
      const unsigned long long value = std::strtoull(argv[++i], nullptr, 10);
      if (arg == "--words") n = static_cast<size_t>(value);
      else if (arg == "--show") show = static_cast<size_t>(value);
      else seed = value;
    } else if (arg == "--uniform") {
      uniform = true;
    } else if (arg == "--check") {
      check = true;
    } else if (!arg.empty() && arg[0] != '-') {
      positional.push_back(arg);
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (positional.size() != 2 || n == 0) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string gameDir = positional[0], dataDir = positional[1];
  const std::vector<KeyIntroduction> order = KeyIntroductions(gameDir + "/");
  struct Language {
    WordLanguage language;
    const char* layout;
  };
  bool anyList = false, anyOffensive = false;
  std::printf("%-4s %-6s %6s %9s %10s %8s %9s  %s\n", "lang", "keys", "words", "common", "offensive", "made up",
              "distinct", "commonness from");
  for (const Language& language : {Language{WordLanguage::English, "us"}, Language{WordLanguage::German, "de"},
                                    Language{WordLanguage::French, "fr"}, Language{WordLanguage::Spanish, "es"}}) {
    const char* code = LanguageInfo(language.language).code;
    WordSource source = LoadWordSource(language.language, kDebianWordListDir, gameDir + "/" + kRankTableFolder);
    if (source.builtInOnly || source.englishInstead) {
      std::printf("%-4s no word list (%s)\n", code, source.Package());
      continue;
    }
    anyList = true;
    if (uniform) {
      source.list.ApplyRanks(WordRanks());
      source.ranksFrom = "(uniform)";
    }
    const std::optional<WordRanks> ranks =
        WordRanks::FromTableFile(gameDir + "/" + kRankTableFolder + "/" + code + ".ranks");
    // English is also measured by SCOWL's own grades: sizes 10 and 20, ranks up to about 10,000.
    const std::optional<WordRanks> scowl = language.language == WordLanguage::English
                                               ? WordRanks::FromScowl(std::string(kDebianWordListDir) + "/" + kScowlFolder)
                                               : std::nullopt;
    std::set<std::string> offensive;
    std::ifstream in(dataDir + "/offensive-" + code + ".txt");
    for (std::string line; std::getline(in, line);) {
      if (!line.empty()) offensive.insert(ToLowerUtf8(line));
    }
    std::string problem;
    const std::optional<KeyTable> table = KeyTableForLayout(language.layout, &problem);
    if (!table) {
      std::fprintf(stderr, "keyslinger-word-figures: layout %s: %s\n", language.layout, problem.c_str());
      return 1;
    }
    std::vector<std::string> keys;
    for (const KeyIntroduction& key : UsableKeysOf(order, &*table).keys) keys.push_back(key.position);
    for (size_t count : {std::min<size_t>(20, keys.size()), keys.size()}) {
      const std::vector<std::string> set(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(count));
      const Figures f = Measure(source, ranks ? *ranks : WordRanks(), scowl ? &*scowl : nullptr, offensive, set, *table, n, seed);
      const double words = f.words ? static_cast<double>(f.words) : 1;
      std::printf("%-4s %-6zu %6zu %8.1f%% %10zu %7.1f%% %9zu  %s", code, count, f.words, 100.0 * f.common / words,
                  f.offensive, 100.0 * f.madeUp / words, f.distinct,
                  source.ranksFrom.empty() ? "(none)" : source.ranksFrom.c_str());
      if (scowl) std::printf(" (SCOWL sizes 10-20: %.1f%%)", 100.0 * f.scowlCommon / words);
      std::printf("\n");
      if (show > 0) {
        for (size_t i = 0; i < show && i < f.drawn.size(); ++i) std::printf("%s%s", i ? " " : "  ", f.drawn[i].c_str());
        std::printf("\n");
      }
      anyOffensive = anyOffensive || f.offensive > 0;
    }
  }
  if (check && !anyList) return 77;
  return check && anyOffensive ? 1 : 0;
}
