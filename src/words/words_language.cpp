// SPDX-License-Identifier: GPL-3.0-or-later
// Languages of the word drills: locale choice, word lists, vowels and block lists.
#include "words/words_language.h"

#include "platform/text_case.h"
#include "platform/ui_language.h"

namespace {

const std::vector<WordLanguageInfo>& Languages() {
  // The block lists are short on purpose: they keep the commonest rude words and slurs off the
  // plaques. Stems are matched inside words only where no common harmless word contains them;
  // the others are matched as whole words.
  static const std::vector<WordLanguageInfo> languages = {
      {WordLanguage::English, "en", "american-english", "wamerican", U"aeiouy",
       {"ass", "arse", "anal", "anus", "tit", "tits", "rape", "homo", "dyke", "fag", "gook", "spic", "kike", "damn", "crap",
        "hell", "poo", "poop", "turd", "porn", "sexy", "nazi"},
       {"fuck", "shit", "cunt", "dick", "cock", "piss", "slut", "whore", "nigg", "bitch", "twat", "wank", "jizz", "boob",
        "dildo", "penis", "vagin", "pussy", "faggot", "retard"}},
      {WordLanguage::German, "de", "ngerman", "wngerman", U"aeiouyäöü",
       {"arsch", "hure", "huren", "nutte", "fick", "kack", "kacke", "pisse", "titte", "titten", "neger", "nazi",
        "porno", "spast"},
       {"fick", "fotze", "scheiß", "scheiss", "wichs", "arsch", "nutte", "schlampe", "hurens", "kacke", "pimmel", "titten",
        "neger", "schwuchtel", "spasti", "missgeburt"}},
      {WordLanguage::French, "fr", "french", "wfrench", U"aeiouyàâéèêëîïôùûüÿœæ",
       {"con", "cons", "conne", "connes", "cul", "culs", "bite", "bites", "pute", "putes", "chier", "chie", "pd", "nique",
        "niquer", "zob", "nazi", "porno", "gouine", "pédé", "nègre", "merde"},
       {"merde", "putain", "salope", "connard", "connasse", "enculé", "encule", "couille", "foutre", "bordel", "branler",
        "pédé", "négro", "bougnoul"}},
      {WordLanguage::Spanish, "es", "spanish", "wspanish", U"aeiouáéíóúü",
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

WordLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv) {
  std::vector<std::string> spoken;
  for (const WordLanguageInfo& info : Languages()) {
    if (info.language != WordLanguage::English) spoken.emplace_back(info.code);
  }
  WordLanguage language = WordLanguage::English;
  ParseWordLanguage(UiLanguage(getenv, spoken), language);
  return language;
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
