// SPDX-License-Identifier: GPL-3.0-or-later
// A language's word list in memory: its short lower-case words and the letter pairs of all its words.
#pragma once
#include "words/words_language.h"

#include <cstdint>
#include <map>
#include <unordered_set>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A word of the list, its characters as indices into the list's alphabet.
struct ListedWord {
  std::string text;  // UTF-8 as written: lower case, or a German noun capitalised
  std::vector<uint8_t> letters;  // in lower case: a noun's first letter is typed without Shift
  uint64_t mask = 0;  // bit i set when the word uses alphabet character i
  uint32_t rank = 0;  // how common the word is in its language (1 the commonest), 0 when unknown
  bool romanNumeral = false;  // written like a Roman numeral ("ii", "lii", also "mix")
  bool blocked = false;       // on the block list of the list's language (see WordList::MarkBlocked)
};

class WordRanks;

// How a list is read beyond its lower-case words.
struct WordListOptions {
  // Keep the capitalised entries that are nouns (German): see IsListedNoun.
  bool keepNouns = false;
  // Names that are never nouns, whatever their inflections suggest.
  const std::unordered_set<std::string>* names = nullptr;
};

class WordList {
public:
  static constexpr size_t kMinLetters = 2;
  static constexpr size_t kMaxLetters = 6;
  static constexpr size_t kMaxAlphabet = 64;
  static constexpr char32_t kBoundary = 0;  // stands before a word's first and after its last letter
  // The largest list file read: over three times Debian's largest word list (ngerman, 4.7 MB),
  // and small enough to be read in a few tenths of a second on a slow machine.
  static constexpr int64_t kMaxFileBytes = 16 * 1024 * 1024;
  // Short words kept at most: Debian's lists have up to 26,000 (French); a list with more gives
  // its further words to the letter pairs only, so no list costs more memory or time than this.
  static constexpr size_t kMaxWords = 100000;

  // A Debian word list's text: one word a line, UTF-8, LF or CRLF line ends. Entries with an upper-case
  // letter (proper nouns, abbreviations), an apostrophe, a hyphen, a digit or any other non-letter
  // are left out. Short words (kMinLetters to kMaxLetters) are kept as words, the first
  // kMaxWords of them; every kept lower-case entry counts towards the letter pairs. With
  // options.keepNouns, a capitalised entry of 3 to kMaxLetters letters that is a noun
  // (IsListedNoun) is kept too, as written.
  static WordList FromText(std::string_view text, const WordListOptions& options = {});
  // Nullopt when the file cannot be read, is no regular file (a pipe, a device, a folder, also
  // behind a link) or holds more than kMaxFileBytes: such a list counts as missing. Never waits
  // for a writer, however the file is made.
  static std::optional<WordList> FromFile(const std::string& path, const WordListOptions& options = {});
  // No words; the letter pairs of the built-in English table.
  static WordList BuiltInEnglish();

  const std::vector<ListedWord>& Words() const { return words_; }
  const std::vector<char32_t>& Alphabet() const { return alphabet_; }
  // Index of the character in the alphabet, or -1.
  int IndexOf(char32_t character) const;
  // How often b follows a (kBoundary for a word's start or end); 0 when never.
  uint32_t PairCount(char32_t a, char32_t b) const;
  // Whether the list's words were read (false for the built-in table).
  bool HasWords() const { return hasWords_; }
  // Gives each word its rank in ranks (0 for a word not ranked there).
  void ApplyRanks(const WordRanks& ranks);
  // Whether any word has a rank.
  bool Ranked() const { return ranked_; }
  // Judges every word against the language's block list once (ListedWord::blocked), so that
  // filtering the list for a key set need not; BlockedFor says for which language.
  void MarkBlocked(WordLanguage language);
  std::optional<WordLanguage> BlockedFor() const { return blockedFor_; }

private:
  int AddToAlphabet(char32_t character);
  std::vector<ListedWord> words_;
  std::vector<char32_t> alphabet_;
  std::map<std::pair<char32_t, char32_t>, uint32_t> pairs_;
  bool hasWords_ = false;
  bool ranked_ = false;
  std::optional<WordLanguage> blockedFor_;
};

// Code points in UTF-8 text (bytes that do not continue a character).
size_t CountCodePoints(std::string_view text);

// Whether a capitalised entry of a German list (UTF-8, its first letter upper case, the rest lower
// case, 3 letters at least) is a noun rather than a name: no name in names, and the list holds a
// plural or dative form of it (+n, +en, +nen, umlaut +e or +er; +er only with +ern and +es, as
// Kind, Kinder, Kindern, Kindes: a town's +er is its people, Berliner), or it is such a form of
// a noun (Kinder, Häuser). capitalised holds the list's capitalised entries.
bool IsListedNoun(std::string_view entry, const std::unordered_set<std::string_view>& capitalised,
                  const std::unordered_set<std::string>* names);

// The whole text of a regular file of at most maxBytes; nullopt for anything else (see FromFile).
std::optional<std::string> ReadWordFile(const std::string& path, int64_t maxBytes);

// UTF-8 text as code points; nullopt when it is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
