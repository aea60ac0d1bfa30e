// SPDX-License-Identifier: GPL-3.0-or-later
// A game's recorder driven as a game drives it, for the two-computer measurement: plays runs of
// shots over a folder as one computer, or reports what the folder's Progress.db holds.
//   keyslinger_records_driver play FOLDER HOST RUNS SHOTS PAUSE_MS
//   keyslinger_records_driver report FOLDER
// The records mode comes from the school's settings and KEYSLINGER_RECORDS_MODE, as in the game.
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "core/school_settings.h"
#include "core/shared_state.h"
#include "platform/durable_file.h"
#include "platform/message_boxes.h"
#include "platform/sqlite_connection.h"
#include "platform/virtual_timer_service.h"
#include "progress/progress_recorder.h"
#include "progress/side_records.h"

namespace {

int64_t WallMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

int Play(const std::string& folder, const std::string& host, int runs, int shots, int pauseMs) {
  SharedState shared;
  shared.appDir = WithSlash(folder);
  shared.currentPlayer = "Pupil";
  VirtualTimerService timers;
  RecordingMessageBoxes messages;
  KeeperSetup keeping;
  keeping.mode = ReadSchoolSettings(CurrentSchoolSettingsInputs()).recordsMode;
  keeping.host = host;
  auto recorder = std::make_unique<ProgressRecorder>(
      shared, timers, messages, [] { return WallMs(); }, keeping);
  const bool network = recorder->Access().network;
  int failedRuns = 0;
  for (int run = 0; run < runs; ++run) {
    recorder->LevelStarted("Level" + std::to_string(run % 16 + 1), "easy");
    for (int shot = 0; shot < shots; ++shot) {
      // Play in virtual time, a shot every 100 ms; the pause lets the other game's shots in.
      timers.Advance(100);
      recorder->CharacterResolved(std::to_string(shot), shot % 5 ? "POINT" : "MISS", -1, "f", true,
                                  "f");
      if (pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    }
    recorder->LevelLeft(false);
    if (recorder->BufferedShots() > 0) ++failedRuns;
  }
  if (runs == 0) recorder->Load(shared.currentPlayer);  // an open that adds the side files
  const size_t unwritten = recorder->BufferedShots();
  recorder.reset();  // the game ends: what it could not write goes to a side file
  std::printf(
      "host=%s mode=%s runs=%d runs_kept_for_later=%d shots_unwritten_at_exit=%zu messages=%zu\n",
      host.c_str(), network ? "network" : "local", runs, failedRuns, unwritten,
      messages.shown.size());
  for (const std::string& text : messages.shown) std::printf("  message: %s\n", text.c_str());
  return 0;
}

int Report(const std::string& folder) {
  const std::string path = WithSlash(folder) + kProgressFileName;
  sqlite3* db = nullptr;
  if (OpenGuardedSqlite(path, SQLITE_OPEN_READONLY, &db) != SQLITE_OK) {
    std::fprintf(stderr, "cannot open %s\n", path.c_str());
    sqlite3_close(db);
    return 1;
  }
  const auto one = [db](const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    std::string value = "?";
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(stmt, 0);
      value = text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    sqlite3_finalize(stmt);
    return value;
  };
  size_t sides = 0;
  for (const std::string& name : FolderEntries(WithSlash(folder)))
    sides += IsSideFileName(name, kProgressFileName);
  std::printf("runs=%s shots=%s journal=%s side_files=%zu integrity=%s\n",
              one("SELECT count(*) FROM runs").c_str(), one("SELECT count(*) FROM shots").c_str(),
              one("PRAGMA journal_mode").c_str(), sides, one("PRAGMA integrity_check").c_str());
  sqlite3_close(db);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "play" && argc == 7) {
    return Play(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
  }
  if (command == "report" && argc == 3) return Report(argv[2]);
  std::fprintf(stderr, "usage: %s play FOLDER HOST RUNS SHOTS PAUSE_MS | report FOLDER\n", argv[0]);
  return 2;
}
