// SPDX-License-Identifier: GPL-3.0-or-later
// A school's settings: the system's file, the user's file over it, the environment over both.
#include "core/school_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ConfigFolders : ::testing::Test {
  fs::path root = fs::temp_directory_path() / ("keyslinger-school-" + std::to_string(::getpid()));
  void SetUp() override { fs::remove_all(root); }
  void TearDown() override { fs::remove_all(root); }
  void Write(const std::string& relative, const std::string& text) {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative) << text;
  }
  SchoolSettingsInputs Inputs() const {
    SchoolSettingsInputs inputs;
    inputs.xdgConfigDirs = (root / "site").string() + ":" + (root / "etc").string();
    inputs.home = (root / "home").string();
    return inputs;
  }
};

TEST_F(ConfigFolders, TheUserOverridesTheSystemAndTheEnvironmentOverridesBoth) {
  EXPECT_EQ(ReadSchoolSettings(Inputs()).classFolder, "");
  EXPECT_EQ(ReadSchoolSettings(Inputs()).recordsMode, RecordsMode::Auto);

  // The first folder of XDG_CONFIG_DIRS that has the file is the system's; a later one is not read.
  Write("etc/keyslinger/keyslinger.ini", "[class]\nfolder=/srv/other\n[records]\nmode=local\n");
  Write("site/Keyslinger/KEYSLINGER.INI", "[Class]\r\nFolder=/srv/class-5b\r\n[records]\r\nmode=Network\r\n");
  SchoolSettings settings = ReadSchoolSettings(Inputs());
  EXPECT_EQ(settings.classFolder, "/srv/class-5b");
  EXPECT_EQ(settings.recordsMode, RecordsMode::Network);
  EXPECT_EQ(settings.sources.size(), 1u);

  // ~/.config/keyslinger/keyslinger.ini sets the mode only; a relative folder counts as unset.
  Write("home/.config/keyslinger/keyslinger.ini", "[records]\nmode=LOCAL\n[class]\nfolder=relative/path\n");
  settings = ReadSchoolSettings(Inputs());
  EXPECT_EQ(settings.classFolder, "/srv/class-5b");
  EXPECT_EQ(settings.recordsMode, RecordsMode::Local);

  SchoolSettingsInputs inputs = Inputs();
  inputs.recordsModeEnv = "network";
  EXPECT_EQ(ReadSchoolSettings(inputs).recordsMode, RecordsMode::Network);
  inputs.recordsModeEnv = "sideways";  // not a mode: the files decide
  EXPECT_EQ(ReadSchoolSettings(inputs).recordsMode, RecordsMode::Local);
  // XDG_CONFIG_HOME, when absolute, replaces ~/.config.
  inputs.xdgConfigHome = (root / "elsewhere").string();
  EXPECT_EQ(ReadSchoolSettings(inputs).recordsMode, RecordsMode::Network);
}

}  // namespace
