// SPDX-License-Identifier: GPL-3.0-or-later
// Word typing: locking a figure by its word's first letter, continuing and completing the word.
#include "words/word_typing.h"

#include "platform/text_case.h"
#include "words/word_list.h"

#include <algorithm>

WordTyping::Figure* WordTyping::Find(int figure) {
  auto it = std::find_if(figures_.begin(), figures_.end(), [&](const Figure& f) { return f.id == figure; });
  return it == figures_.end() ? nullptr : &*it;
}

const WordTyping::Figure* WordTyping::Find(int figure) const {
  auto it = std::find_if(figures_.begin(), figures_.end(), [&](const Figure& f) { return f.id == figure; });
  return it == figures_.end() ? nullptr : &*it;
}

void WordTyping::FigureReady(int figure, const std::string& word, bool enemy) {
  FigureGone(figure);
  const std::optional<std::u32string> letters = DecodeUtf8(ToLowerUtf8(word));
  if (!letters || letters->empty()) return;
  figures_.push_back(Figure{figure, *letters, enemy});
}

void WordTyping::FigureGone(int figure) {
  figures_.erase(std::remove_if(figures_.begin(), figures_.end(), [&](const Figure& f) { return f.id == figure; }),
                 figures_.end());
  if (locked_ == figure) locked_.reset();
}

void WordTyping::Clear() {
  figures_.clear();
  locked_.reset();
}

std::optional<int> WordTyping::Locked() const { return locked_; }

std::vector<int> WordTyping::Figures() const {
  std::vector<int> ids;
  for (const Figure& figure : figures_) ids.push_back(figure.id);
  return ids;
}

size_t WordTyping::TypedLetters(int figure) const {
  const Figure* f = Find(figure);
  return f ? f->typed : 0;
}

WordKeyOutcome WordTyping::KeyPress(std::string_view text, bool autoRepeat) {
  WordKeyOutcome outcome;
  if (autoRepeat) return outcome;
  const std::optional<std::u32string> typed = DecodeUtf8(ToLowerUtf8(FirstCharacterUtf8(text)));
  if (!typed || typed->empty() || typed->front() == U' ') return outcome;
  const char32_t letter = typed->front();

  Figure* target = locked_ ? Find(*locked_) : nullptr;
  if (target) {
    if (target->typed >= target->word.size() || target->word[target->typed] != letter) {
      outcome.result = WordKeyResult::Miss;
      outcome.figure = target->id;
      return outcome;
    }
  } else {
    // The figure that came up first among those whose word starts with the letter.
    auto it = std::find_if(figures_.begin(), figures_.end(), [&](const Figure& f) { return f.word.front() == letter; });
    if (it == figures_.end()) {
      outcome.result = WordKeyResult::Miss;
      return outcome;
    }
    target = &*it;
    target->typed = 0;
    locked_ = target->id;
  }
  outcome.figure = target->id;
  outcome.position = target->typed;
  ++target->typed;
  if (target->typed == target->word.size()) {
    outcome.result = WordKeyResult::Completed;
    outcome.enemy = target->enemy;
    outcome.letters = target->word.size();
    FigureGone(target->id);
  } else {
    outcome.result = outcome.position == 0 ? WordKeyResult::Locked : WordKeyResult::Continued;
  }
  return outcome;
}
