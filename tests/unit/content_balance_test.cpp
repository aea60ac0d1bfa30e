// SPDX-License-Identifier: GPL-3.0-or-later
// The shape of every shipped level script: growing waves, civilians, a rare bonus, sane lives and lengths.
#include "core/field_split.h"
#include "core/ini_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kEnemy = 0, kCivilian = 1;

IniDocument ReadIni(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return IniDocument::Parse(text.str());
}

int Integer(const std::string& text) { return IniIntegerOr(text, -999999); }

struct Row {
  int extraActors = 0, extraDumpTime = 0, extraMaxLife = 0, missPenalty = 0, civilianPenalty = 0;
};

struct Template {
  int character;
  int maxLife;
};

struct Wave {
  int ms, dumpTime, dumpInterval, target;
  std::vector<Template> templates;  // every template defined when the wave starts
};

struct Level {
  Row easy, normal, hard;
  std::vector<Wave> waves;
  std::vector<Template> templates;  // all definitions, in script order
};

Row ReadRow(const IniDocument& map, const char* difficulty) {
  const IniEntry* entry = map.FindEntry("Map", difficulty);
  if (!entry) return {};
  const std::vector<std::string> f = SplitFields(entry->value);
  if (f.size() < 5) return {};
  return {Integer(f[0]), Integer(f[1]), Integer(f[2]), Integer(f[3]), Integer(f[4])};
}

Level ReadLevel(int number) {
  const std::string dir = std::string(CONTENT_DIR) + "/Maps/Level" + std::to_string(number);
  const IniDocument map = ReadIni(dir + "/Map.ini");
  const IniDocument script = ReadIni(dir + "/Script.ini");
  Level level;
  level.easy = ReadRow(map, "Easy");
  level.normal = ReadRow(map, "Normal");
  level.hard = ReadRow(map, "Hard");
  for (const IniSection& step : script.Sections()) {
    const IniEntry* command = script.FindEntry(step.name, "command");
    const IniEntry* param1 = script.FindEntry(step.name, "param1");
    const IniEntry* param2 = script.FindEntry(step.name, "param2");
    if (!command || !param1 || !param2) continue;
    if (command->value == "1") {
      const IniEntry* folder = map.FindEntry("Objects", param1->value);
      const IniDocument object =
          ReadIni(std::string(CONTENT_DIR) + "/Objects/" + (folder ? folder->value : "") + "/Object.ini");
      const IniEntry* character = object.FindEntry("object", "Character");
      level.templates.push_back({character ? Integer(character->value) : 0, Integer(param2->value)});
    } else if (command->value == "2") {
      const std::vector<std::string> f = SplitFields(param2->value);
      if (f.size() < 3) continue;
      level.waves.push_back({Integer(param1->value), Integer(f[0]), Integer(f[1]), Integer(f[2]), level.templates});
    }
  }
  return level;
}

int CountOf(const std::vector<Template>& templates, int character) {
  return static_cast<int>(std::count_if(templates.begin(), templates.end(),
                                        [character](const Template& t) { return t.character == character; }));
}

class ShippedScripts : public testing::TestWithParam<int> {};

TEST_P(ShippedScripts, WavesGrowFromACalmStartToABusyEnd) {
  const Level level = ReadLevel(GetParam());
  ASSERT_GE(level.waves.size(), 3u);
  EXPECT_EQ(level.waves.front().target, 1);
  EXPECT_GT(level.waves.back().target, level.waves.front().target);
  for (size_t i = 1; i < level.waves.size(); ++i) {
    EXPECT_GE(level.waves[i].target, level.waves[i - 1].target) << "wave " << i + 1;
    EXPECT_LE(level.waves[i].dumpTime, level.waves[i - 1].dumpTime) << "wave " << i + 1;
  }
}

TEST_P(ShippedScripts, EveryDurationIsOnTheClocksStep) {
  const Level level = ReadLevel(GetParam());
  for (const Template& t : level.templates) EXPECT_EQ(t.maxLife % 100, 0) << t.maxLife;
  for (const Wave& w : level.waves) {
    EXPECT_EQ(w.ms % 100, 0);
    EXPECT_EQ(w.dumpTime % 100, 0);
    EXPECT_EQ(w.dumpInterval % 100, 0);
  }
  for (const Row& r : {level.easy, level.normal, level.hard}) {
    EXPECT_EQ(r.extraDumpTime % 100, 0);
    EXPECT_EQ(r.extraMaxLife % 100, 0);
    EXPECT_EQ(r.missPenalty % 100, 0);
    EXPECT_EQ(r.civilianPenalty % 100, 0);
  }
}

TEST_P(ShippedScripts, LastsOneToThreeMinutesOnEveryDifficulty) {
  // Waves plus, after each, the longest the game can wait for the actors still standing: a whole
  // life and one more second.
  const Level level = ReadLevel(GetParam());
  int waves = 0, longestLife = 0;
  for (const Wave& w : level.waves) waves += w.ms;
  for (const Template& t : level.templates) longestLife = std::max(longestLife, t.maxLife);
  EXPECT_GE(waves, 60000);
  for (const Row& r : {level.easy, level.normal, level.hard}) {
    const int longest = waves + static_cast<int>(level.waves.size()) * (longestLife + r.extraMaxLife + 1000);
    EXPECT_LE(longest, 180000) << "extra life " << r.extraMaxLife;
  }
}

TEST_P(ShippedScripts, EasyIsKinderAndHardIsHarderThanNormal) {
  const Level level = ReadLevel(GetParam());
  EXPECT_GT(level.easy.extraMaxLife, level.normal.extraMaxLife);
  EXPECT_LT(level.hard.extraMaxLife, level.normal.extraMaxLife);
  EXPECT_GE(level.hard.extraActors, level.normal.extraActors);
  EXPECT_LE(level.easy.extraActors, level.normal.extraActors);
  // On Hard every actor still stands for a while, so its points are never zero or negative.
  for (const Template& t : level.templates) EXPECT_GE(t.maxLife + level.hard.extraMaxLife, 300) << t.maxLife;
}

TEST_P(ShippedScripts, CiviliansFromLevelThreeOn) {
  const int number = GetParam();
  const Level level = ReadLevel(number);
  ASSERT_FALSE(level.waves.empty());
  const int civilians = CountOf(level.waves.front().templates, kCivilian);
  if (number < 3) {
    EXPECT_EQ(CountOf(level.templates, kCivilian), 0);
  } else {
    EXPECT_GT(civilians, 0) << "the first wave has no civilian";
  }
}

TEST_P(ShippedScripts, TheBonusIsRareAndWorthLittle) {
  // A bonus counts in the score but not in what it is measured against; frequent or long-lived
  // bonuses lift good runs above 100 percent.
  const Level level = ReadLevel(GetParam());
  for (const Wave& w : level.waves) {
    const int all = static_cast<int>(w.templates.size());
    const int bonus = all - CountOf(w.templates, kEnemy) - CountOf(w.templates, kCivilian);
    EXPECT_LE(bonus * 16, all) << "a bonus in more than one draw in 16";
  }
  int enemyLife = 0, enemies = 0;
  for (const Template& t : level.templates) {
    if (t.character == kEnemy) {
      enemyLife += t.maxLife;
      ++enemies;
    }
  }
  ASSERT_GT(enemies, 0);
  for (const Template& t : level.templates) {
    if (t.character != kEnemy && t.character != kCivilian) {
      EXPECT_LT(t.maxLife, enemyLife / enemies) << t.maxLife;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Content, ShippedScripts, testing::Range(1, 17),
                         [](const testing::TestParamInfo<int>& info) { return "Level" + std::to_string(info.param); });

TEST(ShippedContent, SomeLevelsHaveABonus) {
  int withBonus = 0;
  for (int number = 1; number <= 16; ++number) {
    const Level level = ReadLevel(number);
    const int all = static_cast<int>(level.templates.size());
    if (all - CountOf(level.templates, kEnemy) - CountOf(level.templates, kCivilian) > 0) ++withBonus;
  }
  EXPECT_GT(withBonus, 0);
}

}  // namespace
