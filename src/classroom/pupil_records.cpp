// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's hand-in as the PROGRESS screen reads records.
#include "classroom/pupil_records.h"

PupilRecords PupilRecordsOf(const HandIn& handIn) {
  PupilRecords records;
  ProgressData& data = records.data;
  data.playedMs = handIn.playedMs;
  data.runs = handIn.runCount;
  data.levelsPassed = handIn.levelsPassed;
  for (const HandInRun& run : handIn.runs) {
    if (run.outcome == kOutcomeFinished && run.percent) {
      data.finished.push_back({run.startedAt, run.level, *run.percent, run.passed});
    }
    if (run.level == 0 && run.wordsPerMinute) {
      data.wordRuns.push_back({run.startedAt, *run.wordsPerMinute, run.wordAccuracy.value_or(0)});
    }
  }
  for (const HandInKey& key : handIn.keys) {
    KeyStats stats;
    stats.key = key.typed;
    stats.position = key.position;
    stats.chances = key.chances;
    stats.hits = key.hits;
    stats.medianReactionMs = key.reactionMedianMs;
    records.keys.push_back(std::move(stats));
  }
  // The whole keyboard when the file has it, else what the keys it rates type.
  const auto set = [&](const std::string& position, const std::string& typed) {
    if (FindUsKey(position) && !typed.empty())
      records.layout.Set(position, KeyTyped{KeyTyped::Kind::Character, typed, {}});
  };
  for (const HandInKey& key : handIn.keys) set(key.position, key.typed);
  for (const HandInLayoutKey& key : handIn.layout) set(key.position, key.typed);
  return records;
}
