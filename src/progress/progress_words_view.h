// SPDX-License-Identifier: GPL-3.0-or-later
// What the progress screen's words page shows: words per minute of each practice run with word
// waves, and the slowest letter pairs, named by what their keys type.
#pragma once
#include "progress/progress_records.h"

#include <cstdint>
#include <string>
#include <vector>

class KeyTable;

struct WordChartPoint {
  std::string startedAt;
  double wordsPerMinute = 0;
  int accuracyPercent = 0;
};

struct PairLine {
  std::string from;  // what the keys type on the layout (their US key names without one)
  std::string to;
  int64_t medianMs = 0;
  size_t samples = 0;
};

struct ProgressWordsView {
  std::vector<WordChartPoint> chart;  // oldest first
  int chartTop = 0;                   // the chart's highest words per minute: a multiple of 10, at least 20
  std::vector<PairLine> pairs;        // slowest first, at most five
  bool pairsMeasured = false;         // some pair has enough samples to be judged
};

ProgressWordsView MakeProgressWordsView(const ProgressData& data, const KeyTable* layout);
