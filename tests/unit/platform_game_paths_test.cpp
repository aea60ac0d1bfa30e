// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of where the game finds its content and keeps the player's files, against real folders.
#include "platform/game_paths.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/folders.h"
#include "platform/game_error.h"
#include "platform/player_files_copy.h"
#include "core/ini_store.h"
#include "scratch_folder.h"
#include "sql_probe.h"

namespace {

namespace fs = std::filesystem;

class GamePathsTest : public ::testing::Test {
 protected:
  // Makes the folder (and its parents) under the test's root; returns it with a trailing slash.
  std::string Folder(const std::string& relative) const {
    fs::create_directories(root_ + relative);
    return root_ + relative + "/";
  }
  // A new empty root; the one before goes with everything in it.
  void SetUp() override {
    scratch_ = std::make_unique<ScratchFolder>("game-paths");
    root_ = fs::canonical(scratch_->Path()).string() + "/";
  }

  std::unique_ptr<ScratchFolder> scratch_;
  std::string root_;
};

// One case: which folders exist, what the program is told, what the answer must be. Paths in
// the expectations are relative to the test's root unless they start with '/'.
struct PathCase {
  const char* name;
  std::vector<std::string> folders;  // made before resolving
  std::string exeDir;
  std::string dataFromExecutable;
  std::string installedDataDir;      // relative to the root; empty: none configured
  bool exeReadOnly;
  std::optional<std::string> xdg;    // relative to the root unless "~rel" (kept as given, relative)
  std::optional<std::string> home;   // relative to the root
  std::string wantContent;
  std::string wantPlayer;
};

TEST_F(GamePathsTest, ContentAndPlayerFolders) {
  const std::vector<PathCase> cases = {
      {"writable game folder keeps everything", {"game/Maps"}, "game", "", "", false, "xdg", "home",
       "game/", "game/"},
      {"Maps in another letter case still makes a game folder", {"game/mAPS"}, "game", "", "", false,
       std::nullopt, "home", "game/", "game/"},
      {"a file named Maps does not make a game folder", {"game", "inst/share/Maps"}, "game", "",
       "inst/share", false, std::nullopt, "home", "inst/share/", "home/.local/share/keyslinger/"},
      {"read-only game folder: content stays, player files go to XDG", {"game/Maps"}, "game", "", "",
       true, "xdg", "home", "game/", "xdg/keyslinger/"},
      {"install found relative to the executable", {"usr/games", "usr/share/games/keyslinger/Maps"},
       "usr/games", "../share/games/keyslinger", "/nowhere/keyslinger", false, "xdg", "home",
       "usr/share/games/keyslinger/", "xdg/keyslinger/"},
      {"a moved install wins over the configured folder",
       {"moved/games", "moved/share/games/keyslinger/Maps", "usr/share/games/keyslinger/Maps"},
       "moved/games", "../share/games/keyslinger", "usr/share/games/keyslinger", false, std::nullopt,
       "home", "moved/share/games/keyslinger/", "home/.local/share/keyslinger/"},
      {"configured data folder when nothing is relative", {"bin", "data/Maps"}, "bin",
       "../share/games/keyslinger", "data", false, std::nullopt, "home", "data/",
       "home/.local/share/keyslinger/"},
      {"an installed executable's folder is never the player's, writable or not",
       {"usr/games", "usr/share/games/keyslinger/Maps"}, "usr/games", "../share/games/keyslinger", "",
       false, "xdg", "home", "usr/share/games/keyslinger/", "xdg/keyslinger/"},
      {"XDG unset: ~/.local/share", {"usr/games", "usr/share/games/keyslinger/Maps"}, "usr/games",
       "../share/games/keyslinger", "", false, std::nullopt, "home",
       "usr/share/games/keyslinger/", "home/.local/share/keyslinger/"},
      {"XDG empty counts as unset", {"bin", "data/Maps"}, "bin", "", "data", false, "", "home",
       "data/", "home/.local/share/keyslinger/"},
      {"XDG relative is ignored", {"bin", "data/Maps"}, "bin", "", "data", false, "~rel/xdg", "home",
       "data/", "home/.local/share/keyslinger/"},
      {"no content anywhere: the executable's folder", {"bin"}, "bin", "../share", "data", false,
       "xdg", "home", "bin/", "xdg/keyslinger/"},
      {"no home and no XDG: the executable's folder", {"bin", "data/Maps"}, "bin", "", "data", false,
       std::nullopt, std::nullopt, "data/", "bin/"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    for (const std::string& folder : c.folders) Folder(folder);
    if (std::string(c.name).find("a file named Maps") != std::string::npos) {
      std::ofstream(root_ + "game/Maps") << "not a folder";
    }
    const std::string exe = root_ + c.exeDir + "/";
    if (c.exeReadOnly) fs::permissions(exe, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                                       fs::perm_options::remove);
    GamePathInputs inputs;
    inputs.executableDir = exe;
    inputs.dataFromExecutable = c.dataFromExecutable;
    inputs.installedDataDir = c.installedDataDir.empty() || c.installedDataDir[0] == '/'
                                  ? c.installedDataDir
                                  : root_ + c.installedDataDir;
    if (c.xdg) inputs.xdgDataHome = c.xdg->empty() ? "" : c.xdg->rfind("~rel", 0) == 0 ? c.xdg->substr(5) : root_ + *c.xdg;
    if (c.home) inputs.home = root_ + *c.home;

    const GamePaths paths = ResolveGamePaths(inputs);
    EXPECT_EQ(paths.contentDir, root_ + c.wantContent);
    EXPECT_EQ(paths.playerDir, root_ + c.wantPlayer);
  }
}

TEST_F(GamePathsTest, MakeFoldersMakesEveryMissingLevelPrivately) {
  const std::string target = root_ + "a/b/c/";
  ASSERT_TRUE(MakeFolders(target));
  for (const char* level : {"a", "a/b", "a/b/c"}) {
    struct stat info {};
    ASSERT_EQ(::stat((root_ + level).c_str(), &info), 0) << level;
    EXPECT_TRUE(S_ISDIR(info.st_mode)) << level;
    EXPECT_EQ(info.st_mode & 0077, 0u) << level << ": readable by others";
  }
  EXPECT_TRUE(MakeFolders(target)) << "an existing folder is fine";
  std::ofstream(root_ + "file") << "x";
  EXPECT_FALSE(MakeFolders(root_ + "file/below"));
  EXPECT_FALSE(MakeFolders(""));
}

TEST_F(GamePathsTest, WritableFolderRule) {
  const std::string open = Folder("open");
  const std::string shut = Folder("shut");
  fs::permissions(shut, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  std::ofstream(root_ + "plain") << "x";
  EXPECT_TRUE(IsWritableFolder(open));
  EXPECT_FALSE(IsWritableFolder(shut)) << "no write bit: read-only for the superuser too";
  EXPECT_FALSE(IsWritableFolder(root_ + "plain"));
  EXPECT_FALSE(IsWritableFolder(root_ + "missing"));
}

// The per-user folder does not exist before the first profile: the store's first write makes it.
TEST_F(GamePathsTest, FirstWriteIntoMissingPlayerFolderMakesIt) {
  const std::string ini = root_ + "home/.local/share/keyslinger/Player.ini";
  IniStore store(ini);
  EXPECT_EQ(store.ReadSections().size(), 0u);
  store.WriteString("Ann", "levels", "1");
  EXPECT_TRUE(fs::is_regular_file(ini));
  IniStore again(ini);
  EXPECT_EQ(again.ReadString("Ann", "levels", ""), "1");
}

TEST_F(GamePathsTest, UnwritablePlayerFolderReportsFullPath) {
  std::ofstream(root_ + "home") << "a file where the home folder should be";
  const std::string ini = root_ + "home/.local/share/keyslinger/Player.ini";
  IniStore store(ini);
  try {
    store.WriteString("Ann", "levels", "1");
    FAIL() << "the write succeeded";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + ini);
  }
  EXPECT_FALSE(fs::exists(root_ + "home/.local"));
}

// Which game folder the per-user folder starts from: only a read-only game folder with a
// Player.ini of its own, and only while the per-user folder has none.
TEST_F(GamePathsTest, ReadOnlyGameFolderWithItsOwnPlayerIniIsCarriedOver) {
  struct Case {
    const char* name;
    std::optional<bool> writable;  // unset: the folder's own permissions (left writable)
    const char* gameIni;           // name of the game folder's Player.ini; null: none
    const char* userIni;           // name of a Player.ini already in the per-user folder
    bool wantCarry;
  };
  const Case cases[] = {
      {"read-only copy with its own profiles", false, "Player.ini", nullptr, true},
      {"its Player.ini in another letter case", false, "PLAYER.INI", nullptr, true},
      {"the per-user folder has profiles already", false, "Player.ini", "Player.ini", false},
      {"the per-user folder's in another case", false, "Player.ini", "player.ini", false},
      {"a read-only copy without profiles", false, nullptr, nullptr, false},
      {"a writable game folder keeps its own", true, "Player.ini", nullptr, false},
      {"asked of the folder itself: writable", std::nullopt, "Player.ini", nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    const std::string game = Folder("game");
    Folder("game/Maps");
    const std::string user = Folder("xdg/keyslinger");
    if (c.gameIni) std::ofstream(game + c.gameIni) << "[curplayer]\nname=Ann\n";
    if (c.userIni) std::ofstream(user + c.userIni) << "[curplayer]\nname=Bob\n";
    GamePathInputs inputs;
    inputs.executableDir = game;
    inputs.xdgDataHome = root_ + "xdg";
    inputs.home = root_ + "home";
    inputs.executableDirWritable = c.writable;
    const GamePaths paths = ResolveGamePaths(inputs);
    EXPECT_EQ(paths.carryFrom, c.wantCarry ? game : "");
    EXPECT_EQ(paths.playerDir, c.writable.value_or(true) ? game : user);
  }
}

// A portable copy that was killed while playing: some of its rows are still in Progress.db-wal.
// Carried over from a folder nobody may write to, the per-user folder gets the profiles and
// every row, in a database that needs no log beside it.
TEST_F(GamePathsTest, CarriedOverFilesHoldTheProfilesAndEveryRowOfTheLog) {
  const std::string game = Folder("game");
  const std::string playerIni = "[curplayer]\r\nname=Ann\r\n[Ann]\r\nlevels=3\r\n[Bob]\r\nlevels=2\r\n";
  std::ofstream(game + "Player.ini", std::ios::binary) << playerIni;
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open((game + "progress.db").c_str(), &writer), SQLITE_OK);
  const char* setup =
      "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
      "CREATE TABLE shots(id INTEGER PRIMARY KEY, typed TEXT);"
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250)"
      "  INSERT INTO shots(typed) SELECT 'f' FROM n;";
  ASSERT_EQ(sqlite3_exec(writer, setup, nullptr, nullptr, nullptr), SQLITE_OK);
  // The writer stays open, as a killed game's would have been: the rows are only in the log.
  ASSERT_GT(fs::file_size(game + "progress.db-wal"), 0u);
  fs::permissions(game, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);

  const std::string user = root_ + "xdg/keyslinger/";
  EXPECT_EQ(CopyPlayerFiles(game, user), "");
  sqlite3_close(writer);

  std::ifstream copied(user + "Player.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copied), {}), playerIni);
  EXPECT_FALSE(fs::exists(user + "Progress.db-wal"));
  EXPECT_FALSE(fs::exists(user + "Progress.db.carry"));
  EXPECT_EQ(QueryValue(user + "Progress.db", "SELECT count(*) FROM shots WHERE typed = 'f'"), "250");

  // Records the player made since are never overwritten; the profiles are copied again only
  // when the per-user Player.ini is gone.
  fs::remove(user + "Player.ini");
  std::ofstream(user + "Progress.db") << "the player's own";
  EXPECT_EQ(CopyPlayerFiles(game, user), "");
  std::ifstream own(user + "Progress.db");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}), "the player's own");
  EXPECT_TRUE(fs::exists(user + "Player.ini"));
}

}  // namespace
