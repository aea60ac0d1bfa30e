// SPDX-License-Identifier: GPL-3.0-or-later
// The progress recorder: listens to level play, keeps the run and its shots in memory and has
// them written to Progress.db on a worker during the run and at its end.
#include "progress/progress_recorder.h"

#include "core/level_counters.h"
#include "core/result_arithmetic.h"
#include "core/shared_state.h"
#include "platform/file_lookup.h"
#include "platform/message_boxes.h"
#include "platform/text_case.h"
#include "platform/timer_service.h"
#include "progress/progress_database.h"
#include "progress/records_mode.h"
#include "progress/records_listener.h"
#include "core/result_arithmetic.h"
#include "core/level_counters.h"

#include <algorithm>
#include <charconv>
#include <deque>
#include <iterator>
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
                                   UtcClock utc, KeeperSetup keeper)
    : shared_(shared),
      timers_(timers),
      messages_(messages),
      utc_(std::move(utc)),
      keeperSetup_(keeper),
      keeper_(std::make_unique<RecordsKeeper>(std::move(keeper))),
      gate_(keeper_->Access().gate) {
  writeTimer_ = timers_.CreateTimer(kWriteEveryMs, [this] { WriteDuringPlay(false); });
  // The lease says this game still runs; it is renewed whether or not a level is played.
  beatTimer_ = timers_.CreateTimer(static_cast<int>(kLeaseBeatMs), [this] {
    const int64_t now = UtcNow();
    worker_.Post([keeper = keeper_.get(), now] { keeper->Beat(now); });
  });
  beatTimer_->SetEnabled(true);
}

ProgressRecorder::~ProgressRecorder() {
  quiet_ = true;
  writeTimer_.reset();
  beatTimer_.reset();
  // An update under way is let finish: what is buffered is written into the updated file.
  worker_.Drain();
  Land(true);
  // The last chance for what is buffered: a lock another program holds a moment is waited for.
  worker_.Post([keeper = keeper_.get()] { keeper->SetLockWaitMs(kExitLockWaitMs); });
  if (runOpen_) {
    CloseRun(kOutcomeQuit);
  } else {
    Flush();
  }
  // Runs the file refused for now (locked, unreachable, open on another computer) go to a side
  // file; a file that is no records of this game's (newer, incomplete) gets none.
  if (!pending_.empty() && (lastFault_ == ProgressFault::kUnavailable || lastFault_ == ProgressFault::kOpenElsewhere)) {
    worker_.Run([this] { keeper_->SaveSide(pending_); });
  }
  // The lease goes with the keeper, on the worker that used it.
  worker_.Run([this] { keeper_.reset(); });
}

void ProgressRecorder::UpdateInBackground(std::function<void()> beforeUpdate) {
  if (updating_) return;
  const std::string path = WantedPath();
  const auto version = ProgressDatabase::SchemaVersionOf(path);
  if (!version || *version < 1 || *version >= kProgressSchemaVersion) return;
  updating_ = true;
  const int64_t now = UtcNow();
  worker_.Post([this, path, now, beforeUpdate = std::move(beforeUpdate)] {
    if (beforeUpdate) beforeUpdate();
    // Opening brings the file up to date; what goes wrong is met again, and told, by the game's
    // next use of the file.
    keeper_->Open(path, now);
    updating_ = false;
  });
}

std::string ProgressRecorder::WantedPath() const { return shared_.PlayerDataDir() + kProgressFileName; }

int64_t ProgressRecorder::UtcNow() const { return utc_ ? utc_() : 0; }

std::string ProgressRecorder::DatabasePath() const { return ResolvePathNoCase(WantedPath()); }

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
  lastWordPressMs_.reset();
  lastWordPressMissed_ = false;
  lockEndedMs_ = 0;
  lockedPlace_ = -1;
  wordRecords_.clear();
  wordReady_ = WordReadyClock();
  wordsReadyNow_ = false;
  writeTimer_->SetEnabled(true);
  // The file is opened (and made, the first time) while the level loads, before its clock runs,
  // and what came of it (a file moved aside, the records open on another computer) is told now
  // rather than in the middle of a wave.
  if (!updating_) {
    Land(true);
    KeeperResult result;
    const std::string path = WantedPath();
    const int64_t now = UtcNow();
    worker_.Run([&] { result = keeper_->Open(path, now); });
    Take(result, false);
  }
  ShowPending();
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

ShotRecord* ProgressRecorder::LastShot(std::string_view result) {
  if (!runOpen_ || pending_.empty() || pending_.back().shots.empty()) return nullptr;
  ShotRecord& shot = pending_.back().shots.back();
  return shot.result == result ? &shot : nullptr;
}

// Each told right after the row it belongs to.
void ProgressRecorder::MissAimedAt(size_t, const std::string& position) {
  if (ShotRecord* shot = LastShot(kResultMiss)) shot->aimedAt = position;
}

void ProgressRecorder::MissCharged(const std::string& position) {
  if (ShotRecord* shot = LastShot(kResultMiss)) shot->charged = position;
}

void ProgressRecorder::LostCharged(const std::string& position) {
  if (ShotRecord* shot = LastShot(kResultLost)) shot->charged = position;
}

void ProgressRecorder::EnemyLost(size_t place, const std::string& letter, const std::string& position) {
  if (!runOpen_) return;
  // A locked word whose figure acted: the lock ended now.
  if (lockedPlace_ >= 0 && static_cast<size_t>(lockedPlace_) == place) {
    lockEndedMs_ = GameMs();
    lockedPlace_ = -1;
  }
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
  shot.charged = word.charged;
  const bool missed = word.result == "MISS";
  if (!missed && !lastWordPressMissed_ && !word.charged.empty()) {
    // While a word is locked every press goes to it, so the press before is its previous one.
    int64_t from = lastWordPressMs_.value_or(0);
    if (word.wordPos == 0) {
      const int64_t appeared = word.place >= 0 && static_cast<size_t>(word.place) < spawnedAt_.size()
                                   ? spawnedAt_[static_cast<size_t>(word.place)]
                                   : 0;
      from = std::max(appeared, lockEndedMs_);
    }
    shot.typingMs = std::max<int64_t>(0, shot.gameMs - from);
  }
  lastWordPressMs_ = shot.gameMs;
  lastWordPressMissed_ = missed;
  if (!missed) {
    const bool completed = word.wordLen > 0;
    if (completed) lockEndedMs_ = shot.gameMs;
    lockedPlace_ = completed ? -1 : word.place;
  }
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

void ProgressRecorder::WaveEndChecked() { WriteDuringPlay(true); }

void ProgressRecorder::WriteDuringPlay(bool waveEnd) {
  if (!runOpen_ || flushing_ || showing_) return;
  // One piece of work at a time: a commit slower than the period is waited out, not queued.
  if (!Land(false) || updating_) return;
  if (!waveEnd && lastFailureNow_ && timers_.NowMs() - *lastFailureNow_ < kRetryAfterFailureMs) return;
  PendingRun& open = pending_.back();
  // Nothing new since the last write (a pause, a player who types nothing): nothing to commit.
  if (bufferedShots_ == 0 && pending_.size() == 1 && open.run.id != 0 && !waveEnd) return;
  open.run.durationMs = GameMs();
  open.run.wordReadyMs = WordReadyMs();
  StartWrite(false);
  ShowPending();
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
  if (writeTimer_) writeTimer_->SetEnabled(false);
  Flush();
}

void ProgressRecorder::Append(ShotRecord shot) {
  pending_.back().shots.push_back(std::move(shot));
  ++bufferedShots_;
  Bound();
}

void ProgressRecorder::Bound() {
  if (bufferedShots_ <= kMaxBufferedShots) return;
  // Shots in flight are the worker's until they land (the oldest among them); the bound is kept
  // again then.
  if (flight_ && !Land(false)) return;
  size_t excess = bufferedShots_ - kMaxBufferedShots;
  for (PendingRun& run : pending_) {
    const size_t drop = std::min(excess, run.shots.size());
    run.shots.erase(run.shots.begin(), run.shots.begin() + static_cast<std::ptrdiff_t>(drop));
    bufferedShots_ -= drop;
    excess -= drop;
    if (excess == 0) break;
  }
}

void ProgressRecorder::StartWrite(bool runEnded) {
  if (flight_ || pending_.empty()) return;
  auto flight = std::make_shared<Flight>();
  flight->runs.reserve(pending_.size());
  // The shots move to the worker; the runs' rows stay here, where the open run goes on.
  for (PendingRun& run : pending_) {
    PendingRun handed;
    handed.run = run.run;
    handed.shots = std::move(run.shots);
    run.shots.clear();
    flight->runs.push_back(std::move(handed));
  }
  flightOpenLast_ = runOpen_;
  const std::string path = WantedPath();
  const int64_t now = UtcNow();
  worker_.Post([keeper = keeper_.get(), flight, path, now, runEnded] {
    flight->result = keeper->Write(path, flight->runs, now, runEnded);
    flight->done = true;
  });
  flight_ = std::move(flight);
}

bool ProgressRecorder::Land(bool wait) {
  if (!flight_) return true;
  if (wait) {
    worker_.Drain();
  } else if (!flight_->done) {
    return false;
  }
  const std::shared_ptr<Flight> flight = std::move(flight_);
  flight_.reset();
  const size_t handed = flight->runs.size();
  // The profiles whose ended runs this write stored, each once.
  std::vector<std::string> stored;
  if (flight->result.done) {
    for (size_t i = 0; i < handed; ++i) {
      pending_[i].run.id = flight->runs[i].run.id;
    }
    // The runs closed when handed over are stored whole; the one that was open stays, with its
    // id, for its next shots (and its outcome, should it have ended since).
    bufferedShots_ = 0;
    for (const PendingRun& run : pending_) bufferedShots_ += run.shots.size();
    const size_t closed = flightOpenLast_ ? handed - 1 : handed;
    for (size_t i = 0; i < closed; ++i) {
      const std::string& profile = pending_[i].run.profile;
      if (std::none_of(stored.begin(), stored.end(),
                       [&](const std::string& other) { return EqualsNoCaseAscii(other, profile); }))
        stored.push_back(profile);
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(closed));
  } else {
    // Refused: the shots go back before those recorded meanwhile.
    for (size_t i = 0; i < handed; ++i) {
      std::deque<ShotRecord>& shots = pending_[i].shots;
      std::deque<ShotRecord>& back = flight->runs[i].shots;
      shots.insert(shots.begin(), std::make_move_iterator(back.begin()), std::make_move_iterator(back.end()));
    }
    Bound();
  }
  Take(flight->result, true);
  if (recordsListener) {
    for (const std::string& profile : stored) recordsListener->RunStored(profile);
  }
  return true;
}

void ProgressRecorder::Take(const KeeperResult& result, bool writing) {
  if (result.notice) notices_.push_back(*result.notice);
  if (result.done) {
    if (writing) {
      lastFault_ = ProgressFault::kNone;
      lastFailureNow_.reset();
    }
    return;
  }
  lastFault_ = result.fault;
  if (writing) lastFailureNow_ = timers_.NowMs();
  if (result.fault == ProgressFault::kOpenElsewhere) {
    // Another computer has the records: the player hears it once, in place of the failure.
    if (!toldElsewhere_) {
      toldElsewhere_ = true;
      notices_.push_back(PlayerNotice{PlayerNotice::Kind::ProgressOpenElsewhere, {result.elsewhere}});
    }
  } else if (writing && result.fault != ProgressFault::kUpdating) {
    reportDue_ = true;
  }
}

void ProgressRecorder::ShowPending() {
  // The message box runs a nested event loop that may bring more events here: never from inside
  // a write, and never twice at once.
  if (flushing_ || showing_) return;
  showing_ = true;
  while (!notices_.empty()) {
    const PlayerNotice notice = std::move(notices_.front());
    notices_.erase(notices_.begin());
    if (!quiet_) messages_.ShowNotice(notice);
  }
  if (reportDue_ && !reported_ && !quiet_) {
    reported_ = true;
    messages_.Show("Unable to write to " + DatabasePath());
  }
  reportDue_ = false;
  showing_ = false;
}

bool ProgressRecorder::Flush() {
  if (flushing_) return false;
  // Kept until the update is done, which is no failure to report.
  if (updating_) return false;
  flushing_ = true;
  Land(true);
  bool written = true;
  if (!pending_.empty()) {
    StartWrite(!runOpen_);
    const std::shared_ptr<Flight> flight = flight_;
    Land(true);
    written = flight && flight->result.done;
  }
  flushing_ = false;
  ShowPending();
  return written;
}

void ProgressRecorder::WaitForWrites() {
  worker_.Drain();
  Land(true);
  ShowPending();
}

ProgressData ProgressRecorder::Load(const std::string& profile) {
  ProgressData data;
  if (updating_) {
    data.fault = ProgressFault::kUpdating;
    return data;
  }
  Flush();
  KeeperResult result;
  const std::string path = WantedPath();
  const int64_t now = UtcNow();
  worker_.Run([&] { result = keeper_->Load(path, profile, now, data); });
  if (!result.done) {
    data = ProgressData{};
    data.fault = result.fault;
  }
  Take(result, false);
  ShowPending();
  return data;
}

void ProgressRecorder::DeleteProfile(const std::string& profile) {
  // Waits for the update as well.
  worker_.Drain();
  Land(true);
  // Buffered runs of the profile go too; an open run is never the deleted profile's, as the
  // dialog is reached from the menu only.
  const size_t keep = runOpen_ ? 1 : 0;
  pending_.erase(std::remove_if(pending_.begin(), pending_.end() - static_cast<std::ptrdiff_t>(keep),
                                [&](const PendingRun& run) { return EqualsNoCaseAscii(run.run.profile, profile); }),
                 pending_.end() - static_cast<std::ptrdiff_t>(keep));
  bufferedShots_ = 0;
  for (const PendingRun& run : pending_) bufferedShots_ += run.shots.size();
  KeeperResult result;
  const std::string path = WantedPath();
  const int64_t now = UtcNow();
  worker_.Run([&] { result = keeper_->DeleteProfile(path, profile, now); });
  Take(result, true);
  if (recordsListener && result.done) recordsListener->ProfileDeleted(profile);
  ShowPending();
}

RecordsAccess ProgressRecorder::Access() {
  // The lease is looked at first, so that the gate says how things stand now.
  if (!updating_) {
    Land(true);
    const std::string path = WantedPath();
    const int64_t now = UtcNow();
    KeeperResult result;
    worker_.Run([&] { result = keeper_->Open(path, now); });
    Take(result, false);
  }
  const std::string folder = shared_.PlayerDataDir();
  const FileSystemType type = keeperSetup_.probe ? keeperSetup_.probe(folder) : FileSystemTypeOf(folder);
  return RecordsAccess{UsesNetworkRecords(keeperSetup_.mode, type), gate_};
}
