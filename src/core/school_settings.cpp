// SPDX-License-Identifier: GPL-3.0-or-later
// A school's settings for the game: the class folder and the records mode, from the system's
// and the user's configuration files and the environment.
#include "core/school_settings.h"

#include "core/ini_store.h"
#include "platform/file_lookup.h"
#include "platform/text_case.h"

#include <cstdlib>
#include <sstream>

namespace {

bool IsAbsolute(const std::optional<std::string>& path) { return path && !path->empty() && (*path)[0] == '/'; }

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

// Applies what the file at path sets; true when the file exists.
bool ApplyFile(const std::string& path, SchoolSettings& settings) {
  if (!FileExistsNoCase(path)) return false;
  const IniStore store(path);
  const std::string folder = store.ReadString("class", "folder", "");
  if (!folder.empty() && folder[0] == '/') settings.classFolder = folder;
  if (const std::optional<RecordsMode> mode = ParseRecordsMode(store.ReadString("records", "mode", ""))) {
    settings.recordsMode = *mode;
  }
  settings.sources.push_back(path);
  return true;
}

}  // namespace

std::optional<RecordsMode> ParseRecordsMode(const std::string& text) {
  const std::string lower = ToLowerUtf8(text);
  if (lower == "auto") return RecordsMode::Auto;
  if (lower == "network") return RecordsMode::Network;
  if (lower == "local") return RecordsMode::Local;
  return std::nullopt;
}

SchoolSettings ReadSchoolSettings(const SchoolSettingsInputs& inputs) {
  SchoolSettings settings;
  std::string dirs = inputs.xdgConfigDirs.value_or("");
  if (dirs.empty()) dirs = "/etc/xdg";
  std::istringstream list(dirs);
  for (std::string dir; std::getline(list, dir, ':');) {
    if (!IsAbsolute(dir)) continue;
    if (ApplyFile(dir + "/" + kSchoolSettingsFile, settings)) break;
  }
  std::optional<std::string> userDir = inputs.xdgConfigHome;
  if (!IsAbsolute(userDir) && IsAbsolute(inputs.home)) userDir = *inputs.home + "/.config";
  if (IsAbsolute(userDir)) ApplyFile(*userDir + "/" + kSchoolSettingsFile, settings);
  if (inputs.recordsModeEnv) {
    if (const std::optional<RecordsMode> mode = ParseRecordsMode(*inputs.recordsModeEnv)) settings.recordsMode = *mode;
  }
  return settings;
}

SchoolSettingsInputs CurrentSchoolSettingsInputs() {
  SchoolSettingsInputs inputs;
  inputs.xdgConfigDirs = Environment("XDG_CONFIG_DIRS");
  inputs.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  inputs.home = Environment("HOME");
  inputs.recordsModeEnv = Environment(kRecordsModeVariable);
  return inputs;
}
