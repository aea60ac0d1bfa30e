// SPDX-License-Identifier: GPL-3.0-or-later
// Folders on disk: making a path of folders, and whether the program may write into one.
#include "platform/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
}  // namespace

bool MakeFolders(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return false;
  if (IsFolder(path)) return true;
  // Each prefix ending before a slash is made in turn, from the top down.
  for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
    const std::string prefix = path.substr(0, slash);
    if (!IsFolder(prefix) && ::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  return IsFolder(path);
}

bool IsWritableFolder(const std::string& folder) {
  const std::string path = folder.empty() ? "." : folder;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  return (info.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}
