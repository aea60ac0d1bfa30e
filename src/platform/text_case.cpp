// SPDX-License-Identifier: GPL-3.0-or-later
// Letter case of UTF-8 text by Unicode simple case mapping, through the C library's wide-character
// tables.
#include "platform/text_case.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>

namespace {

// The C.UTF-8 locale carries the Unicode case tables whatever the process locale is. It is
// created once and kept for the life of the process; null when the system lacks it.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

// One decoded code point, or an invalid byte (codePoint < 0) that is copied as it is.
struct Decoded {
  int32_t codePoint;
  size_t length;
};

Decoded DecodeAt(std::string_view text, size_t pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) return {lead, 1};
  size_t length = 0;
  int32_t codePoint = 0;
  int32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, codePoint = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, codePoint = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    return {-1, 1};
  }
  if (pos + length > text.size()) return {-1, 1};
  for (size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return {-1, 1};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return {-1, 1};
  return {codePoint, length};
}

void Encode(int32_t codePoint, std::string& out) {
  const auto put = [&](int32_t value) { out.push_back(static_cast<char>(value)); };
  if (codePoint < 0x80) {
    put(codePoint);
  } else if (codePoint < 0x800) {
    put(0xC0 | (codePoint >> 6));
    put(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    put(0xE0 | (codePoint >> 12));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  } else {
    put(0xF0 | (codePoint >> 18));
    put(0x80 | ((codePoint >> 12) & 0x3F));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  }
}

int32_t MapCase(int32_t codePoint, bool upper) {
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(0)) {
    if (upper && codePoint >= 'a' && codePoint <= 'z') return codePoint - 'a' + 'A';
    if (!upper && codePoint >= 'A' && codePoint <= 'Z') return codePoint - 'A' + 'a';
    return codePoint;
  }
  const wint_t mapped = upper ? towupper_l(static_cast<wint_t>(codePoint), locale)
                              : towlower_l(static_cast<wint_t>(codePoint), locale);
  const auto result = static_cast<int32_t>(mapped);
  // A mapping into the surrogates or out of range could not be encoded; keep the original.
  if (result < 0 || result > 0x10FFFF || (result >= 0xD800 && result <= 0xDFFF)) return codePoint;
  return result;
}

std::string MapText(std::string_view text, bool upper) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const Decoded decoded = DecodeAt(text, pos);
    if (decoded.codePoint < 0) {
      out.push_back(text[pos]);
    } else {
      Encode(MapCase(decoded.codePoint, upper), out);
    }
    pos += decoded.length;
  }
  return out;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string ToLowerUtf8(std::string_view text) { return MapText(text, false); }

std::string ToUpperUtf8(std::string_view text) { return MapText(text, true); }

std::string FirstCharacterUtf8(std::string_view text) {
  if (text.empty()) return {};
  return std::string(text.substr(0, DecodeAt(text, 0).length));
}

bool EqualsNoCaseAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}
