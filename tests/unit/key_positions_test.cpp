// SPDX-License-Identifier: GPL-3.0-or-later
// Shots filed by the physical key: lost enemies under the key the layout types, one record per
// key position across layouts, the per-position chances, and version 1 files brought up to it.
#include "level_harness.h"
#include "platform/keyboard_layout.h"
#include "platform/xkb_key_tables.h"
#include "progress/key_positions.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "progress/progress_view.h"
#include "screens/results.h"
#include "old_progress_file.h"
#include "scratch_folder.h"
#include "sql_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// Level play on a fixed layout with a recorder writing to <dir>/data/Progress.db.
struct LayoutLevel {
  explicit LayoutLevel(const char* layoutName) : keyboard(KeyTableForLayout(layoutName)) {
    h.shared.dataDir = h.dir + "/data/";
    std::filesystem::create_directories(h.dir + "/data");
    h.services.keyboard = &keyboard;
    recorder = std::make_unique<ProgressRecorder>(h.shared, h.timers, h.messages, [] { return int64_t{0}; });
    h.play->listener = recorder.get();
    h.host.onResults = [this] {
      Results results(h.shared, h.services, *h.play);
      results.Show();
      results.MainMenu();
    };
  }
  ~LayoutLevel() {
    h.play->listener = nullptr;
    recorder.reset();
  }
  void UseLayout(const char* name) { keyboard.table = KeyTableForLayout(name); }
  // Level1 with Layout=us, its places given as "name:x:y:side:letter", one enemy at a time.
  void Start(const std::string& places, const std::string& life = "3000", const std::string& wave = "20000") {
    h.WriteLevel("Level1", "[Map]\nLayout=us\n" + MapIni(places).substr(6),
                 TemplateStep("t", "bandit", life) + WaveStep("w", wave, "0:0:1"));
    h.play->StartLevel("Level1");
    ASSERT_TRUE(h.play->LevelLoaded());
  }
  // Plays the level to its end, typing text at each enemy that stands ready at place 0.
  void ShootAtFirstPlace(const std::string& text, int shots) {
    for (int tick = 0; tick < 5000 && h.play->LevelLoaded(); ++tick) {
      h.Run(100);
      const TbotImage* actor = h.play->LevelLoaded() ? h.ActorAt(0) : nullptr;
      if (shots > 0 && actor && !actor->Dump && !actor->Deathing && !actor->Activity && !actor->Deadly &&
          actor->Visible) {
        h.play->KeyPress(false, text, "");
        h.play->KeyRelease();
        --shots;
      }
    }
  }
  std::string DbPath() const { return h.shared.PlayerDataDir() + kProgressFileName; }

  LevelHarness h;
  FixedKeyboardLayout keyboard;
  std::unique_ptr<ProgressRecorder> recorder;
};

const KeyTile* TileAt(const ProgressView& view, const std::string& position) {
  for (const KeyTile& tile : view.tiles) {
    if (tile.position == position) return &tile;
  }
  return nullptr;
}

// On a Russian keyboard the key Map.ini calls g types п: an enemy that escapes there is a chance
// at п, as a shot there is, never at a Latin letter the player cannot type. The same holds for
// every layout whose keys type other letters.
TEST(KeyPositions, LostEnemiesAreFiledUnderTheKeyTheLayoutTypes) {
  const struct {
    const char* layout;
    const char* letter;
    const char* typed;
  } cases[] = {{"ru", "g", "\xd0\xbf"}, {"us(dvorak)", "s", "o"}, {"gr", "g", "\xce\xb3"}};
  for (const auto& c : cases) {
    LayoutLevel level(c.layout);
    ASSERT_TRUE(level.keyboard.table) << c.layout;
    level.Start(std::string("door:100:50:1:") + c.letter, "1500", "8000");
    level.ShootAtFirstPlace(c.typed, 1);  // the first enemy is shot, the others escape
    ASSERT_FALSE(level.h.play->LevelLoaded()) << c.layout;
    const auto rows = QueryRows(level.DbPath(), "SELECT result, key, position FROM shots");
    ASSERT_FALSE(rows.empty()) << c.layout;
    bool lost = false;
    for (const auto& row : rows) {
      EXPECT_EQ(row[1], c.typed) << c.layout << " " << row[0];
      EXPECT_EQ(row[2], c.letter) << c.layout << " " << row[0];
      lost = lost || row[0] == "LOST";
    }
    EXPECT_TRUE(lost) << c.layout << ": no enemy escaped at the door";
  }
}

// A player shoots at the US ; key on a US keyboard, then on a German one, where it types ö: the
// records hold one key, which the screen names as the layout it opens on types it.
TEST(KeyPositions, OnePhysicalKeyIsOneRecordAcrossLayouts) {
  LayoutLevel level("us");
  level.Start("semi:100:50:1:;");
  level.ShootAtFirstPlace(";", 6);
  level.UseLayout("de");
  level.h.play->StartLevel("Level1");
  ASSERT_TRUE(level.h.play->LevelLoaded());
  level.ShootAtFirstPlace("\xc3\xb6", 6);
  // A stray key beside the figure standing at ; is a miss charged to it, by position.
  level.h.play->StartLevel("Level1");
  level.h.Run(200);
  level.h.play->KeyPress(false, "\xc3\xa4", "'");
  level.h.play->KeyRelease();
  level.h.play->QuitToMenu();

  const auto typed = QueryRows(level.DbPath(), "SELECT DISTINCT typed FROM shots WHERE result = 'POINT' ORDER BY typed");
  ASSERT_EQ(typed, (std::vector<std::vector<std::string>>{{";"}, {"\xc3\xb6"}}));
  EXPECT_EQ(QueryRows(level.DbPath(), "SELECT count(*) FROM shots WHERE position = ';' AND result = 'POINT'")[0][0], "12");
  EXPECT_EQ(QueryRows(level.DbPath(), "SELECT key, position FROM shots WHERE result = 'MISS'"),
            (std::vector<std::vector<std::string>>{{"\xc3\xa4", "'"}}));
  EXPECT_EQ(QueryValue(level.DbPath(), "SELECT charged FROM shots WHERE result = 'MISS'"), ";");
  const std::string chances =
      QueryRows(level.DbPath(), "SELECT count(*) FROM shots WHERE coalesce(charged, position) = ';'")[0][0];
  const ProgressData data = level.recorder->Load("Tester");
  const std::optional<KeyTable> de = KeyTableForLayout("de");
  const std::optional<KeyTable> us = KeyTableForLayout("us");
  const std::vector<std::string> taught = {"\xc3\xb6"};
  const ProgressView onDe = MakeProgressView(data, taught, 0, &*de);
  ASSERT_EQ(onDe.practiseLines.size(), 1u);
  EXPECT_EQ(onDe.practiseLines[0].substr(0, onDe.practiseLines[0].find(' ')), "\xc3\xb6");
  EXPECT_NE(onDe.practiseLines[0].find(" of " + chances + " "), std::string::npos) << onDe.practiseLines[0];
  const KeyTile* semi = TileAt(onDe, ";");
  ASSERT_NE(semi, nullptr);
  EXPECT_EQ(semi->key, "\xc3\xb6");
  EXPECT_TRUE(semi->rated);
  EXPECT_EQ(std::count_if(onDe.tiles.begin(), onDe.tiles.end(), [](const KeyTile& t) { return t.rated; }), 1);
  const ProgressView onUs = MakeProgressView(data, {";"}, 0, &*us);
  ASSERT_EQ(onUs.practiseLines.size(), 1u);
  EXPECT_EQ(onUs.practiseLines[0].substr(0, 1), ";");
  EXPECT_TRUE(TileAt(onUs, ";")->rated);
}

TEST(KeyPositions, ChancesWithoutAPositionJoinTheKeyThatTypesTheirCharacter) {
  const std::optional<KeyTable> de = KeyTableForLayout("de");
  ASSERT_TRUE(de);
  auto chance = [](const char* key, const char* position, int64_t id, bool hit) {
    return KeyChance{key, hit, std::nullopt, position, id};
  };
  // Read per position and per character, as the database gives them: newest first in each.
  std::vector<KeyChance> chances = {chance("z", "y", 9, true), chance("z", "y", 4, false),
                                    chance("z", "", 7, true),   chance("z", "", 2, true),
                                    chance("y", "z", 8, false), chance("\xc3\xa9", "", 5, false)};
  const std::vector<KeyChances> groups = ChancesByPosition(chances, &*de);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].position, "y");
  EXPECT_EQ(groups[0].name, "z");
  std::vector<int64_t> ids;
  for (const KeyChance& c : groups[0].newestFirst) ids.push_back(c.id);
  EXPECT_EQ(ids, (std::vector<int64_t>{9, 7, 4, 2}));
  EXPECT_EQ(groups[1].position, "z");
  EXPECT_EQ(groups[1].name, "y");
  EXPECT_EQ(groups[2].position, "");  // é: no unshifted German key types it
  EXPECT_EQ(groups[2].name, "\xc3\xa9");
  // Without a layout a character without a position is taken at its US key.
  const std::vector<KeyChances> plain = ChancesByPosition(chances, nullptr);
  ASSERT_EQ(plain.size(), 3u);
  EXPECT_EQ(plain[0].position, "y");
  EXPECT_EQ(plain[0].newestFirst.size(), 2u);
  EXPECT_EQ(plain[1].position, "z");
  EXPECT_EQ(plain[1].newestFirst.size(), 3u);  // z: one at position z, two z without
  // Only the newest chances of a key count, however they were read.
  std::vector<KeyChance> many;
  for (int i = 0; i < kChancesPerKey; ++i) many.push_back(chance("f", "f", 1000 + i, true));
  for (int i = 0; i < 50; ++i) many.push_back(chance("f", "", 2000 + i, false));
  const std::vector<KeyStats> stats = KeyStatsByPosition(many, nullptr);
  ASSERT_EQ(stats.size(), 1u);
  EXPECT_EQ(stats[0].chances, kChancesPerKey);
  EXPECT_EQ(stats[0].hits, kChancesPerKey - 50);
  EXPECT_EQ(stats[0].position, "f");
}

// A version 1 file gets the position column; a profile that only ever typed ASCII had its
// US key characters taken as positions, one that typed ö did not.
TEST(KeyPositions, AVersionOneFileKeepsWhatCanBeKnownOfItsPositions) {
  ScratchFolder dir("positions");
  const std::string path = dir / "Progress.db";
  WriteOldProgressFile(path, 1,
                       "INSERT INTO runs VALUES (1,'Ann',1,'easy','2026-01-01T00:00:00Z',1,'quit',NULL,NULL,NULL,NULL,NULL);"
                       "INSERT INTO runs VALUES (2,'Bo',1,'easy','2026-01-01T00:00:00Z',1,'quit',NULL,NULL,NULL,NULL,NULL);"
                       "INSERT INTO runs VALUES (3,'bo',2,'easy','2026-01-01T00:00:00Z',1,'quit',NULL,NULL,NULL,NULL,NULL);"
                       "INSERT INTO shots VALUES (1,1,0,';','POINT',';',';',300,0);"
                       "INSERT INTO shots VALUES (2,1,0,' ','MISS','',' ',NULL,0);"
                       "INSERT INTO shots VALUES (3,1,0,'','LOST','''','''',NULL,0);"
                       "INSERT INTO shots VALUES (4,2,0,'z','POINT','z','z',300,0);"
                       "INSERT INTO shots VALUES (5,3,0,'\xc3\xb6','MISS','','\xc3\xb6',NULL,0);");
  ProgressDatabase migrated(path);
  migrated.Open();
  const ProgressData ann = migrated.Load("ann");
  migrated.Close();
  EXPECT_EQ(QueryRows(path, "PRAGMA user_version")[0][0], std::to_string(kProgressSchemaVersion));
  EXPECT_EQ(QueryRows(path, "SELECT id, position FROM shots ORDER BY id"),
            (std::vector<std::vector<std::string>>{{"1", ";"}, {"2", ""}, {"3", "'"}, {"4", ""}, {"5", ""}}));
  ASSERT_EQ(ann.chances.size(), 3u);
  for (const KeyChance& c : ann.chances) EXPECT_EQ(c.position, c.key == " " ? "" : c.key) << c.key;
}

}  // namespace
