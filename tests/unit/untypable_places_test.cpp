// SPDX-License-Identifier: GPL-3.0-or-later
// Places whose key types nothing on the player's layout: which they are, what the player is
// told at the level's start, and that no figure comes up there.
#include "level/place_letters.h"
#include "level_harness.h"
#include "platform/keyboard_layout.h"
#include "platform/xkb_key_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(UntypablePlaces, AreTheKeysThatTypeNoCharacterOnTheLayout) {
  const struct {
    const char* layout;
    std::set<std::string> untypable;  // among the keys below
  } cases[] = {
      {"in(tam)", {"y", "i", "o"}},  // no symbol at all on these keys
      {"gr", {";"}},                 // a dead key; q types ";" instead
      {"de", {"`", "="}},            // dead circumflex and acute
      {"us", {}},
  };
  const char* const keys[] = {"y", "i", "o", ";", "q", "f", "`", "=", "g", "1"};
  for (const auto& c : cases) {
    const std::optional<KeyTable> table = KeyTableForLayout(c.layout);
    ASSERT_TRUE(table) << c.layout;
    for (const char* key : keys) {
      EXPECT_EQ(KeyTypesNoCharacter(*table, key), c.untypable.count(key) == 1) << c.layout << " " << key;
    }
    // Letters that name no US key are not the layout's to judge.
    EXPECT_FALSE(KeyTypesNoCharacter(*table, "\xc3\xb6")) << c.layout;
    EXPECT_FALSE(KeyTypesNoCharacter(*table, "Y")) << c.layout;
  }
}

TEST(UntypablePlaces, TheNoticeNamesTheTagsLetters) {
  EXPECT_EQ(EnglishNotice(UntypableNotice({";"})),
            "On your keyboard layout the key for the letter ; types nothing, so no figure comes up there.");
  EXPECT_EQ(EnglishNotice(UntypableNotice({"y", "i", "o"})),
            "On your keyboard layout the keys for the letters Y, I and O type nothing, so no figures come up there.");
  EXPECT_EQ(EnglishNotice(UntypableNotice({"q", "b"})),
            "On your keyboard layout the keys for the letters Q and B type nothing, so no figures come up there.");
  EXPECT_EQ(UntypableNotice({"y", ";"}), (PlayerNotice{PlayerNotice::Kind::UntypableKeys, {"Y", ";"}}));
}

struct LayoutWorld {
  explicit LayoutWorld(const char* layout) : keyboard(KeyTableForLayout(layout)) {
    h.services.keyboard = &keyboard;
    // Five places, one figure at a time for a long wave: every place gets its turns.
    h.WriteLevel("Level1", "[Map]\nLayout=us\n" + MapIni("p0:0:40:1:y p1:70:40:1:f p2:140:40:1:; p3:210:40:1:q p4:280:40:1:o").substr(6),
                 TemplateStep("t", "bandit", "800") + WaveStep("w", "60000", "0:0:1"));
    h.play->onSpawn = [this](size_t place, const TbotImage&) { spawned.insert(place); };
  }
  LevelHarness h;
  FixedKeyboardLayout keyboard;
  std::set<size_t> spawned;
};

TEST(UntypablePlaces, GetNoFigureAndAreToldOncePerLayout) {
  const struct {
    const char* layout;
    std::vector<size_t> untypable;
    const char* notice;
  } cases[] = {
      {"in(tam)", {0, 4}, "the keys for the letters Y and O type nothing"},
      {"gr", {2}, "the key for the letter ; types nothing"},
      {"us", {}, nullptr},
  };
  for (const auto& c : cases) {
    LayoutWorld world(c.layout);
    ASSERT_TRUE(world.keyboard.table) << c.layout;
    world.h.play->StartLevel("Level1");
    ASSERT_TRUE(world.h.play->LevelLoaded()) << c.layout;
    EXPECT_EQ(world.h.play->Stage().UntypablePlaces(), c.untypable) << c.layout;
    if (c.notice) {
      ASSERT_EQ(world.h.messages.shown.size(), 1u) << c.layout;
      EXPECT_NE(world.h.messages.shown[0].find(c.notice), std::string::npos) << world.h.messages.shown[0];
    } else {
      EXPECT_TRUE(world.h.messages.shown.empty()) << c.layout;
    }
    world.h.Run(30000);
    std::set<size_t> expected = {0, 1, 2, 3, 4};
    for (size_t place : c.untypable) expected.erase(place);
    EXPECT_EQ(world.spawned, expected) << c.layout;
    // The figures that came up were left to act: the level ran on at the typable places.
    EXPECT_GT(world.h.Counter(&LevelCounters::Lost), 0) << c.layout;
    // Starting the level again, or another level, tells nothing new on the same layout.
    world.h.play->RestartLevel();
    ASSERT_TRUE(world.h.play->LevelLoaded());
    EXPECT_EQ(world.h.messages.shown.size(), c.notice ? 1u : 0u) << c.layout;
  }
}

TEST(UntypablePlaces, AnotherLayoutIsToldAgain) {
  LayoutWorld world("in(tam)");
  world.h.play->StartLevel("Level1");
  world.h.play->QuitToMenu();
  world.keyboard.table = KeyTableForLayout("gr");
  world.h.play->StartLevel("Level1");
  world.h.play->QuitToMenu();
  world.keyboard.table = KeyTableForLayout("in(tam)");
  world.h.play->StartLevel("Level1");
  ASSERT_EQ(world.h.messages.shown.size(), 2u);
  EXPECT_NE(world.h.messages.shown[0].find("Y and O"), std::string::npos);
  EXPECT_NE(world.h.messages.shown[1].find("letter ;"), std::string::npos);
}

}  // namespace
