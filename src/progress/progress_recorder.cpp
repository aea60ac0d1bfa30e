// SPDX-License-Identifier: GPL-3.0-or-later
// The progress recorder: listens to level play, keeps the run and its shots in memory and
// writes them to Progress.db at each wave's end check and at the end of the run.
#include "progress/progress_recorder.h"

#include "core/shared_state.h"
#include "platform/folders.h"
#include "platform/message_boxes.h"
#include "platform/text_case.h"
#include "platform/timer_service.h"
#include "progress/progress_database.h"
#include "progress/records_listener.h"
#include "core/result_arithmetic.h"
#include "core/level_counters.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {
// How long the last write at exit waits for another program's lock.
constexpr int kExitLockWaitMs = 1000;

// The number of a level's name "Level<N>"; 0 when it has none.
int32_t LevelNumberOf(const std::string& name) {
  constexpr std::string_view kPrefix = "level";
  if (name.size() <= kPrefix.size() || !EqualsNoCaseAscii(std::string_view(name).substr(0, kPrefix.size()), kPrefix))
    return 0;
  int32_t number = 0;
  const char* first = name.data() + kPrefix.size();
  const char* last = name.data() + name.size();
  const auto [end, error] = std::from_chars(first, last, number);
  return error == std::errc() && end == last ? number : 0;
}
}  // namespace

ProgressRecorder::ProgressRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages,
                                   UtcClock utc)
    : shared_(shared), timers_(timers), messages_(messages), utc_(std::move(utc)) {}

ProgressRecorder::~ProgressRecorder() {
  quiet_ = true;
  // An update under way is let finish: what is buffered is written into the updated file.
  WaitForUpdate();
  // The last chance for what is buffered: a lock another program holds a moment is waited for.
  if (db_) db_->SetLockWaitMs(kExitLockWaitMs);
  if (runOpen_) {
    CloseRun(kOutcomeQuit);
  } else {
    Flush();
  }
}

void ProgressRecorder::UpdateInBackground(std::function<void()> beforeUpdate) {
  if (update_) return;
  const std::string path = shared_.PlayerDataDir() + kProgressFileName;
  const auto version = ProgressDatabase::SchemaVersionOf(path);
  if (!version || *version < 1 || *version >= kProgressSchemaVersion) return;
  // The connection the game uses is opened only after the update: until then it would wait
  // for the update's lock on the game's thread.
  db_.reset();
  update_ = std::make_unique<Update>();
  Update* update = update_.get();
  update->worker = std::thread([update, path, beforeUpdate = std::move(beforeUpdate)] {
    if (beforeUpdate) beforeUpdate();
    try {
      ProgressDatabase db(path);
      db.Open();
    } catch (const ProgressError&) {
      // The game's own opening afterwards meets the same trouble and reports it.
    }
    update->done = true;
  });
}

bool ProgressRecorder::Updating() {
  if (!update_) return false;
  if (!update_->done) return true;
  WaitForUpdate();
  return false;
}

void ProgressRecorder::WaitForUpdate() {
  if (!update_) return;
  update_->worker.join();
  update_.reset();
}

std::string ProgressRecorder::DatabasePath() const {
  if (db_ && dbRequestedPath_ == shared_.PlayerDataDir() + kProgressFileName) return db_->Path();
  return shared_.PlayerDataDir() + kProgressFileName;
}

size_t ProgressRecorder::BufferedShots() const { return bufferedShots_; }

int64_t ProgressRecorder::GameMs() const {
  if (!runOpen_) return 0;
  const int64_t now = timers_.NowMs();
  const int64_t paused = pausedMs_ + (paused_ ? now - pauseStartNow_ : 0);
  return std::max<int64_t>(0, now - runStartNow_ - paused);
}

void ProgressRecorder::LevelStarted(const std::string& levelName, const std::string& difficulty) {
  if (runOpen_) CloseRun(kOutcomeQuit);  // a level started over another without leaving it
  PendingRun pending;
  pending.run.profile = shared_.currentPlayer;
  pending.run.level = LevelNumberOf(levelName);
  pending.run.difficulty = difficulty;
  pending.run.startedAt = IsoUtc(utc_ ? utc_() : 0);
  pending_.push_back(std::move(pending));
  runOpen_ = true;
  runStartNow_ = timers_.NowMs();
  pausedMs_ = 0;
  paused_ = false;
  spawnedAt_.clear();
  wordRecords_.clear();
  wordReady_ = WordReadyClock();
  wordsReadyNow_ = false;
  // The file is opened (and made, the first time) while the level loads, not in the middle of
  // a wave; a failure here is reported at the first write.
  EnsureOpen();
  ShowNotice();
}

void ProgressRecorder::ActorSpawned(size_t place) {
  if (!runOpen_) return;
  if (spawnedAt_.size() <= place) spawnedAt_.resize(place + 1, 0);
  spawnedAt_[place] = GameMs();
}

void ProgressRecorder::CharacterResolved(const std::string& typed, const std::string& result, int place,
                                         const std::string& letter, bool counted, const std::string& position) {
  if (!runOpen_) return;
  ShotRecord shot;
  shot.gameMs = GameMs();
  shot.typed = typed;
  shot.result = result;
  shot.letter = letter;
  shot.endPhase = !counted;
  // A miss is a chance at the key that was typed; a shot at a figure, at the figure's letter.
  shot.key = result == "MISS" ? ToLowerUtf8(typed) : ToLowerUtf8(letter);
  shot.position = position;
  if (result == "POINT" && place >= 0 && static_cast<size_t>(place) < spawnedAt_.size()) {
    shot.reactionMs = shot.gameMs - spawnedAt_[static_cast<size_t>(place)];
  }
  Append(std::move(shot));
}

void ProgressRecorder::MissAimedAt(size_t, const std::string& position) {
  // Told right after the miss it belongs to.
  if (!runOpen_ || pending_.empty() || pending_.back().shots.empty()) return;
  ShotRecord& shot = pending_.back().shots.back();
  if (shot.result == "MISS") shot.aimedAt = position;
}

void ProgressRecorder::EnemyLost(size_t, const std::string& letter, const std::string& position) {
  if (!runOpen_) return;
  ShotRecord shot;
  shot.gameMs = GameMs();
  shot.result = kResultLost;
  shot.letter = letter;
  shot.key = ToLowerUtf8(letter);
  shot.position = position;
  Append(std::move(shot));
}

void ProgressRecorder::WordLetterResolved(const WordShot& word) {
  if (!runOpen_) return;
  ShotRecord shot;
  shot.gameMs = GameMs();
  shot.typed = word.typed;
  shot.result = word.result;
  shot.letter = word.letter;
  shot.endPhase = !word.counted;
  shot.key = word.result == "MISS" ? ToLowerUtf8(word.typed) : ToLowerUtf8(word.letter);
  shot.position = word.position;
  shot.word = word.figure;
  if (word.wordPos >= 0) shot.wordPos = word.wordPos;
  shot.wordLen = word.wordLen;
  // A word's time from its figure's coming up measures the word, not a key: no reaction is kept.
  WordKeyRecord record;
  record.atMs = shot.gameMs;
  record.key = word.position;
  record.continued = word.result != "MISS";
  record.figure = word.figure;
  record.position = word.wordPos >= 0 ? static_cast<size_t>(word.wordPos) : 0;
  record.completedLetters = word.wordLen > 0 ? static_cast<size_t>(word.wordLen) : 0;
  record.enemy = word.result == "POINT";
  wordRecords_.push_back(std::move(record));
  Append(std::move(shot));
}

void ProgressRecorder::WordsReadyChanged(bool anyReady) {
  if (!runOpen_) return;
  wordsReadyNow_ = anyReady;
  wordReady_.Update(GameMs(), anyReady, false);
  pending_.back().run.wordReadyMs = wordReady_.ReadyMs();
}

int64_t ProgressRecorder::WordReadyMs() const {
  // The clock counts up to its last update; an open run's ready time goes on to now.
  WordReadyClock clock = wordReady_;
  if (runOpen_) clock.Update(GameMs(), wordsReadyNow_, false);
  return clock.ReadyMs();
}

void ProgressRecorder::WaveEndChecked() {
  if (!runOpen_) return;
  pending_.back().run.durationMs = GameMs();
  pending_.back().run.wordReadyMs = WordReadyMs();
  Flush();
}

void ProgressRecorder::PauseChanged(bool paused) {
  if (!runOpen_ || paused == paused_) return;
  const int64_t now = timers_.NowMs();
  if (paused) {
    pauseStartNow_ = now;
  } else {
    pausedMs_ += now - pauseStartNow_;
  }
  paused_ = paused;
}

void ProgressRecorder::LevelFinished(const LevelCounters& counters) {
  if (!runOpen_) return;
  RunRecord& run = pending_.back().run;
  // The same arithmetic the results screen shows.
  RunResult result;
  result.percent = ResultPercentOf(counters);
  result.hits = counters.Hits;
  result.misses = counters.Misses;
  result.civilians = counters.Civilians;
  result.passed = Passed(result.percent);
  run.result = result;
  CloseRun(kOutcomeFinished);
}

void ProgressRecorder::LevelLeft(bool restarted) {
  // The results screen's ways out leave a run that has already finished; what an earlier
  // write could not store is tried again all the same.
  if (runOpen_) {
    CloseRun(restarted ? kOutcomeRestarted : kOutcomeQuit);
  } else {
    Flush();
  }
}

void ProgressRecorder::CloseRun(const char* outcome) {
  RunRecord& run = pending_.back().run;
  run.durationMs = GameMs();
  run.wordReadyMs = WordReadyMs();
  wordReady_.Update(run.durationMs, false, false);
  wordsReadyNow_ = false;
  run.outcome = outcome;
  runOpen_ = false;
  paused_ = false;
  Flush();
}

void ProgressRecorder::Append(ShotRecord shot) {
  pending_.back().shots.push_back(std::move(shot));
  ++bufferedShots_;
  Bound();
}

void ProgressRecorder::Bound() {
  if (bufferedShots_ <= kMaxBufferedShots) return;
  size_t excess = bufferedShots_ - kMaxBufferedShots;
  for (PendingRun& run : pending_) {
    const size_t drop = std::min(excess, run.shots.size());
    run.shots.erase(run.shots.begin(), run.shots.begin() + static_cast<std::ptrdiff_t>(drop));
    bufferedShots_ -= drop;
    excess -= drop;
    if (excess == 0) break;
  }
}

bool ProgressRecorder::EnsureOpen() {
  if (Updating()) {
    openFault_ = ProgressFault::kUpdating;
    return false;
  }
  const std::string wanted = shared_.PlayerDataDir() + kProgressFileName;
  if (!db_ || dbRequestedPath_ != wanted) {
    db_ = std::make_unique<ProgressDatabase>(wanted);
    dbRequestedPath_ = wanted;
  }
  if (db_->IsOpen()) return true;
  // SQLite makes no folders: the per-user data folder may not exist yet.
  MakeFolders(shared_.PlayerDataDir());
  try {
    db_->Open();
  } catch (const ProgressError& e) {
    openFault_ = e.Fault();
    return false;
  }
  openFault_ = ProgressFault::kNone;
  // A file that was not ours has been put aside and a new one made: the player hears what
  // happened. That is no write failure, so a later one is still reported.
  if (!db_->MovedAsideTo().empty()) {
    notice_ = PlayerNotice{PlayerNotice::Kind::ProgressMovedAside, {db_->Path(), db_->MovedAsideTo()}};
  }
  return true;
}

template <class Work>
bool ProgressRecorder::OnDatabase(Work&& work) {
  if (!EnsureOpen()) return false;
  try {
    work();
    return true;
  } catch (const ProgressError&) {
    return false;
  }
}

bool ProgressRecorder::Flush() {
  if (flushing_) return false;
  if (pending_.empty()) return true;
  // Kept until the update is done, which is no failure to report.
  if (Updating()) return false;
  flushing_ = true;
  const bool written = OnDatabase([&] { db_->Write(pending_); });
  // The profiles whose ended runs this write stored, each once.
  std::vector<std::string> stored;
  if (written) {
    // Closed runs are stored whole; the open one stays, with its id, for its next shots.
    const size_t keep = runOpen_ ? 1 : 0;
    for (auto run = pending_.begin(); run != pending_.end() - static_cast<std::ptrdiff_t>(keep); ++run) {
      const std::string& profile = run->run.profile;
      if (std::none_of(stored.begin(), stored.end(),
                       [&](const std::string& other) { return EqualsNoCaseAscii(other, profile); }))
        stored.push_back(profile);
    }
    pending_.erase(pending_.begin(), pending_.end() - static_cast<std::ptrdiff_t>(keep));
    bufferedShots_ = 0;
    if (!runOpen_) db_->Checkpoint();
  }
  flushing_ = false;
  if (recordsListener) {
    for (const std::string& profile : stored) recordsListener->RunStored(profile);
  }
  // Last, as the message box runs a nested event loop that may bring more events here.
  ShowNotice();
  if (!written) Report();
  return written;
}

void ProgressRecorder::ShowNotice() {
  if (!notice_ || flushing_) return;
  const PlayerNotice notice = std::move(*notice_);
  notice_.reset();
  if (!quiet_) messages_.ShowNotice(notice);
}

void ProgressRecorder::Report() {
  if (reported_ || quiet_) return;
  reported_ = true;
  messages_.Show("Unable to write to " + DatabasePath());
}

ProgressData ProgressRecorder::Load(const std::string& profile) {
  Flush();
  ProgressData data;
  if (!EnsureOpen()) {
    data.fault = openFault_;
  } else {
    try {
      data = db_->Load(profile);
    } catch (const ProgressError& e) {
      data.fault = e.Fault();
    }
  }
  ShowNotice();
  return data;
}

void ProgressRecorder::DeleteProfile(const std::string& profile) {
  WaitForUpdate();
  // Buffered runs of the profile go too; an open run is never the deleted profile's, as the
  // dialog is reached from the menu only.
  const size_t keep = runOpen_ ? 1 : 0;
  pending_.erase(std::remove_if(pending_.begin(), pending_.end() - static_cast<std::ptrdiff_t>(keep),
                                [&](const PendingRun& run) { return EqualsNoCaseAscii(run.run.profile, profile); }),
                 pending_.end() - static_cast<std::ptrdiff_t>(keep));
  bufferedShots_ = 0;
  for (const PendingRun& run : pending_) bufferedShots_ += run.shots.size();
  const bool deleted = OnDatabase([&] { db_->DeleteProfile(profile); });
  if (recordsListener) recordsListener->ProfileDeleted(profile);
  ShowNotice();
  if (!deleted) Report();
}
