// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the levels teach, and where they sit on the keyboard the progress screen draws.
#pragma once
#include <string>
#include <vector>

class KeyTable;

// The letters of every place of Maps/Level1 .. Maps/Level<lastLevel> under appDir as the player
// types them, lower-cased, each once, in the order the levels bring them: a level whose letters
// name US keys has them mapped through the player's layout, when it is known, as a level load
// does. Missing levels add nothing.
std::vector<std::string> TaughtKeys(const std::string& appDir, int lastLevel, const KeyTable* layout = nullptr);

// The keyboard's rows of keys (unshifted characters, left to right) the picture is drawn from:
// the keys of the US typing area at their positions, each named by what it types on the
// player's layout when that is known, then one more row with any taught key they do not hold.
std::vector<std::vector<std::string>> KeyboardRows(const std::vector<std::string>& taught,
                                                   const KeyTable* layout = nullptr);
// The US key names of the keys of KeyboardRows' first rows, at the same places.
std::vector<std::vector<std::string>> KeyboardPositions();
