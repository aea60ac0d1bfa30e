// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's hand-in as the PROGRESS screen reads records: the runs, totals and words it charts,
// each key's figures, and the pupil's keyboard layout the keys are named by.
#pragma once
#include <vector>

#include "classroom/hand_in.h"
#include "platform/key_table.h"
#include "progress/progress_records.h"
#include "progress/progress_stats.h"

struct PupilRecords {
  ProgressData data;           // chances empty: the keys come as figures
  std::vector<KeyStats> keys;  // by position, named as the pupil's layout types them
  KeyTable layout;             // what each position the hand-in names types for the pupil
};

PupilRecords PupilRecordsOf(const HandIn& handIn);
