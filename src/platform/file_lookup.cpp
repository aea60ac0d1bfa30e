// SPDX-License-Identifier: GPL-3.0-or-later
// Finding files made on other systems: backslashes become slashes, letter case is matched loosely.
#include "platform/file_lookup.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/text_case.h"

namespace {

std::string WithSlashes(const std::string& path) {
  std::string out = path;
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name without regard to ASCII letter case. Among several
// such entries the first in byte order is taken, so the answer does not depend on the disk.
std::optional<std::string> FindEntryNoCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (EqualsNoCaseAscii(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  ::closedir(dir);
  return best;
}

}  // namespace

std::optional<std::string> FindFileNoCase(const std::string& path) {
  const std::string slashed = WithSlashes(path);
  if (slashed.empty()) return std::nullopt;
  if (Exists(slashed)) return slashed;

  std::vector<std::string> parts;
  std::stringstream stream(slashed);
  for (std::string part; std::getline(stream, part, '/');) {
    if (!part.empty()) parts.push_back(part);
  }
  // found is the path built so far, as on disk; it is "/" or empty for the starting folder.
  std::string found = slashed.front() == '/' ? "/" : "";
  for (const std::string& part : parts) {
    const std::string prefix = (found.empty() || found.back() == '/') ? found : found + "/";
    if (part == "." || part == ".." || Exists(prefix + part)) {
      found = prefix + part;
      continue;
    }
    const auto entry = FindEntryNoCase(found, part);
    if (!entry) return std::nullopt;
    found = prefix + *entry;
  }
  if (found.empty() || !Exists(found)) return std::nullopt;
  return found;
}

std::string ResolvePathNoCase(const std::string& path) {
  auto found = FindFileNoCase(path);
  return found ? *found : WithSlashes(path);
}

bool FileExistsNoCase(const std::string& path) {
  const auto found = FindFileNoCase(path);
  if (!found) return false;
  struct stat info {};
  return ::stat(found->c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return contents.str();
}

std::string ExecutableDir() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return "./";
    if (static_cast<size_t>(length) < buffer.size()) {
      std::string exe(buffer.data(), static_cast<size_t>(length));
      const auto slash = exe.rfind('/');
      return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}
