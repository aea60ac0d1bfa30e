// SPDX-License-Identifier: GPL-3.0-or-later
// HandInService: follows the progress records and keeps each profile's hand-in up to date in
// the class folder; writes one by hand where the player chooses; removes a deleted profile's.
// It tells the player of a failure once, never while a level runs, and costs nothing else.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classroom/hand_in_worker.h"
#include "progress/records_listener.h"

struct PlayerNotice;
struct Services;
struct SharedState;

class HandInService : public RecordsListener {
 public:
  // Runs a function on the game's thread once it is free (the application's event loop).
  using Post = std::function<void(std::function<void()>)>;

  // classFolder empty: no class folder, only HAND IN by hand. login names the files.
  HandInService(SharedState& shared, Services& services, std::string classFolder, std::string login,
                Post post, UtcClock utc);
  // Waits for the hand-ins under way.
  ~HandInService() override;

  void RunStored(const std::string& profile) override;
  void ProfileDeleted(const std::string& profile) override;
  // HAND IN: the current profile's hand-in, written to folder; the player hears how it went.
  void HandInTo(const std::string& folder);
  // Tells what waited for a level to end.
  void TellWaiting();

  const std::string& ClassFolder() const { return classFolder_; }
  std::string FileNameOf(const std::string& profile) const;
  // Waits until the hand-ins submitted so far are written (tests).
  void WaitIdle() { worker_->WaitIdle(); }

 private:
  HandInJob JobFor(const std::string& profile, const std::string& folder);
  void Finished(const HandInOutcome& outcome);
  void Tell(std::function<void()> message);

  SharedState& shared_;
  Services& services_;
  std::string classFolder_;
  std::string login_;
  Post post_;
  bool failureTold_ = false;
  bool privateTold_ = false;
  std::vector<std::function<void()>> waiting_;  // messages kept until no level runs
  // Outcomes posted to the game's thread find the service only while it lives.
  std::shared_ptr<HandInService*> self_;
  std::unique_ptr<HandInWorker> worker_;  // last: it ends first, finishing its jobs
};
