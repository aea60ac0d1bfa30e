// SPDX-License-Identifier: GPL-3.0-or-later
// HandInWorker: makes and writes hand-ins on a thread of its own, so that the game's thread never
// waits for the records to be read or for a slow or missing share.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "classroom/hand_in_file.h"
#include "platform/key_table.h"
#include "progress/utc_time.h"

struct HandInJob {
  enum class Kind { kWrite, kRemove };
  Kind kind = Kind::kWrite;
  std::string databasePath;  // the profile's Progress.db
  std::string profile;
  std::optional<KeyTable> layout;  // the pupil's layout now; none: US names
  std::string folder;
  std::string fileName;
  bool byHand = false;  // HAND IN on PROGRESS: the player waits to hear how it went
};

struct HandInOutcome {
  HandInJob job;
  HandInWrite write;      // of a write; a removal sets written when the file is gone
  std::string readError;  // the records could not be read: nothing was written
};

class HandInWorker {
 public:
  // done is called on the worker's thread after each job.
  HandInWorker(std::function<void(HandInOutcome)> done, UtcClock utc);
  // Finishes the jobs still queued, then ends the thread.
  ~HandInWorker();
  HandInWorker(const HandInWorker&) = delete;
  HandInWorker& operator=(const HandInWorker&) = delete;

  // Queues a job; one still waiting for the same file is replaced, as only the newest counts.
  void Submit(HandInJob job);
  // Waits until every job submitted so far is done (tests, and the end of the program).
  void WaitIdle();

 private:
  void Run();
  HandInOutcome Do(const HandInJob& job);

  std::function<void(HandInOutcome)> done_;
  UtcClock utc_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<HandInJob> queue_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread thread_;
};
