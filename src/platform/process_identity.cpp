// SPDX-License-Identifier: GPL-3.0-or-later
// Who this game is among the games that share a folder: the computer's name and the process.
#include "platform/process_identity.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "localhost";
  return name;
}

int64_t ProcessId() { return ::getpid(); }

bool ProcessRunning(int64_t pid) {
  if (pid <= 0 || pid > INT32_MAX) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}
