// SPDX-License-Identifier: GPL-3.0-or-later
// HandInService: the hand-ins after every run, by hand, and of deleted profiles.
#include "classroom/hand_in_service.h"

#include <cstdio>

#include "core/services.h"
#include "core/shared_state.h"
#include "platform/keyboard_layout.h"
#include "platform/player_notice.h"
#include "progress/progress_recorder.h"

HandInService::HandInService(SharedState& shared, Services& services, std::string classFolder,
                             std::string login, Post post, UtcClock utc)
    : shared_(shared),
      services_(services),
      classFolder_(std::move(classFolder)),
      login_(std::move(login)),
      post_(std::move(post)),
      self_(std::make_shared<HandInService*>(this)) {
  std::weak_ptr<HandInService*> self = self_;
  worker_ = std::make_unique<HandInWorker>(
      [self, post = post_](HandInOutcome outcome) {
        // From the worker's thread to the game's.
        if (!post) return;
        post([self, outcome = std::move(outcome)] {
          if (const auto service = self.lock()) (*service)->Finished(outcome);
        });
      },
      std::move(utc));
}

HandInService::~HandInService() {
  self_.reset();
  worker_.reset();
}

std::string HandInService::FileNameOf(const std::string& profile) const {
  return HandInFileName(login_, profile);
}

HandInJob HandInService::JobFor(const std::string& profile, const std::string& folder) {
  HandInJob job;
  job.databasePath = shared_.progress ? shared_.progress->DatabasePath()
                                      : shared_.PlayerDataDir() + kProgressFileName;
  job.profile = profile;
  if (services_.keyboard) job.layout = services_.keyboard->ActiveTable();
  job.folder = folder;
  job.fileName = FileNameOf(profile);
  return job;
}

void HandInService::RunStored(const std::string& profile) {
  if (!classFolder_.empty()) worker_->Submit(JobFor(profile, classFolder_));
  // A message kept while the level ran is told once the game is free again.
  if (!waiting_.empty() && post_) {
    std::weak_ptr<HandInService*> self = self_;
    post_([self] {
      if (const auto service = self.lock()) (*service)->TellWaiting();
    });
  }
}

void HandInService::ProfileDeleted(const std::string& profile) {
  if (classFolder_.empty()) return;
  HandInJob job;
  job.kind = HandInJob::Kind::kRemove;
  job.folder = classFolder_;
  job.fileName = FileNameOf(profile);
  worker_->Submit(std::move(job));
}

void HandInService::HandInTo(const std::string& folder) {
  if (folder.empty() || shared_.currentPlayer.empty()) return;
  HandInJob job = JobFor(shared_.currentPlayer, folder);
  job.byHand = true;
  worker_->Submit(std::move(job));
}

void HandInService::Finished(const HandInOutcome& outcome) {
  const HandInJob& job = outcome.job;
  if (!outcome.readError.empty()) {
    // The records' own troubles are the recorder's to tell; by hand, the player asked.
    std::fprintf(stderr, "keyslinger: no hand-in: %s\n", outcome.readError.c_str());
    if (job.byHand)
      Tell([this, path = outcome.write.path.empty() ? job.folder : outcome.write.path] {
        services_.messages.Show("Unable to write to " + path);
      });
    return;
  }
  if (job.kind == HandInJob::Kind::kRemove) return;
  if (!outcome.write.written) {
    std::fprintf(stderr, "keyslinger: hand-in: %s\n", outcome.write.error.c_str());
    if (!job.byHand) {
      if (failureTold_) return;
      failureTold_ = true;
    }
    Tell([this, path = outcome.write.path] {
      services_.messages.Show("Unable to write to " + path);
    });
    return;
  }
  if (job.byHand) {
    Tell([this, path = outcome.write.path] {
      services_.messages.ShowNotice({PlayerNotice::Kind::HandedIn, {path}});
    });
    return;
  }
  if (!outcome.write.groupReadable && !privateTold_) {
    privateTold_ = true;
    Tell([this] {
      services_.messages.ShowNotice({PlayerNotice::Kind::HandInPrivate, {classFolder_}});
    });
  }
}

void HandInService::Tell(std::function<void()> message) {
  // A message box in the middle of a level would stop the player's typing: it waits.
  if (shared_.progress && shared_.progress->RunOpen()) {
    waiting_.push_back(std::move(message));
    return;
  }
  message();
}

void HandInService::TellWaiting() {
  if (shared_.progress && shared_.progress->RunOpen()) return;
  std::vector<std::function<void()>> messages;
  messages.swap(waiting_);
  for (const std::function<void()>& message : messages) message();
}
