// SPDX-License-Identifier: GPL-3.0-or-later
// Practice's own tables in Progress.db (the key set with its review dates, the target
// reaction), made when missing, and the chances practice reads from the shots.
#pragma once
#include "practice/key_schedule.h"
#include "practice/mastery.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class ProgressDatabase;

// Mastery reads a profile's newest chances in one sweep of at most this many rows; only a key
// the sweep leaves short of its window is read on its own.
inline constexpr int64_t kMasteryChancesSwept = 4000;

// Works on the open connection of a ProgressDatabase; throws ProgressError when the file
// cannot be read or written.
class PracticeStore {
 public:
  explicit PracticeStore(ProgressDatabase& db);

  PracticeState LoadState(const std::string& profile);
  void SaveState(const std::string& profile, const PracticeState& state);
  // The reaction target; a stored one faster than kMinTargetReactionMs is raised to it.
  int64_t TargetMs(const std::string& profile);
  void SetTargetMs(const std::string& profile, int64_t targetMs);
  // Both targets (the typing target likewise raised to kMinTargetTypingMs).
  SpeedTargets Targets(const std::string& profile);
  void SetTypingTargetMs(const std::string& profile, int64_t targetMs);

  // The mastery of each position over its newest chances in every run of the profile.
  std::map<std::string, KeyMastery> LoadMastery(const std::string& profile, const std::vector<std::string>& positions,
                                                const SpeedTargets& targets);
  // The newest run of the profile at level (0: practice); 0 when there is none.
  int64_t LatestRunId(const std::string& profile, int32_t level);
  // Every chance of one run, in the order played.
  std::vector<PracticeChance> RunChances(int64_t runId);

 private:
  void EnsureTables();
  // The stored value of a practice_settings column, raised to least; nothing when none is
  // stored or it is no whole number of milliseconds up to most.
  std::optional<int64_t> StoredTarget(const std::string& profile, const char* column, int64_t least, int64_t most);
  // Sets one column (a name of this file's, never the caller's) of the profile's practice settings.
  void StoreSetting(const std::string& profile, const char* column, int64_t value);

  ProgressDatabase& db_;
  bool ready_ = false;
  bool hasTypingTarget_ = false;  // practice_settings has typing_ms
};
