// SPDX-License-Identifier: GPL-3.0-or-later
// Typing words at figures: the first letter locks the figure whose word it starts, further letters
// must continue that word, and completing the word shoots the figure.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one key press did in a word wave.
enum class WordKeyResult {
  Dropped,    // an auto-repeat, or the space bar: neither a shot nor a miss
  Locked,     // the first letter picked a figure (the word is not complete yet)
  Continued,  // the next letter of the locked word
  Completed,  // the word's last letter: the figure is shot
  Miss,       // no word starts with the letter, or it does not continue the locked word
};

struct WordKeyOutcome {
  WordKeyResult result = WordKeyResult::Dropped;
  int figure = -1;      // the figure the letter went to (locked or picked); -1 for a miss without a lock
  bool enemy = false;   // for Completed: an enemy (a hit) or a townsperson (a civilian)
  size_t letters = 0;   // for Completed: the letters of the word
  size_t position = 0;  // for Locked, Continued, Completed: the index of the letter in its word
};

class WordTyping {
public:
  // A figure has come up with a word (lower-case UTF-8); figures are kept in the order they came up.
  void FigureReady(int figure, const std::string& word, bool enemy);
  // The figure can no longer be shot (it acts, sinks or leaves): its word goes, and its lock ends.
  void FigureGone(int figure);
  // Every figure goes (a wave or the drill ends).
  void Clear();

  // One key press: text is what the key typed (its first character counts, compared in lower
  // case). In a word wave no press is dropped because another key is still down; only
  // auto-repeats are, and the space bar does nothing.
  WordKeyOutcome KeyPress(std::string_view text, bool autoRepeat);

  // The locked figure, if any, and how many letters of its word are typed (marked on its plaque).
  std::optional<int> Locked() const;
  size_t TypedLetters(int figure) const;
  // The figures with words, in the order they came up.
  std::vector<int> Figures() const;
  // Whether any figure stands with a word to type.
  bool AnyReady() const { return !figures_.empty(); }

private:
  struct Figure {
    int id;
    std::u32string word;
    bool enemy;
    size_t typed = 0;
  };
  Figure* Find(int figure);
  const Figure* Find(int figure) const;

  std::vector<Figure> figures_;
  std::optional<int> locked_;
};
