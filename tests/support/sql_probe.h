// SPDX-License-Identifier: GPL-3.0-or-later
// A test's look into an SQLite file: every row of a query, one value, or statements run on it.
#pragma once
#include <string>
#include <vector>

struct sqlite3;

using SqlRows = std::vector<std::vector<std::string>>;

// Every row of sql over the file at path, opened read-only, each column as text ("NULL" for
// null). Throws std::runtime_error when the file does not open or the query fails, so a test
// never mistakes a broken query for an empty answer.
SqlRows QueryRows(const std::string& path, const std::string& sql);
SqlRows QueryRows(sqlite3* db, const std::string& sql);

// The first column of the first row; "<none>" when there is no row.
std::string QueryValue(const std::string& path, const std::string& sql);
std::string QueryValue(sqlite3* db, const std::string& sql);

// Runs the statements of sql on the file at path, made when missing. Throws std::runtime_error
// with SQLite's message when one fails.
void ExecSql(const std::string& path, const std::string& sql);
