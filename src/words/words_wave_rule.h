// SPDX-License-Identifier: GPL-3.0-or-later
// When a practice wave carries words instead of letters.
#pragma once
#include <cstddef>

// Fewest real words that must fit the key set before any wave carries words.
constexpr size_t kMinRealWordsForWordWaves = 15;

// The share of waves that carry words: none until the keys type a vowel of the language and at
// least kMinRealWordsForWordWaves real words fit them; then 5 % per key of the set above six, at
// least 10 % and at most 75 % (8 keys: 10 %, 10 keys: 20 %, 16 keys: 50 %, 21 keys and more: 75 %).
double WordWaveShare(size_t keyCount, size_t realWords, bool hasVowel);

// Whether wave waveIndex (0 for the first) carries words: the word waves are spread evenly over
// the drill, the first of them as late as the share allows.
bool IsWordWave(size_t waveIndex, double share);
