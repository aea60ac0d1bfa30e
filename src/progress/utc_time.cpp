// SPDX-License-Identifier: GPL-3.0-or-later
// UTC time stamps as the progress records store them.
#include "progress/utc_time.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int64_t kDayMs = 86400000;
// 0000-01-01 and 9999-12-31 23:59:59 as milliseconds since the epoch.
constexpr int64_t kFirstMs = -62167219200000;
constexpr int64_t kLastMs = 253402300799000;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
}  // namespace

std::string IsoUtc(int64_t ms) {
  ms = std::clamp(ms, kFirstMs, kLastMs);
  const int64_t days = FloorDiv(ms, kDayMs);
  const int64_t secondOfDay = (ms - days * kDayMs) / 1000;
  // Civil date from a day count (the proleptic Gregorian calendar, eras of 400 years).
  const int64_t z = days + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  const int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  char text[80];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ", static_cast<long long>(year),
                static_cast<long long>(month), static_cast<long long>(day),
                static_cast<long long>(secondOfDay / 3600), static_cast<long long>(secondOfDay / 60 % 60),
                static_cast<long long>(secondOfDay % 60));
  return text;
}
