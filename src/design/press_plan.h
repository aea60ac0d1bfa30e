// SPDX-License-Identifier: GPL-3.0-or-later
// A modelled typist's planned key presses: one per figure it means to shoot, kept by planned time,
// each dropped when its figure is gone by the time the press comes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class LevelPlay;

class PressPlan {
 public:
  // A figure came up at the place: the number that tells it from earlier figures there.
  int32_t Spawned(size_t place);
  // The number of the figure that came up last at the place (0: none yet).
  int32_t SpawnAt(size_t place) const;
  // Plans a press at atMs for the figure; after the presses already planned for that moment.
  void Plan(int64_t atMs, size_t place, int32_t spawn);
  // When the next press can come: its planned time, but not sooner than minGapMs after the last.
  int64_t NextPressMs(int32_t minGapMs) const;
  // Takes the next planned press: its place when the figure it was meant for still stands there
  // and can be shot, nothing otherwise.
  std::optional<size_t> TakeNext(const LevelPlay& play);
  // A key was pressed at nowMs.
  void Pressed(int64_t nowMs) { lastPressMs_ = nowMs; }
  // The press just taken slipped: it is tried again first, minGapMs (at least 1 ms) after nowMs.
  void Retry(int64_t nowMs, int32_t minGapMs);
  // Forgets every plan and figure, as at the start of a run.
  void Clear();

 private:
  struct Intent {
    int64_t atMs = 0;
    size_t place = 0;
    int32_t spawn = 0;  // the figure this press is meant for
  };
  std::vector<Intent> intents_;  // by planned time, then by planning order
  std::map<size_t, int32_t> spawnAtPlace_;
  int32_t spawns_ = 0;
  int64_t lastPressMs_ = -1;
  Intent taken_;
};
