// SPDX-License-Identifier: GPL-3.0-or-later
// Gathering a hand-in from a profile's progress records, with the arithmetic PROGRESS and
// practice use, so the file says what the pupil's own screens say.
#pragma once
#include <cstdint>
#include <string>

#include "classroom/hand_in.h"

class KeyTable;
class ProgressDatabase;

// The game's version as hand-ins carry it.
inline constexpr const char* kGameVersion = "1.0";

// The profile's hand-in from db (open, for reading at least), written at nowUtcMs: its keys
// named as layout types them (US names without one), local dates by the system's time zone.
// Throws ProgressError when a part of the records cannot be read.
HandIn GatherHandIn(ProgressDatabase& db, const std::string& profile, const KeyTable* layout,
                    int64_t nowUtcMs);

// Minutes east of UTC of the system's time zone at that moment.
int32_t UtcOffsetMinutesAt(int64_t utcMs);
// The pupil's local date (YYYY-MM-DD) of a stored UTC time stamp; the stamp's own date when it
// cannot be read.
std::string LocalDayOfStamp(const std::string& startedAt);
