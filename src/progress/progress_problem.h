// SPDX-License-Identifier: GPL-3.0-or-later
// What the player is told when Progress.db cannot be used: a message naming the file, never the
// database library's own words.
#pragma once
#include <string>

class ProgressError;

// "Unable to write to <path>" when the file (or, while it does not exist, its folder) cannot be
// written; "Cannot read <path>: ..." for a file of a newer game or with parts missing; else
// "Cannot read <path>".
std::string ProgressProblemMessage(const ProgressError& error, const std::string& path);
