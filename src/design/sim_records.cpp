// SPDX-License-Identifier: GPL-3.0-or-later
// The progress records of simulated play: Progress.db files and the game's recorder.
#include "design/sim_records.h"

#include "progress/progress_database.h"
#include "platform/timer_service.h"
#include "progress/progress_recorder.h"

std::unique_ptr<LevelPlayListener> MakeSimRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages,
                                                   int64_t utcStartMs) {
  return std::make_unique<ProgressRecorder>(shared, timers, messages,
                                            [&timers, utcStartMs] { return utcStartMs + timers.NowMs(); });
}

SimRecords::SimRecords(const std::string& path) : db_(std::make_unique<ProgressDatabase>(path)) { db_->Open(); }

SimRecords::~SimRecords() = default;

void SimRecords::AddHits(const std::string& profile, int32_t level, const std::vector<std::string>& keys, int perKey,
                         int64_t reactionMs) {
  std::vector<PendingRun> runs(1);
  runs[0].run.profile = profile;
  runs[0].run.level = level;
  runs[0].run.difficulty = "Normal";
  runs[0].run.startedAt = "2024-10-01T00:00:00Z";
  runs[0].run.outcome = kOutcomeFinished;
  runs[0].run.result = RunResult{100, perKey * static_cast<int32_t>(keys.size()), 0, 0, true};
  for (const std::string& key : keys) {
    for (int i = 0; i < perKey; ++i) {
      ShotRecord shot;
      shot.typed = shot.letter = shot.key = key;
      shot.result = "POINT";
      shot.reactionMs = reactionMs;
      runs[0].shots.push_back(shot);
    }
  }
  db_->Write(runs);
}
