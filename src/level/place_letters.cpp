// SPDX-License-Identifier: GPL-3.0-or-later
// The letters of a level's places, mapped from US key positions to the active layout at load.
#include "level/place_letters.h"

#include "platform/keyboard_layout.h"
#include "platform/text_case.h"
#include "core/ini_store.h"

LetterLayout ParseLetterLayout(std::string_view value) {
  if (value.empty()) return LetterLayout::AsWritten;
  if (EqualsNoCaseAscii(value, "us")) return LetterLayout::UsKeys;
  return LetterLayout::Unknown;
}

LetterLayout ReadLetterLayout(const IniStore& map) { return ParseLetterLayout(map.ReadString("Map", "Layout", "")); }

bool KeyTypesNoCharacter(const KeyTable& layout, std::string_view usKey) {
  if (!FindUsKey(usKey)) return false;
  const KeyTyped* typed = layout.Find(usKey);
  return !typed || typed->kind != KeyTyped::Kind::Character || typed->text.empty();
}

PlaceKeys ReadPlaceKeys(const IniStore& map, const std::vector<std::string>& places, KeyboardLayout* keyboard) {
  PlaceKeys keys;
  keys.positions.assign(places.size(), std::string());
  if (ReadLetterLayout(map) != LetterLayout::UsKeys) return keys;
  std::vector<std::string> written;
  written.reserve(places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    written.push_back(map.ReadString(places[i], "letter", ""));
    if (FindUsKey(written.back())) keys.positions[i] = written.back();
  }
  // The platform is asked only for levels that need it, and at every load: the player may have
  // switched layouts since the last level.
  if (!keyboard) return keys;
  keys.layout = keyboard->ActiveTable();
  if (!keys.layout) return keys;
  std::vector<std::string> letters;
  letters.reserve(places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    letters.push_back(keys.layout->MapLetter(written[i]));
    if (KeyTypesNoCharacter(*keys.layout, written[i])) keys.untypable.push_back(i);
  }
  keys.letters = std::move(letters);
  return keys;
}

PlayerNotice UntypableNotice(const std::vector<std::string>& tags) {
  PlayerNotice notice{PlayerNotice::Kind::UntypableKeys, {}};
  for (const std::string& tag : tags) notice.args.push_back(ToUpperUtf8(tag));
  return notice;
}
