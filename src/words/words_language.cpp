// SPDX-License-Identifier: GPL-3.0-or-later
// Languages of the word drills: locale choice, word lists, vowels and block lists.
#include "words/words_language.h"

#include "platform/text_case.h"

namespace {

const std::vector<WordLanguageInfo>& Languages() {
  // The block lists are short on purpose: they keep the commonest rude words and slurs off the
  // plaques. Stems are matched inside words only where no common harmless word contains them;
  // the others are matched as whole words.
  static const std::vector<WordLanguageInfo> languages = {
      {WordLanguage::English, "en", "american-english", U"aeiouy",
       {"ass", "arse", "anal", "anus", "tit", "tits", "rape", "homo", "dyke", "fag", "gook", "spic", "kike", "damn", "crap",
        "hell", "poo", "poop", "turd", "porn", "sexy", "nazi"},
       {"fuck", "shit", "cunt", "dick", "cock", "piss", "slut", "whore", "nigg", "bitch", "twat", "wank", "jizz", "boob",
        "dildo", "penis", "vagin", "pussy", "faggot", "retard"}},
      {WordLanguage::German, "de", "ngerman", U"aeiouyäöü",
       {"arsch", "hure", "huren", "nutte", "fick", "kack", "kacke", "pisse", "titte", "titten", "neger", "nazi",
        "porno", "spast"},
       {"fick", "fotze", "scheiß", "scheiss", "wichs", "arsch", "nutte", "schlampe", "hurens", "kacke", "pimmel", "titten",
        "neger", "schwuchtel", "spasti", "missgeburt"}},
      {WordLanguage::French, "fr", "french", U"aeiouyàâéèêëîïôùûüÿœæ",
       {"con", "cons", "conne", "connes", "cul", "culs", "bite", "bites", "pute", "putes", "chier", "chie", "pd", "nique",
        "niquer", "zob", "nazi", "porno", "gouine", "pédé", "nègre", "merde"},
       {"merde", "putain", "salope", "connard", "connasse", "enculé", "encule", "couille", "foutre", "bordel", "branler",
        "pédé", "négro", "bougnoul"}},
      {WordLanguage::Spanish, "es", "spanish", U"aeiouáéíóúü",
       {"puta", "putas", "puto", "putos", "culo", "culos", "coño", "polla", "pollas", "mierda", "verga", "joder", "jodido",
        "follar", "marica", "maricón", "cabrón", "pene", "nazi", "porno", "teta", "tetas", "zorra", "facha"},
       {"mierda", "coño", "joder", "cabrón", "pendej", "chinga", "gilipoll", "maricón", "hijoputa", "puñeta", "verga",
        "mamón"}},
  };
  return languages;
}

}  // namespace

const WordLanguageInfo& LanguageInfo(WordLanguage language) {
  for (const WordLanguageInfo& info : Languages()) {
    if (info.language == language) return info;
  }
  return Languages().front();
}

bool ParseWordLanguage(std::string_view code, WordLanguage& out) {
  for (const WordLanguageInfo& info : Languages()) {
    if (EqualsNoCaseAscii(code, info.code)) {
      out = info.language;
      return true;
    }
  }
  return false;
}

LocaleLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv) {
  auto value = [&](const char* name) {
    const char* text = getenv(name);
    return std::string(text ? text : "");
  };
  std::vector<std::string> entries;
  const std::string list = value("LANGUAGE");
  size_t start = 0;
  while (start <= list.size()) {
    const size_t colon = list.find(':', start);
    const std::string entry = list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    if (!entry.empty()) entries.push_back(entry);
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string locale = value(name);
    if (!locale.empty()) {
      entries.push_back(locale);
      break;
    }
  }
  LocaleLanguage result;
  for (const std::string& entry : entries) {
    // "de_AT.UTF-8@euro" names the language by its first two letters.
    const std::string code = ToLowerAscii(entry.substr(0, entry.find_first_of("_.@")));
    if (code == "c" || code == "posix") continue;
    if (result.wanted.empty()) result.wanted = code;
    WordLanguage language;
    if (ParseWordLanguage(code, language)) {
      result.language = language;
      result.wanted = code;
      return result;
    }
  }
  return result;
}

bool IsBlockedWord(WordLanguage language, std::string_view word) {
  const WordLanguageInfo& info = LanguageInfo(language);
  for (const std::string& blocked : info.blockedWords) {
    if (word == blocked) return true;
    if (word.size() == blocked.size() + 1 && word.back() == 's' && word.substr(0, blocked.size()) == blocked) return true;
  }
  for (const std::string& stem : info.blockedStems) {
    if (word.find(stem) != std::string_view::npos) return true;
  }
  return false;
}
