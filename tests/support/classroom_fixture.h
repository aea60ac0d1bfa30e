// SPDX-License-Identifier: GPL-3.0-or-later
// What the classroom tests share: a scratch folder, a profile's history written straight into
// Progress.db (level runs, drills with words, a practice key set), and a hand-in made from it.
#pragma once
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "classroom/hand_in_format.h"
#include "classroom/hand_in_gather.h"
#include "practice/practice_store.h"
#include "progress/progress_database.h"
#include "progress/utc_time.h"
#include "scratch_folder.h"

inline constexpr int64_t kClassroomNow = 1767261600000;  // 2026-01-01T10:00:00Z
inline constexpr int64_t kHistoryStart = 1735718400000;  // 2025-01-01T08:00:00Z

// A history: runs spread over days, each with shots at f, j, k and d; every third run a
// drill with word waves; one quit and one restarted run; a row of an unplaced character.
inline void WriteHistory(const std::string& dbPath, const std::string& profile, int runCount,
                         int shotsPerRun = 40) {
  ProgressDatabase db(dbPath);
  db.Open();
  const char* const keys[] = {"f", "j", "k", "d"};
  for (int first = 0; first < runCount; first += 500) {
    std::vector<PendingRun> runs;
    for (int i = first; i < std::min(runCount, first + 500); ++i) {
      PendingRun pending;
      RunRecord& run = pending.run;
      run.profile = profile;
      run.level = i % 3 == 2 ? 0 : 1 + i % 4;
      run.difficulty = "easy";
      // Six runs a day from 2025-01-01 on, an hour apart.
      run.startedAt = IsoUtc(kHistoryStart + (i / 6) * 86400000LL + (i % 6) * 3600000LL);
      run.durationMs = 60000 + i * 1000;
      run.outcome = i % 17 == 5 ? kOutcomeQuit : i % 19 == 7 ? kOutcomeRestarted : kOutcomeFinished;
      if (run.outcome == std::string(kOutcomeFinished)) {
        const int percent = 30 + (i * 37) % 70;
        run.result = RunResult{percent, 10, 2, 0, percent >= 60};
      }
      const bool words = run.level == 0;
      if (words) run.wordReadyMs = 30000;
      for (int s = 0; s < shotsPerRun; ++s) {
        ShotRecord shot;
        shot.gameMs = 1000 + s * 300;
        const std::string key = keys[(s + i) % 4];
        const bool hit = (s * 7 + i) % 5 != 0;
        shot.result = hit ? "POINT" : (s % 2 ? "MISS" : "LOST");
        shot.typed = shot.result == "LOST" ? "" : key;
        shot.letter = key;
        shot.key = key;
        shot.position = key;
        if (hit) shot.reactionMs = 500 + (s * 13 + i) % 400;
        if (words) {
          shot.word = s / 4;
          shot.wordPos = s % 4;
          shot.wordLen = s % 4 == 3 && hit ? 4 : 0;
          if (!(s % 4 == 3 && hit) && hit) shot.result = kResultLetter;
          shot.reactionMs.reset();
        }
        pending.shots.push_back(shot);
      }
      if (i == 0) {
        ShotRecord unplaced;
        unplaced.result = "POINT";
        unplaced.typed = unplaced.letter = unplaced.key = "\xC3\xB6";  // ö, no position known
        unplaced.reactionMs = 800;
        pending.shots.push_back(unplaced);
      }
      runs.push_back(std::move(pending));
    }
    db.Write(runs);
  }
  // Practice's key set: f mastered and due, j learnt, k mastered later; a target of its own.
  PracticeStore store(db);
  PracticeState state;
  state.keys = {{"f", true, 2, 20000}, {"j", false, 0, 0}, {"k", true, 4, 30000}};
  store.SaveState(profile, state);
  store.SetTargetMs(profile, 900);
}

// The profile's hand-in, gathered as the game gathers it.
inline HandIn GatherFrom(const std::string& dbPath, const std::string& profile,
                         const KeyTable* layout = nullptr) {
  ProgressDatabase db(dbPath);
  db.OpenReadOnly();
  return GatherHandIn(db, profile, layout, kClassroomNow);
}

// Runs sql on the file at path; fails the test when SQLite refuses.
inline void ExecOn(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << " in " << sql;
  sqlite3_free(error);
  sqlite3_close(db);
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
