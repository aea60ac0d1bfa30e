// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the levels teach, and where they sit on the keyboard the progress screen draws.
#include "progress/taught_keys.h"

#include "level/place_letters.h"
#include "platform/key_table.h"
#include "platform/text_case.h"
#include "core/ini_store.h"

#include <algorithm>

namespace {
const char* const kRows[] = {"1234567890-=", "qwertyuiop[]", "asdfghjkl;'", "zxcvbnm,./"};

bool Contains(const std::vector<std::string>& keys, const std::string& key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}
}  // namespace

std::vector<std::string> TaughtKeys(const std::string& appDir, int lastLevel, const KeyTable* layout) {
  std::vector<std::string> keys;
  for (int n = 1; n <= lastLevel; ++n) {
    const IniStore map(appDir + "Maps/Level" + std::to_string(n) + "/Map.ini");
    const bool byPosition = layout && ReadLetterLayout(map) == LetterLayout::UsKeys;
    for (const std::string& section : map.ReadSections()) {
      if (EqualsNoCaseAscii(section, "Map") || EqualsNoCaseAscii(section, "Objects")) continue;
      std::string letter = map.ReadString(section, "letter", "");
      if (byPosition) letter = layout->MapLetter(letter);
      const std::string key = ToLowerUtf8(FirstCharacterUtf8(letter));
      if (!key.empty() && !Contains(keys, key)) keys.push_back(key);
    }
  }
  return keys;
}

std::vector<std::vector<std::string>> KeyboardPositions() {
  std::vector<std::vector<std::string>> rows;
  for (const char* row : kRows) {
    std::vector<std::string> keys;
    for (const char* c = row; *c; ++c) keys.emplace_back(1, *c);
    rows.push_back(std::move(keys));
  }
  return rows;
}

std::vector<std::vector<std::string>> KeyboardRows(const std::vector<std::string>& taught, const KeyTable* layout) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> all;
  for (const char* row : kRows) {
    std::vector<std::string> keys;
    // A key that types nothing printable there keeps its US name, as a level's letter does.
    for (const char* c = row; *c; ++c) keys.push_back(layout ? layout->MapLetter(std::string(1, *c)) : std::string(1, *c));
    all.insert(all.end(), keys.begin(), keys.end());
    rows.push_back(std::move(keys));
  }
  std::vector<std::string> extra;
  for (const std::string& key : taught) {
    if (!Contains(all, key)) extra.push_back(key);
  }
  if (!extra.empty()) rows.push_back(std::move(extra));
  return rows;
}
