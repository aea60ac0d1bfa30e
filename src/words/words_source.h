// SPDX-License-Identifier: GPL-3.0-or-later
// Where the words of the drills come from: the Debian word list of the player's language, the
// English one in its place, or the built-in English letter pairs alone.
#pragma once
#include "words/word_list.h"
#include "words/words_language.h"

#include <functional>
#include <string>

// Debian's word lists (packages wamerican, wngerman, wfrench, wspanish) are read from here, and
// SCOWL's graded English lists (package scowl) from its folder scowl/.
inline constexpr const char* kDebianWordListDir = "/usr/share/dict";
inline constexpr const char* kScowlFolder = "scowl";
// The rank tables the game ships (<code>.ranks), in this folder of the game's content.
inline constexpr const char* kRankTableFolder = "words";

struct WordSource {
  WordList list;
  WordLanguage language = WordLanguage::English;  // of the words
  WordLanguage wanted = WordLanguage::English;    // the player's language
  // The list of the player's language is not installed (or not readable) and English words are
  // used; the card tells the player, with the package that brings the list.
  bool englishInstead = false;
  // No list could be read: made-up words of the learner's keys from the built-in English letter
  // pairs; the card names the package that brings real words.
  bool builtInOnly = false;
  // Where the words' commonness comes from: "SCOWL", a rank table's path, or empty (every word
  // weighs the same).
  std::string ranksFrom;
  // The Debian package whose list would give the player real words of their own language.
  const char* Package() const { return LanguageInfo(wanted).package; }
};

// Reads the list of the wanted language from dictDir, else the English one, else takes the
// built-in table. A list that is no regular file or is too large counts as missing (see
// WordList::FromFile). German keeps its nouns, told from names by SCOWL's names when installed.
// The words are ranked by commonness: English by SCOWL in dictDir/scowl, else by the table
// rankDir/en.ranks; the other languages by rankDir/<code>.ranks (empty rankDir: no tables). Read
// it once per program run: a list takes tens of milliseconds.
WordSource LoadWordSource(WordLanguage wanted, const std::string& dictDir = kDebianWordListDir,
                          const std::string& rankDir = "");
// The same for the player's language (see LanguageFromLocale).
WordSource LoadWordSourceForLocale(const std::function<const char*(const char*)>& getenv,
                                   const std::string& dictDir = kDebianWordListDir, const std::string& rankDir = "");
