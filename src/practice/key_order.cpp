// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which the levels introduce key positions, and which of them a layout can type.
#include "practice/key_order.h"

#include "platform/key_table.h"
#include "platform/text_case.h"
#include "core/ini_store.h"

#include <algorithm>

std::vector<KeyIntroduction> KeyIntroductions(const std::string& appDir, int lastLevel) {
  std::vector<KeyIntroduction> order;
  for (int n = 1; n <= lastLevel; ++n) {
    const IniStore map(appDir + "Maps/Level" + std::to_string(n) + "/Map.ini");
    for (const std::string& section : map.ReadSections()) {
      if (EqualsNoCaseAscii(section, "Map") || EqualsNoCaseAscii(section, "Objects")) continue;
      const std::string letter = ToLowerUtf8(map.ReadString(section, "letter", ""));
      if (!FindUsKey(letter)) continue;
      const bool known = std::any_of(order.begin(), order.end(),
                                     [&](const KeyIntroduction& k) { return k.position == letter; });
      if (!known) order.push_back({letter, n});
    }
  }
  return order;
}

std::string TypedCharacter(const std::string& position, const KeyTable* layout) {
  if (!layout) return position;
  const KeyTyped* typed = layout->Find(position);
  if (!typed || typed->kind != KeyTyped::Kind::Character || typed->text.empty()) return "";
  return ToLowerUtf8(typed->text);
}

UsableKeys UsableKeysOf(const std::vector<KeyIntroduction>& order, const KeyTable* layout) {
  UsableKeys result;
  std::vector<std::string> typedBy;  // the character of each usable key
  for (const KeyIntroduction& key : order) {
    const std::string typed = TypedCharacter(key.position, layout);
    if (typed.empty()) {
      result.leftOut.push_back({key.position, "types nothing"});
      continue;
    }
    auto same = std::find(typedBy.begin(), typedBy.end(), typed);
    if (same != typedBy.end()) {
      result.leftOut.push_back(
          {key.position, "types the same character as " + result.keys[static_cast<size_t>(same - typedBy.begin())].position});
      continue;
    }
    typedBy.push_back(typed);
    result.keys.push_back(key);
  }
  return result;
}
