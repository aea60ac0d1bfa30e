// SPDX-License-Identifier: GPL-3.0-or-later
// The finger that types each key position, by the column it stands in.
#include "practice/key_finger.h"

#include <gtest/gtest.h>

#include "platform/key_table.h"

TEST(KeyFinger, EachColumnHasItsFingerAndTheIndexFingersTakeTwo) {
  const struct {
    const char* position;
    Finger finger;
  } cases[] = {{"a", Finger::LeftLittle},  {"1", Finger::LeftLittle},  {"z", Finger::LeftLittle},
               {"s", Finger::LeftRing},    {"x", Finger::LeftRing},    {"d", Finger::LeftMiddle},
               {"f", Finger::LeftIndex},   {"g", Finger::LeftIndex},   {"b", Finger::LeftIndex},
               {"5", Finger::LeftIndex},   {"h", Finger::RightIndex},  {"6", Finger::RightIndex},
               {"j", Finger::RightIndex},  {"m", Finger::RightIndex},  {"k", Finger::RightMiddle},
               {",", Finger::RightMiddle}, {"l", Finger::RightRing},   {".", Finger::RightRing},
               {";", Finger::RightLittle}, {"p", Finger::RightLittle}, {"/", Finger::RightLittle},
               {"'", Finger::RightLittle}, {"=", Finger::RightLittle}, {"\\", Finger::RightLittle},
               {"", Finger::None},         {"ff", Finger::None},       {" ", Finger::None}};
  for (const auto& c : cases) EXPECT_EQ(FingerOf(c.position), c.finger) << '"' << c.position << '"';
}

TEST(KeyFinger, EveryKeyOfTheTypingAreaHasAFingerWithAName) {
  for (const UsKey& key : UsKeys()) {
    const Finger finger = FingerOf(key.character);
    EXPECT_NE(finger, Finger::None) << key.character;
    EXPECT_NE(std::string(FingerName(finger)), "") << key.character;
  }
  EXPECT_STREQ(FingerName(Finger::None), "");
}
