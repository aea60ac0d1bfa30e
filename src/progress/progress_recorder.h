// SPDX-License-Identifier: GPL-3.0-or-later
// The progress recorder: listens to level play, keeps the run and its shots in memory and
// writes them to Progress.db at each wave's end check and at the end of the run.
#pragma once
#include "level/level_listener.h"
#include "platform/player_notice.h"
#include "words/words_speed.h"
#include "progress/progress_records.h"
#include "progress/utc_time.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class MessageBoxes;
class ProgressDatabase;
class RecordsListener;
class TimerService;
struct SharedState;

inline constexpr const char* kProgressFileName = "Progress.db";

class ProgressRecorder : public LevelPlayListener {
 public:
  // Buffered shots beyond this (a database that has refused every write for hours) are given
  // up, oldest first, so memory stays bounded.
  static constexpr size_t kMaxBufferedShots = 200000;

  // Game time is read from timers (its clock, less the pauses); started_at from utc.
  ProgressRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages, UtcClock utc);
  // A run still open is written as quit, and everything buffered is tried once more, without
  // any message.
  ~ProgressRecorder() override;
  ProgressRecorder(const ProgressRecorder&) = delete;
  ProgressRecorder& operator=(const ProgressRecorder&) = delete;

  void LevelStarted(const std::string& levelName, const std::string& difficulty) override;
  void ActorSpawned(size_t place) override;
  void CharacterResolved(const std::string& typed, const std::string& result, int place,
                         const std::string& letter, bool counted, const std::string& position = {}) override;
  void MissAimedAt(size_t place, const std::string& position) override;
  void EnemyLost(size_t place, const std::string& letter, const std::string& position = {}) override;
  void WordLetterResolved(const WordShot& shot) override;
  void WordsReadyChanged(bool anyReady) override;
  void WaveEndChecked() override;
  void PauseChanged(bool paused) override;
  void LevelFinished(const LevelCounters& counters) override;
  void LevelLeft(bool restarted) override;

  // Brings a Progress.db of an older schema up to date on a worker thread: a file of a million
  // shots takes seconds, and the window stays responsive meanwhile. While it runs, rows stay
  // buffered without a report (they are written once it is done), Load answers kUpdating, and
  // deleting a profile waits for it. A file that is missing, current or not ours is left to the
  // usual opening on the game's thread. beforeUpdate runs on the worker first (tests hold it).
  void UpdateInBackground(std::function<void()> beforeUpdate = {});
  // True while the update runs; the first call after it ended joins the worker.
  bool Updating();

  // Writes what is buffered. True when everything is stored. A failure is reported once per
  // run of the program ("Unable to write to <path>") and the rows stay buffered for the next try:
  // at the next wave's end, when the level is left (also from the results screen) and at exit.
  bool Flush();
  // The profile's records, written ones and buffered ones alike once they could be written;
  // empty, with the fault named, when the database cannot be read.
  ProgressData Load(const std::string& profile);
  // Removes the profile's rows from the database and from the buffer.
  void DeleteProfile(const std::string& profile);

  std::string DatabasePath() const;
  size_t BufferedShots() const;
  bool RunOpen() const { return runOpen_; }
  // Playing time of the open run so far.
  int64_t GameMs() const;
  // The letters typed in the word waves of the last run started (open or closed), and its time
  // with a word ready to be typed: what words per minute and word accuracy are worked out from.
  const std::vector<WordKeyRecord>& WordRecords() const { return wordRecords_; }
  int64_t WordReadyMs() const;
  WordSpeed LastWordSpeed() const { return MeasureWordSpeed(wordRecords_, WordReadyMs()); }

  // Told of every run stored once it ended, and of every profile whose records are deleted;
  // set by the application, null for none.
  RecordsListener* recordsListener = nullptr;

 private:
  void CloseRun(const char* outcome);
  void Report();
  // Tells the player of a file that was moved aside, once it is safe to show a message.
  void ShowNotice();
  bool EnsureOpen();
  // Runs the database work on the open database; false when it cannot be opened or the work
  // fails.
  template <class Work>
  bool OnDatabase(Work&& work);
  void Append(ShotRecord shot);
  void Bound();

  SharedState& shared_;
  TimerService& timers_;
  MessageBoxes& messages_;
  UtcClock utc_;
  std::unique_ptr<ProgressDatabase> db_;
  std::string dbRequestedPath_;
  std::vector<PendingRun> pending_;  // the open run, when there is one, is the last
  size_t bufferedShots_ = 0;         // the shots in pending_
  bool runOpen_ = false;
  int64_t runStartNow_ = 0;
  int64_t pausedMs_ = 0;
  int64_t pauseStartNow_ = 0;
  bool paused_ = false;
  std::vector<int64_t> spawnedAt_;  // game time each place's actor appeared, by place
  std::vector<WordKeyRecord> wordRecords_;
  WordReadyClock wordReady_;
  bool wordsReadyNow_ = false;
  ProgressFault openFault_ = ProgressFault::kNone;  // why the last open failed
  std::optional<PlayerNotice> notice_;              // a message still to show
  bool reported_ = false;
  bool flushing_ = false;
  bool quiet_ = false;
  // The schema update on its worker, while one was started and not yet joined.
  struct Update {
    std::atomic<bool> done{false};
    std::thread worker;
  };
  std::unique_ptr<Update> update_;
  void WaitForUpdate();
};
