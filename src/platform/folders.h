// SPDX-License-Identifier: GPL-3.0-or-later
// Folders on disk: making a path of folders, and whether the program may write into one.
#pragma once
#include <string>

// Makes folder and every missing folder above it, each with mode 0700 (less the umask), as the
// per-user data folders want. True when the folder exists afterwards.
bool MakeFolders(const std::string& folder);
// True when folder exists, is a folder, has a write permission bit and this process may write
// into it. A folder without any write bit counts as read-only for everyone, the superuser too,
// the same rule the INI store applies to files.
bool IsWritableFolder(const std::string& folder);
