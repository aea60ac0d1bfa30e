// The login name of the user, for the first profile.
#pragma once
#include <string>

// From the system's user database; "Player" when none can be had.
std::string LoginName();
