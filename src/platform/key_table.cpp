// SPDX-License-Identifier: GPL-3.0-or-later
// US key positions and the table of what each key types on some layout.
#include "platform/key_table.h"

#include "platform/keyboard_layout.h"

#include "platform/text_case.h"

#include <algorithm>

const std::vector<UsKey>& UsKeys() {
  static const std::vector<UsKey> keys = {
      {"`", 41}, {"1", 2},  {"2", 3},  {"3", 4},  {"4", 5},  {"5", 6},  {"6", 7},  {"7", 8},
      {"8", 9},  {"9", 10}, {"0", 11}, {"-", 12}, {"=", 13}, {"q", 16}, {"w", 17}, {"e", 18},
      {"r", 19}, {"t", 20}, {"y", 21}, {"u", 22}, {"i", 23}, {"o", 24}, {"p", 25}, {"[", 26},
      {"]", 27}, {"a", 30}, {"s", 31}, {"d", 32}, {"f", 33}, {"g", 34}, {"h", 35}, {"j", 36},
      {"k", 37}, {"l", 38}, {";", 39}, {"'", 40}, {"\\", 43}, {"z", 44}, {"x", 45}, {"c", 46},
      {"v", 47}, {"b", 48}, {"n", 49}, {"m", 50}, {",", 51}, {".", 52}, {"/", 53}};
  return keys;
}

const UsKey* FindUsKey(std::string_view character) {
  const std::vector<UsKey>& keys = UsKeys();
  auto it = std::find_if(keys.begin(), keys.end(), [&](const UsKey& key) { return character == key.character; });
  return it == keys.end() ? nullptr : &*it;
}

const UsKey* FindUsKeyByEvdevCode(int evdevCode) {
  const std::vector<UsKey>& keys = UsKeys();
  auto it = std::find_if(keys.begin(), keys.end(), [&](const UsKey& key) { return key.evdevCode == evdevCode; });
  return it == keys.end() ? nullptr : &*it;
}

std::string UsKeyOfXkbKeycode(uint32_t keycode) {
  constexpr uint32_t kEvdevToXkb = 8;
  if (keycode < kEvdevToXkb || keycode > 0xFFFF) return {};
  const UsKey* key = FindUsKeyByEvdevCode(static_cast<int>(keycode - kEvdevToXkb));
  return key ? key->character : std::string();
}

void KeyTable::Set(std::string_view usCharacter, KeyTyped typed) {
  keys_.insert_or_assign(std::string(usCharacter), std::move(typed));
}

const KeyTyped* KeyTable::Find(std::string_view usCharacter) const {
  auto it = keys_.find(usCharacter);
  return it == keys_.end() ? nullptr : &it->second;
}

std::string KeyTable::MapLetter(const std::string& letter) const {
  const KeyTyped* typed = Find(letter);
  if (!typed || typed->kind != KeyTyped::Kind::Character || typed->text.empty()) return letter;
  return ToLowerUtf8(typed->text);
}
