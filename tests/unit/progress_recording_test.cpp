// The progress recorder over level play in virtual time, against a real Progress.db in a
// temporary folder: runs, shots, reaction times, the ways out and databases that refuse.
#include "level_harness.h"
#include "level/level_listener.h"
#include "platform/file_lookup.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "screens/results.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

constexpr int64_t kUtc = 1765240245000;  // 2025-12-09T00:30:45Z

// Level play with a recorder writing to <dir>/data/Progress.db.
struct RecordedLevel {
  explicit RecordedLevel(const std::string& dataDir = "") {
    h.shared.dataDir = dataDir.empty() ? h.dir + "/data/" : dataDir;
    std::filesystem::create_directories(h.dir + "/data");
    recorder = std::make_unique<ProgressRecorder>(h.shared, h.timers, h.messages, [] { return kUtc; });
    h.play->listener = recorder.get();
    h.shared.progress = recorder.get();
  }
  ~RecordedLevel() {
    h.play->listener = nullptr;
    recorder.reset();
  }
  // Starts Level1; at its end the real results rules run and MAIN MENU is taken.
  void Start(const std::string& places, const std::string& script) {
    h.WriteLevel("Level1", MapIni(places), script);
    h.host.onResults = [this] {
      Results results(h.shared, h.services, *h.play);
      shown = results.Show();
      countersAtEnd = h.play->Counters();
      results.MainMenu();
    };
    h.play->StartLevel("Level1");
    ASSERT_TRUE(h.play->LevelLoaded());
  }
  std::string DbPath() const { return h.shared.PlayerDataDir() + "Progress.db"; }

  LevelHarness h;
  std::unique_ptr<ProgressRecorder> recorder;
  ResultsView shown;
  LevelCounters countersAtEnd;
};

// Rows of a query over the database file, each column as text ("NULL" for null).
std::vector<std::vector<std::string>> Query(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  std::vector<std::vector<std::string>> rows;
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

std::string One(const std::string& path, const std::string& sql) {
  const auto rows = Query(path, sql);
  return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
}

std::string FileText(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

std::multiset<std::string> LinesOf(const std::string& text) {
  std::multiset<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.insert(line);
  }
  return lines;
}

// Plays a level of enemies and townsfolk at four places: shoots what stands at a place every
// 300 ms in turn, types a stray key now and then, and lets some enemies act.
void PlayMixedLevel(RecordedLevel& r) {
  r.Start("a:0:40:1:f b:70:40:1:j c:140:40:1:k d:210:40:1:d",
          TemplateStep("t", "bandit", "1500") + TemplateStep("c", "townsman", "1500") +
              WaveStep("w", "12000", "300:0:3"));
  const char* const letters[] = {"f", "j", "k", "d"};
  int turn = 0;
  for (int tick = 0; tick < 3000 && r.h.host.resultsShown == 0; ++tick) {
    r.h.Run(100);
    if (tick % 3 == 0 && r.h.play->LevelLoaded()) {
      // Only figures standing at f and k are shot; those at j and d are left to act.
      const size_t place = static_cast<size_t>(turn++ % 4);
      const TbotImage* actor = r.h.ActorAt(place);
      // Townsfolk cost time: two are shot, the rest spared, so the level comes to its end.
      const bool spared = actor && actor->Character == 1 && r.h.Counter(&LevelCounters::Civilians) >= 2;
      if (place % 2 == 0 && actor && !actor->Dump && !actor->Deathing && !actor->Activity && !spared) {
        r.h.Type(letters[place]);
      }
    }
    if (tick % 17 == 0 && tick < 120 && r.h.play->LevelLoaded()) r.h.Type("x");
  }
  ASSERT_EQ(r.h.host.resultsShown, 1);
}

TEST(ProgressRecording, AFinishedRunHasOneRowAndItsShotsGiveBackTheResultsScreensNumbers) {
  RecordedLevel r;
  PlayMixedLevel(r);
  const std::string db = r.DbPath();
  const auto runs = Query(db, "SELECT profile, level, difficulty, started_at, outcome, percent, hits, misses,"
                              " civilians, passed, duration_ms FROM runs");
  ASSERT_EQ(runs.size(), 1u);
  const auto& run = runs[0];
  EXPECT_EQ(run[0], "Tester");
  EXPECT_EQ(run[1], "1");
  EXPECT_EQ(run[2], "easy");
  EXPECT_EQ(run[3], "2025-12-09T00:30:45Z");
  EXPECT_EQ(run[4], "finished");
  const std::vector<std::string>& fields = r.shown.fields;  // percent:hits:misses:civilians
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(run[5], fields[0]);
  EXPECT_EQ(run[6], fields[1]);
  EXPECT_EQ(run[7], fields[2]);
  EXPECT_EQ(run[8], fields[3]);
  EXPECT_EQ(run[9], r.shown.passed ? "1" : "0");
  EXPECT_GT(std::stoll(run[10]), 12000);

  const LevelCounters& c = r.countersAtEnd;
  // The play must have exercised every kind of row for the sums to mean something.
  ASSERT_GT(c.Hits, 0);
  ASSERT_GT(c.Misses, 0);
  ASSERT_GT(c.Lost, 0);
  const std::string ofRun = " FROM shots WHERE run_id = (SELECT id FROM runs)";
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'POINT'"), std::to_string(c.Hits));
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'MISS' AND end_phase = 0"),
            std::to_string(c.Misses));
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'CIVILIAN'"), std::to_string(c.Civilians));
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'LOST'"), std::to_string(c.Lost));
  // Every hit names its place's letter and has a reaction; a lost enemy's row has no typed key.
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'POINT' AND (letter NOT IN ('f','k')"
                    " OR reaction_ms IS NULL OR reaction_ms < 0)"), "0");
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'LOST' AND (typed <> '' OR letter = '')"), "0");
  EXPECT_EQ(One(db, "SELECT count(*)" + ofRun + " AND result = 'MISS' AND typed = 'x' AND key = 'x'"),
            One(db, "SELECT count(*)" + ofRun + " AND typed = 'x'"));
  // Shots are in game order.
  EXPECT_EQ(One(db, "SELECT count(*) FROM shots a JOIN shots b ON b.id = a.id + 1 WHERE b.game_ms < a.game_ms"), "0");
  EXPECT_EQ(r.recorder->BufferedShots(), 0u);
  EXPECT_TRUE(r.h.messages.shown.empty());
}

TEST(ProgressRecording, ReactionRunsFromTheAppearanceToTheShotWithoutThePause) {
  RecordedLevel r;
  std::map<size_t, int64_t> spawnedAt;
  r.h.play->onSpawn = [&](size_t place, const TbotImage&) { spawnedAt[place] = r.h.timers.NowMs(); };
  r.Start("door:100:50:1:f", TemplateStep("t", "bandit", "6000") + WaveStep("w", "3000", "5000:0:1"));
  r.h.Run(300);
  ASSERT_EQ(spawnedAt.count(0), 1u);
  r.h.Run(700);
  r.h.play->SetPaused(true, true);
  r.h.Run(5000);  // the pause does not count
  r.h.play->SetPaused(false, true);
  r.h.Run(400);
  const int64_t reaction = r.h.timers.NowMs() - spawnedAt[0] - 5000;
  r.h.Type("f");
  ASSERT_EQ(r.h.Counter(&LevelCounters::Hits), 1);
  r.h.Run(20000);
  ASSERT_EQ(r.h.host.resultsShown, 1);
  EXPECT_EQ(One(r.DbPath(), "SELECT reaction_ms FROM shots WHERE result = 'POINT'"), std::to_string(reaction));
  // Game time leaves the pause out as well.
  const int64_t gameMs = std::stoll(One(r.DbPath(), "SELECT game_ms FROM shots WHERE result = 'POINT'"));
  EXPECT_EQ(gameMs, 1400);
}

TEST(ProgressRecording, RestartAndQuitLeaveRowsWithoutResultsAndAMissInTheEndPhaseIsMarked) {
  RecordedLevel r;
  r.Start("door:100:50:1:f", TemplateStep("t", "townsman", "3000") + WaveStep("w", "500", "0:0:1"));
  r.h.Run(700);
  ASSERT_TRUE(r.h.play->EndPhase());
  r.h.Type("x");  // ignored by the counters, kept as a row
  r.h.play->SetPaused(true, true);
  r.h.play->RestartLevel();
  ASSERT_TRUE(r.h.play->LevelLoaded());
  r.h.Run(300);
  r.h.Type("q");
  r.h.play->QuitToMenu();
  const auto runs = Query(r.DbPath(), "SELECT outcome, percent, hits, misses, civilians, passed FROM runs ORDER BY id");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (std::vector<std::string>{"restarted", "NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_EQ(runs[1], (std::vector<std::string>{"quit", "NULL", "NULL", "NULL", "NULL", "NULL"}));
  const auto shots = Query(r.DbPath(), "SELECT run_id, typed, result, letter, end_phase FROM shots ORDER BY id");
  ASSERT_EQ(shots.size(), 2u);
  EXPECT_EQ(shots[0], (std::vector<std::string>{"1", "x", "MISS", "", "1"}));
  EXPECT_EQ(shots[1], (std::vector<std::string>{"2", "q", "MISS", "", "0"}));
  EXPECT_EQ(r.h.Counter(&LevelCounters::Misses), 1);
}

TEST(ProgressRecording, ProfilesMatchWithoutLetterCaseAndDeleteRemovesOnlyTheirRows) {
  RecordedLevel r;
  r.Start("door:100:50:1:f", "[s]\ncommand=7\n");
  r.h.Run(200);
  r.h.Type("x");
  r.h.play->QuitToMenu();
  r.h.shared.currentPlayer = "Other";
  r.h.play->StartLevel("Level1");
  r.h.Run(200);
  r.h.Type("y");
  r.h.play->QuitToMenu();
  EXPECT_EQ(r.recorder->Load("TESTER").runs, 1);
  EXPECT_EQ(r.recorder->Load("tester").chances.size(), 1u);
  r.recorder->DeleteProfile("tEsTeR");
  EXPECT_EQ(One(r.DbPath(), "SELECT group_concat(profile) FROM runs"), "Other");
  EXPECT_EQ(One(r.DbPath(), "SELECT group_concat(typed) FROM shots"), "y");
  EXPECT_EQ(r.recorder->Load("Tester").runs, 0);
}

enum class Refusal { kReadOnlyFolder, kNotADatabase, kLocked };

class RefusingDatabase : public testing::TestWithParam<Refusal> {};

TEST_P(RefusingDatabase, LeavesTheGamePlayingAndPlayerIniAsItWas) {
  const Refusal refusal = GetParam();
  std::unique_ptr<RecordedLevel> made;
  std::string folder;
  if (refusal == Refusal::kReadOnlyFolder) {
    // The superuser writes through permissions; a folder of the kernel's refuses everyone.
    made = std::make_unique<RecordedLevel>(geteuid() == 0 ? "/proc/" : "");
    if (geteuid() != 0) std::filesystem::permissions(made->h.dir + "/data", std::filesystem::perms::owner_read |
                                                                                std::filesystem::perms::owner_exec);
  } else {
    made = std::make_unique<RecordedLevel>();
  }
  RecordedLevel& r = *made;
  const std::string db = r.DbPath();
  const std::string junk = "This is no database, only words a player put here.\n";
  if (refusal == Refusal::kNotADatabase) LevelHarness::WriteFile(db, junk);
  sqlite3* holder = nullptr;
  if (refusal == Refusal::kLocked) {
    // Another game holding the write lock for as long as it likes.
    {
      ProgressDatabase made_(db);
      made_.Open();
    }
    ASSERT_EQ(sqlite3_open(db.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  }
  r.h.shared.playerStore->WriteString("Tester", "up", "easy");
  r.h.shared.playerStore->WriteString("Tester", "curlevel", "1");
  const std::string iniBefore = FileText(r.h.dir + "/Player.ini");

  PlayMixedLevel(r);  // asserts the level reached its results
  ASSERT_GT(r.countersAtEnd.Hits, 0);
  const std::string iniAfterResults = FileText(r.h.dir + "/Player.ini");
  // Only the results screen's own best result was added to Player.ini.
  EXPECT_NE(iniAfterResults.find("1=" + r.shown.record), std::string::npos);
  EXPECT_EQ(iniAfterResults.find("Progress"), std::string::npos);
  std::multiset<std::string> expected = LinesOf(iniBefore);
  expected.insert("1=" + r.shown.record);
  EXPECT_EQ(LinesOf(iniAfterResults), expected);

  switch (refusal) {
    case Refusal::kReadOnlyFolder:
      ASSERT_EQ(r.h.messages.shown, std::vector<std::string>{"Unable to write to " + db});
      EXPECT_FALSE(std::filesystem::exists(db));
      EXPECT_GT(r.recorder->BufferedShots(), 0u);  // kept for a later try
      break;
    case Refusal::kNotADatabase:
      ASSERT_EQ(r.h.messages.shown, std::vector<std::string>{"Unable to write to " + db});
      EXPECT_EQ(FileText(db + ".corrupt-1"), junk);
      EXPECT_EQ(One(db, "SELECT outcome FROM runs"), "finished");
      break;
    case Refusal::kLocked: {
      ASSERT_EQ(r.h.messages.shown, std::vector<std::string>{"Unable to write to " + db});
      EXPECT_EQ(One(db, "SELECT count(*) FROM runs"), "0");
      const size_t buffered = r.recorder->BufferedShots();
      EXPECT_GT(buffered, 0u);
      // Once the other game lets go, the rows kept in memory reach the file whole.
      sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
      sqlite3_close(holder);
      EXPECT_TRUE(r.recorder->Flush());
      EXPECT_EQ(One(db, "SELECT outcome FROM runs"), "finished");
      EXPECT_EQ(One(db, "SELECT count(*) FROM shots"), std::to_string(buffered));
      EXPECT_EQ(r.h.messages.shown.size(), 1u);
      break;
    }
  }
  if (refusal == Refusal::kReadOnlyFolder && geteuid() != 0) {
    std::filesystem::permissions(r.h.dir + "/data", std::filesystem::perms::owner_all);
  }
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusingDatabase,
                         testing::Values(Refusal::kReadOnlyFolder, Refusal::kNotADatabase, Refusal::kLocked));

TEST(ProgressDatabase, ANewerSchemaIsRefusedAndAnOlderFileIsMigrated) {
  char pattern[] = "/tmp/keyslinger-progress-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  const std::string newer = dir + "/newer.db";
  const std::string empty = dir + "/empty.db";
  for (const auto& [path, sql] : {std::pair{newer, "PRAGMA user_version=7"}, std::pair{empty, "CREATE TABLE notes(x)"}}) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  ProgressDatabase refused(newer);
  EXPECT_THROW(refused.Open(), ProgressError);
  EXPECT_FALSE(refused.IsOpen());
  ProgressDatabase migrated(empty);
  migrated.Open();
  EXPECT_TRUE(migrated.MovedAsideTo().empty());
  migrated.Close();
  EXPECT_EQ(One(empty, "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
  EXPECT_EQ(One(empty, "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(One(empty, "SELECT count(*) FROM sqlite_master WHERE name IN ('runs','shots','notes')"), "3");
  std::filesystem::remove_all(dir);
}

}  // namespace
