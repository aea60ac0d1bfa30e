// SPDX-License-Identifier: GPL-3.0-or-later
// How common the words of a language are: ranks from a shipped table or from SCOWL's size grades.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

class WordRanks {
public:
  // The words a child is likely to know: the language's most common ones up to this rank.
  static constexpr uint32_t kCommonRank = 10000;

  // A rank table's text: lines "rank word" (case as written: German nouns capitalised), lines
  // starting with # are notes. Nullopt when no line is a rank.
  static std::optional<WordRanks> FromTable(std::string_view text);
  static std::optional<WordRanks> FromTableFile(const std::string& path);
  // English from SCOWL's word lists in dir (english-words.N and american-words.N, N its size
  // grade: 10 the commonest). Every word of a grade gets the middle rank of its grade's band,
  // counted over the grades before it; only words a plaque can carry are kept. Nullopt when no
  // list of a grade can be read.
  static std::optional<WordRanks> FromScowl(const std::string& dir);

  // The word's rank (1 the commonest), looked up as written; 0 when it is not ranked.
  uint32_t Of(std::string_view word) const;
  size_t Size() const { return ranks_.size(); }
  void Set(std::string word, uint32_t rank) { ranks_[std::move(word)] = rank; }
  // Takes the other's rank for every word this one does not rank.
  void FillFrom(const WordRanks& other) {
    for (const auto& [word, rank] : other.ranks_) ranks_.try_emplace(word, rank);
  }

private:
  std::unordered_map<std::string, uint32_t> ranks_;
};

// The weight of a word of the given rank in word choice: the common words (up to kCommonRank)
// weigh 10 to 1000, falling with the square root of the rank, so the commonest come up most; a
// ranked rarer word weighs 1, an unranked one 1/4. Without ranks every word weighs the same.
double CommonnessWeight(uint32_t rank);

// The names of at most WordList::kMaxLetters letters in SCOWL's proper-names lists in dir (sizes up
// to 80), which tell a German noun from a name; empty when they are missing.
std::unordered_set<std::string> ReadScowlNames(const std::string& dir);

// Whether the lower-case word is a well-formed Roman numeral ("ii", "lii", "mix").
bool IsRomanNumeral(std::string_view word);
