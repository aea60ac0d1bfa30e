// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in English letter-pair table for made-up words when no word list is installed.
#pragma once
#include <vector>

struct EnglishPair {
  const char* pair;  // two ASCII characters: a letter or '^' (word start), then a letter or '$' (word end)
  int weight;        // relative frequency, 1 to 9999
};
const std::vector<EnglishPair>& EnglishLetterPairs();
