// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-in on disk: its name in the class folder, and writing it whole so that a reader (or a
// game killed half way) only ever finds the old file or the new one.
#pragma once
#include <string>

// Hand-ins end so; the class view lists only such files.
inline constexpr const char* kHandInSuffix = ".keyslinger";
// The longest name most file systems take, in bytes.
inline constexpr size_t kMaxFileNameBytes = 255;

// "<login>-<profile>-<hash>.keyslinger": the login and the profile name in lower case, with
// anything a file system or a shell could take amiss made "_", cut to fit 255 bytes, and eight
// hexadecimal digits of a hash of the exact login and profile name, so that two profiles whose
// names differ only in letter case get two files on every file system.
std::string HandInFileName(const std::string& login, const std::string& profile);
// A name the class view lists: it ends in kHandInSuffix (any letter case) and is not hidden.
bool IsHandInFileName(const std::string& name);

struct HandInWrite {
  bool written = false;
  std::string path;   // the hand-in's path
  std::string error;  // why it was not written (the system's words)
  // True when the file's group is the folder's, so that the group may read it; else only its
  // owner may.
  bool groupReadable = false;
};

// Writes bytes as folder/name: a file of a name unique to this process (host and process id)
// beside it is written, flushed to disk, given its mode (0640 when its group is the folder's,
// else 0600), then renamed over the old one. Only those two names are ever opened or touched in
// the folder: nothing is listed or read there. A failure leaves the old file as it was.
HandInWrite WriteHandInFile(const std::string& folder, const std::string& name,
                            const std::string& bytes);

// Removes folder/name; true when it is gone (or was never there).
bool RemoveHandInFile(const std::string& folder, const std::string& name);
