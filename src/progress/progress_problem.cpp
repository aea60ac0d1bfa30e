// SPDX-License-Identifier: GPL-3.0-or-later
// The player's message for a Progress.db that cannot be used.
#include "progress/progress_problem.h"

#include <unistd.h>

#include <filesystem>
#include <string_view>

#include "progress/progress_database.h"

namespace {
bool Writable(const std::string& path) {
  if (access(path.c_str(), F_OK) == 0) return access(path.c_str(), W_OK) == 0;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  return access(folder.c_str(), W_OK) == 0;
}
}  // namespace

std::string ProgressProblemMessage(const ProgressError& error, const std::string& path) {
  switch (error.Fault()) {
    case ProgressFault::kNewerSchema:
      return "Cannot read " + path + ": a newer version of the game made it.";
    case ProgressFault::kMissingParts:
      return "Cannot read " + path + ": part of it is missing.";
    default:
      break;
  }
  // SQLite says "attempt to write a readonly database" when it could open the file for reading
  // only (a read-only file system, a file the user may not write): a write refused all the same.
  const std::string_view what = error.what();
  if (!Writable(path) || what.find("readonly") != std::string_view::npos)
    return "Unable to write to " + path;
  return "Cannot read " + path;
}
