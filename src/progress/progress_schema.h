// SPDX-License-Identifier: GPL-3.0-or-later
// The schema of Progress.db: its version and the steps that bring an older file up to it.
#pragma once
#include <string>
#include <vector>

inline constexpr int kProgressSchemaVersion = 4;

// The SQL that brings the schema from version toVersion - 1 to toVersion (1 to
// kProgressSchemaVersion). New versions add a step and never change the old ones.
std::string ProgressMigration(int toVersion);

// A column of shots added on every open when missing, without a new version: older games accept
// a file with columns beyond their own (they check only that theirs are there, and name their
// columns when they insert), so they still open and write it.
struct AddedColumn {
  const char* name;
  const char* type;  // with its default; NULL on every row an older game inserts
};
// charged: the key a row is a chance at where the game told it (chance_rule.h); typing_ms: a
// word letter's time since the key press before it.
const std::vector<AddedColumn>& AddedShotColumns();
