// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's word tools: a key set from the command line, the words practice would put on
// plaques for it, and the typists' words per minute.
#pragma once
#include "design/typist.h"
#include "words/words_choice.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class KeyTable;

// "asdfjkl;ei": one US key position per character, the first the focus key. False, with problem
// set, for an empty set, a character that names no key, or a key named twice.
bool ParseKeySet(std::string_view text, std::vector<std::string>& keys, std::string& problem);

// The keys as word choice takes them: the first is the focus key, what each types from table.
WordKeys WordKeysFor(const std::vector<std::string>& keys, const KeyTable& table);

// n words as practice draws them, a wave's ten at a time.
constexpr size_t kWordsPerWave = 10;
std::vector<ChosenWord> SampleWords(WordChooser& chooser, size_t n, uint64_t seed);

struct TypistWordSpeed {
  std::string typist;
  double medianWpm = 0;
  double meanAccuracy = 0;
};
// runs one-minute word drills per typist, seeded from seed.
std::vector<TypistWordSpeed> MeasureTypistWordSpeed(const std::vector<TypistProfile>& typists, WordChooser& chooser,
                                                    int runs, uint64_t seed);
