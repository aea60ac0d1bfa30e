// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' language follows the locale variables in the C library's order, English otherwise.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/ui_language.h"

namespace {

const std::vector<std::string> kTranslated = {"de", "fr", "es"};

struct Case {
  const char* what;
  std::map<std::string, std::string> environment;
  const char* expected;
};

TEST(UiLanguage, FollowsTheLocaleVariablesInTheirOrder) {
  const Case cases[] = {
      {"nothing set", {}, "en"},
      {"LANG alone", {{"LANG", "de_DE.UTF-8"}}, "de"},
      {"encoding and modifier dropped", {{"LANG", "fr_BE.ISO-8859-1@euro"}}, "fr"},
      {"upper-case language", {{"LANG", "ES_ES.UTF-8"}}, "es"},
      {"LC_MESSAGES over LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "es"},
      {"LC_ALL over LC_MESSAGES", {{"LC_MESSAGES", "es_ES.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}}, "fr"},
      {"empty LC_ALL does not count", {{"LC_ALL", ""}, {"LANG", "fr_FR.UTF-8"}}, "fr"},
      {"LANGUAGE over all", {{"LANGUAGE", "es"}, {"LC_ALL", "de_DE.UTF-8"}}, "es"},
      {"LANGUAGE list: first known one", {{"LANGUAGE", "pt_BR:it:fr:de"}, {"LANG", "pt_BR.UTF-8"}}, "fr"},
      {"LANGUAGE list: English before others", {{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, "en"},
      {"LANGUAGE with empty entries", {{"LANGUAGE", "::de_AT"}, {"LANG", "en_US.UTF-8"}}, "de"},
      {"LANGUAGE of no known language falls to the locale", {{"LANGUAGE", "it:pt"}, {"LANG", "es_MX.UTF-8"}}, "es"},
      {"LANGUAGE ignored under C", {{"LANGUAGE", "de"}, {"LANG", "C"}}, "en"},
      {"LANGUAGE ignored under C.UTF-8", {{"LANGUAGE", "fr"}, {"LC_ALL", "C.UTF-8"}}, "en"},
      {"LANGUAGE ignored without a locale", {{"LANGUAGE", "fr"}}, "en"},
      {"POSIX", {{"LANG", "POSIX"}}, "en"},
      {"an untranslated language", {{"LANG", "it_IT.UTF-8"}}, "en"},
      {"a language that only starts like one", {{"LANG", "dee_XX"}}, "en"},
      {"English", {{"LANG", "en_US.UTF-8"}}, "en"},
  };
  for (const Case& c : cases) {
    const auto read = [&](const char* name) -> const char* {
      const auto it = c.environment.find(name);
      return it == c.environment.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(UiLanguage(read, kTranslated), c.expected) << c.what;
  }
}

TEST(UiLanguage, OffersOnlyTheLanguagesItIsGiven) {
  const auto german = [](const char* name) -> const char* {
    return std::string(name) == "LANG" ? "de_DE.UTF-8" : nullptr;
  };
  EXPECT_EQ(UiLanguage(german, {"fr", "es"}), "en");
  EXPECT_EQ(UiLanguage(german, {"de"}), "de");
}

}  // namespace
