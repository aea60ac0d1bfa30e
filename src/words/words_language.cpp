// SPDX-License-Identifier: GPL-3.0-or-later
// Languages of the word drills: locale choice, word lists, vowels and block lists.
#include "words/words_language.h"

#include "platform/text_case.h"
#include "platform/ui_language.h"
#include "words/words_blocked_lists.h"

#include <algorithm>
#include <unordered_set>

namespace {

const std::vector<WordLanguageInfo>& Languages() {
  // Our own entries beside the maintained list: the slurs, sexual words and violence it misses.
  // Stems are matched inside words only where no harmless word of the language's list contains
  // them; the others are matched as whole words with their inflections.
  static const std::vector<WordLanguageInfo> languages = {
      {WordLanguage::English, "en", "american-english", "wamerican", U"aeiouy",
       {"ass", "arse", "tit", "tits", "rape", "rapist", "homo", "dyke", "fag", "gook", "spic", "kike", "crap", "poop",
        "turd", "porn", "sexy", "nazi", "sperm", "semen", "horny", "incest", "orgasm", "pisser", "wank", "wanker",
        "prick", "vagina", "vaginal", "nigger", "nigga", "niggaz", "retard", "hell", "damn", "boob", "dick", "poo", "horniest", "bugger", "goddamn", "testicle", "scrotum", "shag", "shagging",
        "chink", "pussies", "cocksucker", "fagot", "ejaculate"},
       {"fuck", "shit", "cunt", "piss", "slut", "whore", "bitch", "twat", "jizz", "dildo", "penis", "pussy",
        "faggot", "retard"},
       {"s", "es", "ed", "d", "ing", "ings", "ist", "ists"},
       {},
       {}},
      {WordLanguage::German, "de", "ngerman", "wngerman", U"aeiouyäöü",
       {"arsch", "hure", "nutte", "fick", "kack", "kacke", "pisse", "titte", "titten", "neger", "nazi", "porno",
        "spast", "spasti", "vögeln", "bumsen", "ficken", "wichser", "fotze", "möse", "schlampe", "schwuchtel",
        "pimmel", "sperma", "vergewaltigen", "vergewaltiger", "kanake", "zigeuner", "arier", "ejakulation", "ejakuliert",
        "klitoris", "hoden", "masturbieren", "orgasmen", "pornografie", "vagina"},
       {"fick", "fotze", "scheiß", "scheiss", "wichs", "arschl", "nutte", "schlampe", "hurens", "pimmel", "titten",
        "schwuchtel", "missgeburt"},
       {"e", "en", "n", "er", "ern", "es", "s", "st", "t"},
       {"en", "eln", "ern"},
       {"e", "st", "t", "te", "ten", "tet", "test", "en", "end"}},
      {WordLanguage::French, "fr", "french", "wfrench", U"aeiouyàâéèêëîïôùûüÿœæ",
       {"con", "conne", "cul", "bite", "pute", "chier", "chie", "pd", "nique", "niqué", "niquer", "zob", "nazi",
        "porno", "gouine", "pédé", "nègre", "merde", "youpin", "bicot", "salop", "salaud", "salope", "pisser",
        "enculé", "sperme", "bougnoule", "négro", "putain", "connard", "baise", "baisé", "violer", "violeur", "masturbe",
        "orgasme", "pénis", "vagin", "vulve", "merdique", "pisse", "éjaculation"},
       {"merde", "putain", "salope", "connard", "connasse", "enculé", "encule", "couille", "foutre", "pédé", "négro",
        "bougnoul", "youpin"},
       {"s", "x", "e", "es"},
       {"er"},
       {"e", "es", "ent", "é", "ée", "és", "ées", "ez", "ons", "ait", "ais", "er"}},
      {WordLanguage::Spanish, "es", "spanish", "wspanish", U"aeiouáéíóúü",
       {"puta", "puto", "culo", "coño", "polla", "mierda", "verga", "joder", "jodido", "jodida", "follar", "marica",
        "maricón", "cabrón", "pene", "nazi", "porno", "teta", "zorra", "facha", "culero", "pajero", "mamada", "semen",
        "esperma", "orgasmo", "pendejo", "chocho", "puñeta", "violar", "violador", "sudaca", "masturbación",
        "pornografía", "escroto", "vagina"},
       {"mierda", "coño", "joder", "cabrón", "pendej", "chinga", "gilipoll", "maricón", "hijoputa", "mamón", "putita"},
       {"s", "es"},
       {"ar", "er", "ir"},
       {"o", "as", "a", "amos", "an", "ado", "ada", "ados", "adas", "ando", "e", "es", "en", "ido", "ida", "iendo"}},
  };
  return languages;
}

// A language's block list made ready for look-ups, once.
struct BlockRules {
  std::unordered_set<std::string> words;
  std::unordered_set<std::string> verbStems;
};

bool EndsWith(std::string_view word, std::string_view end) {
  return word.size() >= end.size() && word.substr(word.size() - end.size()) == end;
}

size_t Letters(std::string_view word) {
  size_t letters = 0;
  for (char c : word) letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return letters;
}

BlockRules MakeRules(const WordLanguageInfo& info) {
  BlockRules rules;
  for (std::string_view word : MaintainedBlockedWords(info.language)) rules.words.emplace(word);
  for (const std::string& word : info.blockedWords) rules.words.insert(word);
  const size_t shortestStem = info.language == WordLanguage::French ? 5 : 4;
  for (const std::string& word : rules.words) {
    for (const std::string& ending : info.infinitives) {
      if (!EndsWith(word, ending)) continue;
      // German verbs in -eln and -ern keep the e (vögeln: vögelt).
      const size_t cut = ending.size() == 3 ? 1 : ending.size();
      const std::string stem = word.substr(0, word.size() - cut);
      if (Letters(stem) >= shortestStem) rules.verbStems.insert(stem);
    }
  }
  return rules;
}

const BlockRules& RulesOf(WordLanguage language) {
  static const std::vector<BlockRules> rules = [] {
    std::vector<BlockRules> made;
    for (const WordLanguageInfo& info : Languages()) made.push_back(MakeRules(info));
    return made;
  }();
  for (size_t i = 0; i < Languages().size(); ++i) {
    if (Languages()[i].language == language) return rules[i];
  }
  return rules.front();
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
  const BlockRules& rules = RulesOf(language);
  // Most words are ASCII lower case already: lowering them would cost more than the look-ups.
  const bool lowerAscii = std::all_of(word.begin(), word.end(), [](char c) { return !(c & 0x80) && !(c >= 'A' && c <= 'Z'); });
  const std::string lower = lowerAscii ? std::string(word) : ToLowerUtf8(word);
  if (rules.words.count(lower)) return true;
  std::string stem;
  for (const std::string& ending : info.inflections) {
    if (!EndsWith(lower, ending) || lower.size() == ending.size()) continue;
    stem.assign(lower, 0, lower.size() - ending.size());
    const bool plural = ending == "s" || ending == "es";
    // English "es" follows a hiss only (asses, not spic-es).
    if (language == WordLanguage::English && ending == "es" &&
        !(EndsWith(stem, "s") || EndsWith(stem, "x") || EndsWith(stem, "z") || EndsWith(stem, "ch") || EndsWith(stem, "sh"))) {
      continue;
    }
    if (rules.words.count(stem) && (plural || Letters(stem) >= 4)) return true;
    // English drops a final e before -ing, -ed, -ist (raping, rapist).
    if (language == WordLanguage::English && !plural && ending != "d" && Letters(stem) >= 3 && rules.words.count(stem + "e")) return true;
  }
  for (const std::string& ending : info.verbEndings) {
    if (!EndsWith(lower, ending) || lower.size() == ending.size()) continue;
    stem.assign(lower, 0, lower.size() - ending.size());
    if (rules.verbStems.count(stem)) return true;
  }
  for (const std::string& blocked : info.blockedStems) {
    if (lower.find(blocked) != std::string::npos) return true;
  }
  return false;
}
