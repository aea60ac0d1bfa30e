// SPDX-License-Identifier: GPL-3.0-or-later
// What the keys of a keyboard type unshifted, named by their positions on a US keyboard.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one key types at its unshifted level.
struct KeyTyped {
  enum class Kind { Character, DeadKey, NoCharacter };
  Kind kind = Kind::NoCharacter;
  std::string text;  // UTF-8; set only for a character
  std::string symbol;  // the key's symbol name ("dead_circumflex", "Control_L"), for reports
  bool operator==(const KeyTyped&) const = default;
};

// A US key position: the character the key types unshifted on a US keyboard, and the key's
// evdev code (the X keycode is 8 more).
struct UsKey {
  const char* character;
  int evdevCode;
};

// The 47 keys of the US typing area, number row to bottom row.
const std::vector<UsKey>& UsKeys();
// The key whose unshifted US character is the text; null when it names no key.
const UsKey* FindUsKey(std::string_view character);
// The key with that evdev code; null when it is none of the 47.
const UsKey* FindUsKeyByEvdevCode(int evdevCode);

class KeyTable {
public:
  void Set(std::string_view usCharacter, KeyTyped typed);
  // What the key at that US position types; null when the table has no such key.
  const KeyTyped* Find(std::string_view usCharacter) const;
  // The character a level letter that names a US key becomes: what the key types, lower-cased
  // (typed characters are lower-cased before they are compared). A letter that names no key,
  // a dead key, or a key that types nothing printable keeps the letter as written.
  std::string MapLetter(const std::string& letter) const;
  bool operator==(const KeyTable&) const = default;

private:
  std::map<std::string, KeyTyped, std::less<>> keys_;
};
