// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the words of a word wave: real words of the learner's keys first, made-up words from
// the language's letter pairs when too few fit; common words, the focus key, keys due for review and
// slow letter pairs favoured; never a blocked word.
#pragma once
#include "words/word_list.h"
#include "words/words_language.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

class KeyTable;
class Random;

// The learner's keys for word choice. Keys are US key positions ("a", ";"); typed says what each
// types on the active layout (lower-case UTF-8). A key missing from typed cannot be used in words.
struct WordKeys {
  std::vector<std::string> keys;
  std::string focus;
  std::vector<std::string> review;
  std::vector<std::pair<std::string, std::string>> slowPairs;
  std::map<std::string, std::string> typed;
};

// What each of the keys types on a layout, for WordKeys::typed: characters only (a dead key or a key
// that types nothing is left out), lower-cased.
std::map<std::string, std::string> TypedByKeys(const KeyTable& table, const std::vector<std::string>& keys);
// The identity: each key types its US character.
std::map<std::string, std::string> TypedAsUs(const std::vector<std::string>& keys);

struct ChosenWord {
  std::string text;               // as written on the plaque, UTF-8: lower case, a German noun capitalised
  std::vector<std::string> keys;  // the key position of each letter
  bool real = false;              // from the word list (false: made up from letter pairs)
};

class WordChooser {
public:
  // Share of a wave's words that contain the focus key, as long as such words are there.
  static constexpr double kFocusShare = 0.75;
  static constexpr int kPseudoTries = 40;

  // Filters the list once for the keys; the list must outlive the chooser.
  WordChooser(const WordList& list, WordLanguage language, WordKeys keys);

  // The real words that fit the keys (blocked words left out).
  size_t RealWordCount() const { return candidates_.size(); }
  // Whether the keys type a vowel of the language.
  bool HasVowel() const { return hasVowel_; }

  // count words for a wave: real words while unused ones are left, then made-up ones. No word
  // twice in one call while others are left.
  std::vector<ChosenWord> Choose(size_t count, Random& random);

private:
  struct Candidate {
    const ListedWord* word;
    double weight;
    bool focus;
  };
  ChosenWord FromListed(const ListedWord& word) const;
  bool MakePseudoWord(Random& random, bool wantFocus, ChosenWord& out) const;
  double Weight(const std::vector<int>& letters) const;
  bool Contains(const std::vector<int>& letters, int index) const;

  const WordList& list_;
  WordLanguage language_;
  WordKeys keys_;
  std::vector<char32_t> characters_;  // what the usable keys type, by index into usable_
  std::vector<std::string> usable_;   // usable keys
  int focusIndex_ = -1;
  std::vector<int> reviewIndices_;
  std::vector<std::pair<int, int>> slowPairIndices_;
  bool hasVowel_ = false;
  std::vector<Candidate> candidates_;
};
