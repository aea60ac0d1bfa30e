// SPDX-License-Identifier: GPL-3.0-or-later
// The user's login name and home folder, from the system's user database.
#include "platform/login_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {
// Runs use on the entry of uid; false when there is none.
template <typename Use>
bool WithEntry(uid_t uid, Use&& use) {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 1024);
  for (int attempt = 0; attempt < 6; ++attempt) {
    passwd entry{};
    passwd* result = nullptr;
    const int error = ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &result);
    if (error == ERANGE) {
      buffer.resize(buffer.size() * 4);
      continue;
    }
    if (error != 0 || result == nullptr) break;
    use(*result);
    return true;
  }
  return false;
}

// The field that pick takes from the user's entry, or empty when the entry or the field is missing.
std::string UserField(const char* (*pick)(const passwd&)) {
  std::string value;
  WithEntry(::geteuid(), [&](const passwd& entry) {
    const char* field = pick(entry);
    if (field != nullptr) value = field;
  });
  return value;
}
}  // namespace

std::string LoginName() {
  std::string name = UserField([](const passwd& entry) -> const char* { return entry.pw_name; });
  return name.empty() ? "Player" : name;
}

std::string HomeFromUserDatabase() {
  return UserField([](const passwd& entry) -> const char* { return entry.pw_dir; });
}

std::optional<AccountNames> AccountOf(uint32_t uid) {
  AccountNames names;
  const bool found = WithEntry(static_cast<uid_t>(uid), [&](const passwd& entry) {
    if (entry.pw_name != nullptr) names.login = entry.pw_name;
    // The comment field holds the full name first, then the office and telephones after commas.
    const std::string gecos = entry.pw_gecos != nullptr ? entry.pw_gecos : "";
    names.fullName = gecos.substr(0, gecos.find(','));
  });
  if (!found) return std::nullopt;
  return names;
}
