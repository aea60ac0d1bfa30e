// SPDX-License-Identifier: GPL-3.0-or-later
// A profile's chances grouped by the physical key they were taken at, and named as the
// player's layout types that key.
#pragma once
#include "progress/progress_records.h"
#include "progress/progress_stats.h"

#include <string>
#include <vector>

class KeyTable;

// The chances at one key.
struct KeyChances {
  // The key's US key name; empty for the chances of a character that no key types on the layout.
  std::string position;
  // What the key types on the layout (its US name where it types nothing printable, or without a
  // layout); for chances without a position, their character.
  std::string name;
  std::vector<KeyChance> newestFirst;  // at most kChancesPerKey
};

// The position a chance counts for on the layout: the one it recorded; else the key that types
// its character on the layout (without a layout, the US key of that character); else empty.
std::string PositionOf(const KeyChance& chance, const KeyTable* layout);

// A profile's chances per key (the rows of ProgressData, newest first within each key), ordered
// by position, then the characters without one. This is the per-position record the progress
// screen and practice build on.
std::vector<KeyChances> ChancesByPosition(const std::vector<KeyChance>& chances, const KeyTable* layout);

// Accuracy and reaction per key of ChancesByPosition: key is the name, position the position.
std::vector<KeyStats> KeyStatsByPosition(const std::vector<KeyChance>& chances, const KeyTable* layout);
