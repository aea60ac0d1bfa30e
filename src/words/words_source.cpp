// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the word list of the drills' language, with English and the built-in table behind it.
#include "words/words_source.h"

WordSource LoadWordSource(WordLanguage wanted, const std::string& dictDir) {
  WordSource source;
  source.wanted = wanted;
  const std::string folder = dictDir.empty() || dictDir.back() == '/' ? dictDir : dictDir + "/";
  if (std::optional<WordList> list = WordList::FromFile(folder + LanguageInfo(wanted).listFile)) {
    source.list = std::move(*list);
    source.language = wanted;
    return source;
  }
  source.englishInstead = wanted != WordLanguage::English;
  if (wanted != WordLanguage::English) {
    if (std::optional<WordList> list = WordList::FromFile(folder + LanguageInfo(WordLanguage::English).listFile)) {
      source.list = std::move(*list);
      return source;
    }
  }
  source.list = WordList::BuiltInEnglish();
  source.builtInOnly = true;
  return source;
}

WordSource LoadWordSourceForLocale(const std::function<const char*(const char*)>& getenv, const std::string& dictDir) {
  return LoadWordSource(LanguageFromLocale(getenv), dictDir);
}
