// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which the levels introduce key positions, and which of them a layout can type.
#pragma once
#include <string>
#include <vector>

class KeyTable;

struct KeyIntroduction {
  std::string position;  // US key name, as a level's Map.ini writes it
  int level = 0;         // the first level with a place on that key
};

// Every position the places of Maps/Level1 .. Level<lastLevel> under appDir use, each once,
// level by level and within a level in Map.ini place order. Letters that name no US key are
// left out; missing levels add nothing.
std::vector<KeyIntroduction> KeyIntroductions(const std::string& appDir, int lastLevel = 16);

struct LeftOutKey {
  std::string position;
  std::string reason;  // "types nothing" or "types the same character as <position>"
};

struct UsableKeys {
  std::vector<KeyIntroduction> keys;  // in introduction order
  std::vector<LeftOutKey> leftOut;
};

// The introductions the layout can practise: a key that types no character (none, or a dead
// key) is left out, and so is a key typing the same character as one before it. Without a
// layout every key types its US character. The letter keys of the layout that no level uses
// (ä, ü and ß on German, ù on French, ç on Spanish) join after `b`, before the digits (see
// LayoutOnlyLetters).
UsableKeys UsableKeysOf(const std::vector<KeyIntroduction>& order, const KeyTable* layout);

// The positions of the layout whose unshifted character is a lower-case letter and that order
// does not hold, home row first, then the top, bottom and number rows, each left to right;
// their level is one after the last of order's. A dead key types no letter and stays out.
std::vector<KeyIntroduction> LayoutOnlyLetters(const std::vector<KeyIntroduction>& order, const KeyTable& layout);

// The character a position types on the layout (lower case); empty when it types none.
std::string TypedCharacter(const std::string& position, const KeyTable* layout);
