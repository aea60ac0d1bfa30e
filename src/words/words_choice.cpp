// SPDX-License-Identifier: GPL-3.0-or-later
// Word choice for word waves: weighted draws over the real words that fit, made-up words after.
#include "words/words_choice.h"

#include "platform/key_table.h"
#include "platform/random.h"
#include "platform/text_case.h"
#include "words/word_ranks.h"

#include <algorithm>
#include <array>

namespace {

double UnitDraw(Random& random) { return (static_cast<double>(random.Next32()) + 0.5) / 4294967296.0; }

// Index drawn with probability proportional to weights[i]; -1 when all are zero.
int WeightedIndex(const std::vector<double>& weights, Random& random) {
  double total = 0;
  for (double w : weights) total += w;
  if (!(total > 0)) return -1;
  double at = UnitDraw(random) * total;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (weights[i] <= 0) continue;
    if (at < weights[i]) return static_cast<int>(i);
    at -= weights[i];
  }
  for (size_t i = weights.size(); i-- > 0;) {
    if (weights[i] > 0) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::map<std::string, std::string> TypedByKeys(const KeyTable& table, const std::vector<std::string>& keys) {
  std::map<std::string, std::string> typed;
  for (const std::string& key : keys) {
    const KeyTyped* found = table.Find(key);
    if (!found || found->kind != KeyTyped::Kind::Character || found->text.empty()) continue;
    typed[key] = ToLowerUtf8(found->text);
  }
  return typed;
}

std::map<std::string, std::string> TypedAsUs(const std::vector<std::string>& keys) {
  std::map<std::string, std::string> typed;
  for (const std::string& key : keys) typed[key] = key;
  return typed;
}

WordChooser::WordChooser(const WordList& list, WordLanguage language, WordKeys keys)
    : list_(list), language_(language), keys_(std::move(keys)) {
  // A key is usable when it types exactly one character that no other key of the set types.
  for (const std::string& key : keys_.keys) {
    if (std::find(usable_.begin(), usable_.end(), key) != usable_.end()) continue;
    auto typed = keys_.typed.find(key);
    if (typed == keys_.typed.end()) continue;
    const std::optional<std::u32string> text = DecodeUtf8(typed->second);
    if (!text || text->size() != 1) continue;
    if (std::find(characters_.begin(), characters_.end(), text->front()) != characters_.end()) continue;
    usable_.push_back(key);
    characters_.push_back(text->front());
  }
  auto indexOfKey = [&](const std::string& key) {
    auto it = std::find(usable_.begin(), usable_.end(), key);
    return it == usable_.end() ? -1 : static_cast<int>(it - usable_.begin());
  };
  focusIndex_ = indexOfKey(keys_.focus);
  for (const std::string& key : keys_.review) {
    const int index = indexOfKey(key);
    if (index >= 0) reviewIndices_.push_back(index);
  }
  for (const auto& [from, to] : keys_.slowPairs) {
    const int a = indexOfKey(from), b = indexOfKey(to);
    if (a >= 0 && b >= 0) slowPairIndices_.emplace_back(a, b);
  }
  const std::u32string& vowels = LanguageInfo(language_).vowels;
  for (char32_t c : characters_) {
    if (vowels.find(c) != std::u32string::npos) hasVowel_ = true;
  }

  // The list's alphabet mapped to the usable keys; a word fits when it uses no other letter.
  std::array<int, WordList::kMaxAlphabet> keyOfLetter;
  keyOfLetter.fill(-1);
  uint64_t setMask = 0;
  for (size_t i = 0; i < characters_.size(); ++i) {
    const int letter = list_.IndexOf(characters_[i]);
    if (letter < 0) continue;
    keyOfLetter[static_cast<size_t>(letter)] = static_cast<int>(i);
    setMask |= uint64_t{1} << letter;
  }
  // A listed word without a vowel is an abbreviation ("kg", "dd"), not a word to practise.
  uint64_t vowelMask = 0;
  for (char32_t vowel : vowels) {
    const int letter = list_.IndexOf(vowel);
    if (letter >= 0) vowelMask |= uint64_t{1} << letter;
  }
  std::vector<int> letters;
  for (const ListedWord& word : list_.Words()) {
    if ((word.mask & ~setMask) || !(word.mask & vowelMask)) continue;
    // A Roman numeral ("ii", "lii") is no word to practise, unless it is a common word as well ("mix").
    if (word.romanNumeral && (word.rank == 0 || word.rank > WordRanks::kCommonRank)) continue;
    if (list_.BlockedFor() == language_ ? word.blocked : IsBlockedWord(language_, word.text)) continue;
    letters.clear();
    for (uint8_t letter : word.letters) letters.push_back(keyOfLetter[letter]);
    // Common words first: a child should meet words it knows. Without ranks all weigh the same.
    const double commonness = list_.Ranked() ? CommonnessWeight(word.rank) : 1;
    candidates_.push_back(Candidate{&word, Weight(letters) * commonness, Contains(letters, focusIndex_)});
  }
}

bool WordChooser::Contains(const std::vector<int>& letters, int index) const {
  return index >= 0 && std::find(letters.begin(), letters.end(), index) != letters.end();
}

double WordChooser::Weight(const std::vector<int>& letters) const {
  double weight = 1;
  for (int review : reviewIndices_) {
    if (Contains(letters, review)) weight *= 2;
  }
  for (size_t i = 1; i < letters.size(); ++i) {
    for (const auto& [a, b] : slowPairIndices_) {
      if (letters[i - 1] == a && letters[i] == b) weight *= 3;
    }
  }
  return std::min(weight, 100.0);
}

ChosenWord WordChooser::FromListed(const ListedWord& word) const {
  ChosenWord chosen;
  chosen.text = word.text;
  chosen.real = true;
  for (uint8_t letter : word.letters) {
    const char32_t c = list_.Alphabet()[letter];
    const auto it = std::find(characters_.begin(), characters_.end(), c);
    chosen.keys.push_back(usable_[static_cast<size_t>(it - characters_.begin())]);
  }
  return chosen;
}

bool WordChooser::MakePseudoWord(Random& random, bool wantFocus, ChosenWord& out) const {
  if (characters_.empty()) return false;
  const std::u32string& vowels = LanguageInfo(language_).vowels;
  std::vector<double> weights(characters_.size() + 1);
  for (int attempt = 0; attempt < kPseudoTries; ++attempt) {
    std::vector<int> letters;
    char32_t previous = WordList::kBoundary;
    bool ended = false;
    while (!ended) {
      // Weights of each usable letter after the previous one; the last slot ends the word.
      const bool twice = letters.size() >= 2 && letters.back() == letters[letters.size() - 2];
      for (size_t i = 0; i < characters_.size(); ++i) {
        double w = letters.size() < WordList::kMaxLetters ? list_.PairCount(previous, characters_[i]) : 0;
        // No letter three times in a row.
        if (twice && static_cast<int>(i) == letters.back()) w = 0;
        if (wantFocus && static_cast<int>(i) == focusIndex_) w *= 3;
        weights[i] = w;
      }
      weights.back() = letters.size() >= WordList::kMinLetters ? list_.PairCount(previous, WordList::kBoundary) : 0;
      const int next = WeightedIndex(weights, random);
      if (next < 0) break;
      if (static_cast<size_t>(next) == characters_.size()) {
        ended = true;
      } else {
        letters.push_back(next);
        previous = characters_[static_cast<size_t>(next)];
      }
    }
    if (!ended) continue;
    if (wantFocus && !Contains(letters, focusIndex_)) continue;
    std::u32string text;
    bool vowel = false;
    for (int letter : letters) {
      text.push_back(characters_[static_cast<size_t>(letter)]);
      vowel = vowel || vowels.find(text.back()) != std::u32string::npos;
    }
    if (hasVowel_ && !vowel) continue;
    ChosenWord chosen;
    chosen.text = EncodeUtf8(text);
    if (IsBlockedWord(language_, chosen.text)) continue;
    for (int letter : letters) chosen.keys.push_back(usable_[static_cast<size_t>(letter)]);
    out = std::move(chosen);
    return true;
  }
  return false;
}

std::vector<ChosenWord> WordChooser::Choose(size_t count, Random& random) {
  std::vector<ChosenWord> chosen;
  // Running sums of the weights of each group (0: without the focus key, 1: with it), built once
  // per call; a draw that lands on a word already used is drawn again, and after many such
  // draws the unused words are weighed one by one.
  std::vector<bool> used(candidates_.size(), false);
  std::vector<size_t> members[2];
  std::vector<double> sums[2];
  size_t unused[2] = {0, 0};
  for (size_t i = 0; i < candidates_.size(); ++i) {
    const int group = candidates_[i].focus ? 1 : 0;
    members[group].push_back(i);
    sums[group].push_back((sums[group].empty() ? 0 : sums[group].back()) + candidates_[i].weight);
    ++unused[group];
  }
  auto draw = [&](int group) -> int {
    if (unused[group] == 0) return -1;
    for (int attempt = 0; attempt < 32; ++attempt) {
      const double at = UnitDraw(random) * sums[group].back();
      const auto it = std::upper_bound(sums[group].begin(), sums[group].end(), at);
      const size_t member = std::min(static_cast<size_t>(it - sums[group].begin()), members[group].size() - 1);
      const size_t candidate = members[group][member];
      if (!used[candidate]) return static_cast<int>(candidate);
    }
    std::vector<double> weights(members[group].size());
    for (size_t k = 0; k < weights.size(); ++k) {
      weights[k] = used[members[group][k]] ? 0 : candidates_[members[group][k]].weight;
    }
    const int member = WeightedIndex(weights, random);
    return member < 0 ? -1 : static_cast<int>(members[group][static_cast<size_t>(member)]);
  };
  while (chosen.size() < count) {
    const bool wantFocus = focusIndex_ >= 0 && UnitDraw(random) < kFocusShare;
    // The wanted group first (words with the focus key, or without), then the other.
    int picked = draw(wantFocus ? 1 : 0);
    if (picked < 0) picked = draw(wantFocus ? 0 : 1);
    if (picked >= 0) {
      used[static_cast<size_t>(picked)] = true;
      --unused[candidates_[static_cast<size_t>(picked)].focus ? 1 : 0];
      chosen.push_back(FromListed(*candidates_[static_cast<size_t>(picked)].word));
      continue;
    }
    ChosenWord made;
    if (MakePseudoWord(random, wantFocus, made) || MakePseudoWord(random, false, made)) {
      chosen.push_back(std::move(made));
      continue;
    }
    // No pair of the language joins these keys into a word: a plain run of them, a made-up word
    // all the same.
    ChosenWord plain;
    std::u32string text;
    for (int i = 0; i < 3; ++i) {
      const size_t key = i == 0 && focusIndex_ >= 0 ? static_cast<size_t>(focusIndex_)
                                                    : static_cast<size_t>(random.Below(static_cast<int32_t>(usable_.size())));
      if (key >= usable_.size()) break;
      text.push_back(characters_[key]);
      plain.keys.push_back(usable_[key]);
    }
    if (plain.keys.empty()) break;
    plain.text = EncodeUtf8(text);
    chosen.push_back(std::move(plain));
  }
  return chosen;
}
