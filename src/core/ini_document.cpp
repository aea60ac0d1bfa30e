// SPDX-License-Identifier: GPL-3.0-or-later
// INI text parsing and the INI integer rule.
#include "core/ini_document.h"

#include "platform/text_case.h"

#include <cstdint>

namespace {

constexpr size_t kMaxValueLength = 2047;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits only, at least one; the value must fit 32 bits (leading zeros are free).
bool ParseHex(std::string_view digits, uint32_t& out) {
  if (digits.empty()) return false;
  uint32_t value = 0;
  for (char c : digits) {
    int digit = HexDigit(c);
    if (digit < 0 || value > 0x0FFFFFFFu) return false;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  out = value;
  return true;
}

// Decimal digits only, at least one; the magnitude may reach 2^31 so that the most negative
// number can be written.
bool ParseDecimalMagnitude(std::string_view digits, uint32_t& out) {
  if (digits.empty()) return false;
  uint32_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    uint32_t digit = static_cast<uint32_t>(c - '0');
    if (value > (0x80000000u - digit) / 10) return false;
    value = value * 10 + digit;
  }
  out = value;
  return true;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument document;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

  IniSection* current = nullptr;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;

    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      std::string_view name = line.substr(1);
      name = Trim(name.substr(0, name.find(']')));
      document.sections_.push_back(IniSection{std::string(name), lineNumber, {}});
      current = &document.sections_.back();
      continue;
    }
    if (current == nullptr) continue;
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view value = StripQuotes(Trim(line.substr(equals + 1)));
    if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
    current->entries.push_back(
        IniEntry{std::string(Trim(line.substr(0, equals))), std::string(value), lineNumber});
  }
  return document;
}

const IniSection* IniDocument::FindSection(std::string_view name) const {
  for (const IniSection& section : sections_) {
    if (EqualsNoCaseAscii(section.name, name)) return &section;
  }
  return nullptr;
}

const IniEntry* IniDocument::FindEntry(std::string_view section, std::string_view key) const {
  const IniSection* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const IniEntry& entry : found->entries) {
    if (EqualsNoCaseAscii(entry.key, key)) return &entry;
  }
  return nullptr;
}

bool ParseIniInteger(std::string_view text, int32_t& out) {
  uint32_t value = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (!ParseHex(text.substr(2), value)) return false;
    out = static_cast<int32_t>(value);
    return true;
  }

  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string_view rest = text.substr(i);
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    if (!ParseHex(rest.substr(1), value)) return false;
  } else {
    if (!ParseDecimalMagnitude(rest, value)) return false;
    if (!negative && value > 0x7FFFFFFFu) return false;
  }
  // Unsigned negation wraps exactly as the hexadecimal range demands.
  out = static_cast<int32_t>(negative ? 0u - value : value);
  return true;
}

int32_t IniIntegerOr(std::string_view text, int32_t fallback) {
  int32_t value = 0;
  return ParseIniInteger(text, value) ? value : fallback;
}
