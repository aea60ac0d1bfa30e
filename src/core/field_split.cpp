// SPDX-License-Identifier: GPL-3.0-or-later
// Values made of several fields, split as every level file expects.
#include "core/field_split.h"

#include "platform/game_error.h"
#include "core/ini_document.h"

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= ' '; }
constexpr char kDelimiter = ':';
constexpr char kQuote = '"';
}  // namespace

std::vector<std::string> SplitFields(std::string_view text) {
  std::vector<std::string> fields;
  // A zero byte ends the text, as it would a C string.
  if (size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  size_t p = 0;
  const size_t n = text.size();
  while (p < n && IsBlank(text[p])) ++p;
  while (p < n) {
    std::string field;
    if (text[p] == kQuote) {
      ++p;
      while (p < n) {
        if (text[p] == kQuote) {
          if (p + 1 < n && text[p + 1] == kQuote) {
            field += kQuote;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        field += text[p++];
      }
    } else {
      const size_t start = p;
      while (p < n && static_cast<unsigned char>(text[p]) > ' ' && text[p] != kDelimiter) ++p;
      field.assign(text.substr(start, p - start));
    }
    fields.push_back(std::move(field));
    while (p < n && IsBlank(text[p])) ++p;
    if (p < n && text[p] == kDelimiter) {
      if (p + 1 == n) fields.emplace_back();
      do {
        ++p;
      } while (p < n && IsBlank(text[p]));
    }
  }
  return fields;
}

int32_t IntegerOrThrow(std::string_view text, std::string_view what) {
  int32_t value = 0;
  if (!ParseIniInteger(text, value)) {
    throw GameError("'" + std::string(text) + "' is not a valid integer value for " + std::string(what));
  }
  return value;
}
