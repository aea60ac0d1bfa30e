// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db: the SQLite file of every run and shot, its schema and the queries behind the
// progress screen.
#pragma once
#include "progress/progress_records.h"
#include "progress/progress_schema.h"

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


// The load reads a profile's newest chances in one sweep of at most this many rows; only a
// profile with more goes on key by key.
inline constexpr int64_t kNewestChancesSwept = 10000;
// Keys read per profile at most: a file of countless distinct keys is not read to its end.
inline constexpr size_t kMaxLoadedKeys = 1000;

class ProgressDatabase {
 public:
  // path may be ":memory:" for a database that lives only as long as this object.
  explicit ProgressDatabase(std::string path);
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

  // Opens or creates the file in WAL mode and brings its schema to the current version. A file
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
  // The schema version of a file that is ours and whole; throws what Open says of the others.
  int64_t CheckOwnership();
  void Migrate(int64_t version);
  void LoadChances(const std::string& profile, std::vector<KeyChance>& chances);
  void LoadWords(const std::string& profile, ProgressData& data);
  void Exec(const char* sql);
  [[noreturn]] void Fail(const std::string& what);

  std::string path_;
  std::string movedAsideTo_;
  sqlite3* db_ = nullptr;
  int lockWaitMs_;
};
