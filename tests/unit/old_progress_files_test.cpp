// SPDX-License-Identifier: GPL-3.0-or-later
// Every earlier schema of Progress.db, as frozen in tests/data/progress_schema, opens and is
// brought up to today's with every row and value it held.
#include <gtest/gtest.h>

#include <map>

#include "old_progress_file.h"
#include "progress/progress_database.h"
#include "progress/progress_schema.h"
#include "scratch_folder.h"
#include "sql_probe.h"

namespace {

// Each table of the file with the columns it has, listed for a SELECT.
std::map<std::string, std::string> ColumnsByTable(const std::string& path) {
  std::map<std::string, std::string> tables;
  for (const auto& table : QueryRows(path, "SELECT name FROM sqlite_master WHERE type = 'table'")) {
    std::string& list = tables[table[0]];
    for (const auto& column :
         QueryRows(path, "SELECT name FROM pragma_table_info('" + table[0] + "')")) {
      list += (list.empty() ? "" : ", ") + column[0];
    }
  }
  return tables;
}

// The file's first rows of each table (rowid order), in the columns given.
std::map<std::string, SqlRows> Contents(const std::string& path,
                                        const std::map<std::string, std::string>& columns,
                                        const std::map<std::string, size_t>& limits = {}) {
  std::map<std::string, SqlRows> contents;
  for (const auto& [table, list] : columns) {
    const auto limit = limits.find(table);
    contents[table] = QueryRows(
        path, "SELECT " + list + " FROM " + table + " ORDER BY rowid" +
                  (limit == limits.end() ? "" : " LIMIT " + std::to_string(limit->second)));
  }
  return contents;
}

// A version only ever gains a frozen file: when a new version comes, the one before it is
// written out too. Each opens as the game opens it, is brought up to today's schema, keeps every
// value of the columns it had, reads as records and takes today's rows beside its own.
TEST(OldProgressFiles, EveryEarlierVersionIsBroughtUpToDateWithEveryValueItHeld) {
  for (int version = 1; version < kProgressSchemaVersion; ++version) {
    SCOPED_TRACE("version " + std::to_string(version));
    ScratchFolder dir("old-progress");
    const std::string path = dir / "Progress.db";
    WriteOldProgressFile(path, version, "", SampleRows::kIncluded);
    ASSERT_EQ(QueryValue(path, "PRAGMA user_version"), std::to_string(version));
    const auto columns = ColumnsByTable(path);
    const auto before = Contents(path, columns);
    ASSERT_FALSE(before.at("shots").empty());
    std::map<std::string, size_t> counts;
    for (const auto& [table, rows] : before) counts[table] = rows.size();

    ProgressDatabase db(path);
    db.Open();
    const ProgressData ann = db.Load("ann");
    EXPECT_EQ(ann.fault, ProgressFault::kNone);
    EXPECT_FALSE(ann.chances.empty());
    std::vector<PendingRun> today(1);
    today[0].run = RunRecord{
        0, "Ann", 0, "Normal", "2026-06-01T08:00:00Z", 60000, kOutcomeFinished, std::nullopt};
    today[0].run.wordReadyMs = 3000;
    ShotRecord letter;
    letter.typed = letter.letter = letter.key = letter.position = "f";
    letter.result = "POINT";
    letter.word = 1;
    letter.wordPos = 0;
    letter.wordLen = 1;
    today[0].shots.push_back(letter);
    db.Write(today);
    db.Close();

    EXPECT_EQ(QueryValue(path, "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
    EXPECT_EQ(Contents(path, columns, counts), before);
    EXPECT_EQ(
        QueryValue(
            path,
            "SELECT word_ready_ms || ' ' || count(*) FROM runs r JOIN shots s ON s.run_id = r.id"
            " WHERE s.word = 1 GROUP BY r.id"),
        "3000 1");
  }
}

}  // namespace
