// SPDX-License-Identifier: GPL-3.0-or-later
// The login name comes from the user database, never from the environment.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/login_name.h"

namespace {

TEST(LoginName, ComesFromTheUserDatabaseNotTheEnvironment) {
  const passwd* entry = ::getpwuid(::geteuid());
  const std::string expected =
      entry != nullptr && entry->pw_name[0] != '\0' ? entry->pw_name : "Player";
  ::setenv("USER", "someone-else", 1);
  ::setenv("LOGNAME", "someone-else", 1);
  ::setenv("USERNAME", "someone-else", 1);
  EXPECT_EQ(LoginName(), expected);
  EXPECT_NE(LoginName(), "someone-else");
}

}  // namespace
