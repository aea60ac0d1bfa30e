// SPDX-License-Identifier: GPL-3.0-or-later
// The user's login name and home folder, from the system's user database.
#include "platform/login_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {
// The field that pick takes from the user's entry, or empty when the entry or the field is missing.
std::string UserField(const char* (*pick)(const passwd&)) {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 1024);
  for (int attempt = 0; attempt < 6; ++attempt) {
    passwd entry{};
    passwd* result = nullptr;
    const int error = ::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &result);
    if (error == ERANGE) {
      buffer.resize(buffer.size() * 4);
      continue;
    }
    if (error != 0 || result == nullptr) break;
    const char* field = pick(*result);
    return field != nullptr ? field : "";
  }
  return {};
}
}  // namespace

std::string LoginName() {
  std::string name = UserField([](const passwd& entry) -> const char* { return entry.pw_name; });
  return name.empty() ? "Player" : name;
}

std::string HomeFromUserDatabase() {
  return UserField([](const passwd& entry) -> const char* { return entry.pw_dir; });
}
