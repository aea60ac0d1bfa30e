// SPDX-License-Identifier: GPL-3.0-or-later
// Practice played headlessly by a learning typist, against replaying the levels.
#include "design/practice_sim.h"

#include "design/sim_batch.h"
#include "design/sim_records.h"
#include "progress/progress_database.h"
#include "design/typist.h"
#include "design/word_sample.h"
#include "words/words_choice.h"
#include "words/words_wave_rule.h"
#include "practice/drill.h"
#include "practice/drill_words.h"
#include "practice/key_order.h"
#include "practice/key_schedule.h"
#include "practice/practice_store.h"
#include "core/result_arithmetic.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace {

constexpr const char* kProfile = "Simulator";
constexpr int64_t kDayMs = 86400000;
constexpr int64_t kFirstDay = 20000;  // a day number in 2024

std::string TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "keyslinger-practice-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder for Progress.db");
  return pattern;
}

// The same start for both ways: the typist has practised the first levels' keys, and the
// records show each of them mastered.
void SeedHistory(SimRecords& records, LearningTypist& typist, const std::vector<KeyIntroduction>& order,
                 int masteredLevels, int64_t targetMs) {
  for (const KeyIntroduction& key : order) {
    if (key.level > masteredLevels) continue;
    typist.experience[key.position] = 200;
    // Hits at the typist's own median there, so the records show the key as fast as it is typed.
    const auto median = static_cast<int64_t>(typist.MedianMs(key.position) + 0.5);
    records.AddHits(kProfile, masteredLevels, {key.position}, kMasteryWindow, std::min(median, targetMs));
  }
}

bool MasteredIn(const std::map<std::string, KeyMastery>& mastery, const std::string& key) {
  const auto it = mastery.find(key);
  return it != mastery.end() && it->second.mastered;
}

bool AllMastered(PracticeStore& store, const std::vector<std::string>& keys, int64_t targetMs) {
  const auto mastery = store.LoadMastery(kProfile, keys, targetMs);
  return std::all_of(keys.begin(), keys.end(), [&](const std::string& k) { return mastery.at(k).mastered; });
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}


// A JSON string of text: quoted, its quotes and backslashes escaped (key names are printable ASCII).
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string MasteryText(const std::map<std::string, KeyMastery>& mastery, const std::vector<std::string>& keys) {
  std::string text;
  for (const std::string& key : keys) {
    const auto it = mastery.find(key);
    const KeyMastery m = it == mastery.end() ? KeyMastery{} : it->second;
    text += " " + key + (m.mastered ? " M " : " - ") + std::to_string(m.hits) + "/" + std::to_string(m.chances) + "@" +
            (m.medianReactionMs ? std::to_string(*m.medianReactionMs) : std::string("-"));
  }
  return text;
}

// A drill in one line for --verbose: its keys, figures and chances, and per weak key the figures
// and chances it got, its weight and its mastery after the drill.
std::string DrillLine(int number, int64_t day, int64_t playingMs, const DrillPlan& plan, const PracticeDrill& drill,
                      const std::vector<PracticeChance>& chances, const std::map<std::string, KeyMastery>& mastery,
                      const std::vector<std::string>& weak) {
  int figures = 0;
  for (const auto& [key, n] : drill.Spawns()) figures += n;
  std::string line = "drill " + std::to_string(number) + " day " + std::to_string(day) + " " +
                     Number(playingMs / 1000.0) + " s, set " + std::to_string(plan.keys.size()) + ", places " +
                     std::to_string(plan.placeCount) + ", focus " + plan.focus + ", runner-up " + plan.runnerUp +
                     ", new " + plan.newKey + ", due " + std::to_string(plan.due.size()) + ", word waves " +
                     std::to_string(drill.WordWaveCount()) + ", figures " +
                     std::to_string(figures) + ", chances " + std::to_string(chances.size()) + ":";
  for (const std::string& key : weak) {
    const auto spawned = drill.Spawns().find(key);
    const auto got = std::count_if(chances.begin(), chances.end(), [&](const PracticeChance& c) { return c.position == key; });
    line += " " + key + " figures " + std::to_string(spawned == drill.Spawns().end() ? 0 : spawned->second) +
            " chances " + std::to_string(got) + " weight " + std::to_string(drill.Weight(key)) + MasteryText(mastery, {key});
  }
  return line;
}
// Whether a drill's runner-up is there only by slips onto it: a key not weak, slipped onto, that
// the typist's own last presses at it hit as often as mastery asks, while its records fall short
// of that accuracy.
bool OnlySlippedOnto(const std::string& key, const LearningTypist& typist, const std::set<std::string>& weak,
                     const std::map<std::string, KeyMastery>& mastery) {
  if (weak.count(key)) return false;
  const auto log = typist.Log().find(key);
  if (log == typist.Log().end() || log->second.slipsOnto == 0 || log->second.aims.empty()) return false;
  const auto right = std::count(log->second.aims.begin(), log->second.aims.end(), true);
  const bool ownAccurate = right * 100 >= kMasteryAccuracyPercent * static_cast<int64_t>(log->second.aims.size());
  const auto recorded = mastery.find(key);
  if (recorded == mastery.end() || recorded->second.chances == 0) return false;
  const bool recordsAccurate =
      int64_t{recorded->second.hits} * 100 >= int64_t{kMasteryAccuracyPercent} * recorded->second.chances;
  return ownAccurate && !recordsAccurate;
}
}  // namespace

PracticeSimResult SimulatePractice(Simulator& simulator, const std::string& gameDir, const PracticeSimOptions& options) {
  PracticeSimResult result;
  const std::string appDir = gameDir + "/";
  const std::vector<KeyIntroduction> order = KeyIntroductions(appDir);
  const UsableKeys usable = UsableKeysOf(order, nullptr);
  const int64_t target = kDefaultTargetReactionMs;
  result.targetMs = target;
  std::map<std::string, int> introducedBy;
  for (const KeyIntroduction& key : order) {
    introducedBy[key.position] = key.level;
    if (key.level <= options.goalLevels) result.goalKeys.push_back(key.position);
  }
  for (const std::string& key : result.goalKeys) result.keys[key].introducedBy = introducedBy[key];
  for (const std::string& key : options.weak) result.keys[key].introducedBy = introducedBy[key];
  const TypistProfile average = *FindTypist("average");
  const std::set<std::string> weak(options.weak.begin(), options.weak.end());

  // Practice: drill after drill, minutesPerDay a day, on after the goal keys are mastered until
  // options.days days are played.
  {
    const std::string dir = TempFolder();
    SimRecords records(dir + "/Progress.db");
    PracticeStore store(records.Db());
    LearningTypist typist(average, options.model, weak, RunSeed(options.seed, "practice", "", "", 0, "typist"));
    SeedHistory(records, typist, order, options.masteredLevels, target);
    PracticeState state;
    for (const KeyIntroduction& key : usable.keys) {
      if (key.level <= options.masteredLevels) state.keys.push_back({key.position, true, 1, kFirstDay + 1});
    }
    store.SaveState(kProfile, state);
    std::map<std::string, double> inSetMinutes, unmasteredMinutes;
    std::map<std::string, int> practiceChances, unmasteredChances;
    Random random(RunSeed(options.seed, "practice", "", "", 0, "compose"));
    int64_t day = kFirstDay, dayMs = 0, playedMs = 0;
    std::vector<std::string> positions;
    for (const KeyIntroduction& key : usable.keys) positions.push_back(key.position);
    while (playedMs < options.maxMinutes * 60000 && (result.practiceMinutes < 0 || day < kFirstDay + options.days)) {
      state = store.LoadState(kProfile);
      auto mastery = store.LoadMastery(kProfile, positions, target);
      Settle(state, usable, mastery, day);
      const DrillPlan plan = ComposeDrill(appDir, state, usable, mastery, day, random);
      PracticeDrill drill(plan, dir + "/Drill.ini");
      // The words as the game gives them: the list, the US layout, the records' slow pairs.
      if (options.words) EnableDrillWords(drill, *options.words, std::nullopt, records.Db().LoadPairTimes(kProfile));
      if (!plan.runnerUp.empty()) {
        ++result.runnerUps[plan.runnerUp];
        if (OnlySlippedOnto(plan.runnerUp, typist, weak, mastery)) ++result.runnerUpSlippedOnto;
      }
      typist.BeginRun();
      RunExtras extras;
      extras.progressDir = dir;
      extras.utcMs = day * kDayMs + dayMs;
      extras.drill = &drill;
      const SimulatedRun run = simulator.Run("Practice", options.difficulty,
                                          RunSeed(options.seed, "practice", "", "", result.drills, "game"), typist, {}, extras);
      if (!run.finished) throw std::runtime_error("a drill did not finish: " + run.failure);
      ++result.drills;
      playedMs += run.playingMs;
      dayMs += run.playingMs;
      const int64_t runId = store.LatestRunId(kProfile, 0);
      const std::vector<PracticeChance> chances = store.RunChances(runId);
      result.chances += static_cast<int64_t>(chances.size());
      if (drill.WordWaveCount() > 0) {
        // What the rules make of the word waves' rows alone, read from a copy of them.
        const int64_t words = records.CopyWordRows(runId);
        result.wordChances += static_cast<int64_t>(store.RunChances(words).size());
        records.RemoveRun(words);
      }
      const bool learning = result.practiceMinutes < 0;
      if (learning) {
        for (const std::string& key : plan.keys) {
          inSetMinutes[key] += run.playingMs / 60000.0;
          if (!MasteredIn(mastery, key)) unmasteredMinutes[key] += run.playingMs / 60000.0;
        }
        for (const PracticeChance& c : chances) {
          if (std::find(plan.keys.begin(), plan.keys.end(), c.position) == plan.keys.end()) continue;
          ++practiceChances[c.position];
          if (!MasteredIn(mastery, c.position)) ++unmasteredChances[c.position];
        }
      }
      mastery = store.LoadMastery(kProfile, positions, target);
      if (options.verbose) std::fprintf(stderr, "%s\n", DrillLine(result.drills, day - kFirstDay, run.playingMs, plan, drill, chances, mastery, options.weak).c_str());
      const PracticeEvents events = AfterPractice(state, usable, mastery, chances, day, target);
      result.reviewsPassed += static_cast<int>(events.reviewsPassed.size());
      result.reviewsFailed += static_cast<int>(events.reviewsFailed.size());
      store.SaveState(kProfile, state);
      if (learning && AllMastered(store, result.goalKeys, target)) result.practiceMinutes = playedMs / 60000.0;
      if (dayMs >= options.minutesPerDay * 60000) {
        ++day;
        dayMs = 0;
      }
    }
    result.days = static_cast<int>(day - kFirstDay) + (dayMs > 0 ? 1 : 0);
    for (auto& [key, rates] : result.keys) {
      if (inSetMinutes[key] > 0) rates.practicePerMinute = practiceChances[key] / inSetMinutes[key];
      if (unmasteredMinutes[key] > 0) rates.unmasteredPracticePerMinute = unmasteredChances[key] / unmasteredMinutes[key];
    }
    std::filesystem::remove_all(dir);
  }

  // Levels: in order from Level1, on after a pass, again after a fail.
  if (options.levels) {
    const std::string dir = TempFolder();
    SimRecords records(dir + "/Progress.db");
    PracticeStore store(records.Db());
    LearningTypist typist(average, options.model, weak, RunSeed(options.seed, "practice", "", "", 0, "typist"));
    SeedHistory(records, typist, order, options.masteredLevels, target);
    std::map<int, double> levelMinutes;
    std::map<int, std::map<std::string, int>> levelChances;
    std::map<std::string, double> unmasteredMinutes;
    std::map<std::string, int> unmasteredChances;
    int level = 1;
    int64_t playedMs = 0;
    while (playedMs < options.maxMinutes * 60000) {
      // The keys this level introduces that the records do not show mastered as it begins.
      std::vector<std::string> unmastered;
      {
        std::vector<std::string> measured;
        for (const auto& entry : result.keys) measured.push_back(entry.first);
        const auto before = store.LoadMastery(kProfile, measured, target);
        for (const auto& [key, rates] : result.keys) {
          if (rates.introducedBy == level && !MasteredIn(before, key)) unmastered.push_back(key);
        }
      }
      typist.BeginRun();
      RunExtras extras;
      extras.progressDir = dir;
      extras.utcMs = kFirstDay * kDayMs + playedMs;
      const SimulatedRun run = simulator.Run("Level" + std::to_string(level), options.difficulty,
                                          RunSeed(options.seed, "levels", "", "", result.levelRuns, "game"), typist, {},
                                          extras);
      ++result.levelRuns;
      playedMs += run.playingMs;
      levelMinutes[level] += run.playingMs / 60000.0;
      for (const PracticeChance& c : store.RunChances(store.LatestRunId(kProfile, level))) {
        ++levelChances[level][c.position];
        if (std::find(unmastered.begin(), unmastered.end(), c.position) != unmastered.end()) ++unmasteredChances[c.position];
      }
      for (const std::string& key : unmastered) unmasteredMinutes[key] += run.playingMs / 60000.0;
      if (options.verbose) {
        std::fprintf(stderr, "level %d %s s %d%%:%s\n", level, Number(run.playingMs / 1000.0).c_str(), run.percent,
                     MasteryText(store.LoadMastery(kProfile, result.goalKeys, target), result.goalKeys).c_str());
      }
      if (result.levelMinutes < 0 && AllMastered(store, result.goalKeys, target)) {
        result.levelMinutes = playedMs / 60000.0;
        break;
      }
      // After a pass the next level; after the last one the levels again from Level1.
      if (run.finished && Passed(run.percent)) level = level < 16 ? level + 1 : 1;
    }
    for (auto& [key, rates] : result.keys) {
      const int l = rates.introducedBy;
      if (levelMinutes[l] > 0) rates.levelPerMinute = levelChances[l][key] / levelMinutes[l];
      if (unmasteredMinutes[key] > 0) rates.unmasteredLevelPerMinute = unmasteredChances[key] / unmasteredMinutes[key];
      double minutesOn = 0;
      int chancesOn = 0;
      for (const auto& [played, minutes] : levelMinutes) {
        if (played < l) continue;
        minutesOn += minutes;
        chancesOn += levelChances[played][key];
      }
      if (minutesOn > 0) rates.levelsOnPerMinute = chancesOn / minutesOn;
    }
    std::filesystem::remove_all(dir);
  }
  return result;
}

PracticeWordSpeeds MeasurePracticeWordSpeeds(const PracticeSimResult& result, const WordList& list,
                                            WordLanguage language, int runs, uint64_t seed) {
  PracticeWordSpeeds speeds;
  speeds.keys = result.goalKeys;
  auto keysFor = [](const std::vector<std::string>& keys) {
    WordKeys word;
    word.keys = keys;
    word.focus = keys.empty() ? std::string() : keys.front();
    word.typed = TypedAsUs(keys);
    return word;
  };
  {
    const WordChooser goal(list, language, keysFor(speeds.keys));
    if (WordWaveShare(speeds.keys.size(), goal.RealWordCount(), goal.HasVowel()) <= 0) {
      speeds.keys.clear();
      for (const char* k = "asdfjklghtyrueiw"; *k; ++k) speeds.keys.emplace_back(1, *k);
    }
  }
  WordChooser chooser(list, language, keysFor(speeds.keys));
  std::vector<TypistProfile> typists;
  for (const char* name : {"novice", "average", "skilled"}) {
    if (const std::optional<TypistProfile> typist = FindTypist(name)) typists.push_back(*typist);
  }
  for (const TypistWordSpeed& speed : MeasureTypistWordSpeed(typists, chooser, runs, seed)) {
    speeds.wordsPerMinute.emplace_back(speed.typist, speed.medianWpm);
  }
  return speeds;
}

std::string PracticeSimJson(const PracticeSimResult& result, const std::vector<std::string>& weak,
                            const PracticeWordSpeeds* words) {
  std::string out = "{\"keys\": {";
  bool first = true;
  for (const auto& [key, rates] : result.keys) {
    out += std::string(first ? "" : ", ") + Quoted(key) + ": {\"practice_per_minute\": " +
           Number(rates.practicePerMinute) + ", \"level_per_minute\": " + Number(rates.levelPerMinute) +
           ", \"unmastered_practice_per_minute\": " + Number(rates.unmasteredPracticePerMinute) +
           ", \"unmastered_level_per_minute\": " + Number(rates.unmasteredLevelPerMinute) +
           ", \"levels_on_per_minute\": " + Number(rates.levelsOnPerMinute) +
           ", \"introduced_by\": " + std::to_string(rates.introducedBy) + "}";
    first = false;
  }
  auto minutes = [](double m) { return m < 0 ? std::string("null") : Number(m); };
  out += "}, \"minutes_to_master\": {\"practice\": " + minutes(result.practiceMinutes) +
         ", \"levels\": " + minutes(result.levelMinutes) + "}";
  out += ", \"drills\": " + std::to_string(result.drills) + ", \"level_runs\": " + std::to_string(result.levelRuns) +
         ", \"days\": " + std::to_string(result.days) + ", \"target_ms\": " + std::to_string(result.targetMs) +
         ", \"weak\": [";
  for (size_t i = 0; i < weak.size(); ++i) out += (i ? ", " : "") + Quoted(weak[i]);
  out += "]";
  out += ", \"reviews\": {\"passed\": " + std::to_string(result.reviewsPassed) +
         ", \"failed\": " + std::to_string(result.reviewsFailed) + "}";
  out += ", \"chances\": " + std::to_string(result.chances) + ", \"word_letter_share\": " +
         Number(result.WordLetterShare());
  out += ", \"runner_up\": {\"only_slipped_onto\": " + std::to_string(result.runnerUpSlippedOnto) + ", \"keys\": {";
  bool firstRunnerUp = true;
  for (const auto& [key, count] : result.runnerUps) {
    out += std::string(firstRunnerUp ? "" : ", ") + Quoted(key) + ": " + std::to_string(count);
    firstRunnerUp = false;
  }
  out += "}}";
  if (words) {
    std::string keys;
    for (const std::string& key : words->keys) keys += key;
    out += ", \"word_keys\": " + Quoted(keys) + ", \"words_per_minute\": {";
    for (size_t i = 0; i < words->wordsPerMinute.size(); ++i) {
      out += (i ? ", \"" : "\"") + words->wordsPerMinute[i].first + "\": " + Number(words->wordsPerMinute[i].second);
    }
    out += "}";
  }
  out += "}\n";
  return out;
}
