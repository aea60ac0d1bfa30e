// The letters of a level's places, mapped from US key positions to the active layout at load.
#include "level/place_letters.h"

#include "platform/keyboard_layout.h"
#include "platform/text_case.h"
#include "profiles/ini_store.h"

LetterLayout ParseLetterLayout(std::string_view value) {
  if (value.empty()) return LetterLayout::AsWritten;
  if (EqualsNoCaseAscii(value, "us")) return LetterLayout::UsKeys;
  return LetterLayout::Unknown;
}

LetterLayout ReadLetterLayout(const IniStore& map) { return ParseLetterLayout(map.ReadString("Map", "Layout", "")); }

std::optional<std::vector<std::string>> MapPlaceLetters(const IniStore& map, const std::vector<std::string>& places,
                                                        KeyboardLayout* keyboard) {
  // The platform is asked only for levels that need it, and at every load: the player may have
  // switched layouts since the last level.
  if (!keyboard || ReadLetterLayout(map) != LetterLayout::UsKeys) return std::nullopt;
  const std::optional<KeyTable> table = keyboard->ActiveTable();
  if (!table) return std::nullopt;
  std::vector<std::string> letters;
  letters.reserve(places.size());
  for (const std::string& place : places) letters.push_back(table->MapLetter(map.ReadString(place, "letter", "")));
  return letters;
}
