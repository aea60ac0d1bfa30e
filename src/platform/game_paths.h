// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its content and keeps the player's files: a game folder or an install.
#pragma once
#include <optional>
#include <string>

// What the answer depends on; gathered from the running program by CurrentGamePathInputs.
struct GamePathInputs {
  std::string executableDir;                // folder of the executable, trailing slash
  std::string dataFromExecutable;           // installed data folder relative to executableDir
  std::string installedDataDir;             // installed data folder as configured, absolute
  std::optional<std::string> xdgDataHome;   // $XDG_DATA_HOME, when set
  std::optional<std::string> home;          // $HOME, or the user database's home folder
  // Whether the program may write into executableDir; unset: asked of the file system.
  std::optional<bool> executableDirWritable;
};

struct GamePaths {
  std::string contentDir;  // Maps/, Objects/, sounds/, docs/; trailing slash
  std::string playerDir;   // Player.ini and the other per-player files; trailing slash
  // A read-only game folder whose Player.ini (and Progress.db) the per-user folder, which has no
  // Player.ini yet, is to start from (CopyPlayerFiles); empty: nothing to carry over.
  std::string carryFrom;
};

// Content: the executable's folder when a Maps folder (any letter case) is there, which makes
// it a game folder; else the installed data folder found relative to the executable (so a
// moved install still works), else the configured one; else the executable's folder.
// Player files: a writable game folder keeps them; anything else (an install, a read-only copy)
// uses $XDG_DATA_HOME/keyslinger/, or ~/.local/share/keyslinger/ when that is unset, empty or
// not absolute. That folder need not exist yet: it is made on the first write. A read-only game
// folder with a Player.ini of its own (a portable copy on read-only media) is named in carryFrom
// while the per-user folder has no Player.ini.
GamePaths ResolveGamePaths(const GamePathInputs& inputs);

// The inputs of the running program: its folder, the install folders built into it, and the
// environment.
GamePathInputs CurrentGamePathInputs();
