// SPDX-License-Identifier: GPL-3.0-or-later
// What the progress screen shows, worked out from a profile's records: the keyboard's tiles,
// the keys to practise, the chart's points and the totals. The screen only draws this.
#pragma once
#include "progress/progress_records.h"
#include "progress/progress_stats.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KeyTable;

struct KeyTile {
  std::string key;       // what the key types on the layout
  std::string position;  // its US key name; empty on the row of keys the layout does not have
  int row = 0;
  int column = 0;
  bool taught = false;  // a key some level has a place for
  bool rated = false;   // enough chances to colour it
  int accuracyPercent = 0;
  std::string reactionText;  // the median reaction in ms, or empty
};

struct ChartPoint {
  std::string startedAt;
  int32_t level = 0;
  int32_t percent = 0;  // as stored; the chart clamps what it draws to 0..100
  bool passed = false;
};

struct ProgressView {
  std::vector<KeyTile> tiles;
  std::vector<std::string> practiseLines;  // one per weak key; empty while none is rated
  std::vector<ChartPoint> chart;           // the chosen level's finished runs, oldest first
  int32_t levelFilter = 0;                 // 0: all levels
  std::string filterText;                  // "All levels" or "Level <n>"
  std::string playedText;
  std::string runsText;
  std::string levelsPassedText;
  std::string bestStreakText;
  std::string faultText;  // why the records are not all shown; empty when they are
};

// The line the screen shows for a fault reading the records; empty for none.
std::string FaultText(ProgressFault fault);

// The practise line of a weak key: "k   62%   31 of 50   540 ms" ("-" without a reaction), and
// "   typing 210 ms" after it when the key was typed in words.
std::string PractiseLine(const KeyStats& stats);
// The day of a time stamp, "2026-12-09"; the text itself when it is shorter.
std::string DayOf(const std::string& startedAt);

// levelFilter 0 charts every level's runs, else only that level's. The keyboard's keys are
// named as on layout, when it is known (see KeyboardRows); chances count for the key at their
// position (see ChancesByPosition).
ProgressView MakeProgressView(const ProgressData& data, const std::vector<std::string>& taughtKeys,
                              int32_t levelFilter, const KeyTable* layout = nullptr);
// The same from each key's figures worked out already (as KeyStatsByPosition gives them), for
// records kept as figures rather than chances: a pupil's hand-in, a class's keys. data's chances
// are not read.
ProgressView MakeProgressViewOfStats(const std::vector<KeyStats>& stats, const ProgressData& data,
                                     const std::vector<std::string>& taughtKeys, int32_t levelFilter,
                                     const KeyTable* layout = nullptr);

// The filter after (step +1) or before (step -1) current, cycling through all levels (0) and
// 1..lastLevel.
int32_t NextLevelFilter(int32_t current, int step, int32_t lastLevel);
