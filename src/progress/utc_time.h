// SPDX-License-Identifier: GPL-3.0-or-later
// UTC time stamps as the progress records store them.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Milliseconds since 1970-01-01 00:00 UTC; the platform passes the real one in.
using UtcClock = std::function<int64_t()>;

// "YYYY-MM-DDTHH:MM:SSZ" (ISO 8601, whole seconds rounded down) for any time from year 0 to
// 9999; times outside are clamped to those bounds.
std::string IsoUtc(int64_t msSinceEpoch);
// The moment of a time stamp IsoUtc writes, "YYYY-MM-DDTHH:MM:SSZ", in milliseconds since the
// epoch; nothing for any other text.
std::optional<int64_t> ParseIsoUtc(const std::string& text);
