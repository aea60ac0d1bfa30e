// SPDX-License-Identifier: GPL-3.0-or-later
// The progress recorder over level play in virtual time, against a real Progress.db in a
// temporary folder: runs, shots, reaction times, the ways out and databases that refuse.
#include "level_harness.h"
#include "level/level_listener.h"
#include "platform/file_lookup.h"
#include "platform/message_boxes.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "progress/progress_stats.h"
#include "screens/results.h"
#include "scratch_folder.h"
#include "sql_probe.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
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
      if (whileResultsShow) whileResultsShow();
      results.MainMenu();
    };
    h.play->StartLevel("Level1");
    ASSERT_TRUE(h.play->LevelLoaded());
  }
  std::string DbPath() const { return h.shared.PlayerDataDir() + "Progress.db"; }

  LevelHarness h;
  std::unique_ptr<ProgressRecorder> recorder;
  std::function<void()> whileResultsShow;
  ResultsView shown;
  LevelCounters countersAtEnd;
};

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
  const auto runs = QueryRows(db, "SELECT profile, level, difficulty, started_at, outcome, percent, hits, misses,"
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
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'POINT'"), std::to_string(c.Hits));
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'MISS' AND end_phase = 0"),
            std::to_string(c.Misses));
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'CIVILIAN'"), std::to_string(c.Civilians));
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'LOST'"), std::to_string(c.Lost));
  // Every hit names its place's letter and has a reaction; a lost enemy's row has no typed key.
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'POINT' AND (letter NOT IN ('f','k')"
                    " OR reaction_ms IS NULL OR reaction_ms < 0)"), "0");
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'LOST' AND (typed <> '' OR letter = '')"), "0");
  EXPECT_EQ(QueryValue(db, "SELECT count(*)" + ofRun + " AND result = 'MISS' AND typed = 'x' AND key = 'x'"),
            QueryValue(db, "SELECT count(*)" + ofRun + " AND typed = 'x'"));
  // Shots are in game order.
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots a JOIN shots b ON b.id = a.id + 1 WHERE b.game_ms < a.game_ms"), "0");
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
  EXPECT_EQ(QueryValue(r.DbPath(), "SELECT reaction_ms FROM shots WHERE result = 'POINT'"), std::to_string(reaction));
  // Game time leaves the pause out as well.
  const int64_t gameMs = std::stoll(QueryValue(r.DbPath(), "SELECT game_ms FROM shots WHERE result = 'POINT'"));
  EXPECT_EQ(gameMs, 1400);
}

TEST(ProgressRecording, RestartAndQuitLeaveRowsWithoutResultsAndAMissInTheEndPhaseIsMarked) {
  RecordedLevel r;
  r.Start("door:100:50:1:f", TemplateStep("t", "townsman", "3000") + WaveStep("w", "500", "0:0:1"));
  r.h.Run(700);
  ASSERT_TRUE(r.h.play->Clock().EndPhase());
  r.h.Type("x");  // ignored by the counters, kept as a row
  r.h.play->SetPaused(true, true);
  r.h.play->RestartLevel();
  ASSERT_TRUE(r.h.play->LevelLoaded());
  r.h.Run(300);
  r.h.Type("q");
  r.h.play->QuitToMenu();
  const auto runs = QueryRows(r.DbPath(), "SELECT outcome, percent, hits, misses, civilians, passed FROM runs ORDER BY id");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (std::vector<std::string>{"restarted", "NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_EQ(runs[1], (std::vector<std::string>{"quit", "NULL", "NULL", "NULL", "NULL", "NULL"}));
  const auto shots = QueryRows(r.DbPath(), "SELECT run_id, typed, result, letter, end_phase FROM shots ORDER BY id");
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
  EXPECT_EQ(r.recorder->Load("tester").runs, 1);
  r.recorder->DeleteProfile("tEsTeR");
  EXPECT_EQ(QueryValue(r.DbPath(), "SELECT group_concat(profile) FROM runs"), "Other");
  EXPECT_EQ(QueryValue(r.DbPath(), "SELECT group_concat(typed) FROM shots"), "y");
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
      ASSERT_EQ(r.h.messages.shown, std::vector<std::string>{db + " was not a progress database and has been moved"
                                                                  " aside to " + db + ".corrupt-1"});
      EXPECT_EQ(FileText(db + ".corrupt-1"), junk);
      EXPECT_EQ(QueryValue(db, "SELECT outcome FROM runs"), "finished");
      break;
    case Refusal::kLocked: {
      ASSERT_EQ(r.h.messages.shown, std::vector<std::string>{"Unable to write to " + db});
      EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM runs"), "0");
      const size_t buffered = r.recorder->BufferedShots();
      EXPECT_GT(buffered, 0u);
      // Once the other game lets go, the rows kept in memory reach the file whole.
      sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
      sqlite3_close(holder);
      EXPECT_TRUE(r.recorder->Flush());
      EXPECT_EQ(QueryValue(db, "SELECT outcome FROM runs"), "finished");
      EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots"), std::to_string(buffered));
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

void MakeOurs(const std::string& path) {
  ProgressDatabase made(path);
  made.Open();
}

uintmax_t SizeOf(const std::string& path) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  return ec ? 0 : size;
}

// Another program holding the write lock of a progress database until Release.
struct LockHolder {
  explicit LockHolder(const std::string& path) {
    MakeOurs(path);
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  }
  ~LockHolder() { Release(); }
  void Release() {
    if (!db) return;
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    db = nullptr;
  }
  sqlite3* db = nullptr;
};

// A recorder over a folder of its own, driven by hand.
struct BareRecorder {
  explicit BareRecorder(const std::string& folder) {
    shared.appDir = folder + "/";
    shared.currentPlayer = "Tester";
    recorder = std::make_unique<ProgressRecorder>(shared, timers, messages, [] { return kUtc; });
  }
  std::string DbPath() const { return shared.appDir + kProgressFileName; }
  // One shot of each typed text, as misses that count.
  void Shots(size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i) recorder->CharacterResolved(std::to_string(i), "MISS", -1, "", true);
  }
  SharedState shared;
  VirtualTimerService timers;
  RecordingMessageBoxes messages;
  std::unique_ptr<ProgressRecorder> recorder;
};

// When the other program lets go of the lock: while the results show, or only after the menu is
// back, so that only the exit is left to write the rows.
enum class LockGoes { kWhileResultsShow, kAfterTheMenu };

class BufferedRows : public testing::TestWithParam<LockGoes> {};

TEST_P(BufferedRows, ReachTheFileWhenTheLevelIsLeftOrAtTheLatestWhenTheGameEnds) {
  RecordedLevel r;
  const std::string db = r.DbPath();
  LockHolder lock(db);
  size_t buffered = 0;
  r.whileResultsShow = [&] {
    buffered = r.recorder->BufferedShots();
    if (GetParam() == LockGoes::kWhileResultsShow) lock.Release();
  };
  PlayMixedLevel(r);
  ASSERT_GT(buffered, 0u);
  EXPECT_EQ(r.h.messages.shown, std::vector<std::string>{"Unable to write to " + db});
  if (GetParam() == LockGoes::kWhileResultsShow) {
    EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots"), std::to_string(buffered));  // MAIN MENU wrote them
  } else {
    EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM runs"), "0");
    lock.Release();
  }
  r.h.play->listener = nullptr;
  r.h.shared.progress = nullptr;
  r.recorder.reset();  // the game ends
  EXPECT_EQ(QueryValue(db, "SELECT group_concat(outcome) FROM runs"), "finished");
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots"), std::to_string(buffered));
  EXPECT_EQ(r.h.messages.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(LockReleases, BufferedRows, testing::Values(LockGoes::kWhileResultsShow, LockGoes::kAfterTheMenu));

TEST(ProgressRecording, AFullBufferGivesUpTheOldestShotsFirstAcrossRuns) {
  ScratchFolder folder("progress");
  BareRecorder b(folder.Path());
  LockHolder lock(b.DbPath());
  constexpr size_t kFirst = 100000;
  const size_t second = ProgressRecorder::kMaxBufferedShots - kFirst + 5;
  b.recorder->LevelStarted("Level1", "easy");
  b.Shots(0, kFirst);
  b.recorder->LevelLeft(false);  // refused: kept
  b.recorder->LevelStarted("Level2", "easy");
  b.Shots(kFirst, second);
  EXPECT_EQ(b.recorder->BufferedShots(), ProgressRecorder::kMaxBufferedShots);
  lock.Release();
  b.recorder->LevelLeft(false);
  EXPECT_EQ(b.recorder->BufferedShots(), 0u);
  const auto runs = QueryRows(b.DbPath(), "SELECT r.level, count(*), min(CAST(s.typed AS INTEGER)), max(CAST(s.typed AS INTEGER))"
                                      " FROM runs r JOIN shots s ON s.run_id = r.id GROUP BY r.id ORDER BY r.id");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (std::vector<std::string>{"1", std::to_string(kFirst - 5), "5", std::to_string(kFirst - 1)}));
  EXPECT_EQ(runs[1], (std::vector<std::string>{"2", std::to_string(second), std::to_string(kFirst),
                                               std::to_string(kFirst + second - 1)}));
}

TEST(ProgressRecording, AFileMovedAsideIsToldAndALaterWriteFailureIsStillReported) {
  ScratchFolder folder("progress");
  BareRecorder b(folder.Path());
  const std::string db = b.DbPath();
  LevelHarness::WriteFile(db, "Notes of a player, no database.\n");
  b.recorder->LevelStarted("Level1", "easy");
  b.Shots(0, 3);
  b.recorder->LevelLeft(false);
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots"), "3");
  LockHolder lock(db);
  b.recorder->LevelStarted("Level1", "easy");
  b.Shots(3, 3);
  b.recorder->LevelLeft(false);
  EXPECT_EQ(b.messages.shown,
            (std::vector<std::string>{db + " was not a progress database and has been moved aside to " + db + ".corrupt-1",
                                      "Unable to write to " + db}));
  // Handed over as its kind and the two names, for the screens to word.
  EXPECT_EQ(b.messages.notices,
            (std::vector<PlayerNotice>{{PlayerNotice::Kind::ProgressMovedAside, {db, db + ".corrupt-1"}}}));
}

struct FileKind {
  const char* name;
  std::function<void(const std::string&)> make;
  ProgressFault fault;  // kNotOurs: moved aside and replaced; kNone: used as it is
};

// Files a player's folder may hold: which are moved aside, which refused untouched, which used.
TEST(ProgressDatabase, FilesThatAreNotOursAreMovedAsideAndNewerOrIncompleteOnesLeftUntouched) {
  const std::string newer = std::to_string(kProgressSchemaVersion + 1);
  const FileKind kinds[] = {
      {"a negative version", [](auto& p) { MakeOurs(p); ExecSql(p, "PRAGMA user_version=-1"); }, ProgressFault::kNotOurs},
      {"someone else's tables", [](auto& p) { ExecSql(p, "CREATE TABLE notes(x); INSERT INTO notes VALUES (1)"); },
       ProgressFault::kNotOurs},
      {"our version over someone else's tables",
       [](auto& p) { ExecSql(p, "CREATE TABLE notes(x); PRAGMA user_version=" + std::to_string(kProgressSchemaVersion)); },
       ProgressFault::kNotOurs},
      {"a newer version", [&](auto& p) { MakeOurs(p); ExecSql(p, "PRAGMA user_version=" + newer); },
       ProgressFault::kNewerSchema},
      {"a newer version without tables", [&](auto& p) { ExecSql(p, "PRAGMA user_version=" + newer); },
       ProgressFault::kNewerSchema},
      {"a column missing", [](auto& p) { MakeOurs(p); ExecSql(p, "ALTER TABLE shots DROP COLUMN end_phase"); },
       ProgressFault::kMissingParts},
      {"a table missing", [](auto& p) { MakeOurs(p); ExecSql(p, "DROP TABLE shots"); }, ProgressFault::kMissingParts},
      {"our tables without a version", [](auto& p) { MakeOurs(p); ExecSql(p, "PRAGMA user_version=0"); },
       ProgressFault::kMissingParts},
      {"an empty file", [](auto& p) { LevelHarness::WriteFile(p, ""); }, ProgressFault::kNone},
      {"ours", [](auto& p) { MakeOurs(p); }, ProgressFault::kNone},
  };
  for (const FileKind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    ScratchFolder folder("progress");
    const std::string path = folder.Path() + "/" + kProgressFileName;
    kind.make(path);
    const std::string before = FileText(path);
    ProgressDatabase db(path);
    ProgressFault fault = ProgressFault::kNone;
    try {
      db.Open();
    } catch (const ProgressError& e) {
      fault = e.Fault();
    }
    switch (kind.fault) {
      case ProgressFault::kNotOurs:
        EXPECT_EQ(fault, ProgressFault::kNone);
        EXPECT_EQ(db.MovedAsideTo(), path + ".corrupt-1");
        EXPECT_EQ(FileText(path + ".corrupt-1"), before);
        EXPECT_EQ(QueryValue(path, "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
        break;
      case ProgressFault::kNone:
        EXPECT_EQ(fault, ProgressFault::kNone);
        EXPECT_TRUE(db.MovedAsideTo().empty());
        EXPECT_EQ(QueryValue(path, "SELECT count(*) FROM sqlite_master WHERE name IN ('runs', 'shots')"), "2");
        EXPECT_EQ(QueryValue(path, "PRAGMA journal_mode"), "wal");
        break;
      default: {
        EXPECT_EQ(fault, kind.fault);
        EXPECT_FALSE(db.IsOpen());
        EXPECT_EQ(FileText(path), before);
        // Played over, the file is still never written, and the progress screen hears why.
        BareRecorder b(folder.Path());
        b.recorder->LevelStarted("Level1", "easy");
        b.Shots(0, 4);
        b.recorder->LevelLeft(false);
        EXPECT_EQ(b.recorder->Load("Tester").fault, kind.fault);
        b.recorder.reset();
        EXPECT_EQ(FileText(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + ".corrupt-1"));
        EXPECT_EQ(b.messages.shown, std::vector<std::string>{"Unable to write to " + path});
      }
    }
  }
}

// Many shots written wave by wave, as the game writes them: the journal grows to megabytes.
void WriteManyShots(ProgressDatabase& db, int waves) {
  for (int wave = 0; wave < waves; ++wave) {
    std::vector<PendingRun> runs(1);
    runs[0].run = RunRecord{0, "Tester", 1, "easy", "2026-01-01T00:00:00Z", 1000, kOutcomeQuit, std::nullopt};
    for (int i = 0; i < 2500; ++i) runs[0].shots.push_back(ShotRecord{i, "f", "POINT", "f", "f", 300, false, "", ""});
    db.Write(runs);
  }
}

constexpr uintmax_t kJournalBound = uintmax_t{4} << 20;

TEST(ProgressDatabase, AJournalLeftByACrashIsCutBackWhenTheFileIsOpened) {
  ScratchFolder folder("progress");
  const std::string live = folder.Path() + "/live.db";
  ProgressDatabase writer(live);
  writer.Open();
  WriteManyShots(writer, 40);
  // What kill -9 leaves behind: the file and its journal as they are, never closed.
  const std::string crashed = folder.Path() + "/" + kProgressFileName;
  std::filesystem::copy_file(live, crashed);
  std::filesystem::copy_file(live + "-wal", crashed + "-wal");
  ASSERT_GT(SizeOf(crashed + "-wal"), kJournalBound);
  ProgressDatabase reopened(crashed);
  reopened.Open();
  EXPECT_LT(SizeOf(crashed + "-wal"), kJournalBound);
  EXPECT_EQ(QueryValue(crashed, "SELECT count(*) FROM shots"), "100000");
}

TEST(ProgressRecording, TheJournalIsCutBackAtTheEndOfALevel) {
  ScratchFolder folder("progress");
  BareRecorder b(folder.Path());
  b.recorder->LevelStarted("Level1", "easy");
  for (int wave = 0; wave < 20; ++wave) {
    b.Shots(static_cast<size_t>(wave) * 5000, 5000);
    b.recorder->WaveEndChecked();
    b.recorder->WaitForWrites();  // each wave's write done before the next, as in real time
  }
  ASSERT_GT(SizeOf(b.DbPath() + "-wal"), kJournalBound);
  b.recorder->LevelFinished(LevelCounters{});
  EXPECT_LT(SizeOf(b.DbPath() + "-wal"), kJournalBound);
  EXPECT_EQ(QueryValue(b.DbPath(), "SELECT count(*) FROM shots"), "100000");
}

TEST(ProgressDatabase, RunsOfAbsurdLengthSaturateTheTimePlayedAndHideNoRun) {
  ScratchFolder folder("progress");
  const std::string path = folder.Path() + "/" + kProgressFileName;
  ProgressDatabase db(path);
  db.Open();
  std::vector<PendingRun> runs(25);
  for (size_t i = 0; i < runs.size(); ++i) {
    const int64_t duration = i < 2 ? INT64_MAX : i == 2 ? -5 : 60000;
    runs[i].run = RunRecord{0, "Tester", static_cast<int32_t>(i % 4 + 1), "easy", "2026-01-01T00:00:00Z", duration,
                            kOutcomeFinished, RunResult{70, 10, 1, 0, true}};
  }
  db.Write(runs);
  ExecSql(path, "UPDATE runs SET percent = 9000000000, level = -9000000000 WHERE id = 25");
  const ProgressData data = db.Load("tester");
  EXPECT_EQ(data.fault, ProgressFault::kNone);
  EXPECT_EQ(data.runs, 25);
  EXPECT_EQ(data.finished.size(), 25u);
  EXPECT_EQ(data.levelsPassed, 5);  // levels 1 to 4 and the absurd one
  EXPECT_EQ(data.playedMs, INT64_MAX);
  ASSERT_FALSE(data.finished.empty());
  EXPECT_EQ(data.finished.back().percent, INT32_MAX);
  EXPECT_EQ(data.finished.back().level, INT32_MIN);
}

// Key k's history, oldest first: 300 chances, the oldest 100 all missed, then a hit wherever
// i % 4 is not 0, with townsfolk shot at k and misses at k in a wave's end phase between them,
// which are no chances.
void KHistory(std::deque<ShotRecord>& shots) {
  for (int i = 0; i < 300; ++i) {
    const bool hit = i >= 100 && i % 4 != 0;
    shots.push_back(ShotRecord{i, hit ? "k" : "x", hit ? "POINT" : (i % 2 ? "MISS" : "LOST"), "k", "k",
                               hit ? std::optional<int64_t>(1000 + i) : std::nullopt, false, "", ""});
    shots.push_back(ShotRecord{i, "k", "CIVILIAN", "k", "k", std::nullopt, false, "", ""});
    shots.push_back(ShotRecord{i, "k", "MISS", "", "k", std::nullopt, true, "", ""});
  }
}

// The chances of key k that the load must give, newest first: i from 299 down to 100.
std::vector<std::pair<bool, std::optional<int64_t>>> ExpectedK() {
  std::vector<std::pair<bool, std::optional<int64_t>>> expected;
  for (int i = 299; i >= 100; --i) {
    const bool hit = i % 4 != 0;
    expected.emplace_back(hit, hit ? std::optional<int64_t>(1000 + i) : std::nullopt);
  }
  return expected;
}

// Each key's newest 200 chances, whether the profile's history is read in one sweep, found
// older than the sweep, or partly in it; another profile's shots at k are newer than all.
TEST(ProgressDatabase, EachKeyGetsItsNewestChancesWithoutTownsfolkOrTheEndPhase) {
  const std::pair<const char*, int64_t> layouts[] = {
      {"all in one sweep", 0},
      {"older than the sweep", kNewestChancesSwept},
      {"partly in the sweep", kNewestChancesSwept - 50},
  };
  for (const auto& [name, newerShots] : layouts) {
    SCOPED_TRACE(name);
    ScratchFolder folder("progress");
    ProgressDatabase db(folder.Path() + "/" + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(3);
    runs[0].run = RunRecord{0, "Tester", 1, "easy", "2026-01-01T00:00:00Z", 1000, kOutcomeQuit, std::nullopt};
    KHistory(runs[0].shots);
    runs[1].run = runs[0].run;
    for (int64_t i = 0; i < newerShots; ++i) runs[1].shots.push_back(ShotRecord{i, "z", "POINT", "z", "z", 500, false, "", ""});
    runs[2].run = runs[0].run;
    runs[2].run.profile = "Other";
    for (int i = 0; i < 300; ++i) runs[2].shots.push_back(ShotRecord{i, "k", "POINT", "k", "k", 1, false, "", ""});
    db.Write(runs);

    const ProgressData data = db.Load("tester");
    std::vector<std::pair<bool, std::optional<int64_t>>> k;
    size_t z = 0;
    for (const KeyChance& chance : data.chances) {
      if (chance.key == "k") k.emplace_back(chance.hit, chance.reactionMs);
      if (chance.key == "z") ++z;
    }
    EXPECT_EQ(k.size(), static_cast<size_t>(kChancesPerKey));
    EXPECT_TRUE(k == ExpectedK());
    EXPECT_EQ(z, static_cast<size_t>(std::min<int64_t>(newerShots, kChancesPerKey)));
    const std::vector<KeyStats> stats = KeyStatsOf(data.chances);
    const auto stat = std::find_if(stats.begin(), stats.end(), [](const KeyStats& s) { return s.key == "k"; });
    ASSERT_NE(stat, stats.end());
    EXPECT_EQ(stat->hits, 150);
  }
}

}  // namespace
