// SPDX-License-Identifier: GPL-3.0-or-later
// A prepared SQLite statement for the queries on Progress.db; failures throw ProgressError.
#pragma once
#include "progress/progress_database.h"

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>

// A prepared statement that finalizes itself; parameters are bound from 1.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) : Statement(db, sql.c_str()) {}
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
  Statement& BindDouble(int i, double value) {
    Check(sqlite3_bind_double(stmt_, i, value));
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
  Statement& Bind(int i, const std::optional<std::string>& value) {
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
  double Double(int column) const { return sqlite3_column_double(stmt_, column); }
  bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL, as the row stores it.
  int Type(int column) const { return sqlite3_column_type(stmt_, column); }
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

// Runs sql, one or more statements whose rows are not wanted; throws ProgressError with SQLite's
// message.
inline void ExecSql(sqlite3* db, const char* sql) {
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw ProgressError(message);
  }
}

// Whether the table has a column of that name.
inline bool HasColumn(sqlite3* db, const std::string& table, const std::string& column) {
  Statement q(db, "SELECT 1 FROM pragma_table_info(?1) WHERE name = ?2");
  q.Bind(1, table).Bind(2, column);
  return q.Step();
}
