// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen while records of an older game are brought up to date beside it.
#include <QTest>
#include <filesystem>
#include <future>

#include <gtest/gtest.h>

#include "progress/ui/progress_form.h"
#include "progress/progress_recorder.h"
#include "old_progress_file.h"
#include "screen_fixture.h"

namespace {

TEST(ProgressScreen, SaysTheRecordsAreBeingUpdatedAndShowsThemOnceTheyAre) {
  ScreenWorld world("[curplayer]\nname=Anna\n[Anna]\ncurlevel=1\n");
  world.shared.currentPlayer = "Anna";
  const std::string level = world.shared.appDir + "Maps/Level1";
  std::filesystem::create_directories(level);
  std::ofstream(level + "/Map.ini") << "[Map]\n[Objects]\n[a]\nletter=f\n[b]\nletter=j\n";
  // Records of the first schema: two finished runs.
  WriteOldProgressFile(world.shared.PlayerDataDir() + kProgressFileName, 1,
                       "INSERT INTO runs VALUES (1,'Anna',1,'easy','2026-12-01T10:00:00Z',60000,'finished',70,5,1,0,1);"
                       "INSERT INTO runs VALUES (2,'Anna',1,'easy','2026-12-02T10:00:00Z',60000,'finished',80,6,0,0,1);"
                       "INSERT INTO shots VALUES (1,1,100,'f','POINT','f','f',400,0);");
  ProgressRecorder recorder(world.shared, world.timers, world.messages, [] { return int64_t{0}; });
  world.shared.progress = &recorder;
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  recorder.UpdateInBackground([released] { released.wait_for(std::chrono::seconds(120)); });

  TfmProgress screen(world.app);
  screen.FormShow();
  screen.show();
  EXPECT_EQ(screen.View().faultText, "Updating your progress records\u2026");
  EXPECT_EQ(screen.View().runsText, "0");
  EXPECT_TRUE(recorder.Updating());
  // The screen keeps handling events meanwhile, and reads the records once they are ready.
  release.set_value();
  EXPECT_TRUE(QTest::qWaitFor([&] { return screen.View().faultText.empty(); }, 120000));
  EXPECT_EQ(screen.View().runsText, "2");
  EXPECT_TRUE(world.messages.shown.empty());
  world.shared.progress = nullptr;
}

}  // namespace
