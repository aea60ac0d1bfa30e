// SPDX-License-Identifier: GPL-3.0-or-later
// The schema of Progress.db: its version and the steps that bring an older file up to it.
#pragma once
#include <string>

inline constexpr int kProgressSchemaVersion = 4;

// The SQL that brings the schema from version toVersion - 1 to toVersion (1 to
// kProgressSchemaVersion). New versions add a step and never change the old ones.
std::string ProgressMigration(int toVersion);
