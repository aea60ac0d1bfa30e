// SPDX-License-Identifier: GPL-3.0-or-later
// The progress recorder: listens to level play, keeps the run and its shots in memory and has
// them written to Progress.db on a worker every few seconds of a run, at each wave's end check,
// and (waiting for it) at the end of the run.
#pragma once
#include "level/level_listener.h"
#include "platform/background_worker.h"
#include "platform/player_notice.h"
#include "progress/progress_records.h"
#include "progress/records_keeper.h"
#include "progress/utc_time.h"
#include "words/words_speed.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MessageBoxes;
class ProgressDatabase;
class RecordsListener;
class TimerService;
class Timer;
struct SharedState;

inline constexpr const char* kProgressFileName = "Progress.db";

class ProgressRecorder : public LevelPlayListener {
 public:
  // Buffered shots beyond this (a database that has refused every write for hours) are given
  // up, oldest first, so memory stays bounded.
  static constexpr size_t kMaxBufferedShots = 200000;
  // While a run goes on, what it has recorded is handed to the worker this often: a kill or a
  // power cut costs at most this much play and the time its commit takes.
  static constexpr int kWriteEveryMs = 5000;
  // After a write failed, the writes during play try again only this long after (a run's end and
  // the other ways out always try).
  static constexpr int64_t kRetryAfterFailureMs = 30000;

  // Game time is read from timers (its clock, less the pauses); started_at and the lease's
  // heartbeat from utc. keeper says how Progress.db is kept (the records mode) and, for tests,
  // which computer and process this game counts as.
  ProgressRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages, UtcClock utc,
                   KeeperSetup keeper = {});
  // A run still open is written as quit, and everything buffered is tried once more, without
  // any message; what still cannot be written (the file locked or unreachable, or open on another
  // computer) is saved to a side file beside it, added to the records at a later open.
  ~ProgressRecorder() override;
  ProgressRecorder(const ProgressRecorder&) = delete;
  ProgressRecorder& operator=(const ProgressRecorder&) = delete;

  void LevelStarted(const std::string& levelName, const std::string& difficulty) override;
  void ActorSpawned(size_t place) override;
  void CharacterResolved(const std::string& typed, const std::string& result, int place,
                         const std::string& letter, bool counted, const std::string& position = {}) override;
  void MissAimedAt(size_t place, const std::string& position) override;
  void MissCharged(const std::string& position) override;
  void LostCharged(const std::string& position) override;
  void EnemyLost(size_t place, const std::string& letter, const std::string& position = {}) override;
  void WordLetterResolved(const WordShot& shot) override;
  void WordsReadyChanged(bool anyReady) override;
  void WaveEndChecked() override;
  void PauseChanged(bool paused) override;
  void LevelFinished(const LevelCounters& counters) override;
  void LevelLeft(bool restarted) override;

  // Brings a Progress.db of an older schema up to date on the worker: a file of a million shots
  // takes seconds, and the window stays responsive meanwhile. While it runs, rows stay buffered
  // without a report (they are written once it is done), Load answers kUpdating, and deleting a
  // profile waits for it. A file that is missing, current or not ours is left to the usual
  // opening. beforeUpdate runs on the worker first (tests hold it).
  void UpdateInBackground(std::function<void()> beforeUpdate = {});
  // True while the update runs.
  bool Updating() const { return updating_; }

  // Writes what is buffered and waits for it. True when everything is stored. A failure is
  // reported once per run of the program ("Unable to write to <path>"; in the network mode,
  // once, that the records are open on another computer) and the rows stay buffered for the next
  // try: during play, at the next wave's end, when the level is left (also from the results
  // screen) and at exit.
  bool Flush();
  // Waits until the writes handed to the worker are done.
  void WaitForWrites();
  // The profile's records, written ones and buffered ones alike once they could be written;
  // empty, with the fault named, when the database cannot be read.
  ProgressData Load(const std::string& profile);
  // Removes the profile's rows from the database and from the buffer.
  void DeleteProfile(const std::string& profile);
  // How the game's other connections to Progress.db (practice's) must keep it: the mode and the
  // gate that closes while another computer has the records.
  RecordsAccess Access();

  std::string DatabasePath() const;
  // Shots recorded and not yet stored (handed to the worker or not).
  size_t BufferedShots() const { return bufferedShots_; }
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
  // A write handed to the worker: copies of the runs, whose shots were moved out of the buffer.
  struct Flight {
    std::vector<PendingRun> runs;
    KeeperResult result;
    std::atomic<bool> done{false};
  };

  void CloseRun(const char* outcome);
  // Hands the buffer to the worker (nothing while another write is in flight).
  void StartWrite(bool runEnded);
  // Takes in the write in flight when it is done (waiting for it when wait is set): stored runs
  // leave the buffer, refused shots go back to its front. True when none is left in flight.
  bool Land(bool wait);
  // Notes what a piece of work came to: the notices and the report to show.
  void Take(const KeeperResult& result, bool writing);
  // Shows the notices and the report, once it is safe to show a message.
  void ShowPending();
  // The write during play: every kWriteEveryMs, and at each wave's end.
  void WriteDuringPlay(bool waveEnd);
  std::string WantedPath() const;
  int64_t UtcNow() const;
  void Append(ShotRecord shot);
  // The newest shot of the open run when its result is the one given; null otherwise.
  ShotRecord* LastShot(std::string_view result);
  void Bound();

  SharedState& shared_;
  TimerService& timers_;
  MessageBoxes& messages_;
  UtcClock utc_;
  KeeperSetup keeperSetup_;
  std::unique_ptr<RecordsKeeper> keeper_;  // used on the worker only
  std::shared_ptr<const RecordsGate> gate_;
  std::vector<PendingRun> pending_;  // the open run, when there is one, is the last
  size_t bufferedShots_ = 0;         // the shots in pending_ and in flight
  std::shared_ptr<Flight> flight_;
  bool flightOpenLast_ = false;  // the last run in flight was still open when handed over
  bool runOpen_ = false;
  int64_t runStartNow_ = 0;
  int64_t pausedMs_ = 0;
  int64_t pauseStartNow_ = 0;
  bool paused_ = false;
  std::vector<int64_t> spawnedAt_;  // game time each place's actor appeared, by place
  std::vector<WordKeyRecord> wordRecords_;
  // For the word letters' typing times: the last key press in a word wave and whether it missed,
  // when the last lock on a word ended, and the place of the word locked now (-1: none).
  std::optional<int64_t> lastWordPressMs_;
  bool lastWordPressMissed_ = false;
  int64_t lockEndedMs_ = 0;
  int lockedPlace_ = -1;
  WordReadyClock wordReady_;
  bool wordsReadyNow_ = false;
  ProgressFault lastFault_ = ProgressFault::kNone;  // why the last piece of work was not done
  std::optional<int64_t> lastFailureNow_;           // timer time of the last failed write
  std::vector<PlayerNotice> notices_;               // messages still to show
  bool reportDue_ = false;
  bool reported_ = false;
  bool toldElsewhere_ = false;
  bool flushing_ = false;
  bool showing_ = false;
  bool quiet_ = false;
  std::atomic<bool> updating_{false};
  std::unique_ptr<Timer> writeTimer_;
  std::unique_ptr<Timer> beatTimer_;
  // Last: it ends, with its jobs, before the keeper they use.
  BackgroundWorker worker_;
};
