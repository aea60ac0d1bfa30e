// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a level folder: places, difficulty rows, level time, letter tags, and refused levels.
#include "core/field_split.h"
#include "level_harness.h"
#include "targets/letter_image.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelLoading, ReadsPlacesDifficultyAndLevelTime) {
  LevelHarness h;
  h.shared.playerStore->WriteString("Tester", "up", "HARD");
  h.WriteLevel("Level3", MapIni("door:100:50:1:f window:300:60:2:j roof:500:10:3:k", "hard=2:100:-500:1500:2500\n"),
               TemplateStep("t", "bandit", "3000") + WaveStep("w1", "5000", "0:0:1") + WaveStep("w2", "oops", "0:0:1") +
                   "[x]\ncommand=3\nparam1=7000\n" + WaveStep("w3", "65000", "0:0:1"));
  h.play->StartLevel("Level3");
  ASSERT_TRUE(h.play->LevelLoaded()) << (h.messages.shown.empty() ? "" : h.messages.shown[0]);
  ASSERT_EQ(h.play->Stage().Places().size(), 3u);
  EXPECT_EQ(h.play->Stage().Places()[1].name, "window");
  EXPECT_EQ(h.play->Spawner().ExtraActors(), 2);
  EXPECT_EQ(h.play->Spawner().ExtraDumpTime(), 100);
  EXPECT_EQ(h.play->Spawner().ExtraMaxLife(), -500);
  EXPECT_EQ(h.play->Clock().MissPenaltyMs(), 1500);
  EXPECT_EQ(h.play->Clock().CivilianPenaltyMs(), 2500);
  // Only waves count, and a duration that is not a number adds nothing.
  EXPECT_EQ(h.play->Clock().LevelTimeMs(), 70000);
  EXPECT_EQ(h.play->Clock().TimeText(), "1:10");
  EXPECT_EQ(h.play->Clock().PendingSteps().size(), 5u);
  EXPECT_EQ(h.play->Clock().StepWait(), -1);
  EXPECT_TRUE(h.play->ClockEnabled());
  EXPECT_TRUE(h.host.gameScreenShowing);
  ASSERT_TRUE(h.play->Stage().MapPicture());
  EXPECT_EQ(h.play->Stage().MapPicture()->width, 640);
}

TEST(LevelLoading, AProfileWithoutDifficultyPlaysEasyAndStoresIt) {
  LevelHarness h;
  h.WriteLevel("Level1", MapIni("door:100:50:1:f"), "");
  h.play->StartLevel("Level1");
  EXPECT_EQ(h.play->Stage().DifficultyName(), "easy");
  EXPECT_EQ(h.shared.playerStore->ReadString("Tester", "up", ""), "easy");
  // No row for the difficulty: the defaults.
  EXPECT_EQ(h.play->Spawner().ExtraActors(), 0);
  EXPECT_EQ(h.play->Clock().MissPenaltyMs(), 2000);
  EXPECT_EQ(h.play->Clock().CivilianPenaltyMs(), 3000);
}

TEST(LevelLoading, ARefusedDifficultyWriteShowsTheRefusalAsItIsAndStopsTheLoad) {
  LevelHarness h;
  // A folder in the store's path that is really a file: every write is refused.
  LevelHarness::WriteFile(h.dir + "/blocked", "x");
  const std::string path = h.dir + "/blocked/Player.ini";
  h.shared.playerStore = std::make_unique<IniStore>(path);
  h.WriteLevel("Level1", MapIni("door:100:50:1:f"), WaveStep("w", "1000", "0:0:1"));
  h.play->StartLevel("Level1");
  EXPECT_FALSE(h.play->LevelLoaded());
  EXPECT_FALSE(h.play->ClockEnabled());
  EXPECT_EQ(h.messages.shown, std::vector<std::string>{"Unable to write to " + path});
}

TEST(LevelLoading, SectionsNamedLikeMapOrObjectsInAnyCaseAreNoPlaces) {
  LevelHarness h;
  h.WriteLevel("Level1", "[MAP]\nLBMP=Tag.bmp\n[objects]\nbandit=Bandit\n", "");
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
  EXPECT_TRUE(h.play->Stage().Places().empty());
  EXPECT_TRUE(h.play->Stage().LetterTags().empty());
}

TEST(LevelLoading, TagsAreCentredUnderThePlaceByDefault) {
  LevelHarness h;
  h.WriteLevel("Level1",
               MapIni("door:100:50:1:f") + "[window]\nx=300\ny=50\nw=80\nh=90\nletter=j\n[roof]\nx=1\ny=2\nDx=400\nDy=7\nletter=k\n",
               "");
  h.play->StartLevel("Level1");
  const auto& tags = h.play->Stage().LetterTags();
  ASSERT_EQ(tags.size(), 3u);
  const TletterImage& door = *tags[0].tag;
  EXPECT_EQ(door.Width(), 28);
  EXPECT_EQ(door.Left, 132 - 28 / 2);
  EXPECT_EQ(door.Top, 53);
  EXPECT_EQ(door.Letter, "F");
  EXPECT_EQ(tags[1].tag->Left, 300 + 40 - 14);
  EXPECT_EQ(tags[1].tag->Top, 50 + 90 + 3);
  EXPECT_EQ(tags[2].tag->Left, 400);
  EXPECT_EQ(tags[2].tag->Top, 7);
  // The letter is centred in the tag: 28 wide, 24 high, 19-pixel letter 11 wide, 23 high.
  EXPECT_EQ(door.TextX, 14 - 11 / 2);
  EXPECT_EQ(door.TextY, 12 - 23 / 2);
}

TEST(LevelLoading, AMissingTagBitmapLeavesTagsEmptyButLettersWork) {
  LevelHarness h;
  h.WriteLevel("Level1", "[Map]\n[Objects]\nbandit=Bandit\n[door]\nx=100\ny=50\nletter=f\n", "");
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
  EXPECT_EQ(h.play->Stage().LetterTags()[0].tag->Picture, nullptr);
  EXPECT_EQ(h.play->Stage().LetterTags()[0].tag->Letter, "f");
}

TEST(LevelLoading, AnObjectsFolderWrittenWithABackslashFindsItsObjectIni) {
  LevelHarness h;
  std::filesystem::create_directories(h.dir + "/Objects/Actors");
  std::filesystem::rename(h.dir + "/Objects/Townsman", h.dir + "/Objects/Actors/Townsman");
  h.WriteLevel("Level1", "[Map]\n[Objects]\ntownsman=actors\\TOWNSMAN\n[door]\nx=100\ny=50\nletter=f\n",
               TemplateStep("t", "townsman", "3000"));
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded()) << (h.messages.shown.empty() ? "" : h.messages.shown[0]);
  h.Run(300);
  ASSERT_EQ(h.play->Spawner().Templates().size(), 1u) << (h.messages.shown.empty() ? "" : h.messages.shown[0]);
  // Character 1 comes only from the folder's object.INI; without it the actor would be an enemy.
  EXPECT_EQ(h.play->Spawner().Templates()[0].actor->Character, 1);
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST(LevelLoading, AWindowsMadeLevelLoadsWithOtherCaseAndCrLf) {
  LevelHarness h;
  std::filesystem::rename(h.dir + "/Maps", h.dir + "/maps");
  std::filesystem::create_directories(h.dir + "/maps/LEVEL7");
  LevelHarness::WriteFile(h.dir + "/maps/LEVEL7/MAP.INI",
                          "\xEF\xBB\xBF[map]\r\nlbmp=TAG.BMP\r\nEASY=0:0:0:1000:1000\r\n[OBJECTS]\r\nBandit=BANDIT\r\n"
                          "[Door]\r\nX=100\r\nY=50\r\nLETTER=f\r\n");
  LevelHarness::WriteFile(h.dir + "/maps/LEVEL7/script.ini",
                          "[T]\r\nCOMMAND=1\r\nPARAM1=bandit\r\nPARAM2=3000\r\n[W]\r\nCommand=2\r\nParam1=1000\r\nParam2=0:0:1\r\n");
  std::filesystem::copy_file(h.dir + "/maps/Level1/Map.jpg", h.dir + "/maps/LEVEL7/map.JPG");
  std::filesystem::copy_file(h.dir + "/maps/Level1/Tag.bmp", h.dir + "/maps/LEVEL7/tag.bmp");
  std::filesystem::rename(h.dir + "/Objects/Bandit", h.dir + "/Objects/bandit");
  h.play->StartLevel("Level7");
  ASSERT_TRUE(h.play->LevelLoaded()) << (h.messages.shown.empty() ? "" : h.messages.shown[0]);
  EXPECT_EQ(h.play->Clock().MissPenaltyMs(), 1000);
  ASSERT_NE(h.play->Stage().LetterTags()[0].tag->Picture, nullptr);
  h.Run(300);
  EXPECT_EQ(h.play->Spawner().Templates().size(), 1u);
  EXPECT_NE(h.ActorAt(0), nullptr);
  EXPECT_TRUE(h.messages.shown.empty());
}

struct RefusedLevel {
  const char* what;
  std::string mapIni;
  bool removePicture;
};

class LevelLoadingRefused : public testing::TestWithParam<RefusedLevel> {};

TEST_P(LevelLoadingRefused, ReportsAndLeavesNothingHalfBuilt) {
  const RefusedLevel c = GetParam();
  LevelHarness h;
  h.WriteLevel("Level1", c.mapIni, WaveStep("w", "1000", "0:0:1"));
  if (c.removePicture) LevelHarness::WriteFile(h.dir + "/Maps/Level1/Map.jpg", "\xFF\xD8\xFF not really");
  h.play->StartLevel("Level1");
  EXPECT_FALSE(h.play->LevelLoaded()) << c.what;
  EXPECT_FALSE(h.play->ClockEnabled());
  EXPECT_TRUE(h.play->Stage().Places().empty());
  EXPECT_TRUE(h.play->Stage().LetterTags().empty());
  EXPECT_TRUE(h.play->Clock().PendingSteps().empty());
  ASSERT_EQ(h.messages.shown.size(), 1u) << c.what;
  EXPECT_NE(h.messages.shown[0].find("Level1"), std::string::npos);
  // The player leaves through the pause screen; resuming runs nothing.
  h.play->SetPaused(true, true);
  h.play->SetPaused(false, true);
  h.Run(1000);
  EXPECT_EQ(h.host.resultsShown, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LevelLoadingRefused,
    testing::Values(RefusedLevel{"no Map section", "[Objects]\nbandit=Bandit\n[door]\nletter=f\n", false},
                    RefusedLevel{"no Objects section", "[Map]\nLBMP=Tag.bmp\n[door]\nletter=f\n", false},
                    RefusedLevel{"four fields", "[Map]\neasy=0:0:0:2000\n[Objects]\n", false},
                    RefusedLevel{"a field that is no integer", "[Map]\neasy=0:0:zero:2000:3000\n[Objects]\n", false},
                    RefusedLevel{"a broken Map.jpg", "[Map]\n[Objects]\n[door]\nletter=f\n", true},
                    RefusedLevel{"a missing map folder", "", false}));

TEST(LevelLoading, CloseAndRestartTakeTheLevelDownAndLoadTheProfilesLevel) {
  LevelHarness h;
  h.WriteLevel("Level2", MapIni("door:100:50:1:f"), TemplateStep("t", "bandit", "3000") + WaveStep("w", "9000", "0:0:1"));
  h.shared.playerStore->WriteInteger("Tester", "curlevel", 2);
  h.play->StartLevel("Level2");
  h.Run(500);
  ASSERT_NE(h.ActorAt(0), nullptr);
  h.Type("x");
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 1);
  h.play->RestartLevel();
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), 0);
  EXPECT_EQ(h.play->CurrentLevelName(), "Level2");
  EXPECT_EQ(h.ActorAt(0), nullptr);
  EXPECT_TRUE(h.play->Spawner().LiveActors().empty());
  h.play->QuitToMenu();
  EXPECT_FALSE(h.play->LevelLoaded());
  EXPECT_FALSE(h.play->ClockEnabled());
  EXPECT_TRUE(h.host.mainMenuShowing);
  EXPECT_FALSE(h.host.gameScreenShowing);
}

struct SplitCase {
  const char* text;
  std::vector<std::string> fields;
};

class FieldSplitting : public testing::TestWithParam<SplitCase> {};

TEST_P(FieldSplitting, SplitsAtColonsBlanksAndQuotes) {
  EXPECT_EQ(SplitFields(GetParam().text), GetParam().fields) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldSplitting,
    testing::Values(SplitCase{"0:0:0:2000:3000", {"0", "0", "0", "2000", "3000"}}, SplitCase{"", {}},
                    SplitCase{"1::2", {"1", "", "2"}}, SplitCase{"1:", {"1", ""}}, SplitCase{":", {"", ""}},
                    SplitCase{" 1 : 2 ", {"1", "2"}}, SplitCase{"1 2:3", {"1", "2", "3"}},
                    SplitCase{"\"a:b\":c", {"a:b", "c"}}, SplitCase{"\"say \"\"hi\"\"\"", {"say \"hi\""}},
                    SplitCase{"\"open", {"open"}}));

}  // namespace
