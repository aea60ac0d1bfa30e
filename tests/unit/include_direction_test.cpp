// SPDX-License-Identifier: GPL-3.0-or-later
// The rooms of src/ include one way only, downwards in the order docs/design.md lists them, and
// rules files never include Qt, a Qt folder or the widgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The rooms in docs/design.md's block after the "rooms:" marker, bottom first: the first word of
// every line that does not start with a blank.
std::vector<std::string> RoomOrder(const fs::path& designDoc) {
  std::ifstream in(designDoc);
  std::vector<std::string> rooms;
  std::string line;
  bool marker = false, inBlock = false;
  while (std::getline(in, line)) {
    if (!marker) {
      marker = line.find("<!-- rooms:") != std::string::npos;
      continue;
    }
    if (line.rfind("```", 0) == 0) {
      if (inBlock) break;
      inBlock = true;
      continue;
    }
    if (inBlock && !line.empty() && line[0] != ' ') rooms.push_back(line.substr(0, line.find(' ')));
  }
  return rooms;
}

// A file of src/ given as its path under src/ ("level/ui/game_form.cpp").
bool InQtFolder(const std::string& path) {
  const std::string room = path.substr(0, path.find('/'));
  if (room == "widgets" || room == "app") return true;
  std::istringstream parts(path);
  std::string part;
  std::getline(parts, part, '/');  // the room
  while (std::getline(parts, part, '/')) {
    if (parts.eof()) break;  // the file's own name
    if (part == "ui" || part == "qt") return true;
  }
  return false;
}

// Every way the files under srcDir break the rules, one line each; empty when none.
std::vector<std::string> IncludeViolations(const fs::path& srcDir, const std::vector<std::string>& rooms) {
  std::map<std::string, size_t> rank;
  for (size_t i = 0; i < rooms.size(); ++i) rank[rooms[i]] = i;
  static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(srcDir)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string path = fs::relative(entry.path(), srcDir).generic_string();
    const std::string room = path.substr(0, path.find('/'));
    if (!rank.count(room)) {
      found.push_back(path + ": room '" + room + "' is not listed in docs/design.md");
      continue;
    }
    const bool rules = !InQtFolder(path);
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch match;
      if (!std::regex_search(line, match, include)) continue;
      const std::string target = match[2];
      const std::string where = path + ":" + std::to_string(number) + ": ";
      if (match[1] == "<") {
        if (rules && (target[0] == 'Q' || target.rfind("qt", 0) == 0)) found.push_back(where + "a rules file includes Qt <" + target + ">");
        continue;
      }
      if (!fs::exists(srcDir / target)) continue;  // a generated or tool header
      const std::string targetRoom = target.substr(0, target.find('/'));
      if (!rank.count(targetRoom)) continue;  // reported with the file itself
      if (rank[targetRoom] > rank[room]) found.push_back(where + room + " includes " + target + " of a room above it");
      if (rules && InQtFolder(target)) found.push_back(where + "a rules file includes " + target + " of a Qt folder");
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(IncludeDirection, EveryRoomIncludesOnlyItselfAndTheRoomsBelowIt) {
  const std::vector<std::string> rooms = RoomOrder(fs::path(SOURCE_DIR) / "docs/design.md");
  ASSERT_GE(rooms.size(), 10u) << "docs/design.md lists too few rooms: is its rooms block still there?";
  EXPECT_EQ(rooms.front(), "platform");
  EXPECT_EQ(Lines(IncludeViolations(fs::path(SOURCE_DIR) / "src", rooms)), "");
}

// The checker itself, on a small tree of its own: each kind of fault is found, and a tree
// without one passes.
TEST(IncludeDirection, TheCheckFindsEveryKindOfFault) {
  const fs::path root = fs::temp_directory_path() / ("keyslinger-includes-" + std::to_string(::getpid()));
  fs::remove_all(root);
  auto write = [&](const std::string& path, const std::string& text) {
    fs::create_directories((root / path).parent_path());
    std::ofstream(root / path) << text;
  };
  const std::vector<std::string> rooms = {"platform", "widgets", "core", "level", "app"};
  write("platform/timer.h", "#pragma once\n");
  write("widgets/button.h", "#include <QWidget>\n#include \"platform/timer.h\"\n");
  write("core/store.h", "#include \"platform/timer.h\"\n#include <vector>\n");
  write("level/play.cpp", "#include \"core/store.h\"\n#include \"level/ui/form.h\"\n");
  write("level/ui/form.h", "#include <QLabel>\n#include \"widgets/button.h\"\n#include \"level/play.h\"\n");
  write("level/play.h", "#pragma once\n");
  write("app/main.cpp", "#include \"level/ui/form.h\"\n");
  EXPECT_EQ(Lines(IncludeViolations(root, rooms)), "level/play.cpp:2: a rules file includes level/ui/form.h of a Qt folder\n");

  write("core/store.h", "#include \"level/play.h\"\n#include <QString>\n#include \"widgets/button.h\"\n");
  write("extra/thing.h", "\n");
  EXPECT_EQ(Lines(IncludeViolations(root, rooms)),
            "core/store.h:1: core includes level/play.h of a room above it\n"
            "core/store.h:2: a rules file includes Qt <QString>\n"
            "core/store.h:3: a rules file includes widgets/button.h of a Qt folder\n"
            "extra/thing.h: room 'extra' is not listed in docs/design.md\n"
            "level/play.cpp:2: a rules file includes level/ui/form.h of a Qt folder\n");
  fs::remove_all(root);
}

}  // namespace
