// SPDX-License-Identifier: GPL-3.0-or-later
// A thread of its own that runs jobs one after another, in the order they were posted.
#include "platform/background_worker.h"

BackgroundWorker::~BackgroundWorker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void BackgroundWorker::Post(std::function<void()> job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    if (!thread_.joinable()) thread_ = std::thread([this] { Loop(); });
  }
  changed_.notify_all();
}

void BackgroundWorker::Drain() {
  if (std::this_thread::get_id() == thread_.get_id()) return;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !running_; });
}

void BackgroundWorker::Run(std::function<void()> job) {
  Post(std::move(job));
  Drain();
}

void BackgroundWorker::Loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !jobs_.empty() || stopping_; });
    if (jobs_.empty()) return;  // stopping, and nothing left to run
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    running_ = true;
    lock.unlock();
    job();
    lock.lock();
    running_ = false;
    changed_.notify_all();
  }
}
