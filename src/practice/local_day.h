// SPDX-License-Identifier: GPL-3.0-or-later
// Local calendar days, as the review dates count them.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

// The local day number (days since 1970-01-01 in the player's time zone) now; the game passes
// the real one in, tests and the simulator their own.
using DayClock = std::function<int64_t()>;

// The local day of a moment given in milliseconds since the epoch, by the system's time zone.
int64_t LocalDayOf(int64_t utcMs);
// "YYYY-MM-DD" of a day number.
std::string DayText(int64_t day);
