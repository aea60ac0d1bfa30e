// SPDX-License-Identifier: GPL-3.0-or-later
// The progress records of simulated play: Progress.db files and the game's recorder, kept
// apart from the simulator's own headers, whose run result shares a name with the records'.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class LevelPlayListener;
class MessageBoxes;
class ProgressDatabase;
class TimerService;
struct SharedState;

// The game's progress recorder for a simulated run; started_at counts from utcStartMs. onLost,
// when set, is told the place of each enemy lost, after the recorder.
std::unique_ptr<LevelPlayListener> MakeSimRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages,
                                                   int64_t utcStartMs, std::function<void(size_t)> onLost = {});

class SimRecords {
 public:
  // Opens (or makes) the Progress.db at path; throws ProgressError when it cannot.
  explicit SimRecords(const std::string& path);
  ~SimRecords();
  ProgressDatabase& Db() { return *db_; }
  // A finished run of level for profile in which each key was hit perCount times at reactionMs.
  void AddHits(const std::string& profile, int32_t level, const std::vector<std::string>& keys, int perKey,
               int64_t reactionMs);
  // A copy of a run with only its word-wave rows, under a new run of the same profile and level,
  // so that what the rules make of them can be read as of any run; its id. Remove it again with
  // RemoveRun before the next run is recorded.
  int64_t CopyWordRows(int64_t runId);
  void RemoveRun(int64_t runId);

 private:
  std::unique_ptr<ProgressDatabase> db_;
};
