// SPDX-License-Identifier: GPL-3.0-or-later
// Levels whose letters name US key positions: mapped through the active layout at every load.
#include "level_harness.h"
#include "platform/keyboard_layout.h"
#include "platform/xkb_key_tables.h"
#include "targets/letter_image.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

const std::string kScript = TemplateStep("t", "bandit", "20000") + WaveStep("w", "20000", "5000:0:1");

std::string LayoutRows(const std::string& layout) { return "Layout=" + layout + "\n"; }

KeyTable Named(const char* name) {
  std::optional<KeyTable> table = KeyTableForLayout(name);
  EXPECT_TRUE(table) << name;
  return table.value_or(KeyTable{});
}

// Starts Level1 with one place at letter, Layout as given, on the given keyboard.
void Start(LevelHarness& h, KeyboardLayout& keyboard, const std::string& letter, const std::string& rows) {
  h.services.keyboard = &keyboard;
  h.WriteLevel("Level1", MapIni("door:100:50:1:" + letter, rows), kScript);
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
}

struct MappedCase {
  const char* layout;
  const char* letter;  // as Map.ini writes it, a US key
  const char* tag;     // what the tag shows
  const char* hits;    // the character that shoots there
  const char* misses;  // the character that no longer does
};

class MappedLetters : public testing::TestWithParam<MappedCase> {};

TEST_P(MappedLetters, ShowAndShootTheCharacterOfTheSameKey) {
  const MappedCase c = GetParam();
  LevelHarness h;
  FixedKeyboardLayout keyboard(Named(c.layout));
  Start(h, keyboard, c.letter, LayoutRows("us"));
  EXPECT_EQ(h.play->Stage().LetterTags().at(0).tag->Letter, c.tag) << c.layout;
  h.Run(1500);
  ASSERT_NE(h.ActorAt(0), nullptr);
  h.Type(c.misses);
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 1) << c.layout << " " << c.misses;
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 0);
  h.Type(c.hits);
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 1) << c.layout << " " << c.hits;
  EXPECT_TRUE(h.ActorAt(0)->Deathing);
}

INSTANTIATE_TEST_SUITE_P(Layouts, MappedLetters,
                         testing::Values(MappedCase{"de", "y", "Z", "z", "y"}, MappedCase{"de", ";", "Ö", "ö", ";"},
                                         MappedCase{"de", "z", "Y", "y", "z"},
                                         MappedCase{"fr", "a", "Q", "Q", "a"},  // upper case shoots the same
                                         MappedCase{"fr", "m", ",", ",", "m"},
                                         MappedCase{"us(dvorak)", "s", "O", "o", "s"},
                                         MappedCase{"us(colemak)", "j", "N", "n", "j"}));

struct AsWrittenCase {
  const char* what;
  const char* rows;
  bool keyboardAsked;
};

class LettersAsWritten : public testing::TestWithParam<AsWrittenCase> {};

// Levels without Layout, or with one the game does not know, never ask the platform.
TEST_P(LettersAsWritten, IgnoreTheActiveLayout) {
  const AsWrittenCase c = GetParam();
  LevelHarness h;
  FixedKeyboardLayout keyboard(Named("de"));
  Start(h, keyboard, "y", c.rows);
  EXPECT_EQ(h.play->Stage().LetterTags().at(0).tag->Letter, "Y") << c.what;
  EXPECT_EQ(keyboard.reads, c.keyboardAsked ? 1 : 0) << c.what;
  h.Run(1500);
  ASSERT_NE(h.ActorAt(0), nullptr);
  h.Type("y");
  EXPECT_EQ(h.Counter(&LevelCounters::Hits), 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, LettersAsWritten,
                         testing::Values(AsWrittenCase{"no Layout", "", false}, AsWrittenCase{"empty Layout", "Layout=\n", false},
                                         AsWrittenCase{"unknown Layout", "Layout=de\n", false}));

TEST(LettersByKey, AnUnreadableLayoutTakesTheLettersAsWritten) {
  LevelHarness h;
  FixedKeyboardLayout keyboard;  // no table: no X server, or another window system
  Start(h, keyboard, "y", LayoutRows("US"));
  EXPECT_EQ(keyboard.reads, 1);
  EXPECT_EQ(h.play->Stage().LetterTags().at(0).tag->Letter, "Y");
}

TEST(LettersByKey, TheLayoutIsReadAgainAtEveryLoad) {
  LevelHarness h;
  FixedKeyboardLayout keyboard(Named("de"));
  Start(h, keyboard, "y", LayoutRows("us"));
  EXPECT_EQ(h.play->Stage().LetterTags().at(0).tag->Letter, "Z");
  h.play->QuitToMenu();
  keyboard.table = Named("fr");
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
  EXPECT_EQ(keyboard.reads, 2);
  EXPECT_EQ(h.play->Stage().LetterTags().at(0).tag->Letter, "Y");  // fr keeps y where us has it
  h.play->QuitToMenu();
  keyboard.table = Named("ch");
  h.play->StartLevel("Level1");
  EXPECT_EQ(h.play->Stage().LetterTags().at(0).tag->Letter, "Z");
}

// The same level, keys and seed give the same game with Layout=us on a US keyboard as without it.
TEST(LettersByKey, OnAUsLayoutPlayExactlyAsWithoutLayout) {
  struct Outcome {
    LevelCounters counters;
    std::deque<std::string> ticker;
    std::vector<std::string> tags;
  };
  const auto play = [](const std::string& rows) {
    LevelHarness h;
    FixedKeyboardLayout keyboard(Named("us"));
    h.services.keyboard = &keyboard;
    h.WriteLevel("Level1", MapIni("a:20:50:0:f b:120:50:0:j c:220:50:0:; d:320:50:0:y e:420:50:0:/", rows),
                 TemplateStep("t", "bandit", "4000") + WaveStep("w", "15000", "800:300:3"));
    h.random.Seed(99);
    h.play->StartLevel("Level1");
    const char* keys[] = {"f", "j", ";", "y", "/", "z"};
    for (int step = 0; step < 120; ++step) {
      h.Run(150);
      h.Type(keys[step % 6]);
    }
    Outcome out{h.play->Counters(), h.play->Score().Ticker().TickerLines(), {}};
    for (const LetterTagEntry& entry : h.play->Stage().LetterTags()) out.tags.push_back(entry.tag->Letter);
    return out;
  };
  const Outcome written = play("");
  const Outcome byKey = play(LayoutRows("us"));
  EXPECT_GT(written.counters.Hits, 0);
  EXPECT_GT(written.counters.Misses, 0);
  EXPECT_EQ(byKey.counters.Hits, written.counters.Hits);
  EXPECT_EQ(byKey.counters.Misses, written.counters.Misses);
  EXPECT_EQ(byKey.counters.MyScore, written.counters.MyScore);
  EXPECT_EQ(byKey.counters.Bots, written.counters.Bots);
  EXPECT_EQ(byKey.ticker, written.ticker);
  EXPECT_EQ(byKey.tags, written.tags);
}

}  // namespace
