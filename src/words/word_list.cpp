// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a Debian word list: short lower-case words and letter-pair counts.
#include "words/word_list.h"

#include "platform/text_case.h"
#include "words/word_ranks.h"
#include "words/words_english_pairs.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <array>
#include <cerrno>
#include <unordered_map>
#include <unordered_set>

namespace {

// A lower-case letter: a-z, or a non-ASCII letter that is its own lower case. A letter without an
// upper case of its own (German ß) counts as lower case.
bool IsLowerLetter(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z';
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  const std::string text = EncodeUtf8(std::u32string(1, c));
  if (ToLowerUtf8(text) != text) return false;
  if (ToUpperUtf8(text) != text) return true;
  return unicode != static_cast<locale_t>(0) && iswalpha_l(static_cast<wint_t>(c), unicode);
}

}  // namespace

namespace {

// The code point at text[i], i moved past it; false for bytes that are no UTF-8.
bool DecodeOne(std::string_view text, size_t& i, char32_t& out) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    out = lead;
    ++i;
    return true;
  }
  size_t length = 0;
  char32_t c = 0, minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    return false;
  }
  if (i + length > text.size()) return false;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return false;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  out = c;
  i += length;
  return true;
}

// Whether the entry starts with an upper-case letter.
bool IsCapitalised(std::string_view line) {
  const auto lead = static_cast<unsigned char>(line.front());
  if (lead < 0x80) return lead >= 'A' && lead <= 'Z';
  size_t i = 0;
  char32_t c = 0;
  if (!DecodeOne(line, i, c)) return false;
  const std::string first(line.substr(0, i));
  return ToLowerUtf8(first) != first;
}

}  // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    if (!DecodeOne(text, i, c)) return std::nullopt;
    out.push_back(c);
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

int WordList::IndexOf(char32_t character) const {
  for (size_t i = 0; i < alphabet_.size(); ++i) {
    if (alphabet_[i] == character) return static_cast<int>(i);
  }
  return -1;
}

int WordList::AddToAlphabet(char32_t character) {
  const int found = IndexOf(character);
  if (found >= 0) return found;
  if (alphabet_.size() >= kMaxAlphabet) return -1;
  alphabet_.push_back(character);
  return static_cast<int>(alphabet_.size() - 1);
}

uint32_t WordList::PairCount(char32_t a, char32_t b) const {
  auto it = pairs_.find({a, b});
  return it == pairs_.end() ? 0 : it->second;
}

WordList WordList::FromText(std::string_view text, const WordListOptions& options) {
  WordList list;
  // Capitalised entries, judged after the whole list is read: a noun is told by its other forms.
  std::vector<std::string_view> capitalised;
  list.hasWords_ = true;
  // Pairs are counted in a flat table over the alphabet first: a map look-up per letter would
  // make loading the large lists slow.
  std::vector<uint32_t> counts((kMaxAlphabet + 1) * (kMaxAlphabet + 1), 0);
  std::vector<uint8_t> letters;
  // Each character's index in the alphabet, -1 when it is no lower-case letter (or the alphabet
  // is full), judged once per character: ASCII in a table, the rest in a map. Reading the lists
  // is a loop over every letter of every line, so nothing in it allocates.
  constexpr int kUnjudged = -2;
  std::array<int, 0x80> asciiIndex;
  asciiIndex.fill(kUnjudged);
  std::unordered_map<char32_t, int> otherIndex;
  auto indexOf = [&](char32_t c) {
    if (c < 0x80) {
      int& index = asciiIndex[c];
      if (index == kUnjudged) index = c >= 'a' && c <= 'z' ? list.AddToAlphabet(c) : -1;
      return index;
    }
    auto [it, added] = otherIndex.try_emplace(c, -1);
    if (added) it->second = IsLowerLetter(c) ? list.AddToAlphabet(c) : -1;
    return it->second;
  };
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (options.keepNouns && IsCapitalised(line)) {
      capitalised.push_back(line);
      continue;
    }
    letters.clear();
    bool fits = true;
    for (size_t i = 0; i < line.size() && fits;) {
      char32_t c = 0;
      const int index = DecodeOne(line, i, c) ? indexOf(c) : -1;
      if (index < 0) fits = false;
      else letters.push_back(static_cast<uint8_t>(index));
    }
    if (!fits) continue;
    // Index kMaxAlphabet stands for the word boundary.
    size_t previous = kMaxAlphabet;
    for (uint8_t index : letters) {
      ++counts[previous * (kMaxAlphabet + 1) + index];
      previous = index;
    }
    ++counts[previous * (kMaxAlphabet + 1) + kMaxAlphabet];
    if (letters.size() < kMinLetters || letters.size() > kMaxLetters || list.words_.size() >= kMaxWords) continue;
    ListedWord listed;
    listed.text = std::string(line);
    listed.letters = letters;
    for (uint8_t index : letters) listed.mask |= uint64_t{1} << index;
    listed.romanNumeral = IsRomanNumeral(line);
    list.words_.push_back(std::move(listed));
  }
  if (!capitalised.empty()) {
    // A noun is told by forms at most three letters longer than itself.
    std::unordered_set<std::string_view> known;
    known.reserve(capitalised.size());
    for (std::string_view line : capitalised) {
      if (CountCodePoints(line) <= kMaxLetters + 3) known.insert(line);
    }
    for (std::string_view line : capitalised) {
      if (list.words_.size() >= kMaxWords) break;
      if (CountCodePoints(line) > kMaxLetters) continue;
      const std::optional<std::u32string> written = DecodeUtf8(line);
      const std::optional<std::u32string> decoded = DecodeUtf8(ToLowerUtf8(line));
      if (!written || !decoded || decoded->size() < 3 || decoded->size() > kMaxLetters) continue;
      // The rest of the word in lower case: entries such as "ABC" or "McKay" are no nouns.
      if (written->size() != decoded->size() || written->substr(1) != decoded->substr(1)) continue;
      letters.clear();
      bool fits = true;
      for (char32_t c : *decoded) {
        const int index = indexOf(c);
        if (index < 0) fits = false;
        else letters.push_back(static_cast<uint8_t>(index));
      }
      if (!fits) continue;
      if (!IsListedNoun(line, known, options.names)) continue;
      ListedWord listed;
      listed.text = std::string(line);
      listed.letters = letters;
      for (uint8_t index : letters) listed.mask |= uint64_t{1} << index;
      list.words_.push_back(std::move(listed));
    }
  }
  const size_t size = list.alphabet_.size();
  auto character = [&](size_t index) { return index == kMaxAlphabet ? kBoundary : list.alphabet_[index]; };
  for (size_t a = 0; a <= kMaxAlphabet; ++a) {
    if (a >= size && a != kMaxAlphabet) continue;
    for (size_t b = 0; b <= kMaxAlphabet; ++b) {
      const uint32_t count = counts[a * (kMaxAlphabet + 1) + b];
      if (count) list.pairs_[{character(a), character(b)}] = count;
    }
  }
  return list;
}

// Opened without waiting (a pipe with no writer would block the opening thread for good) and
// judged by what was opened, so a link to a device or a pipe is refused too.
std::optional<std::string> ReadWordFile(const std::string& path, int64_t maxBytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> text;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxBytes) {
    std::string bytes(static_cast<size_t>(info.st_size), '\0');
    size_t filled = 0;
    bool failed = false;
    // One byte more than the size: a file that grew meanwhile past the bound is refused too.
    char extra = 0;
    while (!failed) {
      char* at = filled < bytes.size() ? bytes.data() + filled : &extra;
      const size_t room = filled < bytes.size() ? bytes.size() - filled : 1;
      const ssize_t got = read(fd, at, room);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) failed = true;
      if (got <= 0) break;
      if (filled >= bytes.size()) failed = true;  // more than the size said: it is still being written
      filled += static_cast<size_t>(got);
    }
    if (!failed) {
      bytes.resize(filled);
      text = std::move(bytes);
    }
  }
  close(fd);
  return text;
}

std::optional<WordList> WordList::FromFile(const std::string& path, const WordListOptions& options) {
  const std::optional<std::string> text = ReadWordFile(path, kMaxFileBytes);
  if (!text) return std::nullopt;
  return FromText(*text, options);
}

void WordList::MarkBlocked(WordLanguage language) {
  for (ListedWord& word : words_) word.blocked = IsBlockedWord(language, word.text);
  blockedFor_ = language;
}

size_t CountCodePoints(std::string_view text) {
  size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

void WordList::ApplyRanks(const WordRanks& ranks) {
  ranked_ = false;
  for (ListedWord& word : words_) {
    word.rank = ranks.Of(word.text);
    ranked_ = ranked_ || word.rank > 0;
  }
}

namespace {

// The word with the umlaut put on its last a, o or u (au: äu); empty when it has none.
std::string Umlauted(std::string_view word) {
  const size_t at = word.find_last_of("aou");
  if (at == std::string_view::npos || at == 0) return {};
  const char* umlaut = word[at] == 'a' ? "\xC3\xA4" : word[at] == 'o' ? "\xC3\xB6" : "\xC3\xBC";
  if (word[at] == 'u' && word[at - 1] == 'a') return std::string(word.substr(0, at - 1)) + "\xC3\xA4" "u" + std::string(word.substr(at + 1));
  return std::string(word.substr(0, at)) + umlaut + std::string(word.substr(at + 1));
}

// The word with its last umlaut taken off (äu: au); empty when it has none.
std::string WithoutUmlaut(std::string_view word) {
  for (size_t at = word.size(); at-- > 1;) {
    if (static_cast<unsigned char>(word[at - 1]) != 0xC3) continue;
    const auto second = static_cast<unsigned char>(word[at]);
    const char* plain = second == 0xA4 ? "a" : second == 0xB6 ? "o" : second == 0xBC ? "u" : nullptr;
    if (!plain) continue;
    return std::string(word.substr(0, at - 1)) + plain + std::string(word.substr(at + 1));
  }
  return {};
}

bool EndsWith(std::string_view word, std::string_view end) {
  return word.size() >= end.size() && word.substr(word.size() - end.size()) == end;
}

// A noun's own form: the list holds its plural or dative plural.
bool IsNounBase(std::string_view entry, const std::unordered_set<std::string_view>& capitalised,
                const std::unordered_set<std::string>* names) {
  if (entry.size() < 3) return false;
  if (names && names->count(std::string(entry))) return false;
  std::string form;
  auto has = [&](std::string_view base, std::string_view ending) {
    form.assign(base);
    form.append(ending);
    return capitalised.count(form) > 0;
  };
  if (has(entry, "n") || has(entry, "en") || has(entry, "nen")) return true;
  const std::string umlauted = Umlauted(entry);
  if (!umlauted.empty() && (has(umlauted, "e") || has(umlauted, "er"))) return true;
  // A town's +er is its people (Berlin, Berliner): +er counts only with +ern and the genitive +es.
  return has(entry, "er") && has(entry, "ern") && has(entry, "es");
}

}  // namespace

bool IsListedNoun(std::string_view entry, const std::unordered_set<std::string_view>& capitalised,
                  const std::unordered_set<std::string>* names) {
  if (names && names->count(std::string(entry))) return false;
  if (IsNounBase(entry, capitalised, names)) return true;
  // An inflected form of a noun (Kinder, Häuser, Haien).
  for (std::string_view ending : {"e", "en", "n", "er", "ern", "s", "es", "nen"}) {
    if (!EndsWith(entry, ending)) continue;
    // The stem must be listed itself: "Berli" is no noun because "Berlin" is listed.
    const std::string_view stem = entry.substr(0, entry.size() - ending.size());
    if (capitalised.count(stem) && IsNounBase(stem, capitalised, names)) return true;
    const std::string plain = WithoutUmlaut(stem);
    if (!plain.empty() && capitalised.count(plain) && IsNounBase(plain, capitalised, names)) return true;
  }
  return false;
}

WordList WordList::BuiltInEnglish() {
  WordList list;
  for (char c = 'a'; c <= 'z'; ++c) list.AddToAlphabet(static_cast<char32_t>(c));
  for (const EnglishPair& pair : EnglishLetterPairs()) {
    const char32_t a = pair.pair[0] == '^' ? kBoundary : static_cast<char32_t>(pair.pair[0]);
    const char32_t b = pair.pair[1] == '$' ? kBoundary : static_cast<char32_t>(pair.pair[1]);
    list.pairs_[{a, b}] = static_cast<uint32_t>(pair.weight);
  }
  return list;
}
