// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db on a network home: the mode the file system picks (and the setting that forces
// one), the rollback journal, the leases that tell another computer's game from a lock on this
// one, and the side files through which a pupil logged in twice loses no run and damages no file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/file_system_type.h"
#include "progress/progress_database.h"
#include "progress/records_gate.h"
#include "progress/records_lease.h"
#include "progress/records_mode.h"
#include "progress/side_records.h"
#include "records_support.h"

namespace {

using records_test::Exec;
using records_test::Folder;
using records_test::Game;
using records_test::One;

constexpr uint64_t kExt4 = 0xEF53;
constexpr uint64_t kTmpfs = 0x01021994;
constexpr uint64_t kFuse = 0x65735546;

TEST(RecordsMode, TheFileSystemPicksItAndTheSettingOverridesIt) {
  const struct {
    const char* name;
    FileSystemType type;
    bool network;
  } types[] = {
      {"NFS", {0x6969, "nfs4"}, true},
      {"NFS, type from statfs alone", {0x6969, ""}, true},
      {"CIFS", {0xFF534D42, "cifs"}, true},
      {"SMB2", {0xFE534D42, "smb3"}, true},
      {"FUSE sshfs", {kFuse, "fuse.sshfs"}, true},
      {"FUSE of a kind not named", {kFuse, "fuse.someday"}, true},
      {"FUSE without a mount table", {kFuse, ""}, true},
      {"FUSE over a local disk (ntfs-3g)", {kFuse, "fuseblk"}, false},
      {"9p (WSL's drives)", {0x01021997, "9p"}, true},
      {"AFS", {0x5346414F, "afs"}, true},
      {"Ceph", {0x00C36400, "ceph"}, true},
      {"ext4", {kExt4, "ext4"}, false},
      {"tmpfs", {kTmpfs, "tmpfs"}, false},
      {"unknown", {0, ""}, false},
  };
  for (const auto& t : types) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(IsNetworkFileSystem(t.type), t.network);
    EXPECT_EQ(UsesNetworkRecords(RecordsMode::Auto, t.type), t.network);
    EXPECT_TRUE(UsesNetworkRecords(RecordsMode::Network, t.type));
    EXPECT_FALSE(UsesNetworkRecords(RecordsMode::Local, t.type));
  }
}

TEST(RecordsMode, TheMountTableNamesTheMountThatHoldsAFolder) {
  const std::string table =
      "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
      "28 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
      "40 28 0:40 / /home rw,relatime shared:20 - nfs4 server:/home rw,vers=4.2\n"
      "41 40 0:41 / /home/ann/My\\040Games rw,nosuid master:7 - fuse.sshfs ann@school:/games "
      "rw,user_id=1000\n"
      "42 28 0:42 / /homework rw - tmpfs tmpfs rw\n"
      "43 40 0:43 / /home/bob rw - tmpfs tmpfs rw\n"
      "44 40 0:44 / /home/bob rw - cifs //server/bob rw\n"
      "garbled line\n";
  EXPECT_EQ(MountTypeOf(table, "/home/ann/.local/share/keyslinger"), "nfs4");
  EXPECT_EQ(MountTypeOf(table, "/home/ann/My Games/keyslinger"), "fuse.sshfs");
  EXPECT_EQ(MountTypeOf(table, "/homework/keyslinger"), "tmpfs");  // not under /home
  EXPECT_EQ(MountTypeOf(table, "/home/bob/x"), "cifs");  // the later mount over the same folder
  EXPECT_EQ(MountTypeOf(table, "/usr/games"), "ext4");
  EXPECT_EQ(MountTypeOf(table, "relative/path"), "");
  // The kernel's answer for a folder of this machine.
  const FileSystemType proc = FileSystemTypeOf("/proc/self");
  EXPECT_EQ(proc.magic, 0x9FA0u);
  EXPECT_EQ(proc.mountType, "proc");
}

RecordsAccess NetworkAccess() { return RecordsAccess{true, nullptr}; }

TEST(NetworkJournal, IsARollbackJournalCheckedOnEveryOpenAndNeverTakenFromAGameThatHoldsTheLog) {
  Folder folder;
  const std::string path = folder.path + kProgressFileName;
  {
    ProgressDatabase db(path, NetworkAccess());
    db.Open();
  }
  EXPECT_EQ(One(path, "PRAGMA journal_mode"), "delete");
  EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
  // An older game knows nothing of the network mode and sets the write-ahead log again.
  Exec(path, "PRAGMA journal_mode=WAL");
  ASSERT_EQ(One(path, "PRAGMA journal_mode"), "wal");
  {
    ProgressDatabase db(path, NetworkAccess());
    db.Open();
    EXPECT_EQ(One(path, "PRAGMA journal_mode"), "delete");
    // And again while this game has the file open: its next write puts the journal back.
    Exec(path, "PRAGMA journal_mode=WAL");
    std::vector<PendingRun> runs(1);
    runs[0].run =
        RunRecord{0, "Ann", 1, "easy", "2026-01-01T00:00:00Z", 1000, kOutcomeQuit, std::nullopt};
    db.Write(runs);
    EXPECT_EQ(One(path, "PRAGMA journal_mode"), "delete");
  }
  // A game that has the file open in WAL (reading it just now) keeps it so: this one writes
  // nothing.
  Exec(path, "PRAGMA journal_mode=WAL");
  sqlite3* older = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &older), SQLITE_OK);
  sqlite3_stmt* reading = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(older, "SELECT * FROM runs", -1, &reading, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(reading), SQLITE_ROW);
  ProgressDatabase refused(path, NetworkAccess());
  try {
    refused.Open();
    ADD_FAILURE() << "opened over a game that holds the log";
  } catch (const ProgressError& e) {
    EXPECT_EQ(e.Fault(), ProgressFault::kUnavailable);
  }
  sqlite3_finalize(reading);
  sqlite3_close(older);
  EXPECT_EQ(One(path, "SELECT count(*) FROM runs"), "1");
}

TEST(Leases, TheGameThatTookTheRecordsFirstOnAnotherComputerBlocksWhileItBeats) {
  const int64_t now = 1767225600000;
  const Lease mine{"pc-b", 200, now - 1000, now};
  const struct {
    const char* name;
    Lease other;
    bool blocks;
  } cases[] = {
      {"another computer, earlier, beating", {"pc-a", 100, now - 60000, now - 5000}, true},
      {"another computer, earlier, its clock a minute ahead",
       {"pc-a", 100, now - 60000, now + 60000},
       true},
      {"another computer, earlier, silent past the stale time",
       {"pc-a", 100, now - 600000, now - kLeaseStaleMs},
       false},
      {"another computer, its beat far in the future",
       {"pc-a", 100, now - 60000, now + kLeaseStaleMs * 2},
       false},
      {"another computer, later", {"pc-a", 100, now, now}, false},
      {"another computer, the same moment, a name after mine", {"pc-c", 1, now - 1000, now}, false},
      {"another computer, the same moment, a name before mine",
       {"pc-a", 999, now - 1000, now},
       true},
      {"this computer, earlier: its locks work", {"pc-b", 100, now - 60000, now}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BlockingLease(mine, {c.other}, now).has_value(), c.blocks);
  }
  // The oldest of several blocks; the leases' text is read back as written.
  const Lease a{"pc-a", 1, now - 9000, now}, c{"pc-c", 3, now - 7000, now};
  EXPECT_EQ(BlockingLease(mine, {c, a}, now), a);
  EXPECT_EQ(ParseLease(LeaseText(a)), a);
  EXPECT_FALSE(ParseLease("keyslinger-lease 1\nhost=pc-a\npid=1\nsince=x\nbeat=2\n"));
  EXPECT_FALSE(ParseLease("host=pc-a\npid=1\nsince=1\nbeat=2\n"));
  // A game whose own beat lapsed takes the records anew, as the latest comer.
  Lease lapsed{"pc-b", 2, now - 600000, now - kLeaseStaleMs};
  RenewLease(lapsed, now);
  EXPECT_EQ(lapsed.sinceMs, now);
  Lease steady{"pc-b", 2, now - 600000, now - kLeaseBeatMs};
  RenewLease(steady, now);
  EXPECT_EQ(steady.sinceMs, now - 600000);
  EXPECT_EQ(HostForFileName("pc 7/../ü"), "pc_7_..___");
}

KeeperSetup OnComputer(const std::string& host, RecordsMode mode = RecordsMode::Network) {
  KeeperSetup setup;
  setup.mode = mode;
  setup.host = host;
  return setup;
}

size_t SideFiles(const std::string& folder) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (IsSideFileName(entry.path().filename().string(), kProgressFileName)) ++count;
  }
  return count;
}

// A pupil logged in on two computers: the first game keeps writing, the second keeps its runs,
// says so once, saves them beside the file when it ends, and the first adds them at its next
// run's end. Nothing is lost, nothing counted twice, the file stays whole.
TEST(TwoComputers, TheSecondGameKeepsItsRunsAndTheFirstAddsThemFromTheSideFile) {
  Folder folder;
  Game first(folder.path, OnComputer("pc-a"));
  first.PlayRun(1, 0, 40);
  Game second(folder.path, OnComputer("pc-b"));
  second.utcMs = first.utcMs;
  second.PlayRun(2, 1000, 30);
  second.PlayRun(3, 2000, 30);
  const std::string db = first.DbPath();
  EXPECT_EQ(One(db, "SELECT group_concat(level) FROM runs"), "1");
  EXPECT_EQ(second.messages.notices,
            (std::vector<PlayerNotice>{{PlayerNotice::Kind::ProgressOpenElsewhere, {"pc-a"}}}));
  EXPECT_TRUE(second.messages.shown.size() == 1);  // the notice, and no "Unable to write"
  // Practice on the second computer stays away from the file too.
  const RecordsAccess access = second.recorder->Access();
  EXPECT_TRUE(access.network);
  ASSERT_TRUE(access.gate);
  EXPECT_EQ(access.gate->ClosedBy(), std::optional<std::string>("pc-a"));
  EXPECT_EQ(second.recorder->Load("Tester").fault, ProgressFault::kOpenElsewhere);
  second.End();
  EXPECT_EQ(SideFiles(folder.path), 1u);
  first.Advance(1000);
  first.PlayRun(4, 3000, 20);
  EXPECT_EQ(One(db,
                "SELECT group_concat(level || ':' || n, ' ') FROM (SELECT r.level, count(s.id) AS "
                "n FROM runs r"
                " LEFT JOIN shots s ON s.run_id = r.id GROUP BY r.id ORDER BY r.level)"),
            "1:40 2:30 3:30 4:20");
  EXPECT_EQ(SideFiles(folder.path), 0u);
  EXPECT_EQ(One(db, "PRAGMA integrity_check"), "ok");
  EXPECT_TRUE(first.messages.shown.empty());
  first.End();
  // Once the first game has ended, a game on the second computer writes straight away.
  Game again(folder.path, OnComputer("pc-b"));
  again.utcMs = first.utcMs + 1000;
  again.PlayRun(5, 4000, 10);
  EXPECT_EQ(One(db, "SELECT count(*) FROM runs"), "5");
  EXPECT_TRUE(again.messages.shown.empty());
  again.End();
  // Games that ended leave no lease, journal or side file behind.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path))
    names.push_back(entry.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{kProgressFileName});
}

// A game killed without a word (a power cut) leaves its lease; after the stale time the other
// computer's game takes over. A lock held by a program on this computer is told as ever.
TEST(TwoComputers, AStaleLeaseStopsBlockingAndALocalLockIsNoOtherComputer) {
  Folder folder;
  const std::string db = folder.path + kProgressFileName;
  {
    ProgressDatabase made(db, NetworkAccess());
    made.Open();
  }
  const int64_t now = 1767225600000;
  std::ofstream(folder.path + "Progress.db.pc-a.77.lease")
      << LeaseText(Lease{"pc-a", 77, now - 3600000, now - 1000});
  Game second(folder.path, OnComputer("pc-b"));
  second.utcMs = now;
  second.PlayRun(1, 0, 10);
  EXPECT_EQ(second.messages.notices.size(), 1u);
  EXPECT_EQ(One(db, "SELECT count(*) FROM runs"), "0");
  // Past the stale time: the next run's end writes both runs.
  second.Advance(kLeaseStaleMs);
  second.PlayRun(2, 100, 10);
  EXPECT_EQ(One(db, "SELECT count(*) FROM shots"), "20");
  // A program of this computer holding the lock is no other computer: the usual report.
  sqlite3* holder = nullptr;
  ASSERT_EQ(sqlite3_open(db.c_str(), &holder), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  second.PlayRun(3, 200, 10);
  EXPECT_EQ(second.messages.shown.back(), "Unable to write to " + db);
  EXPECT_EQ(second.messages.notices.size(), 1u);
  sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(holder);
  second.End();
  EXPECT_EQ(One(db, "SELECT count(*) FROM shots"), "30");
}

// A side file merged twice (a game stopped after adding its runs, before removing it) adds
// nothing the second time, a run partly stored before is completed, not doubled, and the same run
// played alike on another computer is a run of its own.
TEST(SideFiles, AreMergedOnceWhateverStopsTheMergeAndCompleteAPartlyStoredRun) {
  Folder folder;
  const std::string path = folder.path + kProgressFileName;
  ProgressDatabase db(path);
  db.Open();
  std::vector<PendingRun> runs(1);
  runs[0].run =
      RunRecord{0, "Ann", 1, "easy", "2026-01-01T00:00:00Z", 5000, kOutcomePlaying, std::nullopt};
  for (int i = 0; i < 5; ++i)
    runs[0].shots.push_back(ShotRecord{i, "f", "POINT", "f", "f", 400, false, "f", ""});
  db.Write(runs);  // the open run, as written during play
  ASSERT_EQ(runs[0].run.id, 1);
  runs[0].run.outcome = kOutcomeQuit;
  runs[0].run.durationMs = 9000;
  for (int i = 5; i < 8; ++i)
    runs[0].shots.push_back(ShotRecord{i, "j", "MISS", "", "j", std::nullopt, false, "j", ""});
  runs.push_back(PendingRun{});
  runs[1].run = RunRecord{0,
                          "Ann",
                          2,
                          "easy",
                          "2026-01-01T00:01:00Z",
                          3000,
                          kOutcomeFinished,
                          RunResult{80, 4, 1, 0, true}};
  runs[1].shots.push_back(ShotRecord{1, "k", "POINT", "k", "k", 300, false, "k", ""});
  runs[1].shots.back().charged = "k";  // the key charged and the typing time travel too
  runs[1].shots.back().typingMs = 180;
  const std::optional<std::string> side =
      SaveSideFile(folder.path, kProgressFileName, "pc-b", 42, runs);
  ASSERT_TRUE(side);
  const std::string copy = *side + ".copy";
  std::filesystem::copy_file(*side, copy);
  EXPECT_EQ(MergeSideFiles(db, folder.path, kProgressFileName), 2u);
  EXPECT_FALSE(std::filesystem::exists(*side));
  std::filesystem::rename(copy, *side);
  EXPECT_EQ(MergeSideFiles(db, folder.path, kProgressFileName), 0u);
  EXPECT_EQ(records_test::Query(
                path,
                "SELECT level, outcome, duration_ms, percent,"
                " (SELECT count(*) FROM shots WHERE run_id = runs.id) FROM runs ORDER BY id"),
            (std::vector<std::vector<std::string>>{{"1", "quit", "9000", "NULL", "8"},
                                                   {"2", "finished", "3000", "80", "1"}}));
  EXPECT_EQ(One(path, "SELECT group_concat(coalesce(charged, '-') || coalesce(typing_ms, '-'), ' ') FROM shots"),
            "-- -- -- -- -- -- -- -- k180");
  ASSERT_TRUE(SaveSideFile(folder.path, kProgressFileName, "pc-c", 42, {runs[1]}));
  EXPECT_EQ(MergeSideFiles(db, folder.path, kProgressFileName), 1u);
  EXPECT_EQ(
      One(path,
          "SELECT count(*) FROM runs WHERE level = 2 AND started_at = '2026-01-01T00:01:00Z'"),
      "2");
  // Files under the name that are no side files of ours are left alone.
  std::ofstream(folder.path + "Progress.db.pc-c.9.unsaved") << "notes";
  std::filesystem::create_directory(folder.path + "progress.db.pc-d.9.unsaved");
  EXPECT_EQ(MergeSideFiles(db, folder.path, kProgressFileName), 0u);
  EXPECT_TRUE(std::filesystem::exists(folder.path + "Progress.db.pc-c.9.unsaved"));
  EXPECT_FALSE(ReadSideFile(std::string(4096, '\0')));
}

// Two games as two processes of two computers over one folder in the network mode, each playing
// runs while the other does: in the end every run of both is in the file, which is whole.
TEST(TwoComputers, TwoGameProcessesOnOneFolderLoseNoRunAndLeaveTheFileWhole) {
  Folder folder;
  constexpr int kRuns = 12;
  constexpr int kShots = 25;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] != 0) continue;
    {
      Game game(folder.path, OnComputer(c == 0 ? "pc-a" : "pc-b"), "Ann");
      game.utcMs = 1767225600000 + c * 1800000;  // the second login half an hour later
      for (int run = 0; run < kRuns; ++run) {
        game.PlayRun(run % 16 + 1, run * kShots, kShots);
        usleep(2000);  // the other game's turn
      }
      game.End();
    }
    _exit(0);
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  // The next open adds what either game could not write.
  Game later(folder.path, OnComputer("pc-a"));
  later.recorder->Load("Ann");
  later.End();
  const std::string db = folder.path + kProgressFileName;
  EXPECT_EQ(One(db, "PRAGMA integrity_check"), "ok");
  EXPECT_EQ(One(db, "SELECT count(*) FROM runs"), std::to_string(2 * kRuns));
  EXPECT_EQ(One(db, "SELECT count(*) FROM shots"), std::to_string(2 * kRuns * kShots));
  EXPECT_EQ(One(db, "SELECT count(*) FROM runs WHERE outcome = 'quit' AND profile = 'Ann'"),
            std::to_string(2 * kRuns));
  EXPECT_EQ(SideFiles(folder.path), 0u);
}

}  // namespace
