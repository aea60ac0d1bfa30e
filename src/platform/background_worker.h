// SPDX-License-Identifier: GPL-3.0-or-later
// A thread of its own that runs jobs one after another, in the order they were posted, so that
// slow file work (a commit on a network home) never holds up the user-interface thread.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class BackgroundWorker {
 public:
  BackgroundWorker() = default;
  // Runs the jobs still queued, then ends the thread.
  ~BackgroundWorker();
  BackgroundWorker(const BackgroundWorker&) = delete;
  BackgroundWorker& operator=(const BackgroundWorker&) = delete;

  // Queues a job; the thread starts with the first one.
  void Post(std::function<void()> job);
  // Waits until every job posted so far has run. A job that calls it returns at once.
  void Drain();
  // Posts the job and waits for it (and all before it).
  void Run(std::function<void()> job);

 private:
  void Loop();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> jobs_;
  bool running_ = false;  // a job is being run
  bool stopping_ = false;
  std::thread thread_;
};
