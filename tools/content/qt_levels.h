// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sixteen level folders under content/Maps.
#pragma once
#include <QString>
#include <string>
#include <vector>

#include "level_files.h"

struct LevelSummary {
  int level;
  int places;
  std::string letters;
  int waveMs;
};

// Writes every level; layout problems are appended to `problems`.
std::vector<LevelSummary> WriteLevels(const QString& mapsDir, std::vector<std::string>& problems);
// The places of a level with their letters, as written to Map.ini.
std::vector<PlaceSpec> LevelPlaces(int level);
