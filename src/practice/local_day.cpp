// SPDX-License-Identifier: GPL-3.0-or-later
// Local calendar days, as the review dates count them.
#include "practice/local_day.h"

#include "progress/utc_time.h"

#include <time.h>

int64_t LocalDayOf(int64_t utcMs) {
  const time_t seconds = static_cast<time_t>(utcMs / 1000);
  tm local{};
  if (!localtime_r(&seconds, &local)) return utcMs / 86400000;
  // The local wall time read as if it were UTC gives the local day by plain division.
  const int64_t offset = static_cast<int64_t>(local.tm_gmtoff);
  const int64_t shifted = static_cast<int64_t>(seconds) + offset;
  return shifted >= 0 ? shifted / 86400 : -((-shifted + 86399) / 86400);
}

std::string DayText(int64_t day) { return IsoUtc(day * 86400000).substr(0, 10); }
