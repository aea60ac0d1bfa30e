// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its content and keeps the player's files: a game folder or an install.
#include "platform/game_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/file_lookup.h"
#include "platform/folders.h"
#include "platform/login_name.h"

// The build passes the install layout; a build without it knows only game folders.
#ifndef KEYSLINGER_DATA_FROM_EXECUTABLE
#define KEYSLINGER_DATA_FROM_EXECUTABLE ""
#endif
#ifndef KEYSLINGER_INSTALLED_DATA_DIR
#define KEYSLINGER_INSTALLED_DATA_DIR ""
#endif

namespace {

std::string WithTrailingSlash(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

bool HasMapsFolder(const std::string& folder) {
  if (folder.empty()) return false;
  const auto maps = FindFileNoCase(WithTrailingSlash(folder) + "Maps");
  struct stat info {};
  return maps && ::stat(maps->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder without "." and ".." parts when it exists, so paths shown to the player read well.
std::string Canonical(const std::string& folder) {
  char resolved[PATH_MAX];
  if (::realpath(folder.c_str(), resolved) == nullptr) return WithTrailingSlash(folder);
  return WithTrailingSlash(resolved);
}

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

bool IsAbsolute(const std::optional<std::string>& path) {
  return path && !path->empty() && path->front() == '/';
}

}  // namespace

GamePaths ResolveGamePaths(const GamePathInputs& inputs) {
  const std::string exeDir = WithTrailingSlash(inputs.executableDir.empty() ? "./" : inputs.executableDir);
  GamePaths paths;
  const bool gameFolder = HasMapsFolder(exeDir);
  if (gameFolder) {
    paths.contentDir = exeDir;
  } else if (!inputs.dataFromExecutable.empty() && HasMapsFolder(exeDir + inputs.dataFromExecutable)) {
    paths.contentDir = Canonical(exeDir + inputs.dataFromExecutable);
  } else if (HasMapsFolder(inputs.installedDataDir)) {
    paths.contentDir = WithTrailingSlash(inputs.installedDataDir);
  } else {
    paths.contentDir = exeDir;  // nothing found anywhere: the errors then name the game folder
  }

  const bool exeWritable = inputs.executableDirWritable.value_or(IsWritableFolder(exeDir));
  if (gameFolder && exeWritable) {
    paths.playerDir = exeDir;
  } else if (IsAbsolute(inputs.xdgDataHome)) {
    paths.playerDir = WithTrailingSlash(*inputs.xdgDataHome) + "keyslinger/";
  } else if (IsAbsolute(inputs.home)) {
    paths.playerDir = WithTrailingSlash(*inputs.home) + ".local/share/keyslinger/";
  } else {
    paths.playerDir = exeDir;  // no home at all: the only folder left; writes report the refusal
  }
  if (gameFolder && paths.playerDir != exeDir && FileExistsNoCase(exeDir + "Player.ini") &&
      !FileExistsNoCase(paths.playerDir + "Player.ini")) {
    paths.carryFrom = exeDir;
  }
  return paths;
}

GamePathInputs CurrentGamePathInputs() {
  GamePathInputs inputs;
  inputs.executableDir = ExecutableDir();
  inputs.dataFromExecutable = KEYSLINGER_DATA_FROM_EXECUTABLE;
  inputs.installedDataDir = KEYSLINGER_INSTALLED_DATA_DIR;
  inputs.xdgDataHome = Environment("XDG_DATA_HOME");
  inputs.home = Environment("HOME");
  if (!IsAbsolute(inputs.home)) {
    const std::string fromDatabase = HomeFromUserDatabase();
    if (!fromDatabase.empty()) inputs.home = fromDatabase;
  }
  return inputs;
}
