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

std::optional<int64_t> ParseIsoUtc(const std::string& text) {
  // YYYY-MM-DDTHH:MM:SSZ
  static constexpr char kShape[] = "dddd-dd-ddTdd:dd:ddZ";
  if (text.size() != sizeof kShape - 1) return std::nullopt;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
  }
  const auto number = [&](size_t at, size_t count) {
    int64_t value = 0;
    for (size_t i = at; i < at + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const int64_t year = number(0, 4), month = number(5, 2), day = number(8, 2);
  const int64_t hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  // Days from a civil date (the inverse of IsoUtc's).
  const int64_t y = year - (month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yearOfEra = y - era * 400;
  const int64_t mp = month > 2 ? month - 3 : month + 9;
  const int64_t dayOfYear = (153 * mp + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const int64_t days = era * 146097 + dayOfEra - 719468;
  return days * kDayMs + (hour * 3600 + minute * 60 + second) * 1000;
}
