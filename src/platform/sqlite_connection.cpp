// SPDX-License-Identifier: GPL-3.0-or-later
// Every SQLite connection the game makes: opened so that nothing a file holds runs on its own.
#include "platform/sqlite_connection.h"

#include <sqlite3.h>

namespace {

struct Safeguard {
  int option;
  int wanted;
};

// Each setting and the value it must have. Switched through sqlite3_db_config, which touches no
// page of the file, so they hold before the first statement reads the schema.
constexpr Safeguard kSafeguards[] = {
    {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
    {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
    {SQLITE_DBCONFIG_DEFENSIVE, 1},
    {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
    {SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0},
};

}  // namespace

int OpenGuardedSqlite(const std::string& path, int flags, sqlite3** db) {
  const int rc = sqlite3_open_v2(path.c_str(), db, flags, nullptr);
  if (rc != SQLITE_OK) return rc;
  for (const Safeguard& guard : kSafeguards) {
    int now = -1;
    if (sqlite3_db_config(*db, guard.option, guard.wanted, &now) != SQLITE_OK ||
        now != guard.wanted) {
      sqlite3_close_v2(*db);
      *db = nullptr;
      return SQLITE_ERROR;
    }
  }
  return SQLITE_OK;
}

bool SqliteGuarded(sqlite3* db) {
  if (!db) return false;
  for (const Safeguard& guard : kSafeguards) {
    int now = -1;
    if (sqlite3_db_config(db, guard.option, -1, &now) != SQLITE_OK || now != guard.wanted)
      return false;
  }
  return true;
}
