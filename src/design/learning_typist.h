// SPDX-License-Identifier: GPL-3.0-or-later
// A typist who learns: the average typist's timing, slower and less accurate on its weak keys,
// and better on every key the more chances it has had there. The model is documented in
// docs/practice.md.
#pragma once
#include "design/press_plan.h"
#include "design/simulation.h"
#include "design/typist.h"

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct LearningModel {
  double practisedMedianMs = 650;     // the median reaction practice brings every key down to
  double weakExtraMs = 600;           // how much slower a weak key starts
  double practisedWrongChance = 0.01; // the wrong-key chance practice brings every key down to
  double weakWrongChance = 0.30;      // a weak key's wrong-key chance at first
  double weakLateChance = 0.15;       // a weak key's chance at first that the press comes too late
  double learnChances = 40;           // chances after which what is left to learn is 1/e
};

// In word waves the typist finds each enemy's figure after its reaction time, then types its
// word letter by letter: a letter's time is the typist's pair time for the two keys (longer on
// one hand, most on one finger), stretched by how far the key is from practised; a letter slips
// onto a neighbouring key with the key's wrong-key chance, and is typed again. It types the word
// of the figure that came up first among those found, and follows the lock where a letter took it.
class LearningTypist : public KeySource {
 public:
  LearningTypist(TypistProfile base, LearningModel model, std::set<std::string> weak, uint64_t seed);

  // What the typist did at a key: every press aimed at it, right or slipped, and the figures it
  // came too late for, newest last (at most kAimsKept); and the slips it made onto the key while
  // aiming at another.
  struct KeyLog {
    std::deque<bool> aims;  // true: the press landed on the key; false also for a figure lost
    int slipsOnto = 0;
  };
  static constexpr size_t kAimsKept = 30;
  const std::map<std::string, KeyLog>& Log() const { return log_; }

  // Forgets the plans of the last run; what was learnt stays.
  void BeginRun();
  void OnSpawn(int64_t nowMs, const TbotImage& actor, size_t place, const LevelPlay& play) override;
  // A figure of a letter wave lost unshot is a chance failed at its key, as the records count it.
  void OnLost(size_t place, const LevelPlay& play) override;
  int64_t NextPressMs() const override;
  std::string Press(int64_t nowMs, const LevelPlay& play) override;

  // The key's parameters after n chances.
  double MedianMs(const std::string& key) const;
  double WrongChance(const std::string& key) const;
  double LateChance(const std::string& key) const;
  // Chances the typist has had at each key.
  std::map<std::string, int> experience;

 private:
  double Left(const std::string& key) const;
  void Aimed(const std::string& key, bool right);
  // Word waves.
  int64_t NextWordPressMs() const;
  std::string PressWord(int64_t nowMs, const LevelPlay& play);
  bool StillStanding(const LevelPlay& play, size_t place, int32_t spawn) const;
  int64_t LetterGapMs(const std::string& from, const std::string& to);

  struct FoundFigure {
    size_t place = 0;
    int32_t spawn = 0;
    int64_t foundMs = 0;
    std::vector<std::string> keys;  // of its word, once seen (the place may get another word)
  };
  struct WordInHand {
    bool active = false;
    size_t place = 0;
    int32_t spawn = 0;
    size_t letter = 0;     // the next letter to type
    bool retry = false;    // the letter slipped and is typed again
    int64_t atMs = 0;
  };
  std::vector<FoundFigure> found_;
  WordInHand word_;
  int64_t nextWordMs_ = 0;  // the next word is begun no sooner
  std::map<std::string, KeyLog> log_;

  TypistProfile base_;
  LearningModel model_;
  std::set<std::string> weak_;
  Random random_;
  TypistDraws draws_;
  PressPlan plan_;
};

// The key position a player aims at to shoot at a place: the drill's key in a drill, else the
// place's letter.
std::string AimedPosition(const LevelPlay& play, size_t place);
// A key beside the position on its row of a US keyboard.
std::string NeighbourKey(const std::string& position, Random& random);
