// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the screens, chosen from the desktop's locale variables.
#pragma once
#include <functional>
#include <string>
#include <vector>

// Reads one environment variable; nullptr when it is not set.
using EnvironmentReader = std::function<const char*(const char*)>;

// The screens' language: the first of LANGUAGE's list (used only when the locale is not C or
// POSIX), then LC_ALL, LC_MESSAGES, LANG, as the C library orders them. Only the language part of
// a locale counts ("de_AT.UTF-8@euro" is "de"). Returns an entry of available, or "en" when the
// locale asks for none of them.
std::string UiLanguage(const EnvironmentReader& readEnvironment, const std::vector<std::string>& available);
