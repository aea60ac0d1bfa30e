// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen draws a tag of a level whose letters name US keys with the active layout's
// character: pixel for pixel the tag of a level that writes that character.
#include <gtest/gtest.h>

#include <QTest>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "game_folder_world.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "platform/keyboard_layout.h"
#include "platform/xkb_key_tables.h"

namespace {

// The tags of a level with places at ; and y (written as given), drawn with the given layout.
QImage TagsDrawn(const std::vector<std::string>& letters, const std::string& layoutKey, const char* keyboardLayout) {
  GameFolderWorld<> world;
  FixedKeyboardLayout keyboard(KeyTableForLayout(keyboardLayout));
  world.services.keyboard = &keyboard;
  std::ofstream map(world.dir + "/Maps/Level1/Map.ini");
  map << "[Map]\nLBMP=Tag.bmp\nLsize=14\n" << layoutKey << "[Objects]\nbandit=Bandit\n";
  for (size_t i = 0; i < letters.size(); ++i) {
    map << "[p" << i << "]\nx=" << 100 + 100 * i << "\ny=50\nh=64\nletter=" << letters[i] << "\n";
  }
  map.close();
  std::ofstream(world.dir + "/Maps/Level1/Script.ini") << "[t]\ncommand=1\nparam1=bandit\nparam2=30000\n";
  TfmGame form(world.app, world.host);
  world.app.screens.fmGame = &form;
  world.app.level = &form.Level();
  form.ShowScreen();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.Level().StartLevel("Level1");
  EXPECT_TRUE(form.Level().LevelLoaded());
  // The tags stand under the places, at y 50 + 64 + 3.
  return form.grab().toImage().copy(60, 110, 300, 40);
}

TEST(LayoutTags, ShowTheCharacterOfTheKeyOnTheActiveLayout) {
  // On de the US keys ; and y type ö and z.
  const QImage byKey = TagsDrawn({";", "y"}, "Layout=us\n", "de");
  const QImage written = TagsDrawn({"\xc3\xb6", "z"}, "", "de");  // "öz" as written, the layout unused
  const QImage onUs = TagsDrawn({";", "y"}, "Layout=us\n", "us");
  if (const char* shots = std::getenv("KEYSLINGER_SHOTS")) byKey.save(QString(shots) + "/tags-de.png");
  EXPECT_EQ(byKey, written);
  EXPECT_NE(byKey, onUs);
  EXPECT_EQ(onUs, TagsDrawn({";", "y"}, "", "de"));
}

}  // namespace
