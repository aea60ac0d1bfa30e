// SPDX-License-Identifier: GPL-3.0-or-later
// Key tables: what the keys at US positions type on named layouts, and how level letters map.
#include "platform/key_table.h"
#include "platform/xkb_key_tables.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <set>
#include <string>

namespace {

struct KeyCase {
  const char* layout;
  const char* usKey;
  KeyTyped::Kind kind;
  const char* typed;  // the character, or the dead key's symbol name
};

constexpr auto kChar = KeyTyped::Kind::Character;
constexpr auto kDead = KeyTyped::Kind::DeadKey;

class NamedLayoutKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(NamedLayoutKeys, TypeTheCharacterOfTheirPosition) {
  const KeyCase c = GetParam();
  std::string problem;
  const std::optional<KeyTable> table = KeyTableForLayout(c.layout, &problem);
  ASSERT_TRUE(table) << c.layout << ": " << problem;
  const KeyTyped* typed = table->Find(c.usKey);
  ASSERT_NE(typed, nullptr) << c.layout << " " << c.usKey;
  EXPECT_EQ(typed->kind, c.kind) << c.layout << " " << c.usKey;
  EXPECT_EQ(c.kind == kDead ? typed->symbol : typed->text, c.typed) << c.layout << " " << c.usKey;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, NamedLayoutKeys,
    testing::Values(KeyCase{"de", "y", kChar, "z"}, KeyCase{"de", "z", kChar, "y"}, KeyCase{"de", ";", kChar, "ö"},
                    KeyCase{"de", "[", kChar, "ü"}, KeyCase{"de", "-", kChar, "ß"},
                    KeyCase{"de", "`", kDead, "dead_circumflex"}, KeyCase{"de", "=", kDead, "dead_acute"},
                    KeyCase{"fr", "a", kChar, "q"}, KeyCase{"fr", "q", kChar, "a"}, KeyCase{"fr", "w", kChar, "z"},
                    KeyCase{"fr", ";", kChar, "m"}, KeyCase{"fr", "m", kChar, ","}, KeyCase{"fr", "1", kChar, "&"},
                    KeyCase{"fr", "2", kChar, "é"}, KeyCase{"fr", "[", kDead, "dead_circumflex"},
                    KeyCase{"us(dvorak)", "a", kChar, "a"}, KeyCase{"us(dvorak)", "s", kChar, "o"},
                    KeyCase{"us(dvorak)", "d", kChar, "e"}, KeyCase{"us(dvorak)", "f", kChar, "u"},
                    KeyCase{"us(dvorak)", "q", kChar, "'"}, KeyCase{"us(colemak)", "s", kChar, "r"},
                    KeyCase{"us(colemak)", "j", kChar, "n"}, KeyCase{"gb", "\\", kChar, "#"},
                    KeyCase{"es", ";", kChar, "ñ"}, KeyCase{"es", "'", kDead, "dead_acute"},
                    KeyCase{"it", ";", kChar, "ò"}, KeyCase{"ch", "y", kChar, "z"},
                    KeyCase{"ch", "]", kDead, "dead_diaeresis"}, KeyCase{"se", "[", kChar, "å"},
                    KeyCase{"se", "'", kChar, "ä"}));

// A player with two layouts (us,de) who has switched to the second: the table is that group's,
// not the first one's. A group index past the keymap's groups wraps, as the X server does.
TEST(MultiLayoutKeymap, TheActiveGroupDecidesWhatTheKeysType) {
  std::unique_ptr<xkb_context, void (*)(xkb_context*)> context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES),
                                                               xkb_context_unref);
  ASSERT_TRUE(context);
  const xkb_rule_names names{"evdev", "pc105", "us,de", ",", ""};
  std::unique_ptr<xkb_keymap, void (*)(xkb_keymap*)> keymap(
      xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS), xkb_keymap_unref);
  ASSERT_TRUE(keymap);
  ASSERT_EQ(xkb_keymap_num_layouts(keymap.get()), 2u);
  struct Case {
    uint32_t group;
    const char* usKey;
    const char* typed;
  };
  const Case cases[] = {
      {0, "y", "y"}, {0, ";", ";"}, {0, "-", "-"}, {0, "a", "a"},
      {1, "y", "z"}, {1, "z", "y"}, {1, ";", "ö"}, {1, "-", "ß"}, {1, "a", "a"},
      {2, "y", "y"}, {3, "y", "z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "group " << c.group << ", key " << c.usKey);
    const KeyTable table = KeyTableFromKeymap(keymap.get(), c.group);
    const KeyTyped* typed = table.Find(c.usKey);
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->kind, kChar);
    EXPECT_EQ(typed->text, c.typed);
  }
}

TEST(UsLayout, EveryKeyTypesItsOwnCharacter) {
  const std::optional<KeyTable> table = KeyTableForLayout("us");
  ASSERT_TRUE(table);
  std::set<std::string> seen;
  for (const UsKey& key : UsKeys()) {
    const KeyTyped* typed = table->Find(key.character);
    ASSERT_NE(typed, nullptr) << key.character;
    EXPECT_EQ(typed->kind, kChar) << key.character;
    EXPECT_EQ(typed->text, key.character);
    EXPECT_TRUE(seen.insert(key.character).second) << "listed twice: " << key.character;
  }
  EXPECT_EQ(seen.size(), 47u);
}

TEST(NamedLayouts, UnknownOrMalformedNamesGiveNoTable) {
  for (const char* name : {"xx", "us(nosuch)", "de(", "", "de)x(", "d e"}) {
    std::string problem;
    EXPECT_FALSE(KeyTableForLayout(name, &problem)) << name;
    EXPECT_FALSE(problem.empty()) << name;
  }
}

TEST(KeyTable, MapsLettersThatNameKeysAndKeepsTheRest) {
  KeyTable table;
  table.Set("y", KeyTyped{kChar, "z", "z"});
  table.Set(";", KeyTyped{kChar, "Ö", "Odiaeresis"});  // a key that types upper case unshifted
  table.Set("`", KeyTyped{kDead, "", "dead_circumflex"});
  table.Set("[", KeyTyped{KeyTyped::Kind::NoCharacter, "", "ISO_Level3_Shift"});
  const struct {
    const char* letter;
    const char* becomes;
  } cases[] = {{"y", "z"}, {";", "ö"}, {"`", "`"}, {"[", "["}, {"q", "q"}, {"ö", "ö"}, {"Y", "Y"}, {"", ""}, {"yy", "yy"}};
  for (const auto& c : cases) EXPECT_EQ(table.MapLetter(c.letter), c.becomes) << c.letter;
}

TEST(UsKeys, EvdevCodesAreDistinctAndFound) {
  std::set<int> codes;
  for (const UsKey& key : UsKeys()) {
    EXPECT_TRUE(codes.insert(key.evdevCode).second) << key.character;
    EXPECT_EQ(FindUsKey(key.character), &key);
  }
  EXPECT_EQ(FindUsKey("ö"), nullptr);
  EXPECT_EQ(FindUsKey("F"), nullptr);
  EXPECT_EQ(FindUsKey(""), nullptr);
}

}  // namespace
