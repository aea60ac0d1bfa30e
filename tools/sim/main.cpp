// SPDX-License-Identifier: GPL-3.0-or-later
// keyslinger-sim: plays levels headlessly in virtual time with a modelled typist.
#include "design/practice_sim.h"
#include "design/sim_batch.h"
#include "design/simulation.h"
#include "design/typist.h"
#include "design/word_sample.h"
#include "platform/xkb_key_tables.h"
#include "words/words_source.h"
#include "core/result_arithmetic.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kBadArguments = 2;

const char* const kUsage =
    "Usage: keyslinger-sim GAME_DIR [options]\n"
    "Plays levels of GAME_DIR headlessly in virtual time, with the game's own rules and a modelled\n"
    "typist, and prints per level the percentage (10th percentile, median, 90th percentile over\n"
    "the runs), the pass rate at 60 percent, mean hits, misses, civilians hit, enemies that acted,\n"
    "and the median playing time. The same seed gives the same output everywhere.\n"
    "Options (lists are comma-separated):\n"
    "  --levels L,...        level folders (Level3 or 3); default: Level1 to Level16\n"
    "  --difficulty D,...    Easy, Normal, Hard or all; default: Normal\n"
    "  --typist T,...        novice, average, skilled or all; default: average\n"
    "  --runs N              runs per level, difficulty and typist; default: 20\n"
    "  --seed N              default: 1\n"
    "  --csv                 the same table as CSV\n"
    "  --trace               every event of one run (the first level, difficulty and typist)\n"
    "  --trace-run N         which run --trace shows; default: 0\n"
    "  --record DIR          --trace's run is recorded by the game's recorder into DIR/Progress.db\n"
    "  --jobs N              runs in parallel (the output does not depend on it); default: 1\n"
    "  --time-limit S        game seconds after which an unfinished run is reported; default: 1200\n"
    "  --speed               print simulated game seconds per wall-clock second on stderr\n"
    "Typist parameters, set on every chosen typist (its name then gets a '*'):\n"
    "  --reaction-median MS  median reaction time from an actor's appearance to the key press\n"
    "  --reaction-spread S   sigma of the log-normal reaction time\n"
    "  --wrong-key P         chance (0..1) that a press hits a wrong key\n"
    "  --civilian P          chance (0..1) that a civilian is shot by mistake\n"
    "  --min-gap MS          minimum time between two key presses\n"
    "  --pair-median MS      median time from one letter of a word to the next\n"
    "Words (of GAME_DIR only the words' rank tables in words/ are read):\n"
    "  --word-sample KEYS    print the words practice would put on plaques for the key set KEYS,\n"
    "                        one a line: US key positions (asdfjkl;ei), the first the focus key\n"
    "  --word-speed KEYS     words per minute and word accuracy of each typist (--typist) in\n"
    "                        one-minute word drills of KEYS, the median of --runs drills\n"
    "  --lang L              en, de, fr or es: the word list's language; default: en\n"
    "  --layout NAME         the words are written in what the keys type there; default: us\n"
    "  -n N                  how many words --word-sample prints; default: 20\n"
    "Practice (a learning typist with the average typist's timing; see docs/practice.md):\n"
    "  --practice            plays practice drills 20 minutes a simulated day, with word waves of\n"
    "                        English words as the game gives them, until the keys of levels 1 to 4\n"
    "                        are mastered and --days days are played, then replays the levels from\n"
    "                        Level1 as a player would, and prints chances per minute per key, the\n"
    "                        minutes each way took and the reviews passed and failed\n"
    "  --days N              simulated days of practice at least; default: 8\n"
    "  --no-words            drills without word waves\n"
    "  --weak K,...          key positions the typist is weak on (slower, more slips, late presses)\n"
    "  --verbose             a line per drill and per level run on stderr: the drill's keys,\n"
    "                        figures and chances at the weak keys, and the keys' mastery\n"
    "  --json                practice's figures as one JSON object, with the reviews passed and\n"
    "                        failed, the share of the chances from word waves, the drills' runner-up\n"
    "                        keys, and the words per minute of each typist in word drills of the\n"
    "                        keys of levels 1 to 4\n"
    "  --help                this text\n"
    "Built-in typists:\n";

int Fail(const std::string& message) {
  std::cerr << "keyslinger-sim: " << message << "\nTry keyslinger-sim --help.\n";
  return kBadArguments;
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream stream(text);
  std::string item;
  while (std::getline(stream, item, ',')) {
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

bool ParseLong(const std::string& text, long long low, long long high, long long& out) {
  try {
    size_t used = 0;
    out = std::stoll(text, &used);
    return used == text.size() && out >= low && out <= high;
  } catch (const std::exception&) {
    return false;
  }
}

bool ParseDouble(const std::string& text, double low, double high, double& out) {
  try {
    size_t used = 0;
    out = std::stod(text, &used);
    return used == text.size() && out >= low && out <= high;
  } catch (const std::exception&) {
    return false;
  }
}

std::string LevelName(const std::string& given) {
  if (!given.empty() && given.find_first_not_of("0123456789") == std::string::npos) return "Level" + given;
  return given;
}

std::string Describe(const TypistProfile& t) {
  char line[200];
  std::snprintf(line, sizeof line,
                "  %-8s reaction median %.0f ms, spread %.2f, wrong key %.2f, civilian %.2f, gap %d ms, pair %.0f ms\n",
                t.name.c_str(), t.reactionMedianMs, t.reactionSpread, t.wrongKeyChance, t.civilianChance, t.minGapMs,
                t.pairMedianMs);
  return line;
}

std::string Seconds3(int64_t ms, int width = 8) {
  char text[32];
  std::snprintf(text, sizeof text, "%*lld.%03lld", width, static_cast<long long>(ms / 1000), static_cast<long long>(ms % 1000));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> positional;
  BatchRequest request;
  std::vector<std::string> difficulties = {"Normal"};
  std::vector<std::string> typistNames = {"average"};
  bool csv = false, trace = false, speed = false, practice = false, json = false, verbose = false, noWords = false;
  int practiceDays = PracticeSimOptions{}.days;
  std::vector<std::string> weak;
  std::string recordDir;
  long long traceRun = 0, timeLimitS = 1200;
  double median = -1, spread = -1, wrongKey = -1, civilian = -1;
  long long minGap = -1;
  double pairMedian = -1;
  std::string wordSample, wordSpeed, layoutName = "us";
  WordLanguage language = WordLanguage::English;
  long long wordCount = 20;
  bool runsGiven = false;

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    long long n = 0;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      for (const TypistProfile& t : BuiltInTypists()) std::cout << Describe(t);
      return 0;
    } else if (arg == "--csv") {
      csv = true;
    } else if (arg == "--trace") {
      trace = true;
    } else if (arg == "--speed") {
      speed = true;
    } else if (arg == "--practice") {
      practice = true;
    } else if (arg == "--no-words") {
      noWords = true;
    } else if (arg == "--days") {
      if (!value(v) || !ParseLong(v, 1, 3650, n)) return Fail("--days needs a number from 1 to 3650");
      practiceDays = static_cast<int>(n);
    } else if (arg == "--verbose") {
      verbose = true;
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--record") {
      if (!value(recordDir)) return Fail(arg + " needs a folder");
    } else if (arg == "--weak") {
      if (!value(v)) return Fail(arg + " needs a value");
      weak = SplitList(v);
    } else if (arg == "--levels" || arg == "--level") {
      if (!value(v)) return Fail(arg + " needs a value");
      for (const std::string& level : SplitList(v)) request.levels.push_back(LevelName(level));
    } else if (arg == "--difficulty") {
      if (!value(v)) return Fail(arg + " needs a value");
      difficulties = v == "all" ? std::vector<std::string>{"Easy", "Normal", "Hard"} : SplitList(v);
      for (const std::string& d : difficulties) {
        if (d != "Easy" && d != "Normal" && d != "Hard") return Fail("unknown difficulty '" + d + "' (Easy, Normal, Hard)");
      }
    } else if (arg == "--typist") {
      if (!value(v)) return Fail(arg + " needs a value");
      typistNames = v == "all" ? std::vector<std::string>{"novice", "average", "skilled"} : SplitList(v);
    } else if (arg == "--runs") {
      if (!value(v) || !ParseLong(v, 1, 100000, n)) return Fail("--runs needs a number from 1 to 100000");
      request.runs = static_cast<int>(n);
      runsGiven = true;
    } else if (arg == "--seed") {
      if (!value(v) || !ParseLong(v, 0, INT64_MAX, n)) return Fail("--seed needs a number of 0 or more");
      request.seed = static_cast<uint64_t>(n);
    } else if (arg == "--trace-run") {
      if (!value(v) || !ParseLong(v, 0, 100000, traceRun)) return Fail("--trace-run needs a run number");
    } else if (arg == "--jobs") {
      if (!value(v) || !ParseLong(v, 1, 64, n)) return Fail("--jobs needs a number from 1 to 64");
      request.jobs = static_cast<int>(n);
    } else if (arg == "--time-limit") {
      if (!value(v) || !ParseLong(v, 1, 10000000, timeLimitS)) return Fail("--time-limit needs a number of seconds");
    } else if (arg == "--reaction-median") {
      if (!value(v) || !ParseDouble(v, 0, 1e7, median)) return Fail("--reaction-median needs milliseconds");
    } else if (arg == "--reaction-spread") {
      if (!value(v) || !ParseDouble(v, 0, 5, spread)) return Fail("--reaction-spread needs a number from 0 to 5");
    } else if (arg == "--wrong-key") {
      if (!value(v) || !ParseDouble(v, 0, 0.99, wrongKey)) return Fail("--wrong-key needs a chance from 0 to 0.99");
    } else if (arg == "--civilian") {
      if (!value(v) || !ParseDouble(v, 0, 1, civilian)) return Fail("--civilian needs a chance from 0 to 1");
    } else if (arg == "--min-gap") {
      if (!value(v) || !ParseLong(v, 0, 100000, minGap)) return Fail("--min-gap needs milliseconds");
    } else if (arg == "--pair-median") {
      if (!value(v) || !ParseDouble(v, 1, 1e6, pairMedian)) return Fail("--pair-median needs milliseconds");
    } else if (arg == "--word-sample") {
      if (!value(wordSample)) return Fail(arg + " needs a key set");
    } else if (arg == "--word-speed") {
      if (!value(wordSpeed)) return Fail(arg + " needs a key set");
    } else if (arg == "--lang") {
      if (!value(v) || !ParseWordLanguage(v, language)) return Fail("--lang needs en, de, fr or es");
    } else if (arg == "--layout") {
      if (!value(layoutName)) return Fail(arg + " needs a layout name");
    } else if (arg == "-n") {
      if (!value(v) || !ParseLong(v, 1, 1000000, wordCount)) return Fail("-n needs a number from 1 to 1000000");
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Fail("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 1) return Fail(positional.empty() ? "GAME_DIR is missing" : "only one GAME_DIR is allowed");
  const std::string gameDir = positional.front();

  if (practice) {
    Simulator simulator(gameDir);
    simulator.timeLimitMs = timeLimitS * 1000;
    PracticeSimOptions options;
    options.weak = weak;
    options.seed = request.seed;
    options.verbose = verbose;
    options.days = practiceDays;
    if (difficulties.size() == 1) options.difficulty = difficulties.front();
    // English words, as the game gives a player whose language has no list, from Debian's list
    // (made-up words of the keys without it).
    const WordSource source = LoadWordSource(WordLanguage::English, kDebianWordListDir, gameDir + "/" + kRankTableFolder);
    if (!noWords) options.words = &source;
    try {
      const PracticeSimResult result = SimulatePractice(simulator, gameDir, options);
      if (json) {
        // The typists' words per minute in word drills of the learnt keys, English words.
        const PracticeWordSpeeds words =
            MeasurePracticeWordSpeeds(result, source.list, source.language, runsGiven ? request.runs : 20, request.seed);
        std::cout << PracticeSimJson(result, weak, &words);
      } else {
        std::printf("%-6s %8s %22s %20s\n", "key", "level", "practice chances/min", "level chances/min");
        for (const auto& [key, rates] : result.keys) {
          std::printf("%-6s %8d %22.2f %20.2f\n", key.c_str(), rates.introducedBy, rates.practicePerMinute,
                      rates.levelPerMinute);
        }
        std::printf("minutes to master the keys of levels 1 to 4: practice %.1f, levels %.1f (%d runs)\n",
                    result.practiceMinutes, result.levelMinutes, result.levelRuns);
        std::printf("practice: %d drills over %d days, reviews passed %d, failed %d, chances from word waves %.1f%%\n",
                    result.drills, result.days, result.reviewsPassed, result.reviewsFailed,
                    100.0 * result.WordLetterShare());
      }
    } catch (const std::exception& e) {
      std::cerr << "keyslinger-sim: " << e.what() << "\n";
      return 1;
    }
    return 0;
  }

  const bool custom = median >= 0 || spread >= 0 || wrongKey >= 0 || civilian >= 0 || minGap >= 0 || pairMedian >= 0;
  for (const std::string& name : typistNames) {
    std::optional<TypistProfile> typist = FindTypist(name);
    if (!typist) return Fail("unknown typist '" + name + "' (novice, average, skilled)");
    if (median >= 0) typist->reactionMedianMs = median;
    if (spread >= 0) typist->reactionSpread = spread;
    if (wrongKey >= 0) typist->wrongKeyChance = wrongKey;
    if (civilian >= 0) typist->civilianChance = civilian;
    if (minGap >= 0) typist->minGapMs = static_cast<int>(minGap);
    if (pairMedian >= 0) typist->pairMedianMs = pairMedian;
    if (custom) typist->name += "*";
    request.typists.push_back(*typist);
  }
  request.difficulties = difficulties;

  if (!wordSample.empty() || !wordSpeed.empty()) {
    std::vector<std::string> keys;
    std::string problem;
    if (!ParseKeySet(wordSample.empty() ? wordSpeed : wordSample, keys, problem)) return Fail(problem);
    const std::optional<KeyTable> table = KeyTableForLayout(layoutName, &problem);
    if (!table) return Fail("layout " + layoutName + ": " + problem);
    const WordSource source = LoadWordSource(language, kDebianWordListDir, gameDir + "/" + kRankTableFolder);
    if (source.builtInOnly) {
      std::cerr << "keyslinger-sim: no word list in " << kDebianWordListDir << ": made-up words only\n";
    } else if (source.englishInstead) {
      std::cerr << "keyslinger-sim: no " << LanguageInfo(language).listFile << " word list: English words instead\n";
    }
    WordChooser chooser(source.list, source.language, WordKeysFor(keys, *table));
    if (!wordSample.empty()) {
      for (const ChosenWord& word : SampleWords(chooser, static_cast<size_t>(wordCount), request.seed)) {
        std::cout << word.text << "\n";
      }
    } else {
      const int runs = runsGiven ? request.runs : 20;
      for (const TypistWordSpeed& speed : MeasureTypistWordSpeed(request.typists, chooser, runs, request.seed)) {
        std::printf("%-9s %6.1f wpm  accuracy %5.1f %%\n", speed.typist.c_str(), speed.medianWpm,
                    100.0 * speed.meanAccuracy);
      }
    }
    return 0;
  }
  if (!std::filesystem::is_directory(gameDir + "/Maps")) return Fail("no Maps folder in " + gameDir);
  if (request.levels.empty()) {
    for (int level = 1; level <= 16; ++level) request.levels.push_back("Level" + std::to_string(level));
  }
  for (const std::string& level : request.levels) {
    if (!std::filesystem::is_directory(gameDir + "/Maps/" + level)) return Fail("no level folder Maps/" + level);
  }

  Simulator simulator(gameDir);
  simulator.timeLimitMs = timeLimitS * 1000;
  const auto start = std::chrono::steady_clock::now();
  int64_t gameMs = 0;

  if (trace) {
    const std::string& level = request.levels.front();
    const std::string& difficulty = request.difficulties.front();
    const TypistProfile& typist = request.typists.front();
    const int run = static_cast<int>(traceRun);
    ModelledTypist keys(typist, RunSeed(request.seed, level, difficulty, typist.name, run, "typist"));
    std::cout << "# " << level << " " << difficulty << " " << typist.name << " run " << run << " seed " << request.seed << "\n";
    const SimulatedRun result =
        simulator.Run(level, difficulty, RunSeed(request.seed, level, difficulty, typist.name, run, "game"), keys,
                      [](int64_t nowMs, const std::string& event) { std::cout << Seconds3(nowMs) << " s  " << event << "\n"; },
                      RunExtras{recordDir, 0, nullptr});
    const LevelCounters& c = result.counters;
    std::cout << "# " << (result.finished ? "results" : "unfinished: " + result.failure) << ": " << result.percent
              << "%, hits " << c.Hits << ", misses " << c.Misses << ", civilians " << c.Civilians << ", acted " << c.Lost
              << ", MyScore " << c.MyScore << ", AllScore " << c.AllScore << ", bots " << c.Bots << ", playing time "
              << Seconds3(result.playingMs, 1) << " s\n";
    gameMs = result.playingMs;
  } else {
    const std::vector<BatchRow> rows = RunBatch(simulator, request);
    std::cout << (csv ? FormatCsv(rows) : FormatTable(rows));
    for (const BatchRow& row : rows) gameMs += row.gameMs;
  }
  if (speed) {
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "simulated %.0f game seconds in %.2f wall seconds: %.0f game seconds per second\n",
                 gameMs / 1000.0, wall, wall > 0 ? gameMs / 1000.0 / wall : 0.0);
  }
  return 0;
}
