// SPDX-License-Identifier: GPL-3.0-or-later
// Commonness ranks of words: reading the shipped rank tables and SCOWL's graded lists.
#include "words/word_ranks.h"

#include "words/word_list.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

// SCOWL's size grades, commonest first; beyond 70 the words are rare or archaic and stay unranked.
constexpr std::array<int, 8> kScowlGrades = {10, 20, 35, 40, 50, 55, 60, 70};
// A table or a SCOWL list larger than this is no list of ours.
constexpr int64_t kMaxTableBytes = 4 * 1024 * 1024;

// Calls line(text) for each line, CR before LF dropped.
template <typename Line>
void ForEachLine(std::string_view text, Line line) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view one = text.substr(start, end - start);
    start = end + 1;
    if (!one.empty() && one.back() == '\r') one.remove_suffix(1);
    if (!one.empty()) line(one);
  }
}

}  // namespace

std::optional<WordRanks> WordRanks::FromTable(std::string_view text) {
  WordRanks ranks;
  ForEachLine(text, [&](std::string_view line) {
    if (line.front() == '#') return;
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || space == 0 || space + 1 >= line.size()) return;
    uint32_t rank = 0;
    for (char c : line.substr(0, space)) {
      if (c < '0' || c > '9') return;
      // Clamped: a rank past the range reads as the last one.
      rank = rank > 100000000 ? rank : rank * 10 + static_cast<uint32_t>(c - '0');
    }
    if (rank == 0) return;
    // The first rank a word gets stands.
    ranks.ranks_.try_emplace(std::string(line.substr(space + 1)), rank);
  });
  if (ranks.ranks_.empty()) return std::nullopt;
  return ranks;
}

std::optional<WordRanks> WordRanks::FromTableFile(const std::string& path) {
  const std::optional<std::string> text = ReadWordFile(path, kMaxTableBytes);
  if (!text) return std::nullopt;
  return FromTable(*text);
}

std::optional<WordRanks> WordRanks::FromScowl(const std::string& dir) {
  WordRanks ranks;
  const std::string folder = dir.empty() || dir.back() == '/' ? dir : dir + "/";
  uint32_t before = 0;  // words of the grades read so far
  bool any = false;
  for (int grade : kScowlGrades) {
    std::vector<std::string> texts;
    std::vector<std::string_view> words;
    for (const char* list : {"english-words.", "american-words."}) {
      std::optional<std::string> text = ReadWordFile(folder + list + std::to_string(grade), kMaxTableBytes);
      if (!text) continue;
      any = true;
      texts.push_back(std::move(*text));
    }
    for (const std::string& text : texts) ForEachLine(text, [&](std::string_view line) { words.push_back(line); });
    const uint32_t middle = before + static_cast<uint32_t>(words.size() / 2) + 1;
    // Only words a plaque can carry are kept: the others count for the bands alone.
    for (std::string_view word : words) {
      if (CountCodePoints(word) <= WordList::kMaxLetters) ranks.ranks_.try_emplace(std::string(word), middle);
    }
    before += static_cast<uint32_t>(words.size());
  }
  if (!any) return std::nullopt;
  return ranks;
}

uint32_t WordRanks::Of(std::string_view word) const {
  const auto it = ranks_.find(std::string(word));
  return it == ranks_.end() ? 0 : it->second;
}

double CommonnessWeight(uint32_t rank) {
  if (rank == 0) return 0.25;
  if (rank > WordRanks::kCommonRank) return 1;
  return 1000 / std::sqrt(static_cast<double>(rank));
}

std::unordered_set<std::string> ReadScowlNames(const std::string& dir) {
  std::unordered_set<std::string> names;
  const std::string folder = dir.empty() || dir.back() == '/' ? dir : dir + "/";
  for (int grade : {35, 40, 50, 60, 70, 80}) {
    for (const char* list : {"english-proper-names.", "american-proper-names."}) {
      if (const std::optional<std::string> text = ReadWordFile(folder + list + std::to_string(grade), kMaxTableBytes)) {
        // Only names as short as a plaque's nouns are ever looked up.
        ForEachLine(*text, [&](std::string_view line) {
          if (CountCodePoints(line) <= WordList::kMaxLetters) names.emplace(line);
        });
      }
    }
  }
  return names;
}

bool IsRomanNumeral(std::string_view word) {
  // Thousands, hundreds, tens and units, each in its canonical form (as "mcmxc").
  static const std::array<std::array<std::string_view, 10>, 3> digits = {{
      {"", "c", "cc", "ccc", "cd", "d", "dc", "dcc", "dccc", "cm"},
      {"", "x", "xx", "xxx", "xl", "l", "lx", "lxx", "lxxx", "xc"},
      {"", "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix"},
  }};
  if (word.empty()) return false;
  size_t at = 0;
  while (at < word.size() && at < 3 && word[at] == 'm') ++at;
  for (const auto& place : digits) {
    // The longest form that matches here (so "viii" is not read as "v" then junk).
    size_t best = 0;
    for (std::string_view form : place) {
      if (form.size() > best && word.substr(at, form.size()) == form) best = form.size();
    }
    at += best;
  }
  return at == word.size();
}
