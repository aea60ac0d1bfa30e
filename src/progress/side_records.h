// SPDX-License-Identifier: GPL-3.0-or-later
// Side files: the runs a game could not write to Progress.db (another computer had it open, or it
// was locked or unreachable), saved at exit beside it and added to it at a later open. Each file
// belongs to one game, is written once, whole, under a name of its own computer and process, and
// is an SQLite database made in memory: no journal or lock is ever made for it on the share.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/progress_database.h"

// "<records file name>.<computer>.<process>.unsaved", or with "-<n>" after the process when that
// name is taken.
std::string SideFileName(const std::string& recordsName, const std::string& host, int64_t pid,
                         int n = 0);
// Whether name is a side file of the records file recordsName (letter case aside).
bool IsSideFileName(const std::string& name, const std::string& recordsName);

// The file's bytes for runs: every run with its shots (for a run part of which is stored, its
// id there and the shots that were not), under origin, a name no other side file has.
std::string SideFileBytes(const std::string& origin, const std::vector<PendingRun>& runs);
// The runs of a side file's bytes; nothing when they are no side file (another program's file,
// a newer version, damaged). Rows that are not as the game writes them are left out.
std::optional<SideFile> ReadSideFile(const std::string& bytes);

// Writes runs (those with shots or an outcome to store) to a new side file in folder; the
// file's path, or nothing when none was needed or it could not be written.
std::optional<std::string> SaveSideFile(const std::string& folder, const std::string& recordsName,
                                        const std::string& host, int64_t pid,
                                        const std::vector<PendingRun>& runs);
// Adds every side file of the records in folder to db and removes it; one that cannot be read
// is left where it is. Returns the runs added. Throws ProgressError when db refuses the rows.
size_t MergeSideFiles(ProgressDatabase& db, const std::string& folder,
                      const std::string& recordsName);
