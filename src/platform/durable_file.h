// SPDX-License-Identifier: GPL-3.0-or-later
// Small files beside the player's records written whole, and the folder's names read.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// Writes bytes to path through a temporary name of this process's own in the same folder, flushed
// to the disk before it is renamed over path: a reader, or a crash, sees the old file or the new
// one, never half of one, and two processes writing at once never rename each other's half.
// False when it could not be done (path is then as it was). Without flush the bytes are not
// waited onto the disk (a note that matters only while the machine runs), the rename still is
// whole.
bool WriteFileDurably(const std::string& path, const std::string& bytes, bool flush = true);
// Writes all of bytes to the open file, going on after interrupted and short writes; false on an
// error (errno says which) or when nothing more could be written.
bool WriteAll(int fd, std::string_view bytes);
// The names of the entries of folder (no "." or ".."); empty when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);
// Removes the file; true when it is gone afterwards.
bool RemoveFile(const std::string& path);
