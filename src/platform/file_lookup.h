// SPDX-License-Identifier: GPL-3.0-or-later
// Finding files made on other systems: backslashes, other letter case.
#pragma once
#include <optional>
#include <string>

// Turns backslashes into slashes, then finds each part of the path on disk without regard to
// letter case (an exact match wins). Returns the path as it is on disk, or nothing.
std::optional<std::string> FindFileNoCase(const std::string& path);
// The path as found on disk when it exists; otherwise the path with slashes, unchanged.
std::string ResolvePathNoCase(const std::string& path);
bool FileExistsNoCase(const std::string& path);
// Whole file contents; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Folder of the running executable, with a trailing slash.
std::string ExecutableDir();
