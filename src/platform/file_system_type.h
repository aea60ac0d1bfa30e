// SPDX-License-Identifier: GPL-3.0-or-later
// What kind of file system a folder lies on: local, or shared over a network, where SQLite's
// write-ahead log and file locks cannot be trusted.
#pragma once
#include <cstdint>
#include <string>

struct FileSystemType {
  uint64_t magic = 0;     // statfs's f_type; 0 when unknown
  std::string mountType;  // the mount table's type ("nfs4", "fuse.sshfs"); empty when unknown
};

// Asks the kernel (statfs) and, for the type's name, the mount table of this process
// (/proc/self/mountinfo). Unknown parts stay 0 or empty.
FileSystemType FileSystemTypeOf(const std::string& folder);

// The type of the mount that holds path in a mountinfo text: the entry with the longest mount
// point that is path or a folder above it, the later one among equals (a mount over another).
// Mount points are unescaped (\040 is a space). Empty when no entry holds it.
std::string MountTypeOf(const std::string& mountInfo, const std::string& path);

// True for file systems shared over a network: NFS, SMB/CIFS/SMB2, 9p (WSL's drives too), AFS,
// Ceph, GlusterFS, Lustre, Coda and the like, and for FUSE file systems that are not known to be
// local (sshfs, rclone, GVfs's mounts, and any FUSE type this list does not name).
bool IsNetworkFileSystem(const FileSystemType& type);
