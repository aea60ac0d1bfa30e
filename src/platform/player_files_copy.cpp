// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying a read-only game folder's Player.ini and Progress.db into the per-user folder.
#include "platform/player_files_copy.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <optional>

#include "platform/file_lookup.h"
#include "platform/folders.h"
#include "platform/sqlite_connection.h"

namespace {

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// Writes the whole text to path through a temporary file in the same folder, so that a reader
// never sees half a file.
bool WriteFileWhole(const std::string& path, const std::string& bytes) {
  const std::string part = path + ".part";
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::remove(part.c_str());
      return false;
    }
  }
  if (std::rename(part.c_str(), path.c_str()) != 0) {
    std::remove(part.c_str());
    return false;
  }
  return true;
}

// The rows of a database in WAL mode may still sit in its -wal file, and a file on read-only
// media cannot be opened to read them (SQLite wants to write the -shm index beside it). So the
// file and its log are first copied side by side into the writable folder, where SQLite reads
// the log as it opens the copy; SQLite's backup then writes one self-contained Progress.db. The
// source's -shm is never copied: SQLite rebuilds it from the log.
std::string CopyDatabase(const std::string& source, const std::string& target) {
  const std::string staged = target + ".carry";
  const auto removeStaged = [&] {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((staged + suffix).c_str());
  };
  removeStaged();
  const std::optional<std::string> main = ReadWholeFile(source);
  if (!main) return "cannot read " + source;
  if (!WriteFileWhole(staged, *main)) return "cannot write " + staged;
  if (const std::optional<std::string> log = FindFileNoCase(source + "-wal")) {
    const std::optional<std::string> bytes = ReadWholeFile(*log);
    if (!bytes || !WriteFileWhole(staged + "-wal", *bytes)) {
      removeStaged();
      return "cannot copy " + *log;
    }
  }

  const std::string part = target + ".part";
  std::remove(part.c_str());
  sqlite3* from = nullptr;
  sqlite3* into = nullptr;
  std::string error;
  if (OpenGuardedSqlite(staged, SQLITE_OPEN_READWRITE, &from) != SQLITE_OK) {
    error = "cannot open " + source + ": " + sqlite3_errmsg(from);
  } else if (OpenGuardedSqlite(part, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &into) != SQLITE_OK) {
    error = "cannot create " + part + ": " + sqlite3_errmsg(into);
  } else if (sqlite3_backup* backup = sqlite3_backup_init(into, "main", from, "main"); backup == nullptr) {
    error = "cannot copy " + source + ": " + sqlite3_errmsg(into);
  } else {
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) error = "cannot copy " + source + ": " + sqlite3_errstr(stepped);
  }
  sqlite3_close(into);
  sqlite3_close(from);
  removeStaged();
  if (error.empty() && std::rename(part.c_str(), target.c_str()) != 0) error = "cannot write " + target;
  if (!error.empty()) std::remove(part.c_str());
  std::remove((part + "-journal").c_str());
  return error;
}

}  // namespace

std::string CopyPlayerFiles(const std::string& from, const std::string& to) {
  const std::string source = WithSlash(from);
  const std::string target = WithSlash(to);
  const std::optional<std::string> ini = FindFileNoCase(source + "Player.ini");
  if (!ini) return "no Player.ini in " + source;
  if (!MakeFolders(target)) return "cannot make " + target;
  // The profiles are carried even when their records cannot be: they matter most.
  std::string dbError;
  if (const std::optional<std::string> db = FindFileNoCase(source + "Progress.db");
      db && !FileExistsNoCase(target + "Progress.db")) {
    dbError = CopyDatabase(*db, target + "Progress.db");
  }
  const std::optional<std::string> bytes = ReadWholeFile(*ini);
  if (!bytes) return "cannot read " + *ini;
  if (!WriteFileWhole(target + "Player.ini", *bytes)) return "cannot write " + target + "Player.ini";
  return dbError;
}
