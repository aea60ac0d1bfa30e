// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db that cannot be wiped or lose minutes of play: every connection defends itself
// against what a file holds (triggers, views, rows the game did not write), and a run is written
// every few seconds of play, so that killing the game costs no more than those seconds.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "level_harness.h"
#include "platform/sqlite_connection.h"
#include "practice/practice_store.h"
#include "progress/progress_database.h"
#include "progress/progress_schema.h"
#include "records_support.h"
#include "words/word_typing.h"

namespace {

using records_test::Exec;
using records_test::Folder;
using records_test::Game;
using records_test::One;

TEST(GuardedConnections, HaveEverySafeguardOnAndAreTheOnlyWayTheGameOpensAFile) {
  sqlite3* db = nullptr;
  ASSERT_EQ(OpenGuardedSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &db),
            SQLITE_OK);
  EXPECT_TRUE(SqliteGuarded(db));
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA trusted_schema", -1, &stmt, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(stmt, 0), 0);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  // A connection opened the plain way has none of them: the check can tell.
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  EXPECT_FALSE(SqliteGuarded(db));
  sqlite3_close(db);

  // No file of the game opens SQLite another way.
  const std::regex open(R"(sqlite3_open(_v2)?\s*\()");
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(std::string(SOURCE_DIR) + "/src")) {
    if (!entry.is_regular_file() || entry.path().filename() == "sqlite_connection.cpp") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    EXPECT_FALSE(std::regex_search(source, open))
        << entry.path() << " opens SQLite without the safeguards";
  }
}

// Our tables, with what a player or another program may have added: a trigger that deletes every
// other run (and shot) whenever a run is stored or updated, and a view for the player's queries.
void AddForeignSchema(const std::string& path) {
  Exec(path,
       "CREATE TRIGGER wipe AFTER INSERT ON runs BEGIN DELETE FROM runs WHERE id <> NEW.id;"
       " DELETE FROM shots WHERE run_id <> NEW.id; END;"
       "CREATE TRIGGER scrub AFTER UPDATE ON runs BEGIN DELETE FROM shots; END;"
       "CREATE TRIGGER unshot BEFORE INSERT ON shots BEGIN SELECT RAISE(IGNORE); END;"
       "CREATE VIEW my_runs AS SELECT level, outcome FROM runs;");
}

TEST(ForeignSchema, ATriggerNeverFiresAndTheFileKeepsItsTriggersViewsAndEveryRun) {
  const struct {
    const char* name;
    int version;  // of the file before the game opens it
  } files[] = {{"a current file", kProgressSchemaVersion},
               {"an older file, brought up to date", 3}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    Folder folder;
    const std::string path = folder.path + kProgressFileName;
    std::string schema;
    for (int v = 1; v <= file.version; ++v) schema += ProgressMigration(v);
    Exec(path, schema + "PRAGMA user_version=" + std::to_string(file.version));
    AddForeignSchema(path);
    Game game(folder.path);
    for (int level = 1; level <= 20; ++level) game.PlayRun(level % 16 + 1, level * 100, 30);
    game.End();
    EXPECT_EQ(One(path, "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
    EXPECT_EQ(One(path, "SELECT count(*) FROM runs WHERE outcome = 'quit'"), "20");
    EXPECT_EQ(One(path, "SELECT count(*) FROM shots"), "600");
    // The player's own additions are still there, and their view answers outside the game.
    EXPECT_EQ(One(path,
                  "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master"
                  " WHERE type IN ('trigger', 'view') ORDER BY name)"),
              "my_runs scrub unshot wipe");
    EXPECT_EQ(One(path, "SELECT count(*) FROM my_runs"), "20");
    EXPECT_TRUE(game.messages.shown.empty());
  }
}

// Rows of practice's tables another program wrote. Each is inserted beside the game's own row
// for f (and target 800) and must leave what practice reads exactly as it was.
TEST(PracticeStore, RowsTheGameDidNotWriteAreIgnoredAsIfAbsent) {
  Folder folder;
  const std::string path = folder.path + kProgressFileName;
  ProgressDatabase db(path);
  db.Open();
  PracticeStore store(db);
  PracticeState state;
  state.keys = {{"f", true, 4, 20123}};
  store.SaveState("Ann", state);
  store.SetTargetMs("Ann", 800);
  const std::string longPosition(5000, 'k');
  const struct {
    const char* name;
    std::string row;
  } keyRows[] = {
      {"a position of 5,000 characters", "'" + longPosition + "', 1, 1, 3, 20000"},
      {"a position of bytes that are no text", "CAST(X'FF' AS TEXT), 1, 1, 3, 20000"},
      {"a position stored as a blob", "X'6A', 1, 1, 3, 20000"},
      {"a position no key has", "'f1', 1, 1, 3, 20000"},
      {"mastered neither 0 nor 1", "'j', 1, 7, 3, 20000"},
      {"a negative interval", "'j', 1, 1, -3, 20000"},
      {"an interval beyond a year", "'j', 1, 1, 9999, 20000"},
      {"an interval in words", "'j', 1, 1, 'three', 20000"},
      {"a due day as a fraction", "'j', 1, 1, 3, 20000.5"},
      {"a due day past any calendar", "'j', 1, 1, 3, 900000000000"},
  };
  for (const auto& row : keyRows) {
    SCOPED_TRACE(row.name);
    Exec(path,
         "INSERT INTO practice_keys (profile, position, seq, mastered, interval_days, due_day) "
         "VALUES ('Ann', " +
             row.row + ")");
    const PracticeState loaded = store.LoadState("Ann");
    ASSERT_EQ(loaded.keys.size(), 1u);
    EXPECT_EQ(loaded.keys[0].position, "f");
    EXPECT_EQ(loaded.keys[0].intervalDays, 4);
    EXPECT_EQ(loaded.keys[0].dueDay, 20123);
    Exec(path, "DELETE FROM practice_keys WHERE position <> 'f'");
  }
  for (const char* target : {"'abc'", "812.5", "99999", "-5", "X'0320'"}) {
    SCOPED_TRACE(target);
    Exec(path, std::string("UPDATE practice_settings SET target_ms = ") + target);
    EXPECT_EQ(store.TargetMs("Ann"), kDefaultTargetReactionMs);
  }
  // Reactions another program wrote into shots count as none, not as a median of -40 ms.
  std::vector<PendingRun> runs(1);
  runs[0].run =
      RunRecord{0, "Ann", 0, "Easy", "2026-01-01T00:00:00Z", 60000, kOutcomeFinished, std::nullopt};
  for (int i = 0; i < 3; ++i)
    runs[0].shots.push_back(ShotRecord{i, "g", "POINT", "g", "g", 600, false, "g", ""});
  db.Write(runs);
  Exec(path,
       "INSERT INTO shots (run_id, game_ms, typed, result, letter, key, reaction_ms, end_phase, "
       "position)"
       " VALUES (1, 9, 'g', 'POINT', 'g', 'g', -40, 0, 'g'), (1, 9, 'g', 'POINT', 'g', 'g', -40, "
       "0, 'g'),"
       " (1, 9, 'g', 'POINT', 'g', 'g', 'soon', 0, 'g'), (1, 9, 'g', 'POINT', 'g', 'g', 1e300, 0, "
       "'g')");
  const KeyMastery g = store.LoadMastery("Ann", {"g"}, 1000).at("g");
  EXPECT_EQ(g.hits, 7);
  EXPECT_EQ(g.medianReactionMs, std::optional<int64_t>(600));
}

// A run's shots reach the file every few seconds of play, not only at its waves' ends: at any
// moment the file holds every shot older than kWriteEveryMs (the machine keeping up).
TEST(WritesDuringPlay, EveryShotOlderThanAFewSecondsIsInTheFileWhileTheWaveGoesOn) {
  Folder folder;
  Game game(folder.path);
  game.recorder->LevelStarted("Level1", "easy");
  std::vector<int64_t> shotAt;               // game time of each shot made
  for (int step = 1; step <= 600; ++step) {  // one minute of one wave, a shot every 100 ms
    game.Advance(100);
    game.recorder->CharacterResolved(std::to_string(step), "MISS", -1, "", true);
    shotAt.push_back(game.recorder->GameMs());
    if (step % 10 != 0) continue;
    game.recorder->WaitForWrites();
    const int64_t now = game.recorder->GameMs();
    const auto older = std::count_if(shotAt.begin(), shotAt.end(), [&](int64_t at) {
      return at <= now - ProgressRecorder::kWriteEveryMs;
    });
    const int64_t stored = now < ProgressRecorder::kWriteEveryMs
                               ? 0
                               : std::stoll(One(game.DbPath(), "SELECT count(*) FROM shots"));
    ASSERT_GE(stored, older) << "at " << now << " ms";
    ASSERT_LE(stored, static_cast<int64_t>(shotAt.size()));
  }
  // While it runs the run's row says so, with the playing time of its last write.
  EXPECT_EQ(One(game.DbPath(), "SELECT outcome FROM runs"), kOutcomePlaying);
  EXPECT_GE(std::stoll(One(game.DbPath(), "SELECT duration_ms FROM runs")),
            60000 - ProgressRecorder::kWriteEveryMs);
  game.recorder->LevelLeft(false);
  EXPECT_EQ(One(game.DbPath(),
                "SELECT count(*) || ' ' || group_concat(DISTINCT outcome) FROM shots JOIN runs"
                " ON runs.id = shots.run_id"),
            "600 quit");
  EXPECT_TRUE(game.messages.shown.empty());
}

// The child's side of the kill: plays a word wave for twenty seconds with a recorder over dir,
// then a few seconds more, and writes to fd "<harness folder> <shots in the file at the last
// write> <shots made>" before it waits to be killed. Never returns.
[[noreturn]] void PlayWordWaveUntilKilled(int fd) {
  LevelHarness h;
  h.shared.dataDir = h.dir + "/data/";
  std::filesystem::create_directories(h.shared.dataDir);
  ProgressRecorder recorder(h.shared, h.timers, h.messages, [] { return int64_t{1767225600000}; });
  h.play->listener = &recorder;
  WordTyping typing;
  const std::string words[] = {"dash", "dad"};
  h.WriteLevel("Level1", MapIni("door:100:50:1:f window:300:50:1:j"),
               TemplateStep("t", "bandit", "4000") + WaveStep("w", "120000", "1500:0:2"));
  h.play->onSpawn = [&](size_t place, const TbotImage& actor) {
    typing.FigureReady(static_cast<int>(place), words[place % 2], actor.Character == 0);
  };
  h.play->SetWordTyping(&typing);
  h.play->StartLevel("Level1");
  const std::string letters = "dashdad";
  size_t made = 0;
  // Virtual time runs far ahead of the worker: a second at a time, the worker is let catch up,
  // as it does on a machine playing in real time.
  const auto play = [&](int64_t untilMs) {
    while (recorder.GameMs() < untilMs) {
      h.Run(150);
      h.Type(std::string(1, letters[made % letters.size()]));
      if (++made % 7 == 0) recorder.WaitForWrites();
    }
  };
  play(20000);
  recorder.WaitForWrites();
  const std::string stored =
      One(h.shared.dataDir + kProgressFileName, "SELECT count(*) FROM shots");
  play(23000);  // shots after the last write, which the kill costs
  const std::string line =
      h.dir + " " + stored + " " + std::to_string(recorder.BufferedShots()) + "\n";
  if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(1);
  close(fd);
  for (;;) pause();
}

TEST(WritesDuringPlay, KillingTheGameTwentySecondsIntoAWordWaveKeepsTheShotsUpToTheLastWrite) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(fds[0]);
    PlayWordWaveUntilKilled(fds[1]);
  }
  close(fds[1]);
  std::string line;
  char buffer[512];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) {
    line.append(buffer, static_cast<size_t>(n));
    if (line.find('\n') != std::string::npos) break;
  }
  close(fds[0]);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
      << "the game ended before it was killed";
  std::istringstream fields(line);
  std::string dir;
  int64_t stored = -1, unwritten = -1;
  fields >> dir >> stored >> unwritten;
  ASSERT_FALSE(dir.empty()) << "the game said nothing: " << line;
  // The killed game's folder goes whatever the checks find.
  const std::unique_ptr<const std::string, void (*)(const std::string*)> removed(
      &dir, [](const std::string* folder) { std::filesystem::remove_all(*folder); });
  const std::string path = dir + "/data/" + kProgressFileName;
  // Everything of the last write survived the kill, and only the seconds after it were lost.
  EXPECT_GT(stored, 100);
  EXPECT_EQ(One(path, "SELECT count(*) FROM shots"), std::to_string(stored));
  EXPECT_GE(std::stoll(One(path, "SELECT max(game_ms) FROM shots")), 20000 - 10000);
  EXPECT_GT(unwritten, 0);
  EXPECT_EQ(One(path, "SELECT outcome FROM runs"), kOutcomePlaying);
  EXPECT_GT(std::stoll(One(path, "SELECT count(*) FROM shots WHERE word IS NOT NULL")),
            100);  // a word wave's letters
  EXPECT_EQ(One(path, "PRAGMA integrity_check"), "ok");
}

}  // namespace
