// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped level loads in the game's rules and plays to its end, on every difficulty.
#include "level_harness.h"

#include <gtest/gtest.h>

namespace {

struct ShippedLevel {
  int number;
  const char* difficulty;
};

class ShippedLevels : public testing::TestWithParam<ShippedLevel> {};

TEST_P(ShippedLevels, PlayToTheirEndWithoutAnError) {
  const ShippedLevel c = GetParam();
  LevelHarness h(CONTENT_DIR);
  h.shared.playerStore->WriteString("Tester", "up", c.difficulty);
  int64_t endedAt = 0;
  h.host.onResults = [&] {
    endedAt = h.timers.NowMs();
    h.play->QuitToMenu();
    h.shared.returnToMenu = true;
  };
  h.play->StartLevel("Level" + std::to_string(c.number));
  ASSERT_TRUE(h.play->LevelLoaded()) << (h.messages.shown.empty() ? "" : h.messages.shown[0]);
  const size_t places = h.play->Stage().Places().size();
  EXPECT_GE(places, 4u);
  EXPECT_LE(places, 14u);
  // A steady typist: every 400 ms the first standing enemy is shot.
  while (endedAt == 0 && h.timers.NowMs() < 10 * 60 * 1000 && h.messages.shown.empty()) {
    h.Run(400);
    const auto& all = h.play->Stage().Places();
    for (size_t i = 0; i < all.size(); ++i) {
      const TbotImage* a = all[i].actor;
      if (a && a->Character != 1 && !a->Dump && !a->Deadly && !a->Deathing && !a->Activity) {
        const IniEntry* letter = h.play->Stage().MapStore()->Document()->FindEntry(all[i].name, "letter");
        ASSERT_NE(letter, nullptr);
        h.Type(letter->value);
        break;
      }
    }
  }
  EXPECT_TRUE(h.messages.shown.empty()) << h.messages.shown[0];
  ASSERT_GT(endedAt, 0) << "the level never ended";
  EXPECT_GE(endedAt, 60 * 1000);
  EXPECT_LE(endedAt, 3 * 60 * 1000 + 30 * 1000);
  EXPECT_GT(h.play->Counters().Hits, 0);
  EXPECT_EQ(h.play->Counters().Misses, 0);
}

std::vector<ShippedLevel> AllLevels() {
  std::vector<ShippedLevel> levels;
  for (int n = 1; n <= 16; ++n) {
    for (const char* d : {"Easy", "Normal", "Hard"}) levels.push_back({n, d});
  }
  return levels;
}

INSTANTIATE_TEST_SUITE_P(Content, ShippedLevels, testing::ValuesIn(AllLevels()),
                         [](const testing::TestParamInfo<ShippedLevel>& info) {
                           return "Level" + std::to_string(info.param.number) + info.param.difficulty;
                         });

}  // namespace
