// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the word list of the drills' language, with English and the built-in table behind it,
// and the words' commonness.
#include "words/words_source.h"

#include "words/word_ranks.h"

#include <iterator>

namespace {

std::string Folder(const std::string& dir) { return dir.empty() || dir.back() == '/' ? dir : dir + "/"; }

// Common German names that look like nouns to the inflection rule (Rom, Römer; Polen, Pole) and
// that SCOWL's English names miss, with the people of towns (Kölner, Bremer).
const char* const kGermanNames[] = {
    "Adrian", "Athen",  "Basler", "Berner", "Böhmen", "Bonn",  "Bremer", "Don",    "Egon",   "Elsass", "Engels",
    "Europa", "Frank",  "Freud",  "Genfer", "Hessen", "Horst", "Island", "Jack",   "Jochen", "Kiel",   "Kölner",
    "Moore",  "Pfalz",  "Polen",  "Posen",  "Prager", "Rainer", "Rom",   "Roma",   "Roms",   "Ruhr",   "Sam",
    "Ulm",    "Ungarn", "Volker", "Wales",
};

std::optional<WordList> ReadList(WordLanguage language, const std::string& dictDir) {
  WordListOptions options;
  std::unordered_set<std::string> names;
  if (language == WordLanguage::German) {
    names = ReadScowlNames(Folder(dictDir) + kScowlFolder);
    names.insert(std::begin(kGermanNames), std::end(kGermanNames));
    options.keepNouns = true;
    options.names = &names;
  }
  return WordList::FromFile(Folder(dictDir) + LanguageInfo(language).listFile, options);
}

void Rank(WordSource& source, const std::string& dictDir, const std::string& rankDir) {
  source.list.MarkBlocked(source.language);
  std::optional<WordRanks> ranks;
  if (!rankDir.empty()) {
    const std::string table = Folder(rankDir) + LanguageInfo(source.language).code + ".ranks";
    if ((ranks = WordRanks::FromTableFile(table))) source.ranksFrom = table;
  }
  // English: the table's counts order the words it holds; SCOWL's grades rank the rest, and all
  // of them where the table is missing.
  if (source.language == WordLanguage::English) {
    if (std::optional<WordRanks> scowl = WordRanks::FromScowl(Folder(dictDir) + kScowlFolder)) {
      if (ranks) {
        ranks->FillFrom(*scowl);
        source.ranksFrom += " and SCOWL";
      } else {
        ranks = std::move(scowl);
        source.ranksFrom = "SCOWL";
      }
    }
  }
  if (ranks) source.list.ApplyRanks(*ranks);
}

}  // namespace

WordSource LoadWordSource(WordLanguage wanted, const std::string& dictDir, const std::string& rankDir) {
  WordSource source;
  source.wanted = wanted;
  if (std::optional<WordList> list = ReadList(wanted, dictDir)) {
    source.list = std::move(*list);
    source.language = wanted;
    Rank(source, dictDir, rankDir);
    return source;
  }
  source.englishInstead = wanted != WordLanguage::English;
  if (wanted != WordLanguage::English) {
    if (std::optional<WordList> list = ReadList(WordLanguage::English, dictDir)) {
      source.list = std::move(*list);
      Rank(source, dictDir, rankDir);
      return source;
    }
  }
  source.list = WordList::BuiltInEnglish();
  source.builtInOnly = true;
  return source;
}

WordSource LoadWordSourceForLocale(const std::function<const char*(const char*)>& getenv, const std::string& dictDir,
                                   const std::string& rankDir) {
  return LoadWordSource(LanguageFromLocale(getenv), dictDir, rankDir);
}
