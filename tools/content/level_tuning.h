// SPDX-License-Identifier: GPL-3.0-or-later
// The balance numbers of every level: actor lives, waves and the three difficulty rows.
#pragma once
#include <string>
#include <vector>

// One command-1 step: an actor kind with its base life.
struct TemplateStep {
  std::string key;
  int maxLife;
};

// One command-2 step, with the templates defined just before it.
struct WaveStep {
  std::vector<TemplateStep> newTemplates;
  int ms, dumpTime, dumpInterval, target;
};

// A Map.ini difficulty row.
struct DifficultyRow {
  int extraActors, extraDumpTime, extraMaxLife, missPenaltyMs, civilianPenaltyMs;
};

struct LevelTuning {
  std::vector<TemplateStep> templates;  // defined before the first wave
  std::vector<WaveStep> waves;
  DifficultyRow easy, normal, hard;
};

LevelTuning TuningFor(int level);
