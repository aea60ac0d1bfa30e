// SPDX-License-Identifier: GPL-3.0-or-later
// Finding files without regard to letter case or slash direction, and reading them whole.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/file_lookup.h"
#include "platform/sound_file.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class FileLookupTest : public ::testing::Test {
protected:
  void SetUp() override {
    Write("maps/level1/Map.jpg", "jpeg");
    Write("maps/level1/Script.ini", "[Script]");
    Write("Sounds/Button1.WAV", "wav");
    Write("Sounds/ric", "no extension");
    Write("Sounds/wood1.wav", "wood");
    Write("Exact/readme.txt", "lower");
    Write("Exact/README.txt", "upper");
    Write("Exact/ReadMe.txt", "mixed");
    fs::create_directories(root_ + "/Objects/Folder.wav");
  }
  void TearDown() override {
    if (!previousDir_.empty()) fs::current_path(previousDir_);
  }
  void Write(const std::string& relative, const std::string& text) {
    const fs::path path = fs::path(root_) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string At(const std::string& relative) const { return root_ + "/" + relative; }

  ScratchFolder scratch_{"lookup"};
  const std::string root_ = scratch_.Path();
  fs::path previousDir_;
};

TEST_F(FileLookupTest, FindsPathsWhateverTheirCaseAndSlashes) {
  const std::pair<std::string, std::string> rows[] = {
      {"maps/level1/Map.jpg", "maps/level1/Map.jpg"},
      {"Maps\\Level1\\map.JPG", "maps/level1/Map.jpg"},
      {"MAPS/LEVEL1/SCRIPT.INI", "maps/level1/Script.ini"},
      {"maps\\level1/map.jpg", "maps/level1/Map.jpg"},
      {"sounds\\button1.wav", "Sounds/Button1.WAV"},
      {"Maps\\\\Level1\\Map.jpg", "maps/level1/Map.jpg"},
      {"maps/level1", "maps/level1"},
  };
  for (const auto& [asked, onDisk] : rows) {
    SCOPED_TRACE(asked);
    const auto found = FindFileNoCase(At(asked));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, At(onDisk));
    EXPECT_EQ(ResolvePathNoCase(At(asked)), At(onDisk));
  }
}

TEST_F(FileLookupTest, AnExactMatchWinsOverOtherSpellings) {
  EXPECT_EQ(FindFileNoCase(At("Exact/README.txt")), At("Exact/README.txt"));
  EXPECT_EQ(FindFileNoCase(At("exact/ReadMe.txt")), At("Exact/ReadMe.txt"));
  EXPECT_EQ(FindFileNoCase(At("EXACT/readme.txt")), At("Exact/readme.txt"));
  // No exact spelling: the choice does not depend on the order of the folder on disk.
  EXPECT_EQ(FindFileNoCase(At("exact/readme.TXT")), At("Exact/README.txt"));
}

TEST_F(FileLookupTest, MissingPathsAreNotFound) {
  const std::string rows[] = {"maps/level2/Map.jpg", "maps/level1/Map.jpeg",
                              "maps/level1/Map.jpg/x", "nothing", ""};
  for (const std::string& asked : rows) {
    SCOPED_TRACE(asked);
    EXPECT_FALSE(FindFileNoCase(asked.empty() ? asked : At(asked)).has_value());
    EXPECT_FALSE(FileExistsNoCase(asked.empty() ? asked : At(asked)));
  }
  EXPECT_EQ(ResolvePathNoCase(At("Maps\\Level9\\Map.jpg")), At("Maps/Level9/Map.jpg"));
}

TEST_F(FileLookupTest, WorksOnRelativePaths) {
  previousDir_ = fs::current_path();
  fs::current_path(root_);
  EXPECT_EQ(FindFileNoCase("MAPS\\Level1\\Map.jpg"), "maps/level1/Map.jpg");
  EXPECT_EQ(FindFileNoCase("./Maps/level1/../LEVEL1/map.jpg"), "./maps/level1/../level1/Map.jpg");
  EXPECT_TRUE(FileExistsNoCase("sounds\\WOOD1.wav"));
  EXPECT_FALSE(FindFileNoCase("maps\\level3").has_value());
}

TEST_F(FileLookupTest, OnlyRegularFilesExistAsFiles) {
  EXPECT_TRUE(FileExistsNoCase(At("Maps\\Level1\\Map.jpg")));
  EXPECT_FALSE(FileExistsNoCase(At("Maps\\Level1")));
  EXPECT_TRUE(FindFileNoCase(At("maps")).has_value());
}

TEST_F(FileLookupTest, ReadsWholeFilesOnly) {
  Write("binary.dat", std::string("a\0b\r\nc", 6));
  Write("empty.ini", "");
  EXPECT_EQ(ReadWholeFile(At("binary.dat")), std::string("a\0b\r\nc", 6));
  EXPECT_EQ(ReadWholeFile(At("empty.ini")), std::string());
  EXPECT_FALSE(ReadWholeFile(At("missing.ini")).has_value());
  EXPECT_FALSE(ReadWholeFile(At("maps")).has_value());
}

TEST_F(FileLookupTest, SoundNamesFindWavFiles) {
  struct Row {
    const char* asked;
    std::optional<std::string> found;
  };
  const Row rows[] = {
      {"sounds\\button1.wav", At("Sounds/Button1.WAV")},
      {"sounds\\button1", At("Sounds/Button1.WAV")},  // no extension: ".wav" is added
      {"sounds\\WOOD1", At("Sounds/wood1.wav")},
      {"sounds\\ric", At("Sounds/ric")},      // a file of that very name comes first
      {"sounds\\button1.nul", std::nullopt},  // an extension is never replaced
      {"sounds\\button2", std::nullopt},
      {"objects\\folder", std::nullopt},  // "Folder.wav" is a folder
      {"sounds", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.asked);
    EXPECT_EQ(FindSoundFile(At(row.asked)), row.found);
  }
  EXPECT_FALSE(FindSoundFile("").has_value());
}

TEST(ExecutableDir, IsTheFolderOfThisTestProgram) {
  const std::string dir = ExecutableDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_EQ(dir.front(), '/');
  EXPECT_TRUE(fs::exists(fs::path(dir) / "keyslinger_unit_tests"));
}

}  // namespace
