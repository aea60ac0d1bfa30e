// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db files of the earlier schema versions, made from the frozen SQL in
// tests/data/progress_schema/version<N>.sql, never from the game's own migrations.
#pragma once
#include <string>

enum class SampleRows { kLeftOut, kIncluded };

// The frozen text of schema version (1 to kProgressSchemaVersion - 1); throws
// std::runtime_error when there is none.
std::string FrozenProgressSchema(int version);

// Writes a Progress.db of that version at path: its tables, indexes and user_version, with the
// frozen sample rows when asked, then the statements of sql (a test's own rows). Throws
// std::runtime_error when the file cannot be made or a statement fails.
void WriteOldProgressFile(const std::string& path, int version, const std::string& sql = "",
                          SampleRows sample = SampleRows::kLeftOut);
