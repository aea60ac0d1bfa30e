// The letters of a level's places as the player types them: as written, or by key position.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniStore;
class KeyboardLayout;

// The value of Layout in section Map: how the places' letters are meant.
enum class LetterLayout {
  AsWritten,  // empty: the letters are the characters typed
  UsKeys,     // "us": each letter names a key by its position on a US keyboard
  Unknown,    // anything else: played as written
};
LetterLayout ParseLetterLayout(std::string_view value);
LetterLayout ReadLetterLayout(const IniStore& map);

// For a level whose letters name US keys, the letter of each named place mapped through the
// active layout; nullopt when the letters are taken as written (no Layout, an unknown one, no
// keyboard service, or a layout that cannot be read).
std::optional<std::vector<std::string>> MapPlaceLetters(const IniStore& map, const std::vector<std::string>& places,
                                                        KeyboardLayout* keyboard);
