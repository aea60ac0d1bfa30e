// SPDX-License-Identifier: GPL-3.0-or-later
// What kind of file system a folder lies on: local, or shared over a network.
#include "platform/file_system_type.h"

#include <sys/vfs.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

#include "platform/file_lookup.h"

namespace {

// statfs magic numbers (linux/magic.h and the file systems' own sources) of file systems shared
// over a network.
constexpr uint64_t kNetworkMagics[] = {
    0x6969,      // NFS (2, 3, 4)
    0x517B,      // SMB
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2/3
    0x01021997,  // 9p (also WSL 2's Windows drives)
    0x5346414F,  // AFS (OpenAFS)
    0x6B414653,  // kAFS
    0x00C36400,  // Ceph
    0x73757245,  // Coda
    0x564C,      // NCP
    0x0BD00BD0,  // Lustre
    0x47504653,  // GPFS
    0x01161970,  // GFS2 (a disk shared by machines)
    0x7461636F,  // OCFS2
    0x534F434B,  // VirtualBox shared folders (vboxsf)
};

constexpr uint64_t kFuseMagic = 0x65735546;

// Mount types that are shared over a network whatever statfs says of them.
constexpr std::string_view kNetworkMountTypes[] = {
    "nfs",  "nfs4", "cifs",  "smb3", "smbfs", "9p",    "afs",      "ceph",   "glusterfs", "lustre",
    "gpfs", "gfs2", "ocfs2", "coda", "ncpfs", "drvfs", "virtiofs", "vboxsf", "davfs"};

// FUSE types known to keep their files on this machine; any other FUSE type counts as shared.
constexpr std::string_view kLocalFuseTypes[] = {
    "fuseblk",         "fuse.ntfs-3g",        "fuse.exfat",  "fuse.portal",
    "fuse.lxcfs",      "fuse.gocryptfs",      "fuse.encfs",  "fuse.appimagefuse",
    "fuse.squashfuse", "fuse.fuse-overlayfs", "fuse.bindfs", "fuse.mergerfs"};

// A mount point as mountinfo writes it: space, tab, newline and backslash as octal escapes.
std::string Unescape(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits(field.data() + i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out +=
            static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

// Whether mountPoint is path or a folder above it.
bool Holds(const std::string& mountPoint, const std::string& path) {
  if (mountPoint == "/") return !path.empty() && path[0] == '/';
  if (path.compare(0, mountPoint.size(), mountPoint) != 0) return false;
  return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::string MountTypeOf(const std::string& mountInfo, const std::string& path) {
  std::istringstream lines(mountInfo);
  size_t bestLength = 0;
  std::string bestType;
  bool found = false;
  for (std::string line; std::getline(lines, line);) {
    // id parent major:minor root mount-point options [optional fields...] - type source options
    std::istringstream fields(line);
    std::vector<std::string> parts;
    for (std::string part; fields >> part;) parts.push_back(part);
    if (parts.size() < 7) continue;
    const auto dash = std::find(parts.begin() + 6, parts.end(), "-");
    if (dash == parts.end() || dash + 1 == parts.end()) continue;
    const std::string mountPoint = Unescape(parts[4]);
    if (!Holds(mountPoint, path)) continue;
    if (!found || mountPoint.size() >= bestLength) {
      found = true;
      bestLength = mountPoint.size();
      bestType = *(dash + 1);
    }
  }
  return bestType;
}

FileSystemType FileSystemTypeOf(const std::string& folder) {
  FileSystemType type;
  struct statfs info {};
  if (::statfs(folder.c_str(), &info) == 0)
    type.magic = static_cast<uint64_t>(static_cast<uint32_t>(info.f_type));
  std::string path = folder;
  // The mount table names mounts by their real path: a folder reached through a link lies where
  // the link leads.
  if (char* real = ::realpath(folder.c_str(), nullptr)) {
    path = real;
    ::free(real);
  }
  if (const std::optional<std::string> table = ReadWholeFile("/proc/self/mountinfo")) {
    type.mountType = MountTypeOf(*table, path);
  }
  return type;
}

bool IsNetworkFileSystem(const FileSystemType& type) {
  const std::string mountType = Lower(type.mountType);
  if (type.magic == kFuseMagic || mountType.rfind("fuse", 0) == 0) {
    // FUSE: only the mount table tells sshfs from a local disk. Without it, count it as shared.
    return std::find(std::begin(kLocalFuseTypes), std::end(kLocalFuseTypes), mountType) ==
           std::end(kLocalFuseTypes);
  }
  if (std::find(std::begin(kNetworkMagics), std::end(kNetworkMagics), type.magic) !=
      std::end(kNetworkMagics))
    return true;
  return std::find(std::begin(kNetworkMountTypes), std::end(kNetworkMountTypes), mountType) !=
         std::end(kNetworkMountTypes);
}
