// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the word drills: chosen from the locale, with its word list, vowels and block list.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class WordLanguage { English, German, French, Spanish };

struct WordLanguageInfo {
  WordLanguage language;
  const char* code;      // "en", "de", "fr", "es"
  const char* listFile;  // the Debian word list's file name in /usr/share/dict
  const char* package;   // the Debian package that installs it
  std::u32string vowels;
  // Rude words: blocked when a word equals one of them, or one with an s after it.
  std::vector<std::string> blockedWords;
  // Rude stems: blocked wherever they stand inside a word.
  std::vector<std::string> blockedStems;
};

const WordLanguageInfo& LanguageInfo(WordLanguage language);
// "en", "de", "fr" or "es" (case ignored); false for anything else.
bool ParseWordLanguage(std::string_view code, WordLanguage& out);

// The language of the drills' words: the screens' language (UiLanguage over the four languages
// with word lists), so screens and words never disagree. LANGUAGE is ignored under the C or POSIX
// locale, as gettext does; a language without a list of ours (Italian, Brazilian Portuguese) means
// English, as it does for the screens.
WordLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv);

// True when the word (lower-case UTF-8) is on the language's block list.
bool IsBlockedWord(WordLanguage language, std::string_view word);
