// SPDX-License-Identifier: GPL-3.0-or-later
// A profile's chances grouped by the physical key they were taken at, and named as the
// player's layout types that key.
#include "progress/key_positions.h"

#include "platform/key_table.h"
#include "platform/text_case.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// The position whose key types the character on the layout; empty when none does.
std::string KeyTyping(const std::string& character, const KeyTable* layout) {
  if (!layout) return FindUsKey(character) ? character : std::string();
  for (const UsKey& key : UsKeys()) {
    const KeyTyped* typed = layout->Find(key.character);
    if (typed && typed->kind == KeyTyped::Kind::Character && ToLowerUtf8(typed->text) == character) return key.character;
  }
  return {};
}

}  // namespace

std::string PositionOf(const KeyChance& chance, const KeyTable* layout) {
  return chance.position.empty() ? KeyTyping(chance.key, layout) : chance.position;
}

std::vector<KeyChances> ChancesByPosition(const std::vector<KeyChance>& chances, const KeyTable* layout) {
  // Keyed by (no position, position or character), so characters without a key sort last.
  std::map<std::pair<bool, std::string>, KeyChances> groups;
  std::map<std::string, std::string> positionOfCharacter;
  for (const KeyChance& chance : chances) {
    std::string position = chance.position;
    if (position.empty()) {
      auto known = positionOfCharacter.find(chance.key);
      if (known == positionOfCharacter.end()) known = positionOfCharacter.emplace(chance.key, KeyTyping(chance.key, layout)).first;
      position = known->second;
    }
    const bool positioned = !position.empty();
    KeyChances& group = groups[{!positioned, positioned ? position : chance.key}];
    if (group.newestFirst.empty()) {
      group.position = position;
      group.name = !positioned ? chance.key : layout ? layout->MapLetter(position) : position;
    }
    group.newestFirst.push_back(chance);
  }
  std::vector<KeyChances> result;
  result.reserve(groups.size());
  for (auto& [key, group] : groups) {
    // Rows read per position and per character meet here: the newest of them all count.
    std::stable_sort(group.newestFirst.begin(), group.newestFirst.end(),
                     [](const KeyChance& a, const KeyChance& b) { return a.id > b.id; });
    if (group.newestFirst.size() > static_cast<size_t>(kChancesPerKey)) group.newestFirst.resize(kChancesPerKey);
    result.push_back(std::move(group));
  }
  return result;
}

std::vector<KeyStats> KeyStatsByPosition(const std::vector<KeyChance>& chances, const KeyTable* layout) {
  std::vector<KeyStats> result;
  for (KeyChances& group : ChancesByPosition(chances, layout)) {
    for (KeyChance& chance : group.newestFirst) chance.key = group.name;
    std::vector<KeyStats> one = KeyStatsOf(group.newestFirst);
    if (one.empty()) continue;
    one.front().position = group.position;
    result.push_back(std::move(one.front()));
  }
  return result;
}
