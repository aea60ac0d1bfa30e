// The login name of the user, from the system's user database.
#include "platform/login_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

std::string LoginName() {
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
    if (error != 0 || result == nullptr || result->pw_name == nullptr || *result->pw_name == '\0') {
      break;
    }
    return result->pw_name;
  }
  return "Player";
}
