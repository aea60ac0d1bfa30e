// SPDX-License-Identifier: GPL-3.0-or-later
// Every SQLite connection the game makes: opened so that nothing a file holds runs on its own.
#pragma once
#include <string>

struct sqlite3;

// Opens path as sqlite3_open_v2 does (flags alike; "file:" names only with SQLITE_OPEN_URI) and,
// before a page of the file is read, switches the connection to defend itself: triggers and
// views off, defensive mode on, nothing of the file's schema trusted (trusted_schema=OFF). A
// file someone gave a trigger or a view keeps them, but the game's statements never run them,
// and its own rows cannot be deleted or rewritten through them.
// As with sqlite3_open_v2, *db is set even on failure and must be closed by the caller. Returns
// SQLITE_OK, the open's error, or SQLITE_ERROR when a safeguard cannot be switched on (the
// connection is then closed and *db null).
int OpenGuardedSqlite(const std::string& path, int flags, sqlite3** db);

// Whether the connection's safeguards are all in place (for tests and checks of new code).
bool SqliteGuarded(sqlite3* db);
