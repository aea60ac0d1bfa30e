// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of opening Player.ini at start-up and of the first profile.
#include "profiles/player_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/shared_state.h"
#include "platform/game_error.h"
#include "scratch_folder.h"

namespace {

class PlayerStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shared_.appDir = scratch_.Path() + "/";
    playerIni_ = shared_.appDir + "Player.ini";
  }

  void WritePlayerIni(const std::string& text) const {
    std::ofstream(playerIni_, std::ios::binary) << text;
  }
  std::string ReadPlayerIni() const {
    std::ifstream in(playerIni_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  ScratchFolder scratch_{"player-store"};
  SharedState shared_;
  std::string playerIni_;
};

TEST_F(PlayerStoreTest, FirstRunCreatesTheLoginNamesProfile) {
  bool soundReadFirst = false;
  OpenPlayerStore(shared_, "alice", [&] {
    // The menu sets its sound caption before any profile is written.
    soundReadFirst = shared_.soundOn && !std::filesystem::exists(playerIni_);
  });
  EXPECT_TRUE(soundReadFirst);
  EXPECT_EQ(ReadPlayerIni(),
            "[alice]\nlevels=1\ncurlevel=1\nup=easy\n"
            "[curplayer]\nname=alice\n");
  ASSERT_NE(shared_.playerStore, nullptr);
  EXPECT_EQ(shared_.playerStore->Path(), playerIni_);
  EXPECT_EQ(shared_.currentPlayer, "alice");
  EXPECT_EQ(shared_.playerSections, std::vector<std::string>{"alice"});
  EXPECT_TRUE(shared_.soundOn);
  EXPECT_EQ(shared_.playerStore->ReadInteger("alice", "firststart", 0), 0);
  EXPECT_TRUE(shared_.playerStore->ReadBool("curplayer", "sound", true));
}

TEST_F(PlayerStoreTest, AFileWithoutSectionsGetsTheFirstProfileBelowItsLines) {
  WritePlayerIni("; kept\nname=stray\n");
  OpenPlayerStore(shared_, "Bob");
  EXPECT_EQ(ReadPlayerIni(),
            "; kept\nname=stray\n"
            "[Bob]\nlevels=1\ncurlevel=1\nup=easy\n"
            "[curplayer]\nname=Bob\n");
  EXPECT_EQ(shared_.currentPlayer, "Bob");
}

TEST_F(PlayerStoreTest, AFileWithOnlyCurplayerCreatesNoProfile) {
  const std::string text = "[curplayer]\nname=Ghost\nsound=0\n";
  WritePlayerIni(text);
  int calls = 0;
  OpenPlayerStore(shared_, "alice", [&] { ++calls; });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(ReadPlayerIni(), text);
  EXPECT_EQ(shared_.currentPlayer, "Ghost");
  EXPECT_EQ(shared_.playerSections, std::vector<std::string>{"curplayer"});
  EXPECT_FALSE(shared_.soundOn);
  EXPECT_EQ(shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1), 1);
  EXPECT_EQ(shared_.playerStore->ReadString(shared_.currentPlayer, "up", ""), "");
}

TEST_F(PlayerStoreTest, AnExistingStoreIsOnlyRead) {
  const std::string text =
      "[Bob]\nlevels=16\ncurlevel=0x10\nup=HARD\nfirststart=1\n4=75:30:2:1\n"
      "[Ann]\nlevels=2\n"
      "[curplayer]\nname=BOB\nsound=1\n";
  WritePlayerIni(text);
  OpenPlayerStore(shared_, "alice");
  EXPECT_EQ(ReadPlayerIni(), text);
  EXPECT_EQ(shared_.currentPlayer, "BOB");
  EXPECT_EQ(shared_.playerSections, (std::vector<std::string>{"Bob", "Ann", "curplayer"}));
  EXPECT_TRUE(shared_.soundOn);
  // The profile is named in another letter case: it is still the same profile.
  EXPECT_EQ(shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1), 16);
  EXPECT_EQ(shared_.playerStore->ReadString(shared_.currentPlayer, "4", ""), "75:30:2:1");
}

TEST_F(PlayerStoreTest, AProfileWithoutCurplayerLeavesNoCurrentPlayer) {
  WritePlayerIni("[Bob]\nlevels=1\n");
  OpenPlayerStore(shared_, "alice");
  EXPECT_EQ(shared_.currentPlayer, "");
  EXPECT_EQ(shared_.playerSections, std::vector<std::string>{"Bob"});
  EXPECT_TRUE(shared_.soundOn);
}

TEST_F(PlayerStoreTest, ARefusedFirstWriteReportsTheFullPath) {
  WritePlayerIni("");
  ASSERT_EQ(chmod(playerIni_.c_str(), 0444), 0);
  try {
    OpenPlayerStore(shared_, "alice");
    ADD_FAILURE() << "the first profile was written into a read-only file";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + playerIni_);
  }
  EXPECT_EQ(ReadPlayerIni(), "");
  ASSERT_NE(shared_.playerStore, nullptr);
  EXPECT_TRUE(shared_.playerSections.empty());
}

}  // namespace
