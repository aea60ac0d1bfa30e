// SPDX-License-Identifier: GPL-3.0-or-later
// Giving a composed drill its words: the word list of the player's language, what the keys type
// on the player's layout, and the slow letter pairs of the records.
#pragma once
#include "platform/key_table.h"
#include "practice/drill.h"
#include "words/words_source.h"
#include "progress/progress_records.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The pairs to practise among the records' letter-pair times (see PairsToPractise), by key position.
std::vector<std::pair<std::string, std::string>> SlowPairKeys(const std::vector<PairSample>& pairTimes);

// Lets the drill's waves carry words (as many as the wave rule gives its key set): words of
// source, which must outlive the drill, written in what the keys type on layout (the US
// characters without one), favouring the slow pairs of pairTimes.
void EnableDrillWords(PracticeDrill& drill, const WordSource& source, const std::optional<KeyTable>& layout,
                      const std::vector<PairSample>& pairTimes);
