// SPDX-License-Identifier: GPL-3.0-or-later
// The rule for word waves in practice.
#include "words/words_wave_rule.h"

#include <algorithm>
#include <cmath>

double WordWaveShare(size_t keyCount, size_t realWords, bool hasVowel) {
  if (!hasVowel || realWords < kMinRealWordsForWordWaves) return 0;
  const double above = keyCount > 6 ? static_cast<double>(keyCount - 6) : 0;
  return std::clamp(0.05 * above, 0.10, 0.75);
}

bool IsWordWave(size_t waveIndex, double share) {
  if (!(share > 0)) return false;
  // Wave i carries words when the running count of word waves steps up at it: floor((i+1)s) >
  // floor(i s). A small epsilon keeps shares like 0.2 exact at whole multiples.
  const auto count = [&](size_t waves) { return std::floor(static_cast<double>(waves) * share + 1e-9); };
  return count(waveIndex + 1) > count(waveIndex);
}
