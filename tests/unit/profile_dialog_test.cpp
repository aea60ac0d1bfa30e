// SPDX-License-Identifier: GPL-3.0-or-later
// The profile dialog's rules and the main menu's START GAME and SOUND, on a real Player.ini.
#include "profiles/profile_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_play.h"
#include "level/level_play_host.h"
#include "platform/game_error.h"
#include "platform/message_boxes.h"
#include "platform/picture_loader.h"
#include "platform/random.h"
#include "platform/sound_player.h"
#include "platform/text_measurer.h"
#include "platform/virtual_timer_service.h"
#include "core/ini_store.h"
#include "profiles/main_menu.h"
#include "profiles/player_store.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "scratch_folder.h"
#include "test_services.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class ProfileRules : public testing::Test {
 protected:
  void SetUp() override { shared_.appDir = dir_.Path() + "/"; }

  void Start(const std::string& ini) {
    std::ofstream(IniPath()) << ini;
    OpenPlayerStore(shared_, "tester");
    MenuLabels menu;
    menu.setPlayer = [this](const std::string& t) { menuPlayer_ = t; };
    menu.setLevel = [this](const std::string& t) { menuLevel_ = t; };
    dialog_ = std::make_unique<ProfileDialog>(shared_, world_.services, menu);
  }
  std::string IniPath() const { return shared_.appDir + "Player.ini"; }
  std::string IniText() const {
    std::ifstream in(IniPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Stored(const std::string& section, const std::string& key) const {
    return shared_.playerStore->ReadString(section, key, "<absent>");
  }
  void MakeReadOnly() { fs::permissions(IniPath(), fs::perms::owner_read); }
  const ProfileDialogView& View() const { return dialog_->View(); }

  ScratchFolder dir_{"profile-rules"};
  SharedState shared_;
  TestServices<> world_{5};
  std::unique_ptr<ProfileDialog> dialog_;
  std::string menuPlayer_ = "player";
  std::string menuLevel_ = "level";
};

TEST_F(ProfileRules, OpeningShowsTheCurrentProfileAndItsDifficultyIgnoringCase) {
  Start("[curplayer]\nname=bob\n[Bob]\nlevels=3\ncurlevel=2\nup=hARD\n[Cleo]\n");
  dialog_->Open();
  EXPECT_EQ(View().players, (Names{"Bob", "Cleo"}));
  EXPECT_EQ(View().selectedPlayer, -1);
  EXPECT_EQ(View().levels, (Names{"level1", "level2", "level3"}));
  EXPECT_EQ(View().levelLabel, "level 2");
  EXPECT_EQ(View().nameField, "bob");
  EXPECT_EQ(View().difficulty, 2);
  EXPECT_EQ(shared_.playerSections, (Names{"Bob", "Cleo"}));
  EXPECT_TRUE(world_.messages.shown.empty());
}

TEST_F(ProfileRules, AddingAnnaBesideBob) {
  Start("[Bob]\nlevels=4\ncurlevel=4\nup=Hard\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  dialog_->Add("Anna");
  EXPECT_EQ(View().players, (Names{"Bob", "Anna"}));
  EXPECT_EQ(View().levels, (Names{"level1"}));
  EXPECT_EQ(View().levelLabel, "level 1");
  EXPECT_EQ(menuLevel_, "level 1");
  EXPECT_EQ(menuPlayer_, "Anna");
  EXPECT_EQ(shared_.currentPlayer, "Anna");
  EXPECT_EQ(IniText(),
            "[Bob]\nlevels=4\ncurlevel=4\nup=Hard\n[curplayer]\nname=Anna\n"
            "[Anna]\nlevels=1\ncurlevel=1\nup=Easy\n");
}

TEST_F(ProfileRules, AddingAKnownNameWritesNothingUntilTheCloseWritesEasy) {
  Start("[Bob]\nlevels=4\ncurlevel=4\nup=Hard\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  const std::string before = IniText();
  dialog_->Add("bOB");
  EXPECT_EQ(IniText(), before);
  EXPECT_EQ(View().difficulty, 0);
  dialog_->Close();
  EXPECT_EQ(Stored("Bob", "up"), "Easy");
}

TEST_F(ProfileRules, RefusedNamesWriteNothingAndSayWhy) {
  Start("[Bob]\nlevels=1\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  const std::string before = IniText();
  for (const char* name : {"[Anna]", " Anna", "Anna ", "curPlayer", "A\nB", "   "}) {
    world_.messages.shown.clear();
    dialog_->Add(name);
    EXPECT_EQ(world_.messages.shown.size(), 1u) << name;
  }
  world_.messages.shown.clear();
  dialog_->Add("");
  EXPECT_TRUE(world_.messages.shown.empty());
  EXPECT_EQ(IniText(), before);
  EXPECT_EQ(View().players, (Names{"Bob"}));
}

TEST_F(ProfileRules, DeletingTheSecondOfThreeMakesTheFirstCurrent) {
  Start(
      "[A]\nlevels=2\ncurlevel=2\n[B]\nlevels=1\n3=70:1:1:1\n[C]\nlevels=1\n[curplayer]\nname=C\n");
  dialog_->Open();
  dialog_->ChooseProfile(1);
  EXPECT_EQ(shared_.currentPlayer, "B");
  dialog_->Delete();
  EXPECT_EQ(View().players, (Names{"A", "C"}));
  EXPECT_EQ(View().selectedPlayer, -1);
  EXPECT_EQ(shared_.currentPlayer, "A");
  EXPECT_EQ(View().levels, (Names{"level1", "level2"}));
  EXPECT_EQ(IniText().find("[B]"), std::string::npos);
  EXPECT_EQ(IniText().find("70:1:1:1"), std::string::npos);
  EXPECT_EQ(Stored("curplayer", "name"), "A");
  EXPECT_EQ(shared_.playerSections, (Names{"A", "C"}));
}

TEST_F(ProfileRules, DeleteNeedsTwoProfilesAndASelection) {
  Start("[A]\nlevels=1\n[B]\nlevels=1\n[curplayer]\nname=A\n");
  dialog_->Open();
  const std::string before = IniText();
  dialog_->Delete();
  EXPECT_EQ(IniText(), before);
  dialog_->ChooseProfile(0);
  dialog_->Delete();
  EXPECT_EQ(View().players, (Names{"B"}));
  const std::string single = IniText();
  dialog_->ChooseProfile(0);
  dialog_->Delete();
  EXPECT_EQ(View().players, (Names{"B"}));
  EXPECT_EQ(IniText(), single);
}

TEST_F(ProfileRules, DeletingOneOfTwoNamesInOtherCaseKeepsTheOtherProfileWhole) {
  // A hand-edited file: two sections whose names differ only in letter case.
  Start("[bob]\nlevels=2\ncurlevel=2\n[Bob]\nlevels=5\ncurlevel=4\nup=Hard\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  ASSERT_EQ(View().players, (Names{"bob", "Bob"}));
  dialog_->ChooseProfile(0);
  dialog_->Delete();
  EXPECT_EQ(View().players, (Names{"Bob"}));
  EXPECT_EQ(shared_.playerSections, (Names{"Bob"}));
  EXPECT_EQ(shared_.currentPlayer, "Bob");
  // One section is gone, the other is neither re-created nor overwritten.
  EXPECT_EQ(shared_.playerStore->ReadSections(), (Names{"Bob", "curplayer"}));
  EXPECT_EQ(Stored("Bob", "levels"), "5");
  EXPECT_EQ(Stored("Bob", "curlevel"), "4");
  EXPECT_EQ(Stored("Bob", "up"), "Hard");
  EXPECT_EQ(View().levels.size(), 5u);
}

TEST_F(ProfileRules, ProgressRecordsGoOnlyWithTheLastSectionOfTheirNameInAnyCase) {
  Start("[bob]\nlevels=1\n[Bob]\nlevels=1\n[Cleo]\nlevels=1\n[curplayer]\nname=Cleo\n");
  ProgressRecorder recorder(shared_, world_.timers, world_.messages, [] { return int64_t{0}; });
  shared_.progress = &recorder;
  {
    ProgressDatabase db(shared_.PlayerDataDir() + kProgressFileName);
    db.Open();
    std::vector<PendingRun> runs(3);
    runs[0].run.profile = "bob";
    runs[1].run.profile = "Bob";
    runs[2].run.profile = "Cleo";
    db.Write(runs);
  }
  dialog_->Open();
  ASSERT_EQ(View().players, (Names{"bob", "Bob", "Cleo"}));
  dialog_->ChooseProfile(0);
  dialog_->Delete();
  ASSERT_EQ(View().players, (Names{"Bob", "Cleo"}));
  // Records name their profile without regard to case: [Bob] still owns both runs.
  EXPECT_EQ(recorder.Load("Bob").runs, 2);
  dialog_->ChooseProfile(0);
  dialog_->Delete();
  EXPECT_EQ(View().players, (Names{"Cleo"}));
  EXPECT_EQ(recorder.Load("bob").runs, 0);
  EXPECT_EQ(recorder.Load("Cleo").runs, 1);
  EXPECT_TRUE(world_.messages.shown.empty());
  shared_.progress = nullptr;
}

TEST_F(ProfileRules, AClearedHighlightLeavesNothingForDeleteToErase) {
  Start("[A]\nlevels=1\n[B]\nlevels=1\n[curplayer]\nname=A\n");
  dialog_->Open();
  dialog_->ChooseProfile(1);
  dialog_->ClearProfileChoice();
  EXPECT_EQ(View().selectedPlayer, -1);
  const std::string before = IniText();
  dialog_->Delete();
  EXPECT_EQ(IniText(), before);
  EXPECT_EQ(View().players, (Names{"A", "B"}));
}

TEST_F(ProfileRules, ChoosingALevelWritesCurlevelAtOnce) {
  Start("[Bob]\nlevels=4\ncurlevel=1\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  dialog_->ChooseLevel(2);
  EXPECT_EQ(Stored("Bob", "curlevel"), "3");
  EXPECT_EQ(View().levelLabel, "level3");
  EXPECT_EQ(menuLevel_, "level3");
}

TEST_F(ProfileRules, ChangingTheDifficultyWritesItForTheCurrentProfileOnly) {
  Start("[Bob]\nlevels=4\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  dialog_->ChangeDifficulty(1);
  EXPECT_EQ(Stored("Bob", "up"), "Normal");
  Start("[Bob]\nlevels=4\n[curplayer]\n");
  dialog_->Open();
  const std::string before = IniText();
  dialog_->ChangeDifficulty(2);
  EXPECT_EQ(IniText(), before);
}

TEST_F(ProfileRules, ProfileWithoutLevelsSaysErrorOnlyWhenOpening) {
  Start("[Bob]\ncurlevel=1\n[Cleo]\nlevels=2\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  EXPECT_EQ(world_.messages.shown, (Names{"error"}));
  EXPECT_TRUE(View().levels.empty());
  dialog_->ChooseProfile(1);
  dialog_->ChooseProfile(0);
  EXPECT_EQ(world_.messages.shown, (Names{"error"}));
  EXPECT_TRUE(View().levels.empty());
}

TEST_F(ProfileRules, RefusedWritesAreShownAndStopTheHandler) {
  Start("[Bob]\nlevels=2\n[curplayer]\nname=Bob\n");
  dialog_->Open();
  MakeReadOnly();
  const std::string before = IniText();
  dialog_->Add("Anna");
  dialog_->ChooseLevel(1);
  dialog_->Close();
  EXPECT_EQ(IniText(), before);
  ASSERT_EQ(world_.messages.shown.size(), 3u);
  for (const std::string& m : world_.messages.shown) EXPECT_EQ(m, "Unable to write to " + IniPath());
  EXPECT_EQ(View().players, (Names{"Bob"}));
}

class MenuRules : public ProfileRules {
 protected:
  void StartMenu(const std::string& ini) {
    Start(ini);
    level_ = std::make_unique<LevelPlay>(world_.services, shared_, host_);
    screens_.askDifficulty = [this] { calls_.push_back("ask"); };
    screens_.showGameScreen = [this] { calls_.push_back("show game"); };
    screens_.hideMenu = [this] { calls_.push_back("hide menu"); };
  }
  NullLevelPlayHost host_;
  std::unique_ptr<LevelPlay> level_;
  StartGameScreens screens_;
  Names calls_;
};

TEST_F(MenuRules, FirstStartGameWritesFirststartThenAsksThenStarts) {
  StartMenu("[Anna]\nlevels=3\ncurlevel=3\n[curplayer]\nname=Anna\n");
  level_->MutableCounters().Misses = 7;
  screens_.askDifficulty = [this] {
    calls_.push_back("ask");
    EXPECT_EQ(Stored("Anna", "firststart"), "1");
  };
  EXPECT_TRUE(StartGame(shared_, world_.services, *level_, screens_));
  EXPECT_EQ(calls_, (Names{"ask", "show game", "hide menu"}));
  EXPECT_EQ(level_->CurrentLevelName(), "Level3");
  EXPECT_EQ(level_->Counters().Misses, 0);
  calls_.clear();
  EXPECT_TRUE(StartGame(shared_, world_.services, *level_, screens_));
  EXPECT_EQ(calls_, (Names{"show game", "hide menu"}));
}

TEST_F(MenuRules, StartGameRefusesLevelSeventeen) {
  StartMenu("[Anna]\nlevels=16\ncurlevel=17\n[curplayer]\nname=Anna\n");
  const std::string before = IniText();
  EXPECT_FALSE(StartGame(shared_, world_.services, *level_, screens_));
  EXPECT_TRUE(calls_.empty());
  EXPECT_EQ(IniText(), before);
  EXPECT_EQ(world_.sound.played.size(), 1u);
}

TEST_F(MenuRules, SoundSwitchFollowsTheCaptionAndKeepsItWhenTheWriteFails) {
  StartMenu("[Anna]\nlevels=1\n[curplayer]\nname=Anna\n");
  EXPECT_EQ(SwitchSound(shared_, world_.services, "SOUND ON"), "SOUND OFF");
  EXPECT_FALSE(shared_.soundOn);
  EXPECT_EQ(Stored("curplayer", "sound"), "0");
  EXPECT_TRUE(world_.sound.played.empty());
  EXPECT_EQ(SwitchSound(shared_, world_.services, "SOUND OFF"), "SOUND ON");
  EXPECT_TRUE(shared_.soundOn);
  EXPECT_EQ(Stored("curplayer", "sound"), "1");
  EXPECT_EQ(world_.sound.played.size(), 1u);
  MakeReadOnly();
  EXPECT_EQ(SwitchSound(shared_, world_.services, "SOUND ON"), "SOUND ON");
  EXPECT_TRUE(shared_.soundOn);
  EXPECT_EQ(world_.messages.shown, (Names{"Unable to write to " + IniPath()}));
}

}  // namespace
