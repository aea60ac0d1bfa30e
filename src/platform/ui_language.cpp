// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the screens, chosen from the desktop's locale variables.
#include "platform/ui_language.h"

#include <algorithm>
#include <string_view>

#include "platform/text_case.h"

namespace {
// "de_AT.UTF-8@euro" -> "de"; lower case.
std::string LanguagePart(std::string_view locale) {
  const size_t end = locale.find_first_of("_.@-");
  return ToLowerAscii(std::string(locale.substr(0, end)));
}

std::string Variable(const EnvironmentReader& read, const char* name) {
  const char* value = read(name);
  return value == nullptr ? std::string() : std::string(value);
}
}  // namespace

std::string UiLanguage(const EnvironmentReader& readEnvironment, const std::vector<std::string>& available) {
  const auto known = [&](const std::string& language) {
    return language == "en" || std::find(available.begin(), available.end(), language) != available.end();
  };
  // The locale proper: the first of these that is set and not empty.
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = Variable(readEnvironment, name);
    if (!locale.empty()) break;
  }
  const bool plainLocale = locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
  // LANGUAGE lists the wanted languages in order; the C library ignores it under the C locale.
  if (!plainLocale) {
    const std::string list = Variable(readEnvironment, "LANGUAGE");
    size_t start = 0;
    while (start <= list.size()) {
      const size_t end = std::min(list.find(':', start), list.size());
      const std::string language = LanguagePart(std::string_view(list).substr(start, end - start));
      if (!language.empty() && known(language)) return language;
      start = end + 1;
    }
  }
  const std::string language = LanguagePart(locale);
  return known(language) ? language : "en";
}
