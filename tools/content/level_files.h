// SPDX-License-Identifier: GPL-3.0-or-later
// The level files: keyboard curriculum, Map.ini and Script.ini text, and the layout checks.
#pragma once
#include <string>
#include <vector>

struct PlaceSpec {
  int x, y, w, h, side;
  std::string letter;
};

inline constexpr int kLevelCount = 16;
inline constexpr int kTagWidth = 28;
inline constexpr int kTagHeight = 24;

// The keys a level introduces (level 16 introduces none: it mixes everything).
std::vector<std::string> NewKeys(int level);
// `count` distinct letters for a level: all of its new keys, the rest from earlier levels, the
// most recent first; in a fixed shuffled order so new keys spread over the picture.
std::vector<std::string> LettersForLevel(int level, int count);

std::string MapIniText(int level, const std::vector<PlaceSpec>& places);
std::string ScriptIniText(int level);
// Sum of the wave durations of a level's script, in milliseconds.
int ScriptWaveMs(int level);

// Problems of a layout (empty when fine): boxes or tags off the screen, over the game's labels,
// overlapping each other; letters repeated.
std::vector<std::string> CheckPlaces(int level, const std::vector<PlaceSpec>& places);
