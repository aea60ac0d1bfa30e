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
  std::u32string vowels;
  // Rude words: blocked when a word equals one of them, or one with an s after it.
  std::vector<std::string> blockedWords;
  // Rude stems: blocked wherever they stand inside a word.
  std::vector<std::string> blockedStems;
};

const WordLanguageInfo& LanguageInfo(WordLanguage language);
// "en", "de", "fr" or "es" (case ignored); false for anything else.
bool ParseWordLanguage(std::string_view code, WordLanguage& out);

// The language the locale asks for: the entries of LANGUAGE in order, then the first set one of
// LC_ALL, LC_MESSAGES and LANG. The first entry naming one of the four languages wins; "C",
// "POSIX" or nothing at all mean English. wanted is what the locale named first (its two-letter
// code, empty when nothing was set), so a caller can tell the player when it is not served.
struct LocaleLanguage {
  WordLanguage language = WordLanguage::English;
  std::string wanted;
};
LocaleLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv);

// True when the word (lower-case UTF-8) is on the language's block list.
bool IsBlockedWord(WordLanguage language, std::string_view word);
