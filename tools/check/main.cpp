// SPDX-License-Identifier: GPL-3.0-or-later
// keyslinger-check: checks a game folder the way the game will read it.
#include "design/level_check.h"
#include "platform/xkb_key_tables.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kBadArguments = 2;

const char* const kUsage =
    "Usage: keyslinger-check [--layout NAME] [--letters] GAME_DIR [LEVEL...]\n"
    "Checks the game folder GAME_DIR (Maps/, Objects/, sounds/) the way the game reads it and\n"
    "prints every problem as PATH:LINE: error|warning: MESSAGE (line 0: the file as a whole).\n"
    "LEVEL names a folder under Maps/ (Level3, or just 3); without one every level is checked,\n"
    "Level1 to Level16 must exist, and the game's own sounds are checked too.\n"
    "Exit status: 0 no error (warnings allowed), 1 errors found, 2 wrong arguments.\n"
    "Options:\n"
    "  --help         this text\n"
    "  --quiet        print errors only\n"
    "  --layout NAME  check the levels as they play on the keyboard layout NAME, as XKB names it\n"
    "                 (us, de, fr, gb, es, it, ch, se, us(dvorak), us(colemak)): levels with\n"
    "                 Layout=us have their letters mapped by key position; without it, a US keyboard\n"
    "  --letters      print each place's letter and the character it becomes, as PATH:LINE: [PLACE] L -> C\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> positional;
  bool quiet = false;
  CheckOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--letters") {
      options.letters = true;
    } else if (arg == "--layout" || arg.rfind("--layout=", 0) == 0) {
      std::string name;
      if (arg == "--layout") {
        if (i + 1 >= argc) {
          std::cerr << "keyslinger-check: --layout needs a layout name\n" << kUsage;
          return kBadArguments;
        }
        name = argv[++i];
      } else {
        name = arg.substr(9);
      }
      std::string problem;
      options.layout = KeyTableForLayout(name, &problem);
      if (!options.layout) {
        std::cerr << "keyslinger-check: layout " << name << ": " << problem << "\n";
        return kBadArguments;
      }
      options.layoutName = name;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::cerr << "keyslinger-check: unknown option " << arg << "\n" << kUsage;
      return kBadArguments;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty()) {
    std::cerr << "keyslinger-check: GAME_DIR is missing\n" << kUsage;
    return kBadArguments;
  }
  const std::string gameDir = positional.front();
  const std::vector<std::string> levels(positional.begin() + 1, positional.end());
  const CheckReport report = CheckGame(gameDir, levels, options);
  for (const LetterNote& note : report.Letters()) std::cout << FormatLetterNote(note) << "\n";
  for (const CheckIssue& issue : report.Issues()) {
    if (quiet && issue.severity != Severity::Error) continue;
    std::cout << FormatIssue(issue) << "\n";
  }
  std::cout << report.ErrorCount() << " error(s), " << report.WarningCount() << " warning(s)\n";
  return report.ErrorCount() > 0 ? 1 : 0;
}
