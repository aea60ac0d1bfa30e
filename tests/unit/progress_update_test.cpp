// SPDX-License-Identifier: GPL-3.0-or-later
// Records of an older schema brought up to date on a worker while the game goes on.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "core/shared_state.h"
#include "platform/message_boxes.h"
#include "platform/virtual_timer_service.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "progress/progress_schema.h"
#include "old_progress_file.h"
#include "scratch_folder.h"
#include "sql_probe.h"

namespace {

using namespace std::chrono_literals;

class BackgroundUpdate : public ::testing::Test {
protected:
  void SetUp() override {
    shared_.appDir = folder_.Path() + "/";
    shared_.currentPlayer = "Tester";
    recorder_ = std::make_unique<ProgressRecorder>(shared_, timers_, messages_, [] { return int64_t{1767225600000}; });
  }
  void TearDown() override { recorder_.reset(); }
  std::string DbPath() const { return folder_ / kProgressFileName; }
  // A file of the first schema, in WAL mode as the game keeps it: one finished run of the
  // tester with hits at f and a miss at j.
  void MakeVersion1File() {
    WriteOldProgressFile(DbPath(), 1,
                         "PRAGMA journal_mode=WAL;"
                         "INSERT INTO runs VALUES (1,'Tester',1,'easy','2026-01-01T00:00:00Z',60000,'finished',80,2,1,0,1);"
                         "INSERT INTO shots VALUES (1,1,100,'f','POINT','f','f',400,0);"
                         "INSERT INTO shots VALUES (2,1,200,'f','POINT','f','f',500,0);"
                         "INSERT INTO shots VALUES (3,1,300,'j','MISS','','j',NULL,0);");
  }
  // Waits, with a deadline no machine comes near, for the worker to end.
  bool UpdateEnds() {
    const auto deadline = std::chrono::steady_clock::now() + 120s;
    while (recorder_->Updating()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(1ms);
    }
    return true;
  }

  ScratchFolder folder_{"update"};
  SharedState shared_;
  VirtualTimerService timers_;
  RecordingMessageBoxes messages_;
  std::unique_ptr<ProgressRecorder> recorder_;
};

TEST_F(BackgroundUpdate, TheGameGoesOnWhileTheUpdateRunsAndItsRowsReachTheUpdatedFile) {
  MakeVersion1File();
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<bool> heldInTime{false};
  // The worker is held until the test has played on: had the call waited for the update,
  // the hold would only end at its deadline, and the checks below would fail.
  recorder_->UpdateInBackground([released, &heldInTime] {
    heldInTime = released.wait_for(120s) == std::future_status::ready;
  });
  ASSERT_TRUE(recorder_->Updating());

  // A level played meanwhile keeps its rows, without the report of a failed write.
  recorder_->LevelStarted("Level2", "easy");
  recorder_->CharacterResolved("k", "MISS", -1, "", true, "k");
  recorder_->CharacterResolved("d", "MISS", -1, "", true, "d");
  recorder_->LevelLeft(false);
  EXPECT_EQ(recorder_->BufferedShots(), 2u);
  EXPECT_FALSE(recorder_->Flush());
  EXPECT_TRUE(messages_.shown.empty());
  // The progress screen says what is going on instead of showing empty records.
  EXPECT_EQ(recorder_->Load("Tester").fault, ProgressFault::kUpdating);
  EXPECT_EQ(QueryValue(DbPath(), "PRAGMA user_version"), "1");

  release.set_value();
  ASSERT_TRUE(UpdateEnds());
  EXPECT_TRUE(heldInTime);
  EXPECT_EQ(QueryValue(DbPath(), "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
  // The old rows kept what can be known (a US key's character as its position).
  EXPECT_EQ(QueryValue(DbPath(), "SELECT group_concat(position, ' ') FROM shots WHERE run_id = 1"), "f f j");

  const ProgressData data = recorder_->Load("Tester");
  EXPECT_EQ(data.fault, ProgressFault::kNone);
  EXPECT_EQ(data.chances.size(), 5u);
  EXPECT_EQ(data.runs, 2);
  EXPECT_EQ(recorder_->BufferedShots(), 0u);
  EXPECT_EQ(QueryValue(DbPath(), "SELECT count(*) FROM shots WHERE run_id = 2"), "2");
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(BackgroundUpdate, OnlyAnOlderFileOfOursIsUpdatedOnTheWorker) {
  // No file yet: nothing to update; the first write makes a current file as ever.
  recorder_->UpdateInBackground();
  EXPECT_FALSE(recorder_->Updating());
  recorder_->LevelStarted("Level1", "easy");
  recorder_->CharacterResolved("f", "MISS", -1, "", true, "f");
  recorder_->LevelLeft(false);
  EXPECT_EQ(QueryValue(DbPath(), "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
  // A current file: nothing to update either.
  recorder_->UpdateInBackground();
  EXPECT_FALSE(recorder_->Updating());
  EXPECT_EQ(recorder_->Load("Tester").fault, ProgressFault::kNone);
}

TEST_F(BackgroundUpdate, LeavingTheGameDuringTheUpdateStillWritesTheBufferedRows) {
  MakeVersion1File();
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  recorder_->UpdateInBackground([released] { released.wait_for(120s); });
  recorder_->LevelStarted("Level3", "easy");
  recorder_->CharacterResolved("s", "MISS", -1, "", true, "s");
  // The game ends while the worker is still held: the recorder waits for it, then writes.
  std::thread letGo([&release] { release.set_value(); });
  recorder_.reset();
  letGo.join();
  EXPECT_EQ(QueryValue(DbPath(), "PRAGMA user_version"), std::to_string(kProgressSchemaVersion));
  EXPECT_EQ(QueryValue(DbPath(), "SELECT outcome FROM runs WHERE level = 3"), "quit");
  EXPECT_EQ(QueryValue(DbPath(), "SELECT count(*) FROM shots"), "4");
}

}  // namespace
