// SPDX-License-Identifier: GPL-3.0-or-later
// Entries of the system's user database: the login name for the first profile, the home folder,
// and the names of the account that owns a file.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// From the system's user database; "Player" when none can be had.
std::string LoginName();
// The home folder from the system's user database; empty when none can be had.
std::string HomeFromUserDatabase();

// Another account's names, for naming the owner of a file.
struct AccountNames {
  std::string login;
  std::string fullName;  // the first field of the account's comment (GECOS); may be empty
};
// The account with that user id in the system's user database; nothing when it has no entry.
std::optional<AccountNames> AccountOf(uint32_t uid);
