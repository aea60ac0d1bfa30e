// SPDX-License-Identifier: GPL-3.0-or-later
// Side files: runs a game could not write to Progress.db, saved beside it and added later.
#include "progress/side_records.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>

#include "platform/durable_file.h"
#include "platform/file_lookup.h"
#include "platform/sqlite_connection.h"
#include "platform/text_case.h"
#include "progress/records_lease.h"
#include "progress/sqlite_statement.h"

namespace {

constexpr const char* kSuffix = ".unsaved";
// "KSSR" in the file's header, and the layout of its tables.
constexpr int64_t kSideApplicationId = 0x4B535352;
constexpr int64_t kSideVersion = 1;
// Far above the largest side file a game writes (its buffer holds at most 200,000 shots): a
// larger file is no side file of ours and is not read.
constexpr uintmax_t kMaxSideFileBytes = uintmax_t{256} << 20;

constexpr const char* kSideSchema =
    "CREATE TABLE side_origin (origin TEXT NOT NULL);"
    "CREATE TABLE side_runs ("
    "  id INTEGER PRIMARY KEY, main_id INTEGER NOT NULL,"
    "  profile TEXT NOT NULL, level INTEGER NOT NULL, difficulty TEXT NOT NULL, started_at TEXT "
    "NOT NULL,"
    "  duration_ms INTEGER NOT NULL, outcome TEXT NOT NULL, percent INTEGER, hits INTEGER, misses "
    "INTEGER,"
    "  civilians INTEGER, passed INTEGER, word_ready_ms INTEGER NOT NULL);"
    "CREATE TABLE side_shots ("
    "  id INTEGER PRIMARY KEY, run INTEGER NOT NULL, game_ms INTEGER NOT NULL, typed TEXT NOT NULL,"
    "  result TEXT NOT NULL, letter TEXT NOT NULL, key TEXT NOT NULL, reaction_ms INTEGER,"
    "  end_phase INTEGER NOT NULL, position TEXT NOT NULL, aimed_at TEXT NOT NULL, word INTEGER,"
    "  word_pos INTEGER, word_len INTEGER NOT NULL, charged TEXT, typing_ms INTEGER);";

// A connection of its own in memory, closed with it.
struct MemoryDb {
  MemoryDb() {
    if (OpenGuardedSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &db) !=
        SQLITE_OK) {
      sqlite3_close(db);
      db = nullptr;
      throw ProgressError("cannot open a database in memory");
    }
  }
  ~MemoryDb() { sqlite3_close(db); }
  MemoryDb(const MemoryDb&) = delete;
  MemoryDb& operator=(const MemoryDb&) = delete;
  void Exec(const std::string& sql) const {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
      throw ProgressError(sqlite3_errmsg(db));
  }
  sqlite3* db = nullptr;
};

bool IsInteger(const Statement& q, int column) { return q.Type(column) == SQLITE_INTEGER; }
bool IsText(const Statement& q, int column) { return q.Type(column) == SQLITE_TEXT; }
bool IntegerOrNull(const Statement& q, int column) {
  return IsInteger(q, column) || q.IsNull(column);
}

bool KnownOutcome(const std::string& outcome) {
  for (const char* known : {kOutcomePlaying, kOutcomeFinished, kOutcomeRestarted, kOutcomeQuit}) {
    if (outcome == known) return true;
  }
  return false;
}

}  // namespace

std::string SideFileName(const std::string& recordsName, const std::string& host, int64_t pid,
                         int n) {
  std::string name = recordsName + "." + HostForFileName(host) + "." + std::to_string(pid);
  if (n > 0) name += "-" + std::to_string(n);
  return name + kSuffix;
}

bool IsSideFileName(const std::string& name, const std::string& recordsName) {
  const std::string lower = ToLowerUtf8(name);
  const std::string prefix = ToLowerUtf8(recordsName) + ".";
  const std::string suffix = kSuffix;
  return lower.size() > prefix.size() + suffix.size() &&
         lower.compare(0, prefix.size(), prefix) == 0 &&
         lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string SideFileBytes(const std::string& origin, const std::vector<PendingRun>& runs) {
  MemoryDb side;
  side.Exec(kSideSchema);
  side.Exec("PRAGMA application_id=" + std::to_string(kSideApplicationId) +
            ";PRAGMA user_version=" + std::to_string(kSideVersion));
  side.Exec("BEGIN");
  Statement insertOrigin(side.db, "INSERT INTO side_origin (origin) VALUES (?1)");
  insertOrigin.Bind(1, origin).Run();
  Statement insertRun(
      side.db,
      "INSERT INTO side_runs (main_id, profile, level, difficulty, started_at,"
      " duration_ms, outcome, percent, hits, misses, civilians, passed, word_ready_ms)"
      " VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13)");
  Statement insertShot(
      side.db,
      "INSERT INTO side_shots (run, game_ms, typed, result, letter, key, reaction_ms, end_phase,"
      " position, aimed_at, word, word_pos, word_len, charged, typing_ms)"
      " VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15)");
  for (const PendingRun& pending : runs) {
    const RunRecord& run = pending.run;
    insertRun.Bind(1, run.id).Bind(2, run.profile);
    insertRun.Bind(3, int64_t{run.level}).Bind(4, run.difficulty).Bind(5, run.startedAt);
    insertRun.Bind(6, run.durationMs).Bind(7, run.outcome);
    if (run.result) {
      insertRun.Bind(8, int64_t{run.result->percent}).Bind(9, int64_t{run.result->hits});
      insertRun.Bind(10, int64_t{run.result->misses}).Bind(11, int64_t{run.result->civilians});
      insertRun.Bind(12, int64_t{run.result->passed ? 1 : 0});
    } else {
      for (int i = 8; i <= 12; ++i) insertRun.BindNull(i);
    }
    insertRun.Bind(13, run.wordReadyMs).Run();
    const int64_t id = sqlite3_last_insert_rowid(side.db);
    for (const ShotRecord& shot : pending.shots) {
      insertShot.Bind(1, id)
          .Bind(2, shot.gameMs)
          .Bind(3, shot.typed)
          .Bind(4, shot.result)
          .Bind(5, shot.letter);
      insertShot.Bind(6, shot.key).Bind(7, shot.reactionMs).Bind(8, int64_t{shot.endPhase ? 1 : 0});
      insertShot.Bind(9, shot.position)
          .Bind(10, shot.aimedAt)
          .Bind(11, shot.word)
          .Bind(12, shot.wordPos);
      insertShot.Bind(13, int64_t{shot.wordLen}).Bind(14, shot.charged).Bind(15, shot.typingMs).Run();
    }
  }
  side.Exec("COMMIT");
  sqlite3_int64 size = 0;
  unsigned char* bytes = sqlite3_serialize(side.db, "main", &size, 0);
  if (!bytes) throw ProgressError("cannot make a side file in memory");
  std::string out(reinterpret_cast<const char*>(bytes), static_cast<size_t>(size));
  sqlite3_free(bytes);
  return out;
}

std::optional<SideFile> ReadSideFile(const std::string& bytes) {
  if (bytes.empty()) return std::nullopt;
  try {
    MemoryDb side;
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
    if (!copy) return std::nullopt;
    std::memcpy(copy, bytes.data(), bytes.size());
    const auto size = static_cast<sqlite3_int64>(bytes.size());
    if (sqlite3_deserialize(side.db, "main", copy, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY) !=
        SQLITE_OK) {
      return std::nullopt;
    }
    {
      Statement id(side.db, "PRAGMA application_id");
      Statement version(side.db, "PRAGMA user_version");
      if (!id.Step() || id.Int(0) != kSideApplicationId || !version.Step() ||
          version.Int(0) != kSideVersion) {
        return std::nullopt;
      }
    }
    SideFile file;
    {
      Statement origin(side.db, "SELECT origin FROM side_origin");
      if (!origin.Step() || !IsText(origin, 0) || origin.Text(0).empty()) return std::nullopt;
      file.origin = origin.Text(0);
    }
    std::vector<PendingRun>& runs = file.runs;
    std::map<int64_t, size_t> byId;
    Statement runRows(
        side.db,
        "SELECT id, main_id, profile, level, difficulty, started_at, duration_ms, outcome,"
        " percent, hits, misses, civilians, passed, word_ready_ms FROM side_runs ORDER BY id");
    while (runRows.Step()) {
      bool valid = IsInteger(runRows, 0) && IsInteger(runRows, 1) && IsText(runRows, 2) &&
                   IsInteger(runRows, 3) && IsText(runRows, 4) && IsText(runRows, 5) &&
                   IsInteger(runRows, 6) && IsText(runRows, 7) && IsInteger(runRows, 13) &&
                   KnownOutcome(runRows.Text(7)) && runRows.Int(1) >= 0;
      const bool withResult = !runRows.IsNull(8);
      for (int column = 8; column <= 12 && valid; ++column) {
        valid = withResult ? IsInteger(runRows, column) : runRows.IsNull(column);
      }
      if (!valid) continue;
      PendingRun pending;
      RunRecord& run = pending.run;
      run.id = runRows.Int(1);
      run.profile = runRows.Text(2);
      run.level = static_cast<int32_t>(std::clamp<int64_t>(runRows.Int(3), INT32_MIN, INT32_MAX));
      run.difficulty = runRows.Text(4);
      run.startedAt = runRows.Text(5);
      run.durationMs = runRows.Int(6);
      run.outcome = runRows.Text(7);
      if (withResult) {
        const auto clamp = [&](int column) {
          return static_cast<int32_t>(
              std::clamp<int64_t>(runRows.Int(column), INT32_MIN, INT32_MAX));
        };
        run.result = RunResult{clamp(8), clamp(9), clamp(10), clamp(11), runRows.Int(12) != 0};
      }
      run.wordReadyMs = runRows.Int(13);
      byId[runRows.Int(0)] = runs.size();
      runs.push_back(std::move(pending));
    }
    // A side file of an older game has no charged and typing_ms: its rows read as unset.
    const bool charges = HasColumn(side.db, "side_shots", "charged");
    Statement shotRows(side.db,
                       std::string("SELECT run, game_ms, typed, result, letter, key, reaction_ms, end_phase, "
                                   "position, aimed_at, word, word_pos, word_len, ") +
                           (charges ? "charged, typing_ms" : "NULL, NULL") + " FROM side_shots ORDER BY id");
    while (shotRows.Step()) {
      const auto run = byId.find(shotRows.Int(0));
      const bool valid = run != byId.end() && IsInteger(shotRows, 1) && IsText(shotRows, 2) &&
                         IsText(shotRows, 3) && IsText(shotRows, 4) && IsText(shotRows, 5) &&
                         IntegerOrNull(shotRows, 6) && IsInteger(shotRows, 7) &&
                         IsText(shotRows, 8) && IsText(shotRows, 9) &&
                         IntegerOrNull(shotRows, 10) && IntegerOrNull(shotRows, 11) &&
                         IsInteger(shotRows, 12) && (shotRows.IsNull(13) || IsText(shotRows, 13)) &&
                         IntegerOrNull(shotRows, 14);
      if (!valid) continue;
      ShotRecord shot;
      shot.gameMs = shotRows.Int(1);
      shot.typed = shotRows.Text(2);
      shot.result = shotRows.Text(3);
      shot.letter = shotRows.Text(4);
      shot.key = shotRows.Text(5);
      if (!shotRows.IsNull(6)) shot.reactionMs = shotRows.Int(6);
      shot.endPhase = shotRows.Int(7) != 0;
      shot.position = shotRows.Text(8);
      shot.aimedAt = shotRows.Text(9);
      if (!shotRows.IsNull(10)) shot.word = shotRows.Int(10);
      if (!shotRows.IsNull(11)) shot.wordPos = shotRows.Int(11);
      shot.wordLen = static_cast<int32_t>(std::clamp<int64_t>(shotRows.Int(12), 0, INT32_MAX));
      if (!shotRows.IsNull(13)) shot.charged = shotRows.Text(13);
      if (!shotRows.IsNull(14)) shot.typingMs = shotRows.Int(14);
      runs[run->second].shots.push_back(std::move(shot));
    }
    return file;
  } catch (const ProgressError&) {
    return std::nullopt;
  }
}

std::optional<std::string> SaveSideFile(const std::string& folder, const std::string& recordsName,
                                        const std::string& host, int64_t pid,
                                        const std::vector<PendingRun>& runs) {
  if (runs.empty()) return std::nullopt;
  // A name no other game uses: this computer's and this process's, numbered past any file a
  // process of the same number left before. The origin inside adds a number no other file has,
  // should the name itself come back after the file was merged and removed.
  for (int n = 0; n < 1000; ++n) {
    const std::string name = SideFileName(recordsName, host, pid, n);
    const std::string path = folder + name;
    if (FileExistsNoCase(path)) continue;
    std::random_device entropy;
    const std::string origin = name + "#" + std::to_string(entropy()) + std::to_string(entropy());
    try {
      if (!WriteFileDurably(path, SideFileBytes(origin, runs))) return std::nullopt;
    } catch (const ProgressError&) {
      return std::nullopt;
    }
    return path;
  }
  return std::nullopt;
}

size_t MergeSideFiles(ProgressDatabase& db, const std::string& folder,
                      const std::string& recordsName) {
  std::vector<std::string> names;
  for (const std::string& name : FolderEntries(folder)) {
    if (IsSideFileName(name, recordsName)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  size_t added = 0;
  for (const std::string& name : names) {
    const std::string path = folder + name;
    // Only a regular file of a sane size is read: a FIFO or a link to a device under that name
    // would hang the read or fill the memory.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > kMaxSideFileBytes || ec) {
      continue;
    }
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) continue;
    const std::optional<SideFile> side = ReadSideFile(*bytes);
    if (!side) continue;
    added += db.Merge(*side);
    RemoveFile(path);
  }
  return added;
}
