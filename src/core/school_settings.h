// SPDX-License-Identifier: GPL-3.0-or-later
// A school's settings for the game: the class folder pupils hand their progress in to, and how
// Progress.db is kept where homes lie on a network file system. An administrator sets them for
// every user; a user's own file may override them.
#pragma once
#include <optional>
#include <string>
#include <vector>

// How Progress.db is opened: as the file system it lies on suggests, or always one way.
enum class RecordsMode { Auto, Network, Local };

struct SchoolSettings {
  std::string classFolder;  // [class] folder=; empty: no class folder
  RecordsMode recordsMode = RecordsMode::Auto;
  // The files that were read, most important last (for messages and the documentation).
  std::vector<std::string> sources;
};

// Where the settings come from; gathered from the environment by CurrentSchoolSettingsInputs.
struct SchoolSettingsInputs {
  std::optional<std::string> xdgConfigDirs;  // $XDG_CONFIG_DIRS
  std::optional<std::string> xdgConfigHome;  // $XDG_CONFIG_HOME
  std::optional<std::string> home;           // $HOME
  std::optional<std::string> recordsModeEnv; // $KEYSLINGER_RECORDS_MODE
};

// The file's name in each configuration folder: <folder>/keyslinger/keyslinger.ini.
inline constexpr const char* kSchoolSettingsFile = "keyslinger/keyslinger.ini";
// The environment variable that forces the records mode: "network", "local" or "auto".
inline constexpr const char* kRecordsModeVariable = "KEYSLINGER_RECORDS_MODE";

// The system-wide file is the first keyslinger/keyslinger.ini found in $XDG_CONFIG_DIRS (a
// colon-separated list, most important first; /etc/xdg when unset or empty); the user's file
// is $XDG_CONFIG_HOME/keyslinger/keyslinger.ini (~/.config when unset, empty or not absolute).
// A key the user's file sets wins over the system's; the environment variable wins over both for
// the records mode. Values are read without regard to letter case; an unknown mode is Auto.
// Relative folder names count as unset. Missing or unreadable files are simply absent.
SchoolSettings ReadSchoolSettings(const SchoolSettingsInputs& inputs);

// "auto", "network" or "local" (any letter case) to its mode; anything else is nullopt.
std::optional<RecordsMode> ParseRecordsMode(const std::string& text);

SchoolSettingsInputs CurrentSchoolSettingsInputs();
