// SPDX-License-Identifier: GPL-3.0-or-later
// The user's entry in the system's user database: the login name for the first profile, and the
// home folder.
#pragma once
#include <string>

// From the system's user database; "Player" when none can be had.
std::string LoginName();
// The home folder from the system's user database; empty when none can be had.
std::string HomeFromUserDatabase();
