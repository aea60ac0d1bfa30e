// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of a finished level's result: the percentage, pass or fail, the stored best
// result per profile and the table of all profiles.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IniStore;
struct LevelCounters;

inline constexpr int32_t kPassPercent = 60;

// (MyScore * 100) / (AllScore + Misses * 1000 + Civilians * 2000) in wrapping signed 32-bit
// arithmetic, truncated toward zero. A run with a zero divisor (nothing appeared, nothing
// missed) counts as 100 percent.
int32_t ResultPercentOf(const LevelCounters& counters);
// "percent:hits:misses:civilians".
std::string ResultRecordOf(int32_t percent, const LevelCounters& counters);
bool Passed(int32_t percent);

// The percent of a stored result: its first field as an integer; 0 when it is not one.
int32_t StoredPercent(std::string_view stored);
// Keeps the best result of player in level: writes record when nothing usable is stored (empty,
// or a first field that is not a whole number) or when the stored percent is below percent.
// Returns true when it wrote. Throws GameError when the store cannot be written.
bool KeepBestResult(IniStore& store, const std::string& player, int32_t level,
                    const std::string& record, int32_t percent);

// One table row: name, percent, hits, misses, civilians; missing fields are blank.
using ResultRow = std::array<std::string, 5>;
inline const ResultRow kResultHeadings = {"Name", "%", "Point", "Miss", "Civilian"};
// The rows of every profile (curplayer left out) in file order, from their stored result of
// level (default "0").
std::vector<ResultRow> ResultRows(const IniStore& store, int32_t level);
// Highest percent first, by the screen's exchange procedure, which fixes the order of ties.
void OrderResultRows(std::vector<ResultRow>& rows);
// The fanfare sounds when this run equals the best percent in the ordered table.
bool FanfareDue(const std::vector<ResultRow>& orderedRows, int32_t percent);
