// SPDX-License-Identifier: GPL-3.0-or-later
// Practice played headlessly by a learning typist, against replaying the levels: chances per
// minute at each key and the playing minutes until the first levels' keys are mastered.
#pragma once
#include "design/learning_typist.h"
#include "design/simulation.h"
#include "words/word_list.h"
#include "words/words_language.h"
#include "words/words_source.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct PracticeSimOptions {
  std::vector<std::string> weak;
  uint64_t seed = 1;
  std::string difficulty = "Normal";
  int64_t minutesPerDay = 20;
  int64_t maxMinutes = 1200;  // either way stops here
  int masteredLevels = 2;    // the typist starts with these levels' keys mastered
  int goalLevels = 4;        // the keys to master: those of the first goalLevels levels
  // Practice goes on, minutesPerDay a day, until this many days have been played, so that the
  // reviews of mastered keys come due, pass and fail.
  int days = 8;
  bool levels = true;  // false: practice alone, without the levels to compare with
  // The drills' words, as the game gives them; null: every wave has letters.
  const WordSource* words = nullptr;
  LearningModel model;
  bool verbose = false;  // a line per drill and per level run on stderr
};

struct KeyRates {
  int introducedBy = 0;
  double practicePerMinute = 0;  // chances per playing minute while the key was in the practice set
  double levelPerMinute = 0;     // chances per playing minute in the level that introduces it
  // The same over the drills and the introducing level's runs begun while the records did not
  // show the key mastered: the time either way spends teaching it.
  double unmasteredPracticePerMinute = 0;
  double unmasteredLevelPerMinute = 0;
  // Chances per playing minute over every level run from the introducing level's on (Level1 and
  // the levels after it), until the goal keys were mastered: the whole time the levels way
  // spends, as practicePerMinute is practice's.
  double levelsOnPerMinute = 0;
};

struct PracticeSimResult {
  // Per key, the practice figure counts until every goal key is mastered, the time the two ways
  // are compared over.
  std::map<std::string, KeyRates> keys;
  double practiceMinutes = -1;  // -1: not mastered within maxMinutes
  double levelMinutes = -1;
  int drills = 0;
  int levelRuns = 0;
  int days = 0;
  int64_t targetMs = 0;
  std::vector<std::string> goalKeys;
  // Over all practice days.
  int reviewsPassed = 0;
  int reviewsFailed = 0;
  int64_t chances = 0;
  int64_t wordChances = 0;  // of them from the rows of word waves
  // The runner-up of each drill, and the drills whose runner-up fell short of the mastery rule
  // in the records only by slips onto it: a key not weak that the typist's own presses hit as
  // often as mastery asks, while its records do not.
  std::map<std::string, int> runnerUps;
  int runnerUpSlippedOnto = 0;
  double WordLetterShare() const { return chances > 0 ? static_cast<double>(wordChances) / chances : 0.0; }
};

PracticeSimResult SimulatePractice(Simulator& simulator, const std::string& gameDir, const PracticeSimOptions& options);

// The typists' words per minute in word drills of a key set, for the practice figures.
struct PracticeWordSpeeds {
  std::vector<std::string> keys;  // US key positions, the first the focus key
  std::vector<std::pair<std::string, double>> wordsPerMinute;  // by typist
};
// Word drills of the goal keys when word waves come for them (a vowel and enough real words of
// list), else of the sixteen letters asdfjklghtyrueiw; runs one-minute drills per typist.
PracticeWordSpeeds MeasurePracticeWordSpeeds(const PracticeSimResult& result, const WordList& list,
                                            WordLanguage language, int runs, uint64_t seed);

std::string PracticeSimJson(const PracticeSimResult& result, const std::vector<std::string>& weak,
                            const PracticeWordSpeeds* words = nullptr);
