// Progress.db: the SQLite file of every run and shot, its schema and the queries behind the
// progress screen.
#pragma once
#include "progress/progress_records.h"

#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

// A database that could not be opened, read or written; what() says why.
class ProgressError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kProgressSchemaVersion = 2;

class ProgressDatabase {
 public:
  // path may be ":memory:" for a database that lives only as long as this object.
  explicit ProgressDatabase(std::string path);
  ~ProgressDatabase();
  ProgressDatabase(const ProgressDatabase&) = delete;
  ProgressDatabase& operator=(const ProgressDatabase&) = delete;

  const std::string& Path() const { return path_; }
  bool IsOpen() const { return db_ != nullptr; }
  // The open connection, for the practice tables kept in the same file; null while closed.
  sqlite3* Handle() const { return db_; }

  // Opens or creates the file in WAL mode and brings its schema to the current version. A file
  // that is not a database is renamed aside (MovedAsideTo() names where) and a new one is made.
  // Throws ProgressError and stays closed when the file cannot be opened or set up.
  void Open();
  void Close();
  // Where the last Open put a file that was not a database; empty when it found none.
  const std::string& MovedAsideTo() const { return movedAsideTo_; }

  // Stores every run (a new row for a run without id, else its row updated) with its shots,
  // in one transaction. On success the runs carry their ids and their shots are cleared; on
  // failure nothing is stored, the runs are left as they were and ProgressError is thrown.
  void Write(std::vector<PendingRun>& runs);

  // Copies the journal's committed pages into the file. The game calls it between runs only:
  // during play the journal just grows, so no write of a wave waits for a copy.
  void Checkpoint();

  // The profile's records for the progress screen (names compare as Player.ini's sections do).
  ProgressData Load(const std::string& profile);
  // Removes the profile's runs and their shots.
  void DeleteProfile(const std::string& profile);

 private:
  void OpenOrThrow();
  void Migrate();
  void Exec(const char* sql);
  [[noreturn]] void Fail(const std::string& what);

  std::string path_;
  std::string movedAsideTo_;
  sqlite3* db_ = nullptr;
};
