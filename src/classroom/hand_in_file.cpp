// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-in on disk: its name, and writing it whole.
#include "classroom/hand_in_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/durable_file.h"
#include "platform/text_case.h"

namespace {

uint64_t Fnv1a(const std::string& text) {
  uint64_t hash = 1469598103934665603ull;
  for (const unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string Hex(uint64_t value, int digits) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return std::string(text + 16 - digits);
}

// Lower case, with every byte a file name should not carry made "_": separators, wildcards,
// quotes, control characters, blanks. Letters beyond ASCII stay as they are.
std::string Tame(const std::string& text) {
  std::string out = ToLowerUtf8(text);
  for (char& c : out) {
    const auto u = static_cast<unsigned char>(c);
    const bool plain =
        u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || u == '_' || u == '.';
    if (!plain) c = '_';
  }
  if (!out.empty() && out[0] == '.') out[0] = '_';
  return out;
}

// The first bytes of text, at most max, not cutting a UTF-8 character in two.
std::string CutUtf8(const std::string& text, size_t max) {
  if (text.size() <= max) return text;
  size_t end = max;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string SystemError(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error);
}

std::string HostName() {
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') return "host";
  return CutUtf8(Tame(host), 64);
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

std::string HandInFileName(const std::string& login, const std::string& profile) {
  const std::string hash = Hex(Fnv1a(login + '\n' + profile), 8);
  const std::string who = CutUtf8(Tame(login), 64);
  const size_t fixed = who.size() + 1 + 1 + hash.size() + std::strlen(kHandInSuffix);
  const std::string what = CutUtf8(Tame(profile), kMaxFileNameBytes - fixed);
  return who + "-" + what + "-" + hash + kHandInSuffix;
}

bool IsHandInFileName(const std::string& name) {
  const size_t suffix = std::strlen(kHandInSuffix);
  if (name.empty() || name[0] == '.' || name.size() <= suffix) return false;
  return EqualsNoCaseAscii(std::string_view(name).substr(name.size() - suffix), kHandInSuffix);
}

HandInWrite WriteHandInFile(const std::string& folder, const std::string& name,
                            const std::string& bytes) {
  HandInWrite result;
  result.path = Joined(folder, name);
  struct stat place {};
  if (::stat(folder.c_str(), &place) != 0) {
    result.error = SystemError(folder.c_str(), errno);
    return result;
  }
  if (!S_ISDIR(place.st_mode)) {
    result.error = folder + ": " + std::strerror(ENOTDIR);
    return result;
  }
  // Unique to this process on this host: a pupil logged in twice never renames the other
  // game's half-written file. Hidden, so the class view never lists it.
  const std::string temporary =
      Joined(folder, ".keyslinger-" + Hex(Fnv1a(name), 16) + "-" + HostName() + "-" +
                         std::to_string(::getpid()) + ".part");
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0 && errno == EEXIST) {
    // Left by a game of the same process number that was killed: this name is ours alone.
    ::unlink(temporary.c_str());
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  }
  if (fd < 0) {
    result.error = SystemError(result.path.c_str(), errno);
    return result;
  }
  const auto fail = [&](int error) {
    result.error = SystemError(result.path.c_str(), error);
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    return result;
  };
  if (!WriteAll(fd, bytes)) return fail(errno ? errno : EIO);
  if (::fsync(fd) != 0) return fail(errno);
  struct stat written {};
  if (::fstat(fd, &written) != 0) return fail(errno);
  // The teachers' group reads a hand-in only through the class folder's group (a setgid folder
  // gives it to every file made in it); a file of any other group is the pupil's alone. A file
  // system that keeps no modes (a USB stick) refuses the change: that costs nothing.
  result.groupReadable = written.st_gid == place.st_gid;
  ::fchmod(fd, result.groupReadable ? 0640 : 0600);
  // A network file system may report a failed write only now.
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail(errno);
  if (::rename(temporary.c_str(), result.path.c_str()) != 0) return fail(errno);
  result.written = true;
  return result;
}

bool RemoveHandInFile(const std::string& folder, const std::string& name) {
  return ::unlink(Joined(folder, name).c_str()) == 0 || errno == ENOENT;
}
