// SPDX-License-Identifier: GPL-3.0-or-later
// Many simulated runs of levels, difficulties and typists, summed up per combination.
#pragma once
#include "design/simulation.h"
#include "design/typist.h"

#include <cstdint>
#include <string>
#include <vector>

struct BatchRequest {
  std::vector<std::string> levels;
  std::vector<std::string> difficulties;
  std::vector<TypistProfile> typists;
  int runs = 20;
  uint64_t seed = 1;
  int jobs = 1;
};

struct BatchRow {
  std::string level;
  std::string difficulty;
  std::string typist;
  int runs = 0;
  int finished = 0;       // runs that reached the results
  int32_t p10 = 0, median = 0, p90 = 0;  // percentage over the finished runs
  int passPercent = 0;    // share of finished runs at 60 percent or more
  // Means over the finished runs, in tenths.
  int64_t hitsTenths = 0, missesTenths = 0, civiliansTenths = 0, actedTenths = 0;
  int64_t medianPlayingMs = 0;
  int64_t gameMs = 0;     // virtual time simulated for this row, finished or not
  std::string failure;    // the first failure, when a run did not finish
};

// Seeds of one run, derived from everything that names it, so any subset of a batch replays alike.
uint64_t RunSeed(uint64_t seed, const std::string& level, const std::string& difficulty, const std::string& typist,
                 int run, const std::string& purpose);

std::vector<BatchRow> RunBatch(Simulator& simulator, const BatchRequest& request);
// The value at percent p (0..100) of sorted values, nearest rank.
int32_t PercentileOf(const std::vector<int32_t>& sorted, int p);

std::string FormatTable(const std::vector<BatchRow>& rows);
std::string FormatCsv(const std::vector<BatchRow>& rows);
