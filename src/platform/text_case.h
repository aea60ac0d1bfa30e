// SPDX-License-Identifier: GPL-3.0-or-later
// Letter case by Unicode rules, on UTF-8 text.
#pragma once
#include <string>
#include <string_view>

std::string ToLowerUtf8(std::string_view text);
std::string ToUpperUtf8(std::string_view text);
// The first character (code point) of the text, as UTF-8; empty for empty text.
std::string FirstCharacterUtf8(std::string_view text);
// ASCII-only case folding, as INI names compare.
bool EqualsNoCaseAscii(std::string_view a, std::string_view b);
std::string ToLowerAscii(std::string_view text);
