// SPDX-License-Identifier: GPL-3.0-or-later
// INI text parsed into sections and keys, with line numbers, by the rules every INI file obeys.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct IniEntry {
  std::string key;
  std::string value;  // trimmed, one pair of surrounding quotes removed, at most 2047 characters
  int line = 0;       // 1-based line in the file
};

struct IniSection {
  std::string name;
  int line = 0;
  std::vector<IniEntry> entries;
};

class IniDocument {
public:
  // Accepts any bytes: CR LF or LF line ends, a UTF-8 byte-order mark, lines without "=",
  // binary garbage. Never throws.
  static IniDocument Parse(std::string_view text);

  // Sections in file order, duplicates included. Names compare without regard to letter case;
  // for look-ups the first section of a name, and the first key of a name in it, wins.
  const std::vector<IniSection>& Sections() const { return sections_; }
  const IniSection* FindSection(std::string_view name) const;
  const IniEntry* FindEntry(std::string_view section, std::string_view key) const;

private:
  std::vector<IniSection> sections_;
};

// Integer text as the INI store reads it: "0x"/"0X" followed by hexadecimal digits (text longer
// than two characters); otherwise optional leading blanks, an optional sign, then decimal digits
// or hexadecimal digits after "$", "x" or "X". Anything else, trailing text included, is not an
// integer. Hexadecimal values up to FFFFFFFF wrap into the signed 32-bit range.
bool ParseIniInteger(std::string_view text, int32_t& out);
int32_t IniIntegerOr(std::string_view text, int32_t fallback);
