// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db: the SQLite file of every run and shot, its schema and the queries behind the
// progress screen.
#pragma once
#include "progress/progress_records.h"
#include "progress/progress_schema.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

// A database that could not be opened, read or written; what() says why, Fault() what kind.
class ProgressError : public std::runtime_error {
 public:
  explicit ProgressError(const std::string& what, ProgressFault fault = ProgressFault::kUnavailable)
      : std::runtime_error(what), fault_(fault) {}
  ProgressFault Fault() const { return fault_; }

 private:
  ProgressFault fault_;
};


class RecordsGate;

// How a connection keeps Progress.db safe where it lies.
struct RecordsAccess {
  // The file lies on a network file system (or the setting says so): a rollback journal with
  // ordinary locking instead of the write-ahead log, which needs memory shared between the
  // programs that use the file; locks are waited for longer, and every commit reaches the disk.
  bool network = false;
  // While it is closed (another computer has the records open) the file is neither opened, read
  // nor written: every call that would throws ProgressError (kOpenElsewhere). None: always open.
  std::shared_ptr<const RecordsGate> gate;
};

// The runs kept in a side file, to be added to the records (side_records.h). A run's id is its
// id in Progress.db when part of it was stored there; its shots are those that were not.
struct SideFile {
  std::string origin;  // the file's own name for itself, given once when it was written
  std::vector<PendingRun> runs;
};

// The load reads a profile's newest chances in one sweep of at most this many rows; only a
// profile with more goes on key by key.
inline constexpr int64_t kNewestChancesSwept = 10000;
// Keys read per profile at most: a file of countless distinct keys is not read to its end.
inline constexpr size_t kMaxLoadedKeys = 1000;

class ProgressDatabase {
 public:
  // path may be ":memory:" for a database that lives only as long as this object.
  explicit ProgressDatabase(std::string path, RecordsAccess access = {});
  ~ProgressDatabase();
  ProgressDatabase(const ProgressDatabase&) = delete;
  ProgressDatabase& operator=(const ProgressDatabase&) = delete;

  // The schema version written in the file at path, read without changing it; nothing when
  // the file is missing or cannot be read as a database.
  static std::optional<int64_t> SchemaVersionOf(const std::string& path);

  const std::string& Path() const { return path_; }
  bool IsOpen() const { return db_ != nullptr; }
  // The open connection, for the practice tables kept in the same file; null while closed.
  sqlite3* Handle() const { return db_; }

  // Opens or creates the file (in WAL mode, or with a rollback journal in the network mode, checked
  // on every open, as an older game sets WAL again) and brings its schema to the current version.
  // Every connection goes through OpenGuardedSqlite: no trigger or view of the file runs. A file
  // that is not ours (not a database, a negative version, none of our tables) is renamed aside
  // (MovedAsideTo() names where) and a new one is made. A file of a newer version, or one that
  // lacks a table or column of its version, is left untouched and never written: Open throws
  // ProgressError (kNewerSchema, kMissingParts), as it does when the file cannot be opened or
  // set up, and stays closed.
  void Open();
  // Opens the file for reading only, for a reader beside the game (the hand-in, on a thread of
  // its own): nothing is made, brought up to date or written. A file that is missing, not ours,
  // or of another version than this game writes throws ProgressError, and it stays closed.
  void OpenReadOnly();
  void Close();
  // Where the last Open put a file that was not a database; empty when it found none.
  const std::string& MovedAsideTo() const { return movedAsideTo_; }

  // Stores every run (a new row for a run without id, else its row updated) with its shots,
  // in one transaction. On success the runs carry their ids and their shots are cleared; on
  // failure nothing is stored, the runs are left as they were and ProgressError is thrown.
  void Write(std::vector<PendingRun>& runs);
  // Adds the runs of a side file in one transaction, and notes its origin in the table
  // side_files_merged (made when missing), so that a file merged before (by a game that stopped
  // before it could remove it) adds nothing again. A run part of which was stored is completed;
  // one whose stored part is gone (its profile deleted since) is left out. Returns how many runs
  // were added or completed. Throws ProgressError; nothing is stored then.
  size_t Merge(const SideFile& side);
  // Begins a write transaction for the practice tables: checks the gate and, in the network
  // mode, the journal. Throws ProgressError.
  void BeginWrite();

  // Copies the journal's committed pages into the file and empties the journal. The game calls
  // it between runs only: during play the journal just grows, so no write of a wave waits.
  void Checkpoint();

  // How long a write waits for another program's lock before it fails (kept across Close).
  void SetLockWaitMs(int ms);

  // The profile's records for the progress screen (names compare as Player.ini's sections do).
  // A part that cannot be read is left empty and named in the result's fault; the others are
  // read. Each key's newest kChancesPerKey chances, for at most kMaxLoadedKeys keys.
  ProgressData Load(const std::string& profile);
  // The letter-pair times of the profile's newest kWordRunsForPairs runs with word waves (what
  // Load gives as pairTimes), for choosing the words of a drill. Throws ProgressError.
  std::vector<PairSample> LoadPairTimes(const std::string& profile);
  // Removes the profile's runs and their shots.
  void DeleteProfile(const std::string& profile);

 private:
  void OpenOrThrow();
  void CheckGate() const;
  // The journal the mode wants: WAL locally; in the network mode a rollback journal, switched
  // back from WAL when another game set it. Throws ProgressError when it cannot be had.
  void ApplyJournal();
  // The rows of runs, inside a transaction the caller holds; ids[i] gets runs[i]'s id.
  void InsertRows(const std::vector<PendingRun>& runs, std::vector<int64_t>& ids);
  // The schema version of a file that is ours and whole; throws what Open says of the others.
  int64_t CheckOwnership();
  void Migrate(int64_t version);
  // The columns of AddedShotColumns a file lacks, made; no version changes.
  void AddColumns();
  void LoadChances(const std::string& profile, std::vector<KeyChance>& chances);
  void LoadWords(const std::string& profile, ProgressData& data);
  void Exec(const char* sql);
  [[noreturn]] void Fail(const std::string& what);

  std::string path_;
  RecordsAccess access_;
  std::string movedAsideTo_;
  sqlite3* db_ = nullptr;
  int lockWaitMs_;
};
