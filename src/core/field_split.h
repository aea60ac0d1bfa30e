// SPDX-License-Identifier: GPL-3.0-or-later
// Values made of several fields ("2000:500:3"), split as every level file expects.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Fields are separated by ":"; a blank or control character also ends a field, and blanks and
// control characters between fields are skipped; a field that begins with a double quote runs to
// the matching closing quote (two quotes inside stand for one); "::" gives an empty field, and so
// does a ":" at the very end.
std::vector<std::string> SplitFields(std::string_view text);

// Integer text by the INI store's rule; throws GameError naming what when it is not an integer.
int32_t IntegerOrThrow(std::string_view text, std::string_view what);
