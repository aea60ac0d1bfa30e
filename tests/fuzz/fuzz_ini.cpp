// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as INI text, with look-ups and the integer rule checked for consistency.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ini_document.h"

namespace {

void Check(bool condition) {
  if (!condition) abort();
}

std::string SwapCase(std::string_view text) {
  std::string swapped(text);
  for (char& c : swapped) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return swapped;
}

void CheckInteger(std::string_view text) {
  int32_t value = 0;
  if (!ParseIniInteger(text, value)) {
    Check(IniIntegerOr(text, 17) == 17 && IniIntegerOr(text, -3) == -3);
    return;
  }
  // Another default than the value itself, without overflowing at the largest value.
  const int32_t other = value == INT32_MAX ? value - 1 : value + 1;
  Check(IniIntegerOr(text, other) == value);
  // The decimal text of any number reads back as that number.
  int32_t again = 0;
  Check(ParseIniInteger(std::to_string(value), again) && again == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const IniDocument document = IniDocument::Parse(text);
  CheckInteger(text);

  int previousLine = 0;
  for (const IniSection& section : document.Sections()) {
    Check(section.line > previousLine);
    previousLine = section.line;
    const IniSection* found = document.FindSection(SwapCase(section.name));
    Check(found != nullptr && found->line <= section.line);
    for (const IniEntry& entry : section.entries) {
      Check(entry.line > previousLine);
      previousLine = entry.line;
      Check(entry.value.size() <= 2047);
      Check(entry.key.find('\n') == std::string::npos);
      Check(entry.value.find('\n') == std::string::npos);
      if (found == &section) {
        const IniEntry* first = document.FindEntry(section.name, SwapCase(entry.key));
        Check(first != nullptr && first->line <= entry.line);
      }
      CheckInteger(entry.value);
    }
  }
  return 0;
}
