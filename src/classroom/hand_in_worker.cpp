// SPDX-License-Identifier: GPL-3.0-or-later
// HandInWorker: makes and writes hand-ins on a thread of its own.
#include "classroom/hand_in_worker.h"

#include "classroom/hand_in_format.h"
#include "classroom/hand_in_gather.h"
#include "progress/progress_database.h"

HandInWorker::HandInWorker(std::function<void(HandInOutcome)> done, UtcClock utc)
    : done_(std::move(done)), utc_(std::move(utc)) {}

HandInWorker::~HandInWorker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void HandInWorker::Submit(HandInJob job) {
  {
    std::lock_guard lock(mutex_);
    for (HandInJob& waiting : queue_) {
      if (waiting.folder == job.folder && waiting.fileName == job.fileName && !waiting.byHand &&
          !job.byHand) {
        waiting = std::move(job);
        return;
      }
    }
    queue_.push_back(std::move(job));
    // The thread is made with the first job: a game without hand-ins never starts one.
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  }
  wake_.notify_one();
}

void HandInWorker::WaitIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void HandInWorker::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;  // stopping, with nothing left to do
    HandInJob job = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    lock.unlock();
    HandInOutcome outcome = Do(job);
    if (done_) done_(std::move(outcome));
    lock.lock();
    busy_ = false;
    if (queue_.empty()) idle_.notify_all();
  }
}

HandInOutcome HandInWorker::Do(const HandInJob& job) {
  HandInOutcome outcome;
  outcome.job = job;
  if (job.kind == HandInJob::Kind::kRemove) {
    outcome.write.path = job.folder + "/" + job.fileName;
    outcome.write.written = RemoveHandInFile(job.folder, job.fileName);
    return outcome;
  }
  std::string bytes;
  try {
    ProgressDatabase db(job.databasePath);
    db.OpenReadOnly();
    bytes = HandInBytes(
        GatherHandIn(db, job.profile, job.layout ? &*job.layout : nullptr, utc_ ? utc_() : 0));
  } catch (const ProgressError& e) {
    outcome.readError = e.what();
    return outcome;
  }
  outcome.write = WriteHandInFile(job.folder, job.fileName, bytes);
  return outcome;
}
