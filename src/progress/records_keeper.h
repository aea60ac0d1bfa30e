// SPDX-License-Identifier: GPL-3.0-or-later
// The keeper of a game's Progress.db: the one connection the recorder writes through, the mode
// (local, or network with its rollback journal and lease), the side files and their merging.
// It does the file work the recorder hands it, on one thread at a time (the recorder's worker).
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/school_settings.h"
#include "platform/file_system_type.h"
#include "platform/player_notice.h"
#include "progress/progress_database.h"
#include "progress/records_lease.h"

class RecordsGate;

struct KeeperSetup {
  RecordsMode mode = RecordsMode::Auto;
  std::string host;  // this computer's name; empty: HostName()
  int64_t pid = 0;   // this game's process; 0: ProcessId()
  // The file system of a folder; empty: FileSystemTypeOf.
  std::function<FileSystemType(const std::string& folder)> probe;
};

// What a piece of work came to.
struct KeeperResult {
  bool done = false;
  ProgressFault fault = ProgressFault::kNone;  // why it was not done
  std::string elsewhere;                       // kOpenElsewhere: the computer that has the records
  std::optional<PlayerNotice> notice;          // a file moved aside: to tell the player
};

class RecordsKeeper {
 public:
  explicit RecordsKeeper(KeeperSetup setup);
  // Removes this game's lease.
  ~RecordsKeeper();
  RecordsKeeper(const RecordsKeeper&) = delete;
  RecordsKeeper& operator=(const RecordsKeeper&) = delete;

  // Opens the file at path, or keeps it open when it is the one already open: the mode from the
  // setting and the folder's file system; in the network mode this game's lease, and nothing
  // further while a game on another computer took the records first; the journal and schema;
  // then the side files of the folder are merged. nowMs is UTC.
  KeeperResult Open(const std::string& path, int64_t nowMs);
  // Writes runs (as ProgressDatabase::Write). After the end of a run the journal is emptied and
  // side files that appeared meanwhile are merged.
  KeeperResult Write(const std::string& path, std::vector<PendingRun>& runs, int64_t nowMs,
                     bool runEnded);
  KeeperResult Load(const std::string& path, const std::string& profile, int64_t nowMs,
                    ProgressData& data);
  KeeperResult DeleteProfile(const std::string& path, const std::string& profile, int64_t nowMs);
  // Renews this game's lease in the network mode and looks again whether another computer has the
  // records (RecordsGate follows).
  void Beat(int64_t nowMs);
  // Saves runs to a side file of this game beside the records. True when one was written.
  bool SaveSide(const std::vector<PendingRun>& runs);
  void SetLockWaitMs(int ms);

  bool Network() const { return network_; }
  // What the game's other connections to the file need: the mode and the gate.
  RecordsAccess Access() const;
  const std::string& Host() const { return host_; }

 private:
  // Writes this game's lease and looks at the others; true while no game of another computer
  // that took the records first is live. Sets the gate either way.
  // The lease file is written when beat is set, and otherwise when it was last written a beat ago.
  bool HoldLease(int64_t nowMs, KeeperResult& result, bool beat = false);
  void ReleaseLease();
  std::string Folder() const;
  std::string RecordsName() const;
  std::string LeasePath() const;
  // Merges side files; a failure leaves them for the next time.
  void MergeSides();

  KeeperSetup setup_;
  std::string host_;
  int64_t pid_;
  std::string path_;  // the file open, or last tried
  bool network_ = false;
  std::unique_ptr<ProgressDatabase> db_;
  std::shared_ptr<RecordsGate> gate_;
  std::optional<Lease> lease_;  // mine, while written
  std::string leasePath_;
  int64_t leaseWrittenMs_ = 0;  // the beat last written to the lease file
  int lockWaitMs_ = -1;         // -1: the database's own
};
