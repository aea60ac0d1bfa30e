// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of INI text parsing and of the INI integer rule.
#include "core/ini_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

using namespace std::string_literals;

TEST(IniDocumentTest, SectionsAndEntriesCarryTheirLineNumbers) {
  const std::string text =
      "\xEF\xBB\xBF"
      "orphan=before any section\r\n"
      "; comment=not a key\r\n"
      "\r\n"
      "  [ First ]  \r\n"
      "  levels = 3 \r\n"
      "no equals sign here\r\n"
      "   ;indented comment=x\r\n"
      "[Second]\r\n"
      "up=easy";
  IniDocument document = IniDocument::Parse(text);
  const std::vector<IniSection>& sections = document.Sections();
  ASSERT_EQ(sections.size(), 2u);
  EXPECT_EQ(sections[0].name, "First");
  EXPECT_EQ(sections[0].line, 4);
  ASSERT_EQ(sections[0].entries.size(), 1u);
  EXPECT_EQ(sections[0].entries[0].key, "levels");
  EXPECT_EQ(sections[0].entries[0].value, "3");
  EXPECT_EQ(sections[0].entries[0].line, 5);
  EXPECT_EQ(sections[1].name, "Second");
  EXPECT_EQ(sections[1].line, 8);
  ASSERT_EQ(sections[1].entries.size(), 1u);
  EXPECT_EQ(sections[1].entries[0].value, "easy");
  EXPECT_EQ(sections[1].entries[0].line, 9);
}

TEST(IniDocumentTest, ValuesAndSectionNamesFollowTheLineRules) {
  struct Case {
    std::string line;
    std::string key;
    std::string value;
  };
  const Case cases[] = {
      {"k=v", "k", "v"},
      {"  spaced key \t=\t spaced value  ", "spaced key", "spaced value"},
      {"k=\"double quoted\"", "k", "double quoted"},
      {"k='single quoted'", "k", "single quoted"},
      {"k= \" blanks inside quotes \" ", "k", " blanks inside quotes "},
      {"k=\"mismatched'", "k", "\"mismatched'"},
      {"k=\"\"quoted twice\"\"", "k", "\"quoted twice\""},
      {"k=\"", "k", "\""},
      {"k=\"\"", "k", ""},
      {"k=", "k", ""},
      {"k=a=b", "k", "a=b"},
      {"=no key", "", "no key"},
      {"k=value\r", "k", "value"},
      {"k=x\0y"s, "k", "x\0y"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    IniDocument document = IniDocument::Parse("[s]\n" + c.line + "\n");
    ASSERT_EQ(document.Sections().size(), 1u);
    ASSERT_EQ(document.Sections()[0].entries.size(), 1u);
    EXPECT_EQ(document.Sections()[0].entries[0].key, c.key);
    EXPECT_EQ(document.Sections()[0].entries[0].value, c.value);
  }

  const std::pair<std::string, std::string> headers[] = {
      {"[name]", "name"},         {"[ name ]", "name"}, {"[name] trailing", "name"},
      {"[unclosed ", "unclosed"}, {"[]", ""},           {"[a]b]", "a"},
      {"\t[Tabbed]\t", "Tabbed"},
  };
  for (const auto& [line, name] : headers) {
    SCOPED_TRACE(line);
    IniDocument document = IniDocument::Parse(line);
    ASSERT_EQ(document.Sections().size(), 1u);
    EXPECT_EQ(document.Sections()[0].name, name);
  }
}

TEST(IniDocumentTest, ValuesAreCutTo2047Characters) {
  const std::string longValue(5000, 'v');
  IniDocument document = IniDocument::Parse("[s]\nplain=" + longValue + "\nquoted=\"" +
                                            std::string(2047, 'q') + "\"\n");
  const IniEntry* plain = document.FindEntry("s", "plain");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->value, std::string(2047, 'v'));
  const IniEntry* quoted = document.FindEntry("s", "quoted");
  ASSERT_NE(quoted, nullptr);
  EXPECT_EQ(quoted->value, std::string(2047, 'q'));
}

TEST(IniDocumentTest, LookUpsIgnoreLetterCaseAndTheFirstOfDuplicatesWins) {
  IniDocument document = IniDocument::Parse(
      "[Bob]\nLevels=3\nlevels=9\n"
      "[bob]\nlevels=5\nup=hard\n"
      "[Other]\nx=1\n");
  ASSERT_EQ(document.Sections().size(), 3u);
  EXPECT_EQ(document.Sections()[1].name, "bob");

  const IniSection* bob = document.FindSection("BOB");
  ASSERT_NE(bob, nullptr);
  EXPECT_EQ(bob->line, 1);
  const IniEntry* levels = document.FindEntry("BoB", "LEVELS");
  ASSERT_NE(levels, nullptr);
  EXPECT_EQ(levels->value, "3");
  EXPECT_EQ(levels->line, 2);
  // The key lives only in the second section of the name, which look-ups never reach.
  EXPECT_EQ(document.FindEntry("bob", "up"), nullptr);
  EXPECT_EQ(document.FindEntry("Missing", "x"), nullptr);
  EXPECT_EQ(document.FindEntry("other", "y"), nullptr);
  EXPECT_EQ(document.FindSection("Othe"), nullptr);
}

TEST(IniDocumentTest, CaseFoldingIsAsciiOnly) {
  IniDocument document = IniDocument::Parse("[\xC3\x84pfel]\nk=1\n");  // "Äpfel" in UTF-8
  EXPECT_NE(document.FindSection("\xC3\x84PFEL"), nullptr);
  EXPECT_EQ(document.FindSection("\xC3\xA4pfel"), nullptr);  // "äpfel": other bytes
}

TEST(IniDocumentTest, HostileBytesParseWithoutHarm) {
  std::mt19937 generator(1234);
  std::string garbage(1 << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(generator() & 0xFF);
  IniDocument document = IniDocument::Parse("[known]\nkey=value\n" + garbage + "\n[last]\nk=v");
  const IniEntry* first = document.FindEntry("known", "key");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->value, "value");
  const IniEntry* last = document.FindEntry("last", "k");
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->value, "v");
  for (const IniSection& section : document.Sections()) {
    for (const IniEntry& entry : section.entries) EXPECT_LE(entry.value.size(), 2047u);
  }

  // One line of several megabytes, a section header of the same size, NUL bytes everywhere.
  const std::string huge(8 << 20, 'x');
  IniDocument longLines =
      IniDocument::Parse("[s]\nk=" + huge + "\n[" + huge + "]\n\0\0\0=\0\n[t]\nk=1"s);
  ASSERT_EQ(longLines.Sections().size(), 3u);
  EXPECT_EQ(longLines.FindEntry("s", "k")->value.size(), 2047u);
  EXPECT_EQ(longLines.Sections()[1].name.size(), huge.size());
  ASSERT_EQ(longLines.Sections()[1].entries.size(), 1u);
  EXPECT_EQ(longLines.Sections()[1].entries[0].key, "\0\0\0"s);
  EXPECT_EQ(longLines.Sections()[2].line, 5);
}

TEST(IniDocumentTest, EmptyAndSectionlessTextHasNoSections) {
  EXPECT_TRUE(IniDocument::Parse("").Sections().empty());
  EXPECT_TRUE(IniDocument::Parse("\xEF\xBB\xBF").Sections().empty());
  EXPECT_TRUE(IniDocument::Parse("a=1\nb=2\n;[c]\n").Sections().empty());
  // A byte-order mark is only one at the very start.
  IniDocument late = IniDocument::Parse("\n\xEF\xBB\xBF[s]\n");
  ASSERT_EQ(late.Sections().size(), 0u);
}

TEST(IniIntegerTest, ParsesByTheIniIntegerRule) {
  struct Case {
    std::string text;
    bool valid;
    int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"42", true, 42},
      {"007", true, 7},
      {"+5", true, 5},
      {"-5", true, -5},
      {"   12", true, 12},
      {"\t12", true, 12},
      {"2147483647", true, INT32_MAX},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
      {"0x10", true, 16},
      {"0X1f", true, 31},
      {"0xFFFFFFFF", true, -1},
      {"0x7FFFFFFF", true, INT32_MAX},
      {"0x80000000", true, INT32_MIN},
      {"0x000000010", true, 16},
      {"0x100000000", false, 0},
      {"0x", false, 0},
      {"0X", false, 0},
      {"0x-5", false, 0},
      {"0x 5", false, 0},
      {"0xG", false, 0},
      {"$10", true, 16},
      {"$ff", true, 255},
      {"x10", true, 16},
      {"X10", true, 16},
      {"-$10", true, -16},
      {"+x10", true, 16},
      {"-$FFFFFFFF", true, 1},
      {"  $A", true, 10},
      {"$", false, 0},
      {"x", false, 0},
      {"-0x10", false, 0},
      {" 0x10", false, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"-", false, 0},
      {"+", false, 0},
      {"12abc", false, 0},
      {"12 ", false, 0},
      {"1 2", false, 0},
      {"1.5", false, 0},
      {"--1", false, 0},
      {"- 1", false, 0},
      {"abc", false, 0},
      {"1\0"s, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    int32_t out = 12345;
    EXPECT_EQ(ParseIniInteger(c.text, out), c.valid);
    if (c.valid) {
      EXPECT_EQ(out, c.value);
      EXPECT_EQ(IniIntegerOr(c.text, -777), c.value);
    } else {
      EXPECT_EQ(out, 12345) << "a failed parse leaves the output alone";
      EXPECT_EQ(IniIntegerOr(c.text, -777), -777);
    }
  }
}

}  // namespace
