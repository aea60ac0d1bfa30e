// SPDX-License-Identifier: GPL-3.0-or-later
// Words a child knows and may see: common words first, German nouns kept and typed without Shift,
// names and Roman numerals left out, rude words blocked in every language and harmless ones not.
#include "platform/random.h"
#include "scratch_folder.h"
#include "words/word_list.h"
#include "words/word_ranks.h"
#include "words/word_typing.h"
#include "words/words_choice.h"
#include "words/words_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <unordered_set>

namespace {

WordKeys AllLetters(const WordList& list) {
  WordKeys keys;
  for (char32_t c : list.Alphabet()) {
    const std::string text = EncodeUtf8(std::u32string(1, c));
    keys.keys.push_back(text);
    keys.typed[text] = text;
  }
  keys.focus = keys.keys.front();
  return keys;
}

// How often each word comes up in waves of ten.
std::map<std::string, int> Draws(WordChooser& chooser, int waves, uint64_t seed = 1) {
  Random random(seed);
  std::map<std::string, int> counts;
  for (int wave = 0; wave < waves; ++wave) {
    for (const ChosenWord& word : chooser.Choose(10, random)) ++counts[word.real ? word.text : "(made up)"];
  }
  return counts;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(WordCommonness, ACommonWordIsDrawnFarMoreOftenThanARareOneAndRealWordsStillComeFirst) {
  // "sea" is among the commonest words, "ease" common, "asea" and "ess" rare, "sae" unranked.
  WordList list = WordList::FromText("sea\nease\nasea\ness\nsae\n");
  list.ApplyRanks(*WordRanks::FromTable("# a note\n12 sea\n4000 ease\n30000 asea\n45000 ess\n"));
  WordKeys keys = AllLetters(list);
  keys.focus = "s";
  WordChooser chooser(list, WordLanguage::English, keys);
  // One word a wave: the weights alone decide.
  Random random(3);
  std::map<std::string, int> first;
  for (int wave = 0; wave < 20000; ++wave) ++first[chooser.Choose(1, random).front().text];
  EXPECT_GT(first["sea"], 10 * first["asea"]);
  EXPECT_GT(first["ease"], 4 * first["ess"]);
  EXPECT_GT(first["asea"], first["sae"]);
  EXPECT_GT(first["sae"], 0);  // rare, never gone
  // Weighting never puts a made-up word before an unused real one.
  for (int wave = 0; wave < 50; ++wave) {
    const std::vector<ChosenWord> words = chooser.Choose(7, random);
    for (size_t i = 0; i < words.size(); ++i) EXPECT_EQ(words[i].real, i < 5) << words[i].text;
  }
}

TEST(WordCommonness, RanksFromScowlOrTheShippedTableAndNoneWithoutEither) {
  ScratchFolder dict("words-ranks");
  std::filesystem::create_directories(dict / "scowl");
  std::filesystem::create_directories(dict / "tables");
  std::ofstream(dict / "american-english") << "cat\ndog\nyak\n";
  std::ofstream(dict / "spanish") << "gato\nperro\n";
  std::ofstream(dict / "tables/es.ranks") << "5 gato\n";
  std::ofstream(dict / "tables/en.ranks") << "1 yak\n";
  const WordSource unranked = LoadWordSource(WordLanguage::English, dict.Path(), "");
  EXPECT_FALSE(unranked.list.Ranked());
  EXPECT_EQ(LoadWordSource(WordLanguage::English, dict.Path(), dict / "tables").list.Words()[2].rank, 1u);
  // SCOWL's grades, when installed, rank the English words the table leaves out (the middle of
  // each grade's band), and every English word without the table.
  std::ofstream(dict / "scowl/english-words.10") << "cat\nthe\nyak\n";
  std::ofstream(dict / "scowl/american-words.20") << "dog\n";
  auto ranksOf = [](const WordSource& source) {
    std::vector<uint32_t> ranks;
    for (const ListedWord& word : source.list.Words()) ranks.push_back(word.rank);
    return ranks;
  };
  const WordSource english = LoadWordSource(WordLanguage::English, dict.Path(), dict / "tables");
  EXPECT_EQ(english.ranksFrom, (dict / "tables/en.ranks") + " and SCOWL");
  EXPECT_EQ(ranksOf(english), (std::vector<uint32_t>{2, 4, 1}));
  const WordSource scowlOnly = LoadWordSource(WordLanguage::English, dict.Path(), "");
  EXPECT_EQ(scowlOnly.ranksFrom, "SCOWL");
  EXPECT_EQ(ranksOf(scowlOnly), (std::vector<uint32_t>{2, 4, 2}));
  const WordSource spanish = LoadWordSource(WordLanguage::Spanish, dict.Path(), dict / "tables");
  EXPECT_EQ(spanish.list.Words()[0].rank, 5u);
  EXPECT_EQ(spanish.list.Words()[1].rank, 0u);
}

TEST(GermanNouns, KeptAsWrittenToldFromNamesAndTypedWithoutShift) {
  const std::unordered_set<std::string> names = {"Anna", "Ulm"};
  const WordList list = WordList::FromText(
      "Haus\nHauses\nHäuser\nKind\nKinder\nKindern\nKindes\nTante\nTanten\n"
      // Names: a town and its people, a first name with its genitive, a name with a noun's forms.
      "Berlin\nBerlins\nBerliner\nAnna\nAnnas\nUlm\nUlme\nUlmen\n"
      // Abbreviations, two-letter entries and capitals inside a word are no nouns.
      "ABC\nABCs\nUSA\nMcKay\nMcKays\nOb\nObe\nhaus\n",
      WordListOptions{true, &names});
  std::set<std::string> kept;
  for (const ListedWord& word : list.Words()) kept.insert(word.text);
  // Plaques carry six letters at most: "Kindern" counts for the others' forms only.
  EXPECT_EQ(kept, (std::set<std::string>{"Haus", "Hauses", "Häuser", "Kind", "Kinder", "Kindes", "Tante", "Tanten", "Ulme",
                                          "Ulmen", "haus"}));
  // Without keeping nouns (English, French, Spanish) every capitalised entry stays out.
  EXPECT_EQ(WordList::FromText("Haus\nHäuser\nHauses\nhaus\n").Words().size(), 1u);

  WordKeys keys;
  keys.keys = {"h", "a", "u", "s"};
  keys.focus = "h";
  keys.typed = TypedAsUs(keys.keys);
  WordChooser chooser(list, WordLanguage::German, keys);
  std::set<std::string> drawn;
  Random random(4);
  for (const ChosenWord& word : chooser.Choose(2, random)) {
    drawn.insert(word.text);
    EXPECT_EQ(word.keys, (std::vector<std::string>{"h", "a", "u", "s"}));
  }
  EXPECT_EQ(drawn, (std::set<std::string>{"Haus", "haus"}));
  // The plaque says "Haus"; the keys h, a, u, s shoot it, no Shift.
  WordTyping typing;
  typing.FigureReady(1, "Haus", true);
  EXPECT_EQ(typing.KeyPress("h", false).result, WordKeyResult::Locked);
  EXPECT_EQ(typing.KeyPress("a", false).result, WordKeyResult::Continued);
  EXPECT_EQ(typing.KeyPress("u", false).result, WordKeyResult::Continued);
  EXPECT_EQ(typing.KeyPress("s", false).result, WordKeyResult::Completed);
}

TEST(WordChoice, RomanNumeralsStayOutUnlessCommonWords) {
  WordList list = WordList::FromText("ii\nlii\nxi\nmix\nlid\nmild\ncivil\n");
  list.ApplyRanks(*WordRanks::FromTable("900 mix\n3000 lid\n"));
  WordChooser chooser(list, WordLanguage::English, AllLetters(list));
  std::set<std::string> drawn;
  for (const auto& [word, count] : Draws(chooser, 1)) drawn.insert(word);
  EXPECT_EQ(drawn, (std::set<std::string>{"mix", "lid", "mild", "civil", "(made up)"}));
}

// Per language: a list of offensive words taken from a different source than the block lists,
// and harmless words holding or resembling rude ones.
struct LanguageData {
  WordLanguage language;
  const char* code;
};
const LanguageData kLanguages[] = {{WordLanguage::English, "en"},
                                   {WordLanguage::German, "de"},
                                   {WordLanguage::French, "fr"},
                                   {WordLanguage::Spanish, "es"}};

TEST(WordBlockList, OffensiveWordsNeverDrawnHarmlessOnesKeptInEveryLanguage) {
  for (const LanguageData& data : kLanguages) {
    SCOPED_TRACE(data.code);
    const std::vector<std::string> offensive = ReadLines(std::string(TEST_DATA_DIR) + "/words/offensive-" + data.code + ".txt");
    const std::vector<std::string> harmless = ReadLines(std::string(TEST_DATA_DIR) + "/words/harmless-" + data.code + ".txt");
    ASSERT_GT(offensive.size(), 15u);
    ASSERT_GT(harmless.size(), 8u);
    for (const std::string& word : offensive) EXPECT_TRUE(IsBlockedWord(data.language, word)) << word;
    for (const std::string& word : harmless) EXPECT_FALSE(IsBlockedWord(data.language, word)) << word;
    // Capitalised or not, a rude word is rude.
    std::string capitalised = offensive.front();
    capitalised[0] = static_cast<char>(capitalised[0] - 'a' + 'A');
    EXPECT_TRUE(IsBlockedWord(data.language, capitalised)) << capitalised;

    // Drawn from a list of both: the harmless words of plaque length come up, the rude never.
    const WordList list = WordList::FromText(Joined(offensive) + Joined(harmless));
    WordChooser chooser(list, data.language, AllLetters(list));
    const std::map<std::string, int> drawn = Draws(chooser, 20);
    for (const std::string& word : offensive) EXPECT_EQ(drawn.count(word), 0u) << word;
    for (const ListedWord& word : list.Words()) {
      const bool rude = std::find(offensive.begin(), offensive.end(), word.text) != offensive.end();
      if (!rude && !word.romanNumeral) {
        EXPECT_EQ(drawn.count(word.text), 1u) << word.text;
      }
    }
  }
}

TEST(WordBlockList, InflectedFormsOfABlockedWordWithoutTheHarmlessLookAlikes) {
  struct Case {
    WordLanguage language;
    const char* word;
    bool blocked;
  };
  const Case cases[] = {
      {WordLanguage::English, "rapes", true},      {WordLanguage::English, "raping", true},
      {WordLanguage::English, "wanked", true},     {WordLanguage::English, "spices", false},
      {WordLanguage::English, "assist", false},    {WordLanguage::English, "swanky", false},
      {WordLanguage::German, "fickt", true},       {WordLanguage::German, "vögelt", true},
      {WordLanguage::German, "Huren", true},       {WordLanguage::German, "Zugvögel", false},
      {WordLanguage::French, "branlent", true},    {WordLanguage::French, "salopes", true},
      {WordLanguage::French, "bandes", false},     {WordLanguage::French, "cône", false},
      {WordLanguage::Spanish, "follamos", true},   {WordLanguage::Spanish, "putas", true},
      {WordLanguage::Spanish, "piso", false},      {WordLanguage::Spanish, "puñetazo", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsBlockedWord(c.language, c.word), c.blocked) << c.word;
}

}  // namespace
