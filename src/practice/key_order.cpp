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

namespace {

// Whether text is one lower-case letter: it has an upper case of its own, or it is ß, which
// has none as a single character.
bool IsLowerCaseLetter(const std::string& text) {
  if (text == "\xc3\x9f") return true;
  const std::string first = FirstCharacterUtf8(text);
  return first == text && ToLowerUtf8(text) == text && ToUpperUtf8(text) != text;
}

// Where the keys only a layout has join: after `b`, else before the first digit, else at the end.
size_t JoiningIndex(const std::vector<KeyIntroduction>& order) {
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i].position == "b") return i + 1;
  }
  for (size_t i = 0; i < order.size(); ++i) {
    const char c = order[i].position.size() == 1 ? order[i].position[0] : '\0';
    if (c >= '0' && c <= '9') return i;
  }
  return order.size();
}

}  // namespace

std::vector<KeyIntroduction> LayoutOnlyLetters(const std::vector<KeyIntroduction>& order, const KeyTable& layout) {
  // The rows as the levels teach them: the home row first.
  static const char* const kRowsByTeaching[] = {"asdfghjkl;'\\", "qwertyuiop[]", "zxcvbnm,./", "`1234567890-="};
  // No level introduces them: they count as coming after the last, never among the first keys.
  int level = 0;
  for (const KeyIntroduction& key : order) level = std::max(level, key.level);
  ++level;
  std::vector<KeyIntroduction> extra;
  for (const char* row : kRowsByTeaching) {
    for (const char* c = row; *c; ++c) {
      const std::string position(1, *c);
      const bool known = std::any_of(order.begin(), order.end(),
                                     [&](const KeyIntroduction& k) { return k.position == position; });
      if (known) continue;
      const KeyTyped* typed = layout.Find(position);
      if (!typed || typed->kind != KeyTyped::Kind::Character || !IsLowerCaseLetter(typed->text)) continue;
      extra.push_back({position, level});
    }
  }
  return extra;
}

UsableKeys UsableKeysOf(const std::vector<KeyIntroduction>& levelOrder, const KeyTable* layout) {
  UsableKeys result;
  std::vector<KeyIntroduction> order = levelOrder;
  if (layout) {
    const std::vector<KeyIntroduction> extra = LayoutOnlyLetters(levelOrder, *layout);
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(JoiningIndex(levelOrder)), extra.begin(), extra.end());
  }
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
