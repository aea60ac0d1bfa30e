// SPDX-License-Identifier: GPL-3.0-or-later
// A test's look into an SQLite file: every row of a query, one value, or statements run on it.
#include "sql_probe.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace {

// Another connection may be writing (a worker bringing the file up to date): a test waits for
// it rather than failing, with a deadline no machine comes near.
constexpr int kBusyTimeoutMs = 10000;

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Connection Open(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  Connection connection(db, &sqlite3_close);
  if (rc != SQLITE_OK) throw std::runtime_error("cannot open " + path + ": " + sqlite3_errstr(rc));
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  return connection;
}

}  // namespace

SqlRows QueryRows(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
    throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in " + sql);
  }
  const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> stmt(raw, &sqlite3_finalize);
  SqlRows rows;
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int c = 0; c < sqlite3_column_count(raw); ++c) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, c));
      row.emplace_back(text ? text : "NULL");
    }
    rows.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in " + sql);
  return rows;
}

SqlRows QueryRows(const std::string& path, const std::string& sql) {
  const Connection db = Open(path, SQLITE_OPEN_READONLY);
  return QueryRows(db.get(), sql);
}

std::string QueryValue(sqlite3* db, const std::string& sql) {
  const SqlRows rows = QueryRows(db, sql);
  return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
}

std::string QueryValue(const std::string& path, const std::string& sql) {
  const Connection db = Open(path, SQLITE_OPEN_READONLY);
  return QueryValue(db.get(), sql);
}

void ExecSql(const std::string& path, const std::string& sql) {
  const Connection db = Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  char* error = nullptr;
  if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errmsg(db.get());
    sqlite3_free(error);
    throw std::runtime_error(message + " in " + sql.substr(0, 200));
  }
}
