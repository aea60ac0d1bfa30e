// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the INI store against real files in a temporary folder.
#include "core/ini_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/game_error.h"
#include "scratch_folder.h"

namespace {

using namespace std::string_literals;

class IniStoreTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  ScratchFolder scratch_{"ini-store"};
  const std::string folder_ = scratch_.Path();
};

TEST_F(IniStoreTest, MissingFileReadsAsEmptyAndIsNotCreatedByReads) {
  IniStore store(PathOf("Player.ini"));
  EXPECT_EQ(store.ReadString("curplayer", "name", "fallback"), "fallback");
  EXPECT_EQ(store.ReadInteger("Bob", "curlevel", 7), 7);
  EXPECT_TRUE(store.ReadBool("curplayer", "sound", true));
  EXPECT_FALSE(store.ReadBool("curplayer", "sound", false));
  EXPECT_TRUE(store.ReadSections().empty());
  EXPECT_FALSE(store.SectionExists("curplayer"));
  EXPECT_TRUE(store.Document()->Sections().empty());
  EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(IniStoreTest, ReadsDefaultsForAbsentOrNonNumericValues) {
  WriteFile(PathOf("a.ini"), "[Bob]\ncurlevel=0x10\nlevels=abc\nempty=\nsound=0\nneg=-3\nlong=" +
                                 std::string(3000, 'z') + "\n");
  IniStore store(PathOf("a.ini"));
  EXPECT_EQ(store.ReadInteger("Bob", "curlevel", 1), 16);
  EXPECT_EQ(store.ReadInteger("Bob", "levels", 1), 1);
  EXPECT_EQ(store.ReadInteger("Bob", "empty", 4), 4);
  EXPECT_EQ(store.ReadInteger("Bob", "absent", 5), 5);
  EXPECT_EQ(store.ReadInteger("Nobody", "curlevel", 6), 6);
  EXPECT_FALSE(store.ReadBool("Bob", "sound", true));
  EXPECT_TRUE(store.ReadBool("Bob", "neg", false));
  EXPECT_TRUE(store.ReadBool("Bob", "levels", true)) << "not a number: the default";
  EXPECT_FALSE(store.ReadBool("Bob", "levels", false));
  EXPECT_EQ(store.ReadString("Bob", "empty", "fallback"), "") << "present but empty";
  EXPECT_EQ(store.ReadString("Bob", "long", ""), std::string(2047, 'z'));
  EXPECT_EQ(store.ReadString("Bob", "absent", std::string(3000, 'd')), std::string(2047, 'd'));
  EXPECT_EQ(store.ReadString("Bob", "absent", "easy  "), "easy");
}

TEST_F(IniStoreTest, NamesIgnoreLetterCaseForReadsAndWrites) {
  const std::string path = PathOf("Player.ini");
  WriteFile(path, "[Bob]\nLevels=3\n[curplayer]\nname=Bob\n");
  IniStore store(path);
  EXPECT_EQ(store.ReadInteger("BOB", "levels", 0), 3);
  EXPECT_TRUE(store.SectionExists("bOb"));
  EXPECT_EQ(store.ReadString("CURPLAYER", "NAME", ""), "Bob");

  store.WriteInteger("bob", "LEVELS", 4);
  store.WriteString("CurPlayer", "Name", "BOB");
  // The stored spelling of names stays; only the values change.
  EXPECT_EQ(ReadFile(path), "[Bob]\nLevels=4\n[curplayer]\nname=BOB\n");
  // Two profile names that differ only in letter case are one profile.
  EXPECT_EQ(store.ReadInteger(store.ReadString("curplayer", "name", ""), "levels", 0), 4);
}

TEST_F(IniStoreTest, WritesChangeOnlyTheLinesTheyMust) {
  struct Case {
    std::string name;
    std::string before;
    std::string section, key, value;
    std::string after;
  };
  const Case cases[] = {
      {"creates the file", "", "s", "k", "v", "[s]\nk=v\n"},
      {"replaces a value, keeps comments and odd spacing",
       "; top\n[s]\n  k =  old  \n;mid\nother = 2\n", "s", "K", "new",
       "; top\n[s]\nk=new\n;mid\nother = 2\n"},
      {"inserts a new key after the last key line of the section", "[a]\nx=1\n; note\n\n[b]\ny=2\n",
       "a", "z", "3", "[a]\nx=1\nz=3\n; note\n\n[b]\ny=2\n"},
      {"inserts after the header of a section without keys", "[a]\n\n[b]\n", "a", "k", "v",
       "[a]\nk=v\n\n[b]\n"},
      {"appends a new section at the end", "[a]\nx=1\n", "b", "y", "2", "[a]\nx=1\n[b]\ny=2\n"},
      {"ends an unfinished last line before appending", "[a]\nx=1", "b", "y", "2",
       "[a]\nx=1\n[b]\ny=2\n"},
      {"ends an unfinished last key line before inserting after it", "[a]\nx=1", "a", "y", "2",
       "[a]\nx=1\ny=2\n"},
      {"replaces an unfinished last line and keeps it unfinished", "[a]\nx=1", "a", "x", "5",
       "[a]\nx=5"},
      {"writes only into the first of duplicate sections and keys", "[d]\nk=1\nk=2\n[D]\nk=3\n",
       "d", "k", "9", "[d]\nk=9\nk=2\n[D]\nk=3\n"},
      {"keeps lines before the first section", "junk line\nk=orphan\n", "s", "k", "v",
       "junk line\nk=orphan\n[s]\nk=v\n"},
      {"keeps a value's text as given, blanks and all", "", "s", "k", " two words ",
       "[s]\nk= two words \n"},
      {"cuts names and values at a line break", "", "s\n[evil]", "k", "v\r\n[evil]\nx=1",
       "[s]\nk=v\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = PathOf("w.ini");
    std::filesystem::remove(path);
    if (!c.before.empty()) WriteFile(path, c.before);
    IniStore store(path);
    store.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(ReadFile(path), c.after);
  }
}

TEST_F(IniStoreTest, CrLfLineEndsAndByteOrderMarkAreKept) {
  const std::string path = PathOf("win.ini");
  const std::string bom = "\xEF\xBB\xBF";
  WriteFile(path, bom + "[Bob]\r\nlevels=1\r\n\r\n[curplayer]\r\nname=Bob");
  IniStore store(path);
  EXPECT_EQ(store.ReadInteger("Bob", "levels", 0), 1);
  EXPECT_EQ(store.ReadString("curplayer", "name", ""), "Bob");
  EXPECT_EQ(store.ReadSections(), (std::vector<std::string>{"Bob", "curplayer"}));

  store.WriteInteger("Bob", "levels", 2);
  store.WriteInteger("Bob", "curlevel", 2);
  store.WriteBool("curplayer", "sound", false);
  store.WriteString("Ann", "up", "Hard");
  EXPECT_EQ(ReadFile(path), bom +
                                "[Bob]\r\nlevels=2\r\ncurlevel=2\r\n\r\n"
                                "[curplayer]\r\nname=Bob\r\nsound=0\r\n"
                                "[Ann]\r\nup=Hard\r\n");
  EXPECT_EQ(store.ReadString("ann", "UP", ""), "Hard");
}

TEST_F(IniStoreTest, EraseSectionRemovesTheFirstSectionOfTheNameUpToTheNextHeader) {
  const std::string path = PathOf("e.ini");
  WriteFile(path, "top=1\n[a]\nx=1\n; about b\n[B]\ny=2\n\n[c]\nz=3\n[b]\nw=4\n");
  IniStore store(path);
  ASSERT_EQ(store.ReadInteger("b", "y", 0), 2);
  store.EraseSection("b");
  EXPECT_EQ(ReadFile(path), "top=1\n[a]\nx=1\n; about b\n[c]\nz=3\n[b]\nw=4\n");
  // The later section of that name now answers.
  EXPECT_EQ(store.ReadInteger("b", "y", 0), 0);
  EXPECT_EQ(store.ReadInteger("b", "w", 0), 4);
  store.EraseSection("B");
  store.EraseSection("c");
  EXPECT_EQ(ReadFile(path), "top=1\n[a]\nx=1\n; about b\n");
  EXPECT_EQ(store.ReadSections(), std::vector<std::string>{"a"});
}

TEST_F(IniStoreTest, ErasingAnAbsentSectionWritesNothing) {
  IniStore missing(PathOf("none.ini"));
  missing.EraseSection("x");
  EXPECT_TRUE(FolderEntries().empty());

  const std::string path = PathOf("ro.ini");
  WriteFile(path, "[a]\n");
  chmod(path.c_str(), 0444);
  IniStore readOnly(path);
  EXPECT_NO_THROW(readOnly.EraseSection("x"));
  EXPECT_THROW(readOnly.EraseSection("a"), GameError);
  EXPECT_EQ(ReadFile(path), "[a]\n");
}

TEST_F(IniStoreTest, ReadSectionsListsNamesInFileOrderWithinTheBufferSize) {
  const std::string path = PathOf("s.ini");
  WriteFile(path, "[one]\n[Two]\n[]\n[one]\n[curplayer]\n");
  IniStore store(path);
  EXPECT_EQ(store.ReadSections(), (std::vector<std::string>{"one", "Two", "one", "curplayer"}));

  // Fifteen names of 1023 characters use 15 * 1024 bytes; with the final zero byte a
  // sixteenth name fits only when it has at most 1022 characters.
  for (size_t lastLength : {size_t{1022}, size_t{1023}}) {
    SCOPED_TRACE(lastLength);
    std::string text;
    for (char c = 'a'; c < 'a' + 15; ++c) text += "[" + std::string(1023, c) + "]\n";
    text += "[" + std::string(lastLength, 'z') + "]\n[after]\n";
    WriteFile(path, text);
    std::vector<std::string> names = IniStore(path).ReadSections();
    ASSERT_EQ(names.size(), lastLength == 1022 ? 16u : 15u);
    EXPECT_EQ(names[14], std::string(1023, 'o'));
  }
}

TEST_F(IniStoreTest, ChangesMadeByHandBetweenReadsAreSeen) {
  const std::string path = PathOf("hand.ini");
  WriteFile(path, "[s]\nk=1\n");
  IniStore store(path);
  ASSERT_EQ(store.ReadInteger("s", "k", 0), 1);

  // Same size, same inode, quite possibly the same time stamp.
  WriteFile(path, "[s]\nk=2\n");
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 2);

  // Replaced by another file, as editors save.
  WriteFile(PathOf("other"), "[s]\nk=3\n");
  std::filesystem::rename(PathOf("other"), path);
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 3);

  // Back-dated, so the store trusts its stamp; a change still shows in size or stamp.
  timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 3);
  WriteFile(path, "[s]\nk=44\n");
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 44);

  std::filesystem::remove(path);
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 0);
  EXPECT_TRUE(store.ReadSections().empty());

  // After its own write the store sees the file as written, then the next change by hand.
  store.WriteInteger("s", "k", 5);
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 5);
  WriteFile(path, "[s]\nk=6\n");
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 6);
}

TEST_F(IniStoreTest, ASnapshotKeepsTheValuesOfItsLookWhileTheStoreSeesLaterChanges) {
  const std::string path = PathOf("step.ini");
  WriteFile(path, "[w]\ncommand=2\nparam1=600 \n");
  IniStore store(path);
  const IniStore::Snapshot before = store.Read();
  WriteFile(path, "[w]\ncommand=3\n");
  EXPECT_EQ(before.ReadInteger("W", "COMMAND", 0), 2);
  EXPECT_EQ(before.ReadString("w", "param1", "x"), "600");
  // Defaults as the store reads them: trailing blanks dropped, numbers or the fallback.
  EXPECT_EQ(before.ReadString("w", "param2", "a b  "), "a b");
  EXPECT_EQ(before.ReadInteger("w", "param1", 9), 600);
  EXPECT_EQ(before.ReadInteger("w", "absent", -1), -1);
  EXPECT_EQ(store.Read().ReadInteger("w", "command", 0), 3);
  EXPECT_EQ(store.Read().ReadString("w", "param1", "gone"), "gone");
}

TEST_F(IniStoreTest, AWriteReplacesTheFileAtomicallyAndKeepsItsPermissions) {
  const std::string path = PathOf("p.ini");
  WriteFile(path, "[s]\nk=old\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  int oldFd = open(path.c_str(), O_RDONLY);
  ASSERT_GE(oldFd, 0);

  IniStore store(path);
  store.WriteString("s", "k", "new");

  // A reader that opened the file before the write still has the whole old file.
  char buffer[64] = {};
  ssize_t got = pread(oldFd, buffer, sizeof buffer, 0);
  close(oldFd);
  EXPECT_EQ(std::string(buffer, static_cast<size_t>(got)), "[s]\nk=old\n");
  EXPECT_EQ(ReadFile(path), "[s]\nk=new\n");
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"p.ini"}) << "no temporary file is left";
}

TEST_F(IniStoreTest, AWriteThroughALinkChangesTheLinkedFile) {
  const std::string target = PathOf("real.ini");
  const std::string link = PathOf("link.ini");
  WriteFile(target, "[s]\nk=1\n");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  IniStore store(link);
  store.WriteInteger("s", "k", 2);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(target), "[s]\nk=2\n");
}

TEST_F(IniStoreTest, RefusedWritesThrowAndLeaveTheFileAlone) {
  const std::string readOnly = PathOf("ro.ini");
  WriteFile(readOnly, "[s]\nk=1\n");
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  IniStore store(readOnly);
  try {
    store.WriteString("s", "k", "2");
    ADD_FAILURE() << "the write to a read-only file went through";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + readOnly);
  }
  EXPECT_THROW(store.WriteInteger("new", "k", 1), GameError);
  EXPECT_THROW(store.WriteBool("s", "b", true), GameError);
  EXPECT_EQ(ReadFile(readOnly), "[s]\nk=1\n");
  EXPECT_EQ(store.ReadInteger("s", "k", 0), 1);

  // A folder in the path that is really a file.
  WriteFile(PathOf("notafolder"), "x");
  const std::string inside = PathOf("notafolder/Player.ini");
  IniStore blocked(inside);
  EXPECT_EQ(blocked.ReadString("s", "k", "d"), "d");
  try {
    blocked.WriteString("s", "k", "v");
    ADD_FAILURE() << "the write into a file as folder went through";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + inside);
  }
  EXPECT_EQ(ReadFile(PathOf("notafolder")), "x");

  // The path names a folder.
  std::filesystem::create_directory(PathOf("dir.ini"));
  EXPECT_THROW(IniStore(PathOf("dir.ini")).WriteString("s", "k", "v"), GameError);
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("dir.ini")));

  std::vector<std::string> entries = FolderEntries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"dir.ini", "notafolder", "ro.ini"}));
}

TEST_F(IniStoreTest, AWriteIntoAReadOnlyFolderIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  const std::string path = PathOf("Player.ini");
  WriteFile(path, "[s]\nk=1\n");
  ASSERT_EQ(chmod(folder_.c_str(), 0555), 0);
  IniStore store(path);
  EXPECT_THROW(store.WriteString("s", "k", "2"), GameError);
  chmod(folder_.c_str(), 0755);
  EXPECT_EQ(ReadFile(path), "[s]\nk=1\n");
}

TEST_F(IniStoreTest, PathsResolveWithoutRegardToLetterCase) {
  std::filesystem::create_directories(PathOf("Maps/LEVEL1"));
  WriteFile(PathOf("Maps/LEVEL1/MAP.INI"), "[Map]\nk=1\n");
  IniStore store(PathOf("maps/Level1/Map.ini"));
  EXPECT_EQ(store.Path(), PathOf("Maps/LEVEL1/MAP.INI"));
  EXPECT_EQ(store.ReadInteger("map", "k", 0), 1);

  // A missing file keeps its name, inside the folder found without regard to case.
  IniStore fresh(PathOf("MAPS/level1/New.ini"));
  EXPECT_EQ(fresh.Path(), PathOf("Maps/LEVEL1/New.ini"));
  fresh.WriteString("s", "k", "v");
  EXPECT_EQ(ReadFile(PathOf("Maps/LEVEL1/New.ini")), "[s]\nk=v\n");

  // An exact match wins over another spelling.
  WriteFile(PathOf("Maps/LEVEL1/map.ini"), "[Map]\nk=2\n");
  EXPECT_EQ(IniStore(PathOf("Maps/LEVEL1/map.ini")).ReadInteger("map", "k", 0), 2);
  EXPECT_EQ(IniStore(PathOf("Maps/LEVEL1/MAP.INI")).ReadInteger("map", "k", 0), 1);

  IniStore absent(PathOf("nothing/here.ini"));
  EXPECT_EQ(absent.Path(), PathOf("nothing/here.ini"));

  // Backslashes separate folders, for existing files and for files still to be made.
  IniStore backslashed(PathOf("maps\\level1\\Map.INI"));
  EXPECT_EQ(backslashed.Path(), PathOf("Maps/LEVEL1/MAP.INI"));
  EXPECT_EQ(backslashed.ReadInteger("map", "k", 0), 1);
  EXPECT_EQ(IniStore(PathOf("MAPS\\Level1\\Other.ini")).Path(), PathOf("Maps/LEVEL1/Other.ini"));
}

TEST_F(IniStoreTest, BinaryGarbageIsReadAndKeptByteForByte) {
  std::mt19937 generator(99);
  std::string garbage(256 * 1024, '\0');
  for (char& c : garbage) c = static_cast<char>(generator() & 0xFF);
  garbage += "x";  // no line end at the end
  const std::string path = PathOf("garbage.ini");
  WriteFile(path, garbage);
  IniStore store(path);
  EXPECT_EQ(store.ReadString("Profile", "levels", "none"), "none");
  store.WriteInteger("Profile", "levels", 3);
  const std::string after = ReadFile(path);
  EXPECT_EQ(after, garbage + "\n[Profile]\nlevels=3\n");
  EXPECT_EQ(store.ReadInteger("Profile", "levels", 0), 3);
}

TEST_F(IniStoreTest, AFiftyMegabyteFileIsRead) {
  std::string text = "[first]\nk=1\n";
  text.reserve(52 << 20);
  std::mt19937 generator(7);
  std::string line;
  while (text.size() < (50u << 20)) {
    switch (generator() % 4) {
      case 0:
        text += "key" + std::to_string(generator() % 1000) + "=some value\n";
        break;
      case 1:
        text += std::string(generator() % 100000, 'L') + "\n";
        break;
      case 2:
        text += "[s" + std::to_string(generator() % 1000) + "]\n";
        break;
      default:
        for (int i = 0; i < 200; ++i) text += static_cast<char>(generator() & 0xFF);
    }
  }
  text += "\n[last]\nk=2\n";
  const std::string path = PathOf("big.ini");
  WriteFile(path, text);
  IniStore store(path);
  EXPECT_EQ(store.ReadInteger("first", "k", 0), 1);
  EXPECT_EQ(store.ReadInteger("last", "k", 0), 2);
  EXPECT_EQ(store.ReadSections().front(), "first");
}

}  // namespace
