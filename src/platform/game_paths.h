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
};

struct GamePaths {
  std::string contentDir;  // Maps/, Objects/, sounds/, docs/; trailing slash
  std::string playerDir;   // Player.ini and the other per-player files; trailing slash
};

// Content: the executable's folder when a Maps folder (any letter case) is there, which makes
// it a game folder; else the installed data folder found relative to the executable (so a
// moved install still works), else the configured one; else the executable's folder.
// Player files: a writable game folder keeps them; anything else (an install, a read-only copy)
// uses $XDG_DATA_HOME/keyslinger/, or ~/.local/share/keyslinger/ when that is unset, empty or
// not absolute. That folder need not exist yet: it is made on the first write.
GamePaths ResolveGamePaths(const GamePathInputs& inputs);

// The inputs of the running program: its folder, the install folders built into it, and the
// environment.
GamePathInputs CurrentGamePathInputs();
