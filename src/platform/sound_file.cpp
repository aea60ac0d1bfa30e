// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a sound name refers to, as the sound player looks it up.
#include "platform/sound_file.h"

#include <sys/stat.h>

#include "platform/file_lookup.h"

namespace {

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> FindRegularFile(const std::string& path) {
  auto found = FindFileNoCase(path);
  if (found && IsRegularFile(*found)) return found;
  return std::nullopt;
}

bool HasExtension(const std::string& path) {
  const auto name = path.find_last_of("/\\");
  const auto dot = path.rfind('.');
  return dot != std::string::npos && (name == std::string::npos || dot > name);
}

}  // namespace

std::optional<std::string> FindSoundFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  if (auto found = FindRegularFile(path)) return found;
  if (!HasExtension(path)) return FindRegularFile(path + ".wav");
  return std::nullopt;
}
