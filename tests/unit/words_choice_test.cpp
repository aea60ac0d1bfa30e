// SPDX-License-Identifier: GPL-3.0-or-later
// Word choice: reading word lists, the learner's keys only, real words first, made-up words after,
// the focus key favoured, blocked words never, the locale's language and the word-wave rule.
#include "platform/key_table.h"
#include "platform/random.h"
#include "words/word_list.h"
#include "words/words_choice.h"
#include "words/words_source.h"
#include "words/words_wave_rule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace {

// Every word's letters are typed by keys of the set, and its keys say which.
void ExpectTypedByKeys(const std::vector<ChosenWord>& words, const WordKeys& keys) {
  for (const ChosenWord& word : words) {
    std::string rebuilt;
    for (const std::string& key : word.keys) {
      ASSERT_NE(std::find(keys.keys.begin(), keys.keys.end(), key), keys.keys.end()) << word.text << ": key " << key;
      rebuilt += keys.typed.at(key);
    }
    EXPECT_EQ(rebuilt, word.text);
    EXPECT_GE(word.keys.size(), WordList::kMinLetters) << word.text;
    EXPECT_LE(word.keys.size(), WordList::kMaxLetters) << word.text;
  }
}

WordKeys UsKeys(const std::string& set) {
  WordKeys keys;
  for (char c : set) keys.keys.emplace_back(1, c);
  keys.focus = keys.keys.front();
  keys.typed = TypedAsUs(keys.keys);
  return keys;
}

size_t CountContaining(const std::vector<ChosenWord>& words, const std::string& key) {
  size_t n = 0;
  for (const ChosenWord& word : words) n += std::find(word.keys.begin(), word.keys.end(), key) != word.keys.end();
  return n;
}

const char* const kSmallList =
    "Alaska\nAA's\nadd\nad\nall\nask\nasks\nfall\nfalls\nflask\nglad\nhad\nhall\nhash\nlad\nlads\nsad\nsalad\n"
    "shall\nslash\ndash\ngash\njag\nflag\nflags\nhalf\nlash\nlass\nsag\nskald\ndead\nsea\nseal\nsell\nshed\n"
    "she\nfeel\nheal\nlead\nleash\nfee\nsee\nx-ray\ndon't\nkasha\nass\nasses\ndashes\ndashfully\ndd\nkg\n";

TEST(WordListReading, KeepsShortLowerCaseWordsOfLettersOnly) {
  const WordList list = WordList::FromText(
      "Paris\r\nsüß\r\nHaus\nhaus\nx\nabcdefg\nabcdef\nit's\nx-ray\nr2d2\n\xff\xfe\nrésumé\nÉcole\n\n");
  std::vector<std::string> words;
  for (const ListedWord& word : list.Words()) words.push_back(word.text);
  EXPECT_EQ(words, (std::vector<std::string>{"süß", "haus", "abcdef", "résumé"}));
  // Letter pairs count every kept entry, long ones too, with the word's start and end.
  EXPECT_EQ(list.PairCount(U'f', U'g'), 1u);
  EXPECT_EQ(list.PairCount(WordList::kBoundary, U'x'), 1u);  // the one-letter "x"
  EXPECT_EQ(list.PairCount(U'ü', U'ß'), 1u);
  EXPECT_EQ(list.PairCount(U'a', U'r'), 0u);  // "Paris" is a proper noun: left out
  EXPECT_EQ(list.PairCount(U's', WordList::kBoundary), 1u);  // "haus"
  EXPECT_TRUE(list.HasWords());
  EXPECT_FALSE(WordList::BuiltInEnglish().HasWords());
  EXPECT_GT(WordList::BuiltInEnglish().PairCount(U't', U'h'), WordList::BuiltInEnglish().PairCount(U't', U'q'));
}

TEST(WordChoice, RealWordsOfTheSetFirstThenMadeUpOnes) {
  const WordList list = WordList::FromText(kSmallList);
  const WordKeys keys = UsKeys("asdfjklgh");
  WordChooser chooser(list, WordLanguage::English, keys);
  // add ad all ask asks fall falls flask glad had hall hash lad lads sad salad shall slash dash
  // gash jag flag flags half lash lass sag skald kasha; "ass" is blocked, "Alaska" a proper noun,
  // "asses" and "dashes" have an e, "dashfully" is too long, "dd" and "kg" have no vowel.
  EXPECT_EQ(chooser.RealWordCount(), 29u);
  EXPECT_TRUE(chooser.HasVowel());
  Random random(7);
  const std::vector<ChosenWord> words = chooser.Choose(40, random);
  ASSERT_EQ(words.size(), 40u);
  ExpectTypedByKeys(words, keys);
  std::set<std::string> real;
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(words[i].real, i < 29) << i << " " << words[i].text;
    if (words[i].real) real.insert(words[i].text);
  }
  EXPECT_EQ(real.size(), 29u);  // no word twice while others are left
  EXPECT_EQ(real.count("ass"), 0u);
  EXPECT_EQ(real.count("lass"), 1u);  // a whole-word block does not reach into other words
}

TEST(WordChoice, OnlyTheSetsKeysOverManyWaves) {
  const WordList list = WordList::FromText(kSmallList);
  for (const char* set : {"asdfjkl;gh", "aeshld", "fjdkslaeh", "sadl"}) {
    const WordKeys keys = UsKeys(set);
    WordChooser chooser(list, WordLanguage::English, keys);
    Random random(11);
    for (int wave = 0; wave < 20; ++wave) ExpectTypedByKeys(chooser.Choose(10, random), keys);
  }
}

TEST(WordChoice, FavoursTheFocusKey) {
  const WordList list = WordList::FromText(kSmallList);
  struct Case {
    const char* set;  // the first key is the focus
  };
  for (const Case c : {Case{"hasdfjklge"}, Case{"fasdhjklge"}, Case{"easdfhjkl"}}) {
    const WordKeys keys = UsKeys(c.set);
    WordChooser chooser(list, WordLanguage::English, keys);
    Random random(3);
    std::vector<ChosenWord> all;
    for (int wave = 0; wave < 100; ++wave) {
      for (ChosenWord& word : chooser.Choose(8, random)) all.push_back(std::move(word));
    }
    EXPECT_GT(CountContaining(all, keys.focus), all.size() * 6 / 10) << c.set;
  }
}

TEST(WordChoice, ReviewKeysAndSlowPairsRaiseAWordsChances) {
  const WordList list = WordList::FromText(kSmallList);
  const WordKeys plain = UsKeys("asdfjklghe");
  WordKeys review = plain;
  review.review = {"g"};
  WordKeys slowPair = plain;
  slowPair.slowPairs = {{"s", "h"}};
  // How many of the words drawn over 60 seeded waves hold the text.
  auto count = [&](const WordKeys& keys, const char* text) {
    size_t n = 0;
    for (uint64_t seed = 1; seed <= 60; ++seed) {
      WordChooser chooser(list, WordLanguage::English, keys);
      Random random(seed);
      for (const ChosenWord& word : chooser.Choose(6, random)) n += word.text.find(text) != std::string::npos;
    }
    return n;
  };
  EXPECT_GT(count(review, "g"), count(plain, "g") * 3 / 2);
  EXPECT_GT(count(slowPair, "sh"), count(plain, "sh") * 3 / 2);
}

TEST(WordChoice, MadeUpWordsFollowTheLanguagesPairsAndStayInTheSet) {
  // Long words only: no real word fits, but their pairs make words of these letters.
  const WordList list = WordList::FromText("shadeless\nleadfastness\ndefaultlessness\nhalfheartedness\n");
  const WordKeys keys = UsKeys("ladsfe");
  WordChooser chooser(list, WordLanguage::English, keys);
  EXPECT_EQ(chooser.RealWordCount(), 0u);
  Random random(5);
  const std::vector<ChosenWord> words = chooser.Choose(200, random);
  ASSERT_EQ(words.size(), 200u);
  ExpectTypedByKeys(words, keys);
  for (const ChosenWord& word : words) {
    EXPECT_FALSE(word.real);
    EXPECT_NE(word.text.find_first_of("ae"), std::string::npos) << word.text << " has no vowel";
    EXPECT_EQ(word.text.find("lll"), std::string::npos) << word.text;
    // Every pair of letters occurs in the list.
    const std::u32string text = *DecodeUtf8(word.text);
    EXPECT_GT(list.PairCount(WordList::kBoundary, text.front()), 0u) << word.text;
    for (size_t i = 1; i < text.size(); ++i) EXPECT_GT(list.PairCount(text[i - 1], text[i]), 0u) << word.text;
    EXPECT_GT(list.PairCount(text.back(), WordList::kBoundary), 0u) << word.text;
  }
  EXPECT_GT(CountContaining(words, "l"), words.size() / 2);
}

TEST(WordChoice, BuiltInEnglishPairsServeWithoutAList) {
  const WordList list = WordList::BuiltInEnglish();
  const WordKeys keys = UsKeys("tashe");
  WordChooser chooser(list, WordLanguage::English, keys);
  Random random(9);
  const std::vector<ChosenWord> words = chooser.Choose(50, random);
  ASSERT_EQ(words.size(), 50u);
  ExpectTypedByKeys(words, keys);
  for (const ChosenWord& word : words) EXPECT_FALSE(IsBlockedWord(WordLanguage::English, word.text)) << word.text;
}

TEST(WordChoice, NeverABlockedWordNorAMadeUpOne) {
  // Made-up words from these pairs could spell "shit" and "tits"; real ones are listed.
  const WordList list = WordList::FromText("shit\nshits\ntits\ntit\nhits\nthis\nits\nsit\nsits\nhis\n"
                                           "shitshits\ntithits\n");
  const WordKeys keys = UsKeys("tshi");
  WordChooser chooser(list, WordLanguage::English, keys);
  EXPECT_EQ(chooser.RealWordCount(), 6u);  // hits this its sit sits his
  Random random(1);
  for (int wave = 0; wave < 200; ++wave) {
    for (const ChosenWord& word : chooser.Choose(10, random)) {
      EXPECT_FALSE(IsBlockedWord(WordLanguage::English, word.text)) << word.text;
    }
  }
}

TEST(WordChoice, GermanWordsWrittenInWhatTheKeysTypeOnDe) {
  const WordList list = WordList::FromText("Süße\nsüß\nsüße\nmüde\nzeit\nzu\nHaus\naus\nsatz\n");
  KeyTable de;
  const std::map<std::string, std::string> typed = {{"a", "a"}, {"s", "s"}, {"u", "u"},  {"e", "e"}, {"[", "ü"},
                                                    {"-", "ß"}, {"y", "z"}, {"t", "t"}, {"i", "i"}};
  for (const auto& [key, text] : typed) de.Set(key, KeyTyped{KeyTyped::Kind::Character, text, ""});
  de.Set("=", KeyTyped{KeyTyped::Kind::DeadKey, "", "dead_acute"});
  WordKeys keys;
  keys.keys = {"[", "a", "s", "u", "e", "-", "y", "t", "i", "="};
  keys.focus = "[";
  keys.typed = TypedByKeys(de, keys.keys);
  EXPECT_EQ(keys.typed.count("="), 0u);  // a dead key types no letter of a word
  WordChooser chooser(list, WordLanguage::German, keys);
  EXPECT_EQ(chooser.RealWordCount(), 6u);  // süß süße zeit zu aus satz; "müde" needs m and d
  Random random(2);
  std::map<std::string, std::vector<std::string>> chosen;
  for (const ChosenWord& word : chooser.Choose(6, random)) chosen[word.text] = word.keys;
  EXPECT_EQ(chosen["süß"], (std::vector<std::string>{"s", "[", "-"}));
  EXPECT_EQ(chosen["zeit"], (std::vector<std::string>{"y", "e", "i", "t"}));
  EXPECT_EQ(chosen.count("müde"), 0u);
  EXPECT_EQ(chosen.count("Haus"), 0u);
}

TEST(WordLanguageChoice, FollowsTheLocaleVariablesInOrder) {
  struct Case {
    std::map<std::string, std::string> env;
    WordLanguage language;
  };
  const Case cases[] = {
      {{}, WordLanguage::English},
      {{{"LANG", "de_DE.UTF-8"}}, WordLanguage::German},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, WordLanguage::French},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, WordLanguage::Spanish},
      {{{"LANGUAGE", "it:fr"}, {"LANG", "de_DE.UTF-8"}}, WordLanguage::French},
      // LANGUAGE counts only under a locale other than C or POSIX, as in gettext.
      {{{"LANGUAGE", "fr:de"}, {"LANG", "C"}}, WordLanguage::English},
      {{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, WordLanguage::English},
      {{{"LANG", "C"}}, WordLanguage::English},
      {{{"LANG", "pt_BR.UTF-8"}}, WordLanguage::English},
      {{{"LC_ALL", "DE_at@euro"}}, WordLanguage::German},
  };
  for (const Case& c : cases) {
    const WordLanguage language = LanguageFromLocale([&](const char* name) -> const char* {
      auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(language, c.language) << (c.env.empty() ? "" : c.env.begin()->second);
  }
}

TEST(WordSourceLoading, TheLocalesListThenEnglishThenTheBuiltInPairs) {
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "keyslinger-words-dict";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  auto env = [](const char* lang) {
    return [lang](const char* name) -> const char* { return std::string(name) == "LANG" ? lang : nullptr; };
  };
  WordSource none = LoadWordSourceForLocale(env("de_DE.UTF-8"), dir.string());
  EXPECT_TRUE(none.builtInOnly);
  EXPECT_TRUE(none.englishInstead);
  EXPECT_EQ(none.language, WordLanguage::English);
  EXPECT_STREQ(none.Package(), "wngerman");

  std::ofstream(dir / "american-english") << "cat\ndog\n";
  WordSource english = LoadWordSourceForLocale(env("de_DE.UTF-8"), dir.string());
  EXPECT_FALSE(english.builtInOnly);
  EXPECT_TRUE(english.englishInstead);
  EXPECT_EQ(english.list.Words().size(), 2u);

  std::ofstream(dir / "ngerman") << "hund\nkatze\nmaus\n";
  WordSource german = LoadWordSourceForLocale(env("de_DE.UTF-8"), dir.string());
  EXPECT_FALSE(german.englishInstead);
  EXPECT_EQ(german.language, WordLanguage::German);
  EXPECT_EQ(german.list.Words().size(), 3u);

  // A language the game does not speak is English on the screens and in the words alike:
  // nothing is missing.
  WordSource italian = LoadWordSourceForLocale(env("it_IT.UTF-8"), dir.string());
  EXPECT_EQ(italian.language, WordLanguage::English);
  EXPECT_FALSE(italian.englishInstead);
  EXPECT_FALSE(LoadWordSourceForLocale(env("en_GB.UTF-8"), dir.string()).englishInstead);
  std::filesystem::remove_all(dir);
}

TEST(WordWaveRule, NoneBeforeAVowelAndFifteenWordsThenGrowingWithTheKeys) {
  struct Case {
    size_t keys, words;
    bool vowel;
    double share;
  };
  const Case cases[] = {{16, 500, false, 0},   {16, 14, true, 0},    {8, 15, true, 0.10}, {10, 40, true, 0.20},
                        {16, 900, true, 0.50}, {21, 900, true, 0.75}, {47, 900, true, 0.75}, {3, 15, true, 0.10}};
  for (const Case& c : cases) {
    EXPECT_NEAR(WordWaveShare(c.keys, c.words, c.vowel), c.share, 1e-9) << c.keys << " keys, " << c.words << " words";
  }
  // The word waves are spread evenly: a fifth gives waves 4, 9, 14 ...; a half every second wave.
  std::vector<size_t> fifth, half;
  for (size_t wave = 0; wave < 15; ++wave) {
    if (IsWordWave(wave, 0.2)) fifth.push_back(wave);
    if (IsWordWave(wave, 0.5)) half.push_back(wave);
    EXPECT_FALSE(IsWordWave(wave, 0));
  }
  EXPECT_EQ(fifth, (std::vector<size_t>{4, 9, 14}));
  EXPECT_EQ(half, (std::vector<size_t>{1, 3, 5, 7, 9, 11, 13}));
}

}  // namespace
