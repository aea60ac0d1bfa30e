// SPDX-License-Identifier: GPL-3.0-or-later
// The letters of a level's places as the player types them: as written, or by key position.
#pragma once
#include "platform/key_table.h"
#include "platform/player_notice.h"

#include <cstddef>
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

// How a level's places are typed on the player's layout, in place order.
struct PlaceKeys {
  // For a level whose letters name US keys, read through the active layout: the character each
  // place's key types there. Nullopt when the letters are taken as written (no Layout, an unknown
  // one, no keyboard service, or a layout that cannot be read).
  std::optional<std::vector<std::string>> letters;
  // The US key each place's letter names, for a level whose letters name US keys; an empty
  // string for a letter that names no key, and for every place of any other level.
  std::vector<std::string> positions;
  // The places whose key types no character on the layout, by index: nobody can shoot there.
  std::vector<size_t> untypable;
  // The layout the letters were read through.
  std::optional<KeyTable> layout;
};

PlaceKeys ReadPlaceKeys(const IniStore& map, const std::vector<std::string>& places, KeyboardLayout* keyboard);

// Whether the key at a US position types no character on the layout (no symbol, a dead key, or
// nothing printable): a tag for it falls back to the US letter, which that key cannot type. A
// text that names no US key is not judged.
bool KeyTypesNoCharacter(const KeyTable& layout, std::string_view usKey);

// What the player is told at the start of a level with places nobody can type: tags are the
// letters the tags show, in place order.
PlayerNotice UntypableNotice(const std::vector<std::string>& tags);
