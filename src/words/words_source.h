// SPDX-License-Identifier: GPL-3.0-or-later
// Where the words of the drills come from: the Debian word list of the player's language, the
// English one in its place, or the built-in English letter pairs alone.
#pragma once
#include "words/word_list.h"
#include "words/words_language.h"

#include <functional>
#include <string>

// Debian's word lists (packages wamerican, wngerman, wfrench, wspanish) are read from here.
inline constexpr const char* kDebianWordListDir = "/usr/share/dict";

struct WordSource {
  WordList list;
  WordLanguage language = WordLanguage::English;
  // The language asked for is not served: its list is not installed (or it is none of the four),
  // and English words are used; the card tells the player.
  bool englishInstead = false;
  // No list could be read: made-up words from the built-in English letter pairs only.
  bool builtInOnly = false;
};

// Reads the list of the wanted language from dictDir, else the English one, else takes the
// built-in table. Read it once per program run: a list takes tens of milliseconds.
WordSource LoadWordSource(WordLanguage wanted, const std::string& dictDir = kDebianWordListDir);
// The same for the language the locale asks for (see LanguageFromLocale).
WordSource LoadWordSourceForLocale(const std::function<const char*(const char*)>& getenv,
                                   const std::string& dictDir = kDebianWordListDir);
