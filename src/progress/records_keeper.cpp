// SPDX-License-Identifier: GPL-3.0-or-later
// The keeper of a game's Progress.db: connection, mode, lease, side files.
#include "progress/records_keeper.h"

#include <filesystem>
#include <utility>

#include "platform/durable_file.h"
#include "platform/file_lookup.h"
#include "platform/folders.h"
#include "platform/process_identity.h"
#include "platform/text_case.h"
#include "progress/records_gate.h"
#include "progress/records_mode.h"
#include "progress/side_records.h"

namespace {

constexpr const char* kLeaseSuffix = ".lease";
// A lease is a few lines; anything larger under that name is no lease.
constexpr uintmax_t kMaxLeaseBytes = 4096;

bool IsLeaseName(const std::string& name, const std::string& recordsName) {
  const std::string lower = ToLowerUtf8(name);
  const std::string prefix = ToLowerUtf8(recordsName) + ".";
  const std::string suffix = kLeaseSuffix;
  return lower.size() > prefix.size() + suffix.size() &&
         lower.compare(0, prefix.size(), prefix) == 0 &&
         lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::optional<Lease> ReadLease(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) ||
      std::filesystem::file_size(path, ec) > kMaxLeaseBytes || ec) {
    return std::nullopt;
  }
  const std::optional<std::string> text = ReadWholeFile(path);
  return text ? ParseLease(*text) : std::nullopt;
}

}  // namespace

RecordsKeeper::RecordsKeeper(KeeperSetup setup)
    : setup_(std::move(setup)),
      host_(setup_.host.empty() ? HostName() : setup_.host),
      pid_(setup_.pid != 0 ? setup_.pid : ProcessId()),
      gate_(std::make_shared<RecordsGate>()) {}

RecordsKeeper::~RecordsKeeper() {
  db_.reset();
  ReleaseLease();
}

std::string RecordsKeeper::Folder() const {
  const size_t slash = path_.rfind('/');
  return slash == std::string::npos ? std::string("./") : path_.substr(0, slash + 1);
}

std::string RecordsKeeper::RecordsName() const {
  const std::string& path = db_ && db_->IsOpen() ? db_->Path() : path_;
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

RecordsAccess RecordsKeeper::Access() const { return RecordsAccess{network_, gate_}; }

void RecordsKeeper::SetLockWaitMs(int ms) {
  lockWaitMs_ = ms;
  if (db_) db_->SetLockWaitMs(ms);
}

KeeperResult RecordsKeeper::Open(const std::string& path, int64_t nowMs) {
  KeeperResult result;
  if (path != path_) {
    // Another player folder: the old file and its lease are let go.
    db_.reset();
    ReleaseLease();
    gate_->Open();
    path_ = path;
    // SQLite makes no folders: the per-user data folder may not exist yet.
    MakeFolders(Folder());
    network_ = UsesNetworkRecords(
        setup_.mode, setup_.probe ? setup_.probe(Folder()) : FileSystemTypeOf(Folder()));
  }
  if (network_ && !HoldLease(nowMs, result)) {
    // The connection is let go while the other computer's game writes: a network file system
    // shows another computer's writes only to a file opened after them.
    db_.reset();
    return result;
  }
  if (db_ && db_->IsOpen()) {
    result.done = true;
    return result;
  }
  if (!db_) {
    db_ = std::make_unique<ProgressDatabase>(path_, Access());
    if (lockWaitMs_ >= 0) db_->SetLockWaitMs(lockWaitMs_);
  }
  try {
    db_->Open();
  } catch (const ProgressError& e) {
    result.fault = e.Fault();
    return result;
  }
  // A file that was not ours has been put aside and a new one made: the player hears of it.
  if (!db_->MovedAsideTo().empty()) {
    result.notice =
        PlayerNotice{PlayerNotice::Kind::ProgressMovedAside, {db_->Path(), db_->MovedAsideTo()}};
  }
  MergeSides();
  result.done = true;
  return result;
}

bool RecordsKeeper::HoldLease(int64_t nowMs, KeeperResult& result, bool beat) {
  if (!lease_) lease_ = Lease{host_, pid_, 0, 0};
  const int64_t since = lease_->sinceMs;
  RenewLease(*lease_, nowMs);
  const std::string recordsName = RecordsName();
  const std::string mine = Folder() + recordsName + "." + HostForFileName(host_) + "." +
                           std::to_string(pid_) + kLeaseSuffix;
  if (!leasePath_.empty() && leasePath_ != mine) RemoveFile(leasePath_);
  // Written at every beat, when first taken or taken anew; a lease that cannot be written (a
  // read-only folder) leaves the file as unwritable as it is. Not flushed: it means nothing
  // once the machine stops.
  const bool due = beat || leasePath_ != mine || lease_->sinceMs != since ||
                   nowMs - leaseWrittenMs_ >= kLeaseBeatMs;
  if (due && WriteFileDurably(mine, LeaseText(*lease_), false)) {
    leasePath_ = mine;
    leaseWrittenMs_ = nowMs;
  }
  std::vector<Lease> found;
  for (const std::string& name : FolderEntries(Folder())) {
    if (!IsLeaseName(name, recordsName)) continue;
    const std::string path = Folder() + name;
    if (path == mine) continue;
    const std::optional<Lease> lease = ReadLease(path);
    if (!lease) continue;
    // Leases of games long gone, and of this computer's games that no longer run, are cleared.
    const bool forgotten =
        !LeaseLive(*lease, nowMs) && (nowMs - lease->beatMs > kLeaseForgottenMs ||
                                      (lease->host == host_ && !ProcessRunning(lease->pid)));
    if (forgotten) {
      RemoveFile(path);
      continue;
    }
    found.push_back(*lease);
  }
  if (const std::optional<Lease> blocking = BlockingLease(*lease_, found, nowMs)) {
    gate_->Close(blocking->host);
    result.fault = ProgressFault::kOpenElsewhere;
    result.elsewhere = blocking->host;
    return false;
  }
  gate_->Open();
  // A lock of a game on another computer that came later (it should keep away, but an older
  // game knows nothing of leases) is told apart from a lock on this one.
  for (const Lease& lease : found) {
    if (lease.host != host_ && LeaseLive(lease, nowMs)) result.elsewhere = lease.host;
  }
  return true;
}

void RecordsKeeper::ReleaseLease() {
  if (!leasePath_.empty()) RemoveFile(leasePath_);
  leasePath_.clear();
  lease_.reset();
}

void RecordsKeeper::Beat(int64_t nowMs) {
  if (!network_ || !lease_) return;
  KeeperResult ignored;
  if (!HoldLease(nowMs, ignored, true)) db_.reset();
}

void RecordsKeeper::MergeSides() {
  if (!db_ || !db_->IsOpen()) return;
  try {
    MergeSideFiles(*db_, Folder(), RecordsName());
  } catch (const ProgressError&) {
    // Left for the next open or the next run's end.
  }
}

KeeperResult RecordsKeeper::Write(const std::string& path, std::vector<PendingRun>& runs,
                                  int64_t nowMs, bool runEnded) {
  KeeperResult result = Open(path, nowMs);
  if (!result.done) return result;
  result.done = false;
  try {
    db_->Write(runs);
  } catch (const ProgressError& e) {
    result.fault = e.Fault();
    // A lock held by a game on another computer is that computer's, not this one's; the
    // connection is let go as while the records are that game's.
    if (result.fault == ProgressFault::kUnavailable && !result.elsewhere.empty()) {
      result.fault = ProgressFault::kOpenElsewhere;
      db_.reset();
    }
    return result;
  }
  result.elsewhere.clear();
  if (runEnded) {
    db_->Checkpoint();
    MergeSides();
  }
  result.done = true;
  return result;
}

KeeperResult RecordsKeeper::Load(const std::string& path, const std::string& profile, int64_t nowMs,
                                 ProgressData& data) {
  KeeperResult result = Open(path, nowMs);
  if (!result.done) return result;
  result.elsewhere.clear();
  try {
    data = db_->Load(profile);
  } catch (const ProgressError& e) {
    result.done = false;
    result.fault = e.Fault();
  }
  return result;
}

KeeperResult RecordsKeeper::DeleteProfile(const std::string& path, const std::string& profile,
                                          int64_t nowMs) {
  KeeperResult result = Open(path, nowMs);
  if (!result.done) return result;
  result.done = false;
  result.elsewhere.clear();
  // Runs of the profile still in side files go with it, rather than coming back at a later merge.
  MergeSides();
  try {
    db_->DeleteProfile(profile);
  } catch (const ProgressError& e) {
    result.fault = e.Fault();
    return result;
  }
  result.done = true;
  return result;
}

bool RecordsKeeper::SaveSide(const std::vector<PendingRun>& runs) {
  if (path_.empty()) return false;
  return SaveSideFile(Folder(), RecordsName(), host_, pid_, runs).has_value();
}
