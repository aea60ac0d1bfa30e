// Progress.db: the SQLite file of every run and shot, its schema and the queries behind the
// progress screen.
#include "progress/progress_database.h"

#include "platform/file_lookup.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>
#include <utility>

namespace {

// Another game writing at the same moment holds the lock for well under this; anything longer
// is a game that keeps it, and the write is tried again later rather than waited for.
constexpr int kBusyTimeoutMs = 10;

// Each entry brings the schema from the version before it to its own; user_version says which
// have run. New versions append an entry and never change the old ones.
const char* const kMigrations[] = {
    // 1: runs and shots.
    "CREATE TABLE runs ("
    "  id INTEGER PRIMARY KEY,"
    "  profile TEXT NOT NULL COLLATE NOCASE,"
    "  level INTEGER NOT NULL,"
    "  difficulty TEXT NOT NULL,"
    "  started_at TEXT NOT NULL,"
    "  duration_ms INTEGER NOT NULL,"
    "  outcome TEXT NOT NULL,"
    "  percent INTEGER, hits INTEGER, misses INTEGER, civilians INTEGER, passed INTEGER);"
    "CREATE INDEX runs_profile ON runs(profile);"
    "CREATE TABLE shots ("
    "  id INTEGER PRIMARY KEY,"
    "  run_id INTEGER NOT NULL REFERENCES runs(id),"
    "  game_ms INTEGER NOT NULL,"
    "  typed TEXT NOT NULL,"
    "  result TEXT NOT NULL,"
    "  letter TEXT NOT NULL,"
    "  key TEXT NOT NULL,"
    "  reaction_ms INTEGER,"
    "  end_phase INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX shots_run ON shots(run_id);"
    "CREATE INDEX shots_key ON shots(key, id);",
    // 2: the key a miss was aimed at, when exactly one enemy stood ready.
    "ALTER TABLE shots ADD COLUMN aimed_at TEXT NOT NULL DEFAULT '';"
    "CREATE INDEX shots_aimed ON shots(aimed_at, id) WHERE aimed_at <> '';",
};
static_assert(std::size(kMigrations) == kProgressSchemaVersion);

// A prepared statement that finalizes itself; parameters are bound from 1.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
      throw ProgressError(sqlite3_errmsg(db));
    }
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int i, const std::string& text) {
    Check(sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
  }
  Statement& Bind(int i, int64_t value) {
    Check(sqlite3_bind_int64(stmt_, i, value));
    return *this;
  }
  Statement& BindNull(int i) {
    Check(sqlite3_bind_null(stmt_, i));
    return *this;
  }
  Statement& Bind(int i, const std::optional<int64_t>& value) {
    if (value.has_value()) return Bind(i, *value);
    return BindNull(i);
  }
  // True while there is a row to read.
  bool Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw ProgressError(sqlite3_errmsg(db_));
  }
  void Run() {
    while (Step()) {
    }
    Reset();
  }
  void Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
  int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
  bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
  std::string Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
  }

 private:
  void Check(int rc) {
    if (rc != SQLITE_OK) throw ProgressError(sqlite3_errmsg(db_));
  }
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// percent, hits, misses, civilians and passed from parameter first on; all null without a result.
void BindResult(Statement& statement, int first, const std::optional<RunResult>& result) {
  if (!result) {
    for (int i = 0; i < 5; ++i) statement.BindNull(first + i);
    return;
  }
  statement.Bind(first, int64_t{result->percent}).Bind(first + 1, int64_t{result->hits});
  statement.Bind(first + 2, int64_t{result->misses}).Bind(first + 3, int64_t{result->civilians});
  statement.Bind(first + 4, int64_t{result->passed ? 1 : 0});
}

bool IsNotADatabase(int rc) {
  const int primary = rc & 0xff;
  return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// Renames path (and any journal files beside it) to the first free "<path>.corrupt-<n>".
std::string MoveAside(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (int n = 1;; ++n) {
    const std::string aside = path + ".corrupt-" + std::to_string(n);
    if (fs::exists(aside, ec) || fs::exists(aside + "-wal", ec)) continue;
    fs::rename(path, aside, ec);
    if (ec) throw ProgressError("cannot move " + path + " aside: " + ec.message());
    for (const char* journal : {"-wal", "-shm"}) {
      if (fs::exists(path + journal, ec)) fs::rename(path + journal, aside + journal, ec);
    }
    return aside;
  }
}

}  // namespace

ProgressDatabase::ProgressDatabase(std::string path) : path_(std::move(path)) {}

ProgressDatabase::~ProgressDatabase() { Close(); }

void ProgressDatabase::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void ProgressDatabase::Fail(const std::string& what) {
  std::string message = what;
  if (db_) message += std::string(": ") + sqlite3_errmsg(db_);
  Close();
  throw ProgressError(message);
}

void ProgressDatabase::Exec(const char* sql) {
  char* error = nullptr;
  const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw ProgressError(message);
  }
}

void ProgressDatabase::Open() {
  movedAsideTo_.clear();
  if (db_) return;
  // An existing file in any letter case is the one to use.
  if (path_ != ":memory:") path_ = ResolvePathNoCase(path_);
  try {
    OpenOrThrow();
  } catch (const ProgressError& e) {
    // Only a file that is not a database is moved aside; a locked or unwritable one is left be.
    if (std::string_view(e.what()).rfind("not a database", 0) != 0) throw;
    movedAsideTo_ = MoveAside(path_);
    OpenOrThrow();
  }
}

void ProgressDatabase::OpenOrThrow() {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK) Fail("cannot open " + path_);
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  // The first read of the file tells a database from anything else.
  const int rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (IsNotADatabase(rc)) {
    Close();
    throw ProgressError("not a database: " + path_);
  }
  if (rc != SQLITE_OK) Fail("cannot read " + path_);
  try {
    if (path_ != ":memory:") Exec("PRAGMA journal_mode=WAL");
    // In WAL mode NORMAL keeps every committed run through a crash of the game; only a crash
    // of the machine can cost the last transactions.
    Exec("PRAGMA synchronous=NORMAL");
    Exec("PRAGMA wal_autocheckpoint=0");
    Migrate();
  } catch (const ProgressError& e) {
    Fail(e.what());
  }
}

void ProgressDatabase::Migrate() {
  int64_t version = 0;
  {
    Statement query(db_, "PRAGMA user_version");
    if (query.Step()) version = query.Int(0);
  }
  if (version > kProgressSchemaVersion) {
    throw ProgressError("made by a newer game (schema version " + std::to_string(version) + ")");
  }
  if (version == kProgressSchemaVersion) return;
  Exec("BEGIN IMMEDIATE");
  try {
    for (int64_t v = version; v < kProgressSchemaVersion; ++v) Exec(kMigrations[v]);
    Exec(("PRAGMA user_version=" + std::to_string(kProgressSchemaVersion)).c_str());
    Exec("COMMIT");
  } catch (...) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void ProgressDatabase::Write(std::vector<PendingRun>& runs) {
  if (!db_) throw ProgressError("not open: " + path_);
  std::vector<int64_t> ids;
  ids.reserve(runs.size());
  try {
    Exec("BEGIN IMMEDIATE");
    Statement insertRun(db_,
                        "INSERT INTO runs (profile, level, difficulty, started_at, duration_ms, outcome,"
                        " percent, hits, misses, civilians, passed) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)");
    Statement updateRun(db_,
                        "UPDATE runs SET duration_ms=?2, outcome=?3, percent=?4, hits=?5, misses=?6,"
                        " civilians=?7, passed=?8 WHERE id=?1");
    Statement insertShot(db_,
                         "INSERT INTO shots (run_id, game_ms, typed, result, letter, key, reaction_ms,"
                         " end_phase, aimed_at) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9)");
    for (const PendingRun& pending : runs) {
      const RunRecord& run = pending.run;
      int64_t id = run.id;
      if (id == 0) {
        insertRun.Bind(1, run.profile).Bind(2, int64_t{run.level}).Bind(3, run.difficulty);
        insertRun.Bind(4, run.startedAt).Bind(5, run.durationMs).Bind(6, run.outcome);
        BindResult(insertRun, 7, run.result);
        insertRun.Run();
        id = sqlite3_last_insert_rowid(db_);
      } else {
        updateRun.Bind(1, id).Bind(2, run.durationMs).Bind(3, run.outcome);
        BindResult(updateRun, 4, run.result);
        updateRun.Run();
      }
      ids.push_back(id);
      for (const ShotRecord& shot : pending.shots) {
        insertShot.Bind(1, id).Bind(2, shot.gameMs).Bind(3, shot.typed).Bind(4, shot.result);
        insertShot.Bind(5, shot.letter).Bind(6, shot.key).Bind(7, shot.reactionMs);
        insertShot.Bind(8, int64_t{shot.endPhase ? 1 : 0}).Bind(9, shot.aimedAt).Run();
      }
    }
    Exec("COMMIT");
  } catch (const ProgressError& e) {
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw ProgressError(std::string("cannot write ") + path_ + ": " + e.what());
  }
  for (size_t i = 0; i < runs.size(); ++i) {
    runs[i].run.id = ids[i];
    runs[i].shots.clear();
  }
}

void ProgressDatabase::Checkpoint() {
  // A reader or writer elsewhere may keep the copy short; the next one goes on from there.
  if (db_) sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

ProgressData ProgressDatabase::Load(const std::string& profile) {
  if (!db_) throw ProgressError("not open: " + path_);
  ProgressData data;
  try {
    // A chance at a key: a hit on it, a counted miss typed on it, or an enemy lost at it. Each
    // key's newest chances are read backwards along shots(key, id), which stops at the limit
    // however many shots are older.
    std::vector<std::string> keys;
    {
      Statement distinct(db_, "SELECT DISTINCT key FROM shots WHERE key <> ''");
      while (distinct.Step()) keys.push_back(distinct.Text(0));
    }
    Statement chances(db_,
                      "SELECT s.result, s.reaction_ms FROM shots s JOIN runs r ON r.id = s.run_id"
                      " WHERE s.key = ?1 AND r.profile = ?2 AND s.end_phase = 0"
                      "  AND s.result IN ('POINT', 'MISS', 'LOST')"
                      " ORDER BY s.id DESC LIMIT ?3");
    for (const std::string& key : keys) {
      chances.Bind(1, key).Bind(2, profile).Bind(3, int64_t{kChancesPerKey});
      while (chances.Step()) {
        KeyChance chance;
        chance.key = key;
        chance.hit = chances.Text(0) == "POINT";
        if (!chances.IsNull(1)) chance.reactionMs = chances.Int(1);
        data.chances.push_back(std::move(chance));
      }
      chances.Reset();
    }
    Statement finished(db_,
                       "SELECT started_at, level, percent, passed FROM runs"
                       " WHERE profile = ?1 AND outcome = 'finished' ORDER BY started_at, id");
    finished.Bind(1, profile);
    while (finished.Step()) {
      data.finished.push_back(FinishedRun{finished.Text(0), static_cast<int32_t>(finished.Int(1)),
                                          static_cast<int32_t>(finished.Int(2)), finished.Int(3) != 0});
    }
    Statement totals(db_,
                     "SELECT coalesce(sum(duration_ms), 0), count(*),"
                     " count(DISTINCT CASE WHEN outcome = 'finished' AND passed = 1 THEN level END)"
                     " FROM runs WHERE profile = ?1");
    totals.Bind(1, profile);
    if (totals.Step()) {
      data.playedMs = totals.Int(0);
      data.runs = totals.Int(1);
      data.levelsPassed = totals.Int(2);
    }
  } catch (const ProgressError& e) {
    throw ProgressError(std::string("cannot read ") + path_ + ": " + e.what());
  }
  return data;
}

void ProgressDatabase::DeleteProfile(const std::string& profile) {
  if (!db_) throw ProgressError("not open: " + path_);
  try {
    Exec("BEGIN IMMEDIATE");
    Statement shots(db_, "DELETE FROM shots WHERE run_id IN (SELECT id FROM runs WHERE profile = ?1)");
    shots.Bind(1, profile).Run();
    Statement runs(db_, "DELETE FROM runs WHERE profile = ?1");
    runs.Bind(1, profile).Run();
    Exec("COMMIT");
  } catch (const ProgressError& e) {
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw ProgressError(std::string("cannot write ") + path_ + ": " + e.what());
  }
}
