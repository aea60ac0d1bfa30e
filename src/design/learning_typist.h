// SPDX-License-Identifier: GPL-3.0-or-later
// A typist who learns: the average typist's timing, slower and less accurate on its weak keys,
// and better on every key the more chances it has had there. The model is documented in
// docs/practice.md.
#pragma once
#include "design/press_plan.h"
#include "design/simulation.h"
#include "design/typist.h"

#include <cstdint>
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

class LearningTypist : public KeySource {
 public:
  LearningTypist(TypistProfile base, LearningModel model, std::set<std::string> weak, uint64_t seed);

  // Forgets the plans of the last run; what was learnt stays.
  void BeginRun();
  void OnSpawn(int64_t nowMs, const TbotImage& actor, size_t place, const LevelPlay& play) override;
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
