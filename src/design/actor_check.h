// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker's look at one actor folder: Object.ini, its pictures and its sounds.
#pragma once
#include "design/check_report.h"

#include <map>
#include <string>

struct ActorFacts {
  bool usable = false;  // the folder has a face picture the game can load
  int faceWidth = 0;
  int faceHeight = 0;
};

// Checks each actor folder once; problems inside a folder are reported at its own files, a
// missing folder or Object.ini at the Map.ini line that names it.
class ActorChecker {
public:
  ActorChecker(std::string gameDir, CheckReport& report) : gameDir_(std::move(gameDir)), report_(report) {}
  ActorFacts Check(const std::string& folderName, const std::string& refPath, int refLine);

private:
  ActorFacts CheckFolder(const std::string& folder);
  void CheckSound(const std::string& objectPath, const std::string& folder, const struct IniEntry* entry);

  std::string gameDir_;
  CheckReport& report_;
  std::map<std::string, ActorFacts> checked_;  // by folder path on disk
};

// Warns about a sound file the game cannot play; nothing when it plays. line is where it is named.
void CheckSoundFile(CheckReport& report, const std::string& path, const std::string& refPath, int refLine);
