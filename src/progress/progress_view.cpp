// SPDX-License-Identifier: GPL-3.0-or-later
// What the progress screen shows, worked out from a profile's records: the keyboard's tiles,
// the keys to practise, the chart's points and the totals. The screen only draws this.
#include "progress/progress_view.h"

#include "progress/key_positions.h"
#include "progress/taught_keys.h"

#include <algorithm>
#include <map>

std::string PractiseLine(const KeyStats& stats) {
  const std::string reaction =
      stats.medianReactionMs ? std::to_string(*stats.medianReactionMs) + " ms" : std::string("-");
  // Reaction (finding a figure) and typing (from one letter of a word to the next) apart.
  const std::string typing =
      stats.medianTypingMs ? "   typing " + std::to_string(*stats.medianTypingMs) + " ms" : std::string();
  return stats.key + "   " + std::to_string(stats.AccuracyPercent()) + "%   " + std::to_string(stats.hits) +
         " of " + std::to_string(stats.chances) + "   " + reaction + typing;
}

std::string DayOf(const std::string& startedAt) { return startedAt.substr(0, 10); }

std::string FaultText(ProgressFault fault) {
  switch (fault) {
    case ProgressFault::kNone:
      return {};
    case ProgressFault::kNewerSchema:
      return "Cannot read Progress.db: a newer version of the game made it.";
    case ProgressFault::kMissingParts:
      return "Cannot read Progress.db: part of it is missing.";
    case ProgressFault::kUpdating:
      return "Updating your progress records…";
    case ProgressFault::kOpenElsewhere:
      return "Your progress records are open on another computer.";
    case ProgressFault::kNotOurs:
    case ProgressFault::kUnavailable:
      break;
  }
  return "Cannot read all of Progress.db.";
}

ProgressView MakeProgressView(const ProgressData& data, const std::vector<std::string>& taughtKeys,
                              int32_t levelFilter, const KeyTable* layout) {
  return MakeProgressViewOfStats(KeyStatsByPosition(data.chances, layout), data, taughtKeys, levelFilter, layout);
}

ProgressView MakeProgressViewOfStats(const std::vector<KeyStats>& stats, const ProgressData& data,
                                     const std::vector<std::string>& taughtKeys, int32_t levelFilter,
                                     const KeyTable* layout) {
  ProgressView view;
  // Keys by position; characters no key of the layout types, by character.
  std::map<std::string, const KeyStats*> byPosition;
  std::map<std::string, const KeyStats*> byCharacter;
  for (const KeyStats& s : stats) (s.position.empty() ? byCharacter[s.key] : byPosition[s.position]) = &s;

  const std::vector<std::vector<std::string>> rows = KeyboardRows(taughtKeys, layout);
  const std::vector<std::vector<std::string>> positions = KeyboardPositions();
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      KeyTile tile;
      tile.key = rows[r][c];
      if (r < positions.size() && c < positions[r].size()) tile.position = positions[r][c];
      tile.row = static_cast<int>(r);
      tile.column = static_cast<int>(c);
      tile.taught = std::find(taughtKeys.begin(), taughtKeys.end(), tile.key) != taughtKeys.end();
      const auto& index = tile.position.empty() ? byCharacter : byPosition;
      if (auto it = index.find(tile.position.empty() ? tile.key : tile.position); it != index.end()) {
        tile.rated = it->second->Rated();
        tile.accuracyPercent = it->second->AccuracyPercent();
        if (it->second->medianReactionMs) tile.reactionText = std::to_string(*it->second->medianReactionMs);
      }
      view.tiles.push_back(std::move(tile));
    }
  }
  for (const KeyStats& weak : WeakestKeys(stats)) view.practiseLines.push_back(PractiseLine(weak));

  view.levelFilter = levelFilter;
  view.filterText = levelFilter == 0 ? "All levels" : "Level " + std::to_string(levelFilter);
  for (const FinishedRun& run : RunsOfLevel(data.finished, levelFilter)) {
    view.chart.push_back(ChartPoint{run.startedAt, run.level, run.percent, run.passed});
  }
  view.playedText = PlayedTimeText(data.playedMs);
  view.runsText = std::to_string(data.runs);
  view.levelsPassedText = std::to_string(data.levelsPassed);
  // A streak is of levels passed in a row: drills (level 0) neither extend nor break it.
  std::vector<FinishedRun> levelRuns;
  std::copy_if(data.finished.begin(), data.finished.end(), std::back_inserter(levelRuns),
               [](const FinishedRun& run) { return run.level != 0; });
  view.bestStreakText = std::to_string(BestStreak(levelRuns));
  view.faultText = FaultText(data.fault);
  return view;
}

int32_t NextLevelFilter(int32_t current, int step, int32_t lastLevel) {
  const int32_t count = std::max<int32_t>(lastLevel, 0) + 1;  // all levels, then 1..lastLevel
  const int32_t index = std::clamp<int32_t>(current, 0, count - 1);
  return ((index + step) % count + count) % count;
}
