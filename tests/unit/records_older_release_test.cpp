// SPDX-License-Identifier: GPL-3.0-or-later
// A Progress.db this game wrote, played on by the last release of its schema version (its
// ownership test and its statements frozen in tests/data/progress_schema/release4_writes.sql):
// the older game accepts the file and writes to it, and its rows read here by its own rule.
#include "practice/practice_store.h"
#include "progress/progress_database.h"
#include "scratch_folder.h"
#include "sql_probe.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <sstream>

namespace {

// The frozen text, cut at its "-- @writes" line: the shape the older game demands, and what it writes.
std::pair<std::string, std::string> FrozenRelease() {
  std::ifstream in(std::string(TEST_DATA_DIR) + "/progress_schema/release4_writes.sql");
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  const size_t cut = all.find("-- @writes");
  if (cut == std::string::npos) throw std::runtime_error("release4_writes.sql has no -- @writes line");
  return {all.substr(0, cut), all.substr(cut)};
}

// The older game's ownership test: nothing above its version 4, and at 4 every table and column
// of its shape there. Empty when it accepts the file, else why not.
std::string OlderGameRefuses(const std::string& path, const std::string& shape) {
  if (QueryValue(path, "PRAGMA user_version") != "4") return "version " + QueryValue(path, "PRAGMA user_version");
  sqlite3* memory = nullptr;
  sqlite3_open(":memory:", &memory);
  sqlite3_exec(memory, shape.c_str(), nullptr, nullptr, nullptr);
  std::string missing;
  for (const auto& table : QueryRows(memory, "SELECT name FROM sqlite_master WHERE type = 'table'")) {
    for (const auto& column : QueryRows(memory, "SELECT name FROM pragma_table_info('" + table[0] + "')")) {
      if (QueryValue(path, "SELECT count(*) FROM pragma_table_info('" + table[0] + "') WHERE name = '" + column[0] +
                               "'") != "1") {
        missing += " " + table[0] + "." + column[0];
      }
    }
  }
  sqlite3_close(memory);
  return missing;
}

}  // namespace

TEST(OlderRelease, AcceptsAndWritesAFileOfThisGameWhoseRowsThenReadByItsRule) {
  ScratchFolder dir{"older-release"};
  const std::string path = dir / "Progress.db";
  {
    ProgressDatabase db(path);
    db.Open();
    std::vector<PendingRun> runs(1);
    runs[0].run = RunRecord{0, "Ann", 0, "Easy", "2026-03-04T09:00:00Z", 60000, kOutcomeFinished, std::nullopt};
    ShotRecord miss;
    miss.typed = miss.key = miss.position = "h";
    miss.result = "MISS";
    miss.charged = "g";
    runs[0].shots.push_back(miss);
    db.Write(runs);
    PracticeStore(db).SetTypingTargetMs("Ann", 300);
  }
  const auto [shape, writes] = FrozenRelease();
  EXPECT_EQ(OlderGameRefuses(path, shape), "");

  // The older game plays a drill and stores it, its target and its key set.
  sqlite3* older = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &older), SQLITE_OK);
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(older, writes.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(older);
  EXPECT_EQ(QueryValue(path, "SELECT count(*) FROM shots WHERE charged IS NULL"), "3");

  // Back here: the file is still of version 4; the older run's miss counts at h and at g, its
  // letter at no key, as that game counted them; this game's miss at g alone.
  ProgressDatabase db(path);
  db.Open();
  EXPECT_EQ(QueryValue(path, "PRAGMA user_version"), "4");
  PracticeStore store(db);
  std::string chances;
  for (int64_t run : {1, 2}) {
    for (const PracticeChance& c : store.RunChances(run)) chances += c.position + (c.hit ? "+ " : "- ");
  }
  EXPECT_EQ(chances, "g- g+ h- g- ");
  EXPECT_EQ(store.Targets("Ann").reactionMs, kMinTargetReactionMs);  // its 300 ms, raised
  EXPECT_EQ(store.Targets("Ann").typingMs, 300);
  EXPECT_EQ(OlderGameRefuses(path, shape), "");
}
