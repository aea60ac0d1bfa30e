// SPDX-License-Identifier: GPL-3.0-or-later
// The maintained part of the block lists: rude words of each language from a published list.
#pragma once
#include "words/words_language.h"

#include <string_view>
#include <vector>

// Lower-case whole words, blocked as such and in their inflected forms (see IsBlockedWord).
const std::vector<std::string_view>& MaintainedBlockedWords(WordLanguage language);
