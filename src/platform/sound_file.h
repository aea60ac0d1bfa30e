// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a sound name refers to, as the sound player looks it up.
#pragma once
#include <optional>
#include <string>

// The regular file path names, found without regard to letter case; a name whose last part has
// no extension is looked up with ".wav" added when it is not found as it is. Nothing if missing.
std::optional<std::string> FindSoundFile(const std::string& path);
