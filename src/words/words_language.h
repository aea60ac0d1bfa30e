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
  // Rude words of our own, beside the maintained list (MaintainedBlockedWords): blocked as such
  // and in their inflected forms (inflections below).
  std::vector<std::string> blockedWords;
  // Rude stems: blocked wherever they stand inside a word. Only stems that no harmless word of
  // the language's list contains (checked over Debian's lists): "cock" is in "cocktail", "arsch"
  // in "Marsch", so those are whole words.
  std::vector<std::string> blockedStems;
  // Endings that inflect a blocked word and still leave it rude (plurals, verb forms). On a blocked
  // word of fewer than four letters only the plural endings s and es count ("pis", "piso").
  std::vector<std::string> inflections;
  // Infinitive endings of the language's verbs ("en", "er", "ar"): a blocked verb's stem (four
  // letters at least, five in French) with verbEndings after it is blocked too ("fickt").
  std::vector<std::string> infinitives;
  std::vector<std::string> verbEndings;
};

const WordLanguageInfo& LanguageInfo(WordLanguage language);
// "en", "de", "fr" or "es" (case ignored); false for anything else.
bool ParseWordLanguage(std::string_view code, WordLanguage& out);

// The language of the drills' words: the screens' language (UiLanguage over the four languages
// with word lists), so screens and words never disagree. LANGUAGE is ignored under the C or POSIX
// locale, as gettext does; a language without a list of ours (Italian, Brazilian Portuguese) means
// English, as it does for the screens.
WordLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv);

// True when the word (UTF-8, case ignored) is on the language's block list: one of its words or an
// inflected form of one, a blocked verb's form, or a word holding a blocked stem.
bool IsBlockedWord(WordLanguage language, std::string_view word);
