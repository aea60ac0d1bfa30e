// SPDX-License-Identifier: GPL-3.0-or-later
// Letter case of UTF-8 text, first characters and ASCII-only comparison.
#include <gtest/gtest.h>

#include <clocale>

#include "platform/text_case.h"
#include "platform/text_measurer.h"

namespace {

struct CaseRow {
  const char* name;
  std::string text;
  std::string lower;
  std::string upper;
};

TEST(TextCase, MapsLettersByUnicodeSimpleCaseMapping) {
  const CaseRow rows[] = {
      {"ascii", "Hello, World 42!", "hello, world 42!", "HELLO, WORLD 42!"},
      {"umlauts", "ÄÖÜ äöü", "äöü äöü", "ÄÖÜ ÄÖÜ"},
      {"sharp s has no single capital", "straße", "straße", "STRAßE"},
      {"greek with final sigma", "ΑΒΓ Σσς", "αβγ σσς", "ΑΒΓ ΣΣΣ"},
      {"cyrillic", "Привет, Ёж", "привет, ёж", "ПРИВЕТ, ЁЖ"},
      {"four-byte letters", "\xF0\x90\x90\x80", "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},
      {"title case digraph", "ǅ", "ǆ", "Ǆ"},
      {"dotted capital I", "İ", "i", "İ"},
      {"no letters", "1234 -+/ €", "1234 -+/ €", "1234 -+/ €"},
      {"empty", "", "", ""},
  };
  for (const CaseRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ToLowerUtf8(row.text), row.lower);
    EXPECT_EQ(ToUpperUtf8(row.text), row.upper);
  }
}

TEST(TextCase, InvalidBytesPassThroughUnchanged) {
  const CaseRow rows[] = {
      {"stray continuation byte", "A\x80z", "a\x80z", "A\x80Z"},
      {"lead byte 0xFF",
       "\xFF"
       "Ab",
       "\xFF"
       "ab",
       "\xFF"
       "AB"},
      {"sequence cut at the end", "Q\xC3", "q\xC3", "Q\xC3"},
      {"sequence cut by a letter",
       "\xC3"
       "A",
       "\xC3"
       "a",
       "\xC3"
       "A"},
      {"overlong encoding of 'A'", "\xC1\x81", "\xC1\x81", "\xC1\x81"},
      {"overlong three-byte encoding", "\xE0\x81\x81", "\xE0\x81\x81", "\xE0\x81\x81"},
      {"surrogate half",
       "\xED\xA0\x80"
       "b",
       "\xED\xA0\x80"
       "b",
       "\xED\xA0\x80"
       "B"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
      {"valid letter after invalid bytes", "\xFE\xC4\x80", "\xFE\xC4\x81", "\xFE\xC4\x80"},
  };
  for (const CaseRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ToLowerUtf8(row.text), row.lower);
    EXPECT_EQ(ToUpperUtf8(row.text), row.upper);
  }
}

TEST(TextCase, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(ToUpperUtf8("äß ж"), "Äß Ж");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(TextCase, FirstCharacterIsOneCodePoint) {
  const std::pair<std::string, std::string> rows[] = {
      {"", ""},
      {"abc", "a"},
      {"Äpfel", "Ä"},
      {"жук", "ж"},
      {"€5", "€"},
      {"\xF0\x9F\x98\x80!", "\xF0\x9F\x98\x80"},
      {"\x80x", "\x80"},
      {"\xC3", "\xC3"},
      {"\xE2\x82"
       "A",
       "\xE2"},
  };
  for (const auto& [text, first] : rows) {
    SCOPED_TRACE(text);
    EXPECT_EQ(FirstCharacterUtf8(text), first);
  }
}

TEST(TextCase, AsciiFoldingLeavesOtherLettersAlone) {
  EXPECT_TRUE(EqualsNoCaseAscii("Map", "mAP"));
  EXPECT_TRUE(EqualsNoCaseAscii("", ""));
  EXPECT_FALSE(EqualsNoCaseAscii("Map", "Maps"));
  EXPECT_FALSE(EqualsNoCaseAscii("Ä", "ä"));
  EXPECT_FALSE(EqualsNoCaseAscii("[", "{"));  // 0x5B and 0x7B differ by the case bit only
  EXPECT_FALSE(EqualsNoCaseAscii("@", "`"));
  EXPECT_EQ(ToLowerAscii("Level12 ÄÖ [Z]"), "level12 ÄÖ [z]");
}

// The stand-in for real fonts in tests and headless runs: every character is as wide as every
// other (so widths follow from the text alone), characters are counted and not bytes, and a
// larger size is larger.
TEST(FixedTextMeasurer, FixedPitchCountingCharactersNotBytes) {
  FixedTextMeasurer measurer;
  for (int size : {13, 20, 48}) {
    SCOPED_TRACE(size);
    const TextSize one = measurer.MeasureBold("W", size);
    EXPECT_GT(one.width, 0);
    EXPECT_GE(one.height, size) << "a line is at least as tall as its font";
    EXPECT_EQ(measurer.MeasureBold("i", size).width, one.width);
    EXPECT_EQ(measurer.MeasureBold("Miss: 12", size).width, 8 * one.width);
    // Two, two and three bytes long: one character each.
    EXPECT_EQ(measurer.MeasureBold("ÄЖ€", size).width, 3 * one.width);
    EXPECT_EQ(measurer.MeasureBold("ÄЖ€", size).height, one.height);
    EXPECT_EQ(measurer.MeasureBold("", size).width, 0);
    EXPECT_LT(one.width, size) << "narrower than its height, as letters are";
  }
  EXPECT_LT(measurer.MeasureBold("0:00", 13).width, measurer.MeasureBold("0:00", 48).width);
  EXPECT_LT(measurer.MeasureBold("0:00", 13).height, measurer.MeasureBold("0:00", 48).height);
}

}  // namespace
