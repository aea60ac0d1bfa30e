// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the tests of Progress.db's safety: a folder of the test's own, statements on a file,
// and a recorder driven by hand as a game would drive it, in virtual time.
#pragma once
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/shared_state.h"
#include "platform/message_boxes.h"
#include "platform/virtual_timer_service.h"
#include "progress/progress_recorder.h"

namespace records_test {

// A folder of the test's own, removed at its end; path ends with a slash.
struct Folder {
  Folder() {
    char pattern[] = "/tmp/keyslinger-records-XXXXXX";
    const char* made = mkdtemp(pattern);
    EXPECT_NE(made, nullptr);
    path = std::string(made ? made : "/nonexistent") + "/";
  }
  ~Folder() { std::filesystem::remove_all(path); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::string path;
};

// Rows of a query on the file, each column as text ("NULL" for null).
inline std::vector<std::vector<std::string>> Query(const std::string& path,
                                                   const std::string& sql) {
  std::vector<std::vector<std::string>> rows;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    ADD_FAILURE() << "cannot open " << path;
    return rows;
  }
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
  } else {
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
        row.push_back(text ? text : "NULL");
      }
      rows.push_back(std::move(row));
    }
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return rows;
}

inline std::string One(const std::string& path, const std::string& sql) {
  const auto rows = Query(path, sql);
  return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
}

// Runs statements on the file as another program would (no safeguards).
inline void Exec(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
      << (error ? error : "") << " in " << sql;
  sqlite3_free(error);
  sqlite3_close(db);
}

// A game's recorder over folder, driven by hand; utcMs is its wall clock.
struct Game {
  explicit Game(const std::string& folder, KeeperSetup keeping = {},
                const std::string& profile = "Tester") {
    shared.appDir = folder;
    shared.currentPlayer = profile;
    recorder = std::make_unique<ProgressRecorder>(
        shared, timers, messages, [this] { return utcMs; }, std::move(keeping));
  }
  std::string DbPath() const { return shared.appDir + kProgressFileName; }
  // A run of count misses typed "<first>".."<first+count-1>", one every 100 ms of play, left at
  // its end through the menu.
  void PlayRun(int level, int first, int count) {
    recorder->LevelStarted("Level" + std::to_string(level), "easy");
    for (int i = first; i < first + count; ++i) {
      Advance(100);
      recorder->CharacterResolved(std::to_string(i), "MISS", -1, "", true);
    }
    recorder->LevelLeft(false);
  }
  void Advance(int64_t ms) {
    utcMs += ms;
    timers.Advance(ms);
  }
  // The game ends, as it does when its window closes.
  void End() { recorder.reset(); }

  SharedState shared;
  VirtualTimerService timers;
  RecordingMessageBoxes messages;
  int64_t utcMs = 1767225600000;  // 2026-01-01T00:00:00Z
  std::unique_ptr<ProgressRecorder> recorder;
};

}  // namespace records_test
