// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db: the SQLite file of every run and shot, its schema and the queries behind the
// progress screen.
#include "progress/progress_database.h"

#include "platform/file_lookup.h"
#include "platform/sqlite_connection.h"
#include "progress/chance_rule.h"
#include "progress/progress_schema.h"
#include "progress/records_gate.h"
#include "progress/sqlite_statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
#include <set>
#include <system_error>
#include <unordered_map>
#include <utility>

namespace {

// Another game writing at the same moment holds the lock for well under this; anything longer
// is a game that keeps it, and the write is tried again later rather than waited for.
constexpr int kBusyTimeoutMs = 10;
// On a network file system every read takes a lock a writer may hold for a round trip or two
// to the server: reading waits for a write rather than failing.
constexpr int kNetworkBusyTimeoutMs = 2000;

// journal_size_limit: once a checkpoint has copied the journal into the file, the journal is cut
// back to this, so sessions that end without a clean close do not leave it growing.
constexpr int64_t kJournalLimitBytes = 1 << 20;

// Indexes the load and practice need. They change no table, so they are made on every open (a
// file made before one was added gets it) rather than by a new schema version. shots_unplaced
// holds only the rows without a position (older records), so a key's newest of those are found
// without walking the rows that have one.
constexpr const char* kIndexes =
    "CREATE INDEX IF NOT EXISTS runs_profile ON runs(profile);"
    "CREATE INDEX IF NOT EXISTS shots_run ON shots(run_id);"
    "CREATE INDEX IF NOT EXISTS shots_key ON shots(key, id);"
    "CREATE INDEX IF NOT EXISTS shots_position ON shots(position, id);"
    "CREATE INDEX IF NOT EXISTS shots_unplaced ON shots(key, id) WHERE position = '';"
    "CREATE INDEX IF NOT EXISTS shots_charged ON shots(charged, id) WHERE charged IS NOT NULL;"
    "CREATE INDEX IF NOT EXISTS shots_words ON shots(run_id, id) WHERE word IS NOT NULL;";


// The tables of a schema version and each one's columns, names in lower case.
using Shape = std::map<std::string, std::set<std::string>>;

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Our tables as they are in the file db, whatever else it holds.
Shape ShapeOf(sqlite3* db, const Shape* only = nullptr);

// The shape each version's migrations leave, worked out once on an empty database in memory, so
// it follows the migrations as they are written; index v holds version v's.
const std::vector<Shape>& ShapesByVersion() {
  static const std::vector<Shape> shapes = [] {
    std::vector<Shape> result(1);
    sqlite3* db = nullptr;
    if (OpenGuardedSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &db) != SQLITE_OK) {
      sqlite3_close(db);
      throw ProgressError("cannot open a database in memory");
    }
    for (int version = 1; version <= kProgressSchemaVersion; ++version) {
      if (sqlite3_exec(db, ProgressMigration(version).c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw ProgressError("a migration does not run on an empty database");
      }
      result.push_back(ShapeOf(db));
    }
    sqlite3_close(db);
    return result;
  }();
  return shapes;
}

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

Shape ShapeOf(sqlite3* db, const Shape* only) {
  Shape shape;
  std::vector<std::string> tables;
  {
    Statement list(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
    while (list.Step()) tables.push_back(list.Text(0));
  }
  Statement columns(db, "SELECT name FROM pragma_table_info(?1)");
  for (const std::string& table : tables) {
    const std::string name = Lower(table);
    if (only && !only->count(name)) continue;
    std::set<std::string>& names = shape[name];
    columns.Bind(1, table);
    while (columns.Step()) names.insert(Lower(columns.Text(0)));
    columns.Reset();
  }
  return shape;
}

bool AnyTable(sqlite3* db) {
  Statement any(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' LIMIT 1");
  return any.Step();
}

int32_t ClampInt32(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// A sum read as a floating total, brought back into 0..INT64_MAX.
int64_t SaturatedTotal(double total) {
  if (!(total > 0)) return 0;
  if (total >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(total);
}

}  // namespace

ProgressDatabase::ProgressDatabase(std::string path, RecordsAccess access)
    : path_(std::move(path)),
      access_(std::move(access)),
      lockWaitMs_(access_.network ? kNetworkBusyTimeoutMs : kBusyTimeoutMs) {}

void ProgressDatabase::CheckGate() const {
  if (!access_.gate) return;
  if (const std::optional<std::string> host = access_.gate->ClosedBy()) {
    throw ProgressError(path_ + " is open on another computer (" + *host + ")", ProgressFault::kOpenElsewhere);
  }
}

void ProgressDatabase::SetLockWaitMs(int ms) {
  lockWaitMs_ = ms;
  if (db_) sqlite3_busy_timeout(db_, ms);
}

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

void ProgressDatabase::Exec(const char* sql) { ExecSql(db_, sql); }

void ProgressDatabase::Open() {
  movedAsideTo_.clear();
  if (db_) return;
  CheckGate();
  // An existing file in any letter case is the one to use.
  if (path_ != ":memory:") path_ = ResolvePathNoCase(path_);
  try {
    OpenOrThrow();
  } catch (const ProgressError& e) {
    // Only a file that is not ours is moved aside; a locked, unwritable or newer one is left be.
    if (e.Fault() != ProgressFault::kNotOurs) throw;
    movedAsideTo_ = MoveAside(path_);
    OpenOrThrow();
  }
}

void ProgressDatabase::OpenReadOnly() {
  movedAsideTo_.clear();
  if (db_) return;
  path_ = ResolvePathNoCase(path_);
  if (OpenGuardedSqlite(path_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, &db_) != SQLITE_OK)
    Fail("cannot open " + path_);
  sqlite3_busy_timeout(db_, lockWaitMs_);
  int64_t version = 0;
  try {
    version = CheckOwnership();
  } catch (const ProgressError& e) {
    Close();
    throw ProgressError(path_ + ": " + e.what(), e.Fault());
  }
  bool columns = true;
  for (const AddedColumn& column : AddedShotColumns()) columns = columns && HasColumn(db_, "shots", column.name);
  if (version != kProgressSchemaVersion || !columns) {
    Close();
    throw ProgressError(path_ + ": not brought up to date yet", ProgressFault::kUpdating);
  }
}

std::optional<int64_t> ProgressDatabase::SchemaVersionOf(const std::string& path) {
  sqlite3* db = nullptr;
  std::optional<int64_t> version;
  if (OpenGuardedSqlite(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, &db) == SQLITE_OK) {
    try {
      Statement query(db, "PRAGMA user_version");
      if (query.Step()) version = query.Int(0);
    } catch (const ProgressError&) {
      version.reset();
    }
  }
  sqlite3_close(db);
  return version;
}

void ProgressDatabase::OpenOrThrow() {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (OpenGuardedSqlite(path_, flags, &db_) != SQLITE_OK) Fail("cannot open " + path_);
  sqlite3_busy_timeout(db_, lockWaitMs_);
  // The first read of the file tells a database from anything else.
  const int rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (IsNotADatabase(rc)) {
    Close();
    throw ProgressError("not a database: " + path_, ProgressFault::kNotOurs);
  }
  if (rc != SQLITE_OK) Fail("cannot read " + path_);
  int64_t version = 0;
  try {
    version = CheckOwnership();
  } catch (const ProgressError& e) {
    // Nothing is written to a file that is refused, not even the copy of its journal that
    // closing the last connection makes.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    Close();
    throw ProgressError(path_ + ": " + e.what(), e.Fault());
  }
  try {
    ApplyJournal();
    if (path_ != ":memory:") Exec(("PRAGMA journal_size_limit=" + std::to_string(kJournalLimitBytes)).c_str());
    // In WAL mode NORMAL keeps every committed run through a crash of the game; only a crash
    // of the machine can cost the last transactions. A rollback journal needs FULL for that.
    Exec(access_.network ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
    Exec("PRAGMA wal_autocheckpoint=0");
    Migrate(version);
    AddColumns();
    Exec(kIndexes);
  } catch (const ProgressError& e) {
    Fail(e.what());
  }
  // A journal left long by sessions that ended without closing the file is emptied now.
  Checkpoint();
}

void ProgressDatabase::ApplyJournal() {
  if (path_ == ":memory:") return;
  const char* const wanted = access_.network ? "delete" : "wal";
  // A read first: a connection learns that another one switched the file to WAL only when it
  // next reads it.
  Exec("SELECT 1 FROM sqlite_master LIMIT 1");
  std::string mode;
  {
    Statement current(db_, "PRAGMA journal_mode");
    if (current.Step()) mode = Lower(current.Text(0));
  }
  if (mode == wanted) return;
  // Leaving WAL needs the file to itself; a game that holds it in WAL keeps it so, and the
  // statement answers with the mode that stays. Locally any journal is safe, WAL only faster.
  Statement change(db_, std::string("PRAGMA journal_mode=") + wanted);
  const bool changed = change.Step() && Lower(change.Text(0)) == wanted;
  if (!changed && access_.network) {
    throw ProgressError(std::string("cannot switch the journal to ") + wanted + " (another program has the file open)");
  }
}

void ProgressDatabase::BeginWrite() {
  if (!db_) throw ProgressError("not open: " + path_);
  CheckGate();
  if (access_.network) ApplyJournal();
  Exec("BEGIN IMMEDIATE");
}

int64_t ProgressDatabase::CheckOwnership() {
  int64_t version = 0;
  {
    Statement query(db_, "PRAGMA user_version");
    if (query.Step()) version = query.Int(0);
  }
  if (version < 0) throw ProgressError("negative schema version", ProgressFault::kNotOurs);
  if (version > kProgressSchemaVersion) {
    throw ProgressError("made by a newer game (schema version " + std::to_string(version) + ")",
                        ProgressFault::kNewerSchema);
  }
  const Shape& current = ShapesByVersion()[kProgressSchemaVersion];
  const Shape found = ShapeOf(db_, &current);
  if (found.empty()) {
    // A new, empty file is made ours; a database of someone else's tables is not.
    if (version == 0 && !AnyTable(db_)) return 0;
    throw ProgressError("none of the progress tables", ProgressFault::kNotOurs);
  }
  if (version == 0) throw ProgressError("progress tables without a schema version", ProgressFault::kMissingParts);
  for (const auto& [table, columns] : ShapesByVersion()[static_cast<size_t>(version)]) {
    const auto it = found.find(table);
    if (it == found.end()) throw ProgressError("no table " + table, ProgressFault::kMissingParts);
    for (const std::string& column : columns) {
      if (!it->second.count(column)) {
        throw ProgressError("no column " + table + "." + column, ProgressFault::kMissingParts);
      }
    }
  }
  return version;
}

void ProgressDatabase::Migrate(int64_t version) {
  if (version == kProgressSchemaVersion) return;
  Exec("BEGIN IMMEDIATE");
  try {
    for (int64_t v = version; v < kProgressSchemaVersion; ++v) Exec(ProgressMigration(static_cast<int>(v + 1)).c_str());
    Exec(("PRAGMA user_version=" + std::to_string(kProgressSchemaVersion)).c_str());
    Exec("COMMIT");
  } catch (...) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void ProgressDatabase::AddColumns() {
  // Columns added without a new schema version, so that an older game, which accepts a file of
  // its version with columns beyond its own, still opens and writes the file. Its rows leave
  // them NULL, which the chance rule reads the way that game did (chance_rule.h).
  for (const AddedColumn& column : AddedShotColumns()) {
    if (HasColumn(db_, "shots", column.name)) continue;
    Exec(("ALTER TABLE shots ADD COLUMN " + std::string(column.name) + " " + column.type).c_str());
  }
}

void ProgressDatabase::InsertRows(const std::vector<PendingRun>& runs, std::vector<int64_t>& ids) {
  Statement insertRun(db_,
                      "INSERT INTO runs (profile, level, difficulty, started_at, duration_ms, outcome,"
                      " percent, hits, misses, civilians, passed, word_ready_ms)"
                      " VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12)");
  Statement updateRun(db_,
                      "UPDATE runs SET duration_ms=?2, outcome=?3, percent=?4, hits=?5, misses=?6,"
                      " civilians=?7, passed=?8, word_ready_ms=?9 WHERE id=?1");
  Statement insertShot(db_,
                       "INSERT INTO shots (run_id, game_ms, typed, result, letter, key, reaction_ms,"
                       " end_phase, position, aimed_at, word, word_pos, word_len, charged, typing_ms)"
                       " VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15)");
  for (const PendingRun& pending : runs) {
    const RunRecord& run = pending.run;
    int64_t id = run.id;
    if (id == 0) {
      insertRun.Bind(1, run.profile).Bind(2, int64_t{run.level}).Bind(3, run.difficulty);
      insertRun.Bind(4, run.startedAt).Bind(5, run.durationMs).Bind(6, run.outcome);
      BindResult(insertRun, 7, run.result);
      insertRun.Bind(12, run.wordReadyMs);
      insertRun.Run();
      id = sqlite3_last_insert_rowid(db_);
    } else {
      updateRun.Bind(1, id).Bind(2, run.durationMs).Bind(3, run.outcome);
      BindResult(updateRun, 4, run.result);
      updateRun.Bind(9, run.wordReadyMs);
      updateRun.Run();
    }
    ids.push_back(id);
    for (const ShotRecord& shot : pending.shots) {
      insertShot.Bind(1, id).Bind(2, shot.gameMs).Bind(3, shot.typed).Bind(4, shot.result);
      insertShot.Bind(5, shot.letter).Bind(6, shot.key).Bind(7, shot.reactionMs);
      insertShot.Bind(8, int64_t{shot.endPhase ? 1 : 0}).Bind(9, shot.position).Bind(10, shot.aimedAt);
      insertShot.Bind(11, shot.word).Bind(12, shot.wordPos).Bind(13, int64_t{shot.wordLen});
      insertShot.Bind(14, shot.charged).Bind(15, shot.typingMs).Run();
    }
  }
}

void ProgressDatabase::Write(std::vector<PendingRun>& runs) {
  std::vector<int64_t> ids;
  ids.reserve(runs.size());
  try {
    BeginWrite();
    InsertRows(runs, ids);
    Exec("COMMIT");
  } catch (const ProgressError& e) {
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw ProgressError(std::string("cannot write ") + path_ + ": " + e.what(), e.Fault());
  }
  for (size_t i = 0; i < runs.size(); ++i) {
    runs[i].run.id = ids[i];
    runs[i].shots.clear();
  }
}

size_t ProgressDatabase::Merge(const SideFile& side) {
  size_t added = 0;
  try {
    BeginWrite();
    // Practice's tables aside, the one table of the game's that no schema version has: it only
    // ever grows by a row per side file, and a file without it simply has merged none.
    Exec("CREATE TABLE IF NOT EXISTS side_files_merged (origin TEXT PRIMARY KEY)");
    Statement merged(db_, "SELECT 1 FROM side_files_merged WHERE origin = ?1");
    merged.Bind(1, side.origin);
    if (merged.Step()) {
      Exec("COMMIT");
      return 0;
    }
    // A run part of which is stored: the stored row, when it is still that run.
    Statement stored(db_, "SELECT 1 FROM runs WHERE id = ?1 AND profile = ?2 AND started_at = ?3 AND level = ?4");
    std::vector<PendingRun> rows;
    for (const PendingRun& run : side.runs) {
      const RunRecord& record = run.run;
      if (record.id > 0) {
        stored.Bind(1, record.id).Bind(2, record.profile).Bind(3, record.startedAt).Bind(4, int64_t{record.level});
        const bool found = stored.Step();
        stored.Reset();
        if (!found) continue;
      }
      rows.push_back(run);
    }
    std::vector<int64_t> ids;
    InsertRows(rows, ids);
    Statement note(db_, "INSERT INTO side_files_merged (origin) VALUES (?1)");
    note.Bind(1, side.origin).Run();
    Exec("COMMIT");
    added = rows.size();
  } catch (const ProgressError& e) {
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw ProgressError(std::string("cannot write ") + path_ + ": " + e.what(), e.Fault());
  }
  return added;
}

void ProgressDatabase::Checkpoint() {
  // A reader or writer elsewhere may keep the copy short (it waits for them no longer than for
  // any lock); the next one goes on from there.
  if (db_) sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
}

ProgressData ProgressDatabase::Load(const std::string& profile) {
  if (!db_) throw ProgressError("not open: " + path_);
  CheckGate();
  if (access_.network) ApplyJournal();
  ProgressData data;
  // Each part is read on its own, so one that fails leaves the others to show.
  const auto part = [&](auto&& read) {
    try {
      read();
    } catch (const ProgressError&) {
      data.fault = ProgressFault::kUnavailable;
    }
  };
  part([&] { LoadChances(profile, data.chances); });
  part([&] {
    Statement finished(db_,
                       "SELECT started_at, level, percent, passed FROM runs"
                       " WHERE profile = ?1 AND outcome = 'finished' ORDER BY started_at, id");
    finished.Bind(1, profile);
    while (finished.Step()) {
      data.finished.push_back(FinishedRun{finished.Text(0), ClampInt32(finished.Int(1)), ClampInt32(finished.Int(2)),
                                          finished.Int(3) != 0});
    }
  });
  part([&] {
    // total() sums in floating point: a row of absurd length saturates the time played instead
    // of failing the whole query with an overflow.
    Statement totals(db_,
                     "SELECT total(max(duration_ms, 0)), count(*),"
                     " count(DISTINCT CASE WHEN outcome = 'finished' AND passed = 1 AND level <> 0 THEN level END)"
                     " FROM runs WHERE profile = ?1");
    totals.Bind(1, profile);
    if (totals.Step()) {
      data.playedMs = SaturatedTotal(totals.Double(0));
      data.runs = totals.Int(1);
      data.levelsPassed = totals.Int(2);
    }
  });
  part([&] { LoadWords(profile, data); });
  return data;
}

void ProgressDatabase::LoadWords(const std::string& profile, ProgressData& data) {
  // Words per minute and word accuracy as docs/words.md recomputes them, per practice run.
  Statement speeds(db_,
                   "SELECT r.started_at,"
                   " (SUM(CASE WHEN s.result = 'POINT' THEN s.word_len + 1 ELSE 0 END) / 5.0)"
                   "   / (r.word_ready_ms / 60000.0),"
                   " 1.0 * SUM(s.result <> 'MISS') / COUNT(*)"
                   " FROM runs r JOIN shots s ON s.run_id = r.id"
                   " WHERE r.profile = ?1 AND r.level = 0 AND s.word IS NOT NULL AND r.word_ready_ms > 0"
                   " GROUP BY r.id ORDER BY r.started_at, r.id");
  speeds.Bind(1, profile);
  while (speeds.Step()) data.wordRuns.push_back(WordRun{speeds.Text(0), speeds.Double(1), speeds.Double(2)});
  data.pairTimes = LoadPairTimes(profile);
}

std::vector<PairSample> ProgressDatabase::LoadPairTimes(const std::string& profile) {
  if (!db_) throw ProgressError("not open: " + path_);
  CheckGate();
  std::vector<PairSample> times;
  // The word-wave rows of the newest runs with word waves, in the order typed (shots_words walks
  // only those); a letter and the row right after it make a pair when that row is the same
  // word's next letter, so a letter typed after a miss makes none, as the chance rule leaves a
  // letter after a miss out of the typing times. A pair is timed at the letters' own keys, a
  // townsperson's word too: it measures the fingers, whoever's word they typed.
  std::vector<int64_t> recent;
  {
    Statement runs(db_, "SELECT id FROM runs WHERE profile = ?1 AND word_ready_ms > 0 ORDER BY id DESC LIMIT ?2");
    runs.Bind(1, profile).Bind(2, int64_t{kWordRunsForPairs});
    while (runs.Step()) recent.push_back(runs.Int(0));
  }
  // Run by run along shots_words, already in the order typed: nothing to sort.
  Statement rows(db_,
                 "SELECT s.word, s.word_pos, s.position, s.game_ms FROM shots s"
                 " WHERE s.run_id = ?1 AND s.word IS NOT NULL ORDER BY s.id");
  for (const int64_t run : recent) {
    rows.Bind(1, run);
    int64_t lastWord = 0, lastGame = 0;
    std::optional<int64_t> lastPos;
    std::string lastKey;
    while (rows.Step()) {
      const int64_t word = rows.Int(0);
      const std::optional<int64_t> pos = rows.IsNull(1) ? std::nullopt : std::optional<int64_t>(rows.Int(1));
      std::string key = rows.Text(2);
      const int64_t game = rows.Int(3);
      if (word == lastWord && pos && lastPos && *pos == *lastPos + 1 && !key.empty() && !lastKey.empty()) {
        times.push_back(PairSample{lastKey, key, game - lastGame});
      }
      lastWord = word;
      lastPos = pos;
      lastKey = std::move(key);
      lastGame = game;
    }
    rows.Reset();
  }
  return times;
}

void ProgressDatabase::LoadChances(const std::string& profile, std::vector<KeyChance>& chances) {
  // A chance at a key: a hit on it, a counted miss typed on it, or an enemy lost at it. A key is
  // a position, or for rows without one their character. The newest chances of the profile come
  // first, in one sweep along its runs, newest run first (runs_profile, then shots_run): for most
  // profiles that is every chance they have.
  const auto groupOf = [](const std::string& position, const std::string& key) {
    return position.empty() ? "c" + key : "p" + position;
  };
  std::unordered_map<std::string, int> taken;  // chances kept per group
  int64_t swept = 0;
  int64_t oldestSwept = std::numeric_limits<int64_t>::max();
  const auto keep = [&](KeyChance chance, int& count) {
    ++count;
    chances.push_back(std::move(chance));
  };
  // Each row as the chance rule reads it: its character, its position, hit, reaction, typing,
  // id, and the key an older row's miss was also aimed at.
  const std::string columns = std::string("s.key, ") + kChancePositionSql + ", " + kChanceHitSql + ", " +
                              kReactionSql + ", " + kTypingSql + ", s.id, " + kAlsoAimedSql;
  const auto read = [](const Statement& row) {
    KeyChance chance;
    chance.key = row.Text(0);
    chance.position = row.Text(1);
    chance.hit = row.Int(2) != 0;
    if (!row.IsNull(3)) chance.reactionMs = row.Int(3);
    if (!row.IsNull(4)) chance.typingMs = row.Int(4);
    chance.id = row.Int(5);
    return chance;
  };
  // A chance kept under its group while the group has room (and there is room for a new group).
  const auto offer = [&](KeyChance chance) {
    auto it = taken.find(groupOf(chance.position, chance.key));
    if (it == taken.end()) {
      if (taken.size() >= kMaxLoadedKeys) return;
      it = taken.emplace(groupOf(chance.position, chance.key), 0).first;
    }
    if (it->second >= kChancesPerKey) return;
    keep(std::move(chance), it->second);
  };
  {
    Statement newest(db_, "SELECT " + columns + " FROM runs r JOIN shots s ON s.run_id = r.id"
                          " WHERE r.profile = ?1 AND (s.key <> '' OR s.position <> '' OR s.charged <> '') AND " +
                          kChanceRowSql + " ORDER BY r.id DESC, s.id DESC LIMIT ?2");
    newest.Bind(1, profile).Bind(2, kNewestChancesSwept);
    while (newest.Step()) {
      ++swept;
      oldestSwept = std::min(oldestSwept, newest.Int(5));
      KeyChance chance = read(newest);
      const std::string aimed = newest.Text(6);
      offer(chance);
      if (!aimed.empty()) {
        // The same row failed the key aimed at as well.
        KeyChance also;
        also.key = aimed;
        also.position = aimed;
        also.id = chance.id;
        offer(std::move(also));
      }
    }
  }
  if (swept < kNewestChancesSwept) return;  // the sweep read every chance the profile has

  // A long history: each key still short of its chances, and each key of the file the sweep
  // did not meet, goes on backwards from the sweep's oldest row along shots(position, id) or
  // shots(key, id), which stops at the limit however many shots are older.
  const auto meetAll = [&](const char* sql, const char* prefix) {
    Statement next(db_, sql);
    std::string after;
    while (taken.size() < kMaxLoadedKeys) {
      next.Bind(1, after);
      if (!next.Step()) break;
      after = next.Text(0);
      next.Reset();
      taken.try_emplace(prefix + after, 0);
    }
  };
  meetAll("SELECT position FROM shots WHERE position > ?1 ORDER BY position LIMIT 1", "p");
  meetAll("SELECT key FROM shots WHERE key > ?1 ORDER BY key LIMIT 1", "c");
  std::vector<std::pair<std::string, int>> shortGroups;
  for (const auto& [group, count] : taken) {
    if (count < kChancesPerKey) shortGroups.emplace_back(group, count);
  }
  std::sort(shortGroups.begin(), shortGroups.end());
  const auto olderWhere = [&](const char* condition, bool aimed) {
    return std::string("SELECT ") +
           (aimed ? "s.aimed_at, s.aimed_at, 0, NULL, NULL, s.id, ''" : columns) +
           " FROM shots s JOIN runs r ON r.id = s.run_id WHERE " + condition +
           " AND s.id < ?2 AND r.profile = ?3 AND " + kChanceRowSql + " ORDER BY s.id DESC LIMIT ?4";
  };
  // A key's older rows: those charged to it, those at its position by the older rule, and the
  // older misses aimed at it; a character's, the older rows without a position.
  const std::string perPosition = "SELECT * FROM (" + olderWhere(kChargedToKeySql, false) + ") UNION ALL SELECT * FROM (" +
                                  olderWhere(kOwnPositionSql, false) + ") UNION ALL SELECT * FROM (" +
                                  olderWhere(kAimedAtKeySql, true) + ") ORDER BY 6 DESC LIMIT ?4";
  Statement olderAtPosition(db_, perPosition);
  Statement olderOfCharacter(db_, olderWhere(kOwnCharacterSql, false));
  for (auto& [group, count] : shortGroups) {
    Statement& older = group[0] == 'p' ? olderAtPosition : olderOfCharacter;
    older.Bind(1, group.substr(1)).Bind(2, oldestSwept).Bind(3, profile).Bind(4, int64_t{kChancesPerKey - count});
    while (older.Step()) {
      KeyChance chance = read(older);
      // Rows found for this key count at it, whatever else they count at.
      if (group[0] == 'p') chance.position = group.substr(1);
      keep(std::move(chance), count);
    }
    older.Reset();
  }
}

void ProgressDatabase::DeleteProfile(const std::string& profile) {
  try {
    BeginWrite();
    Statement shots(db_, "DELETE FROM shots WHERE run_id IN (SELECT id FROM runs WHERE profile = ?1)");
    shots.Bind(1, profile).Run();
    Statement runs(db_, "DELETE FROM runs WHERE profile = ?1");
    runs.Bind(1, profile).Run();
    Exec("COMMIT");
  } catch (const ProgressError& e) {
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw ProgressError(std::string("cannot write ") + path_ + ": " + e.what(), e.Fault());
  }
}
