// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker's look at one actor folder: Object.ini, its pictures and its sounds.
#include "design/actor_check.h"

#include "design/check_files.h"
#include "platform/file_lookup.h"
#include "platform/text_case.h"
#include "core/ini_document.h"

#include <sys/stat.h>

namespace {

constexpr int kMinPicture = 64;

bool IsDirectory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool EndsWithWav(const std::string& name) {
  return name.size() >= 4 && EqualsNoCaseAscii(std::string_view(name).substr(name.size() - 4), ".wav");
}

struct PictureSlot {
  const char* key;
  const char* fallback;
  const char* what;
};
constexpr PictureSlot kSlots[] = {
    {"face", "Face.bmp", "face"}, {"dead", "dead.bmp", "dead"}, {"active", "active.bmp", "active"}};

std::string Size(const Image& picture) { return std::to_string(picture.width) + "x" + std::to_string(picture.height); }

}  // namespace

void CheckSoundFile(CheckReport& report, const std::string& path, const std::string& refPath, int refLine) {
  const FoundFile sound = FindGameFile(path);
  if (!sound.exists) {
    report.Warning(refPath, refLine, "sound " + sound.path + " is missing: the platform's alert sounds instead");
    return;
  }
  if (sound.caseDiffers) {
    report.Warning(refPath, refLine, "sound " + path + " is found as " + sound.path + ": the names differ in letter case");
  }
  const std::optional<std::string> bytes = ReadCheckedFile(sound.path);
  if (!bytes) {
    report.Warning(refPath, refLine, "sound " + sound.path + " cannot be read");
  } else if (const std::optional<std::string> problem = WavProblem(*bytes)) {
    report.Warning(refPath, refLine, "sound " + sound.path + " cannot be played: " + *problem);
  }
}

ActorFacts ActorChecker::Check(const std::string& folderName, const std::string& refPath, int refLine) {
  if (folderName.empty()) {
    report_.Error(refPath, refLine, "the actor's folder name is empty: its face picture cannot be found");
    return {};
  }
  const std::string asked = gameDir_ + "/Objects/" + folderName;
  const std::optional<std::string> folder = FindFileNoCase(asked);
  if (!folder || !IsDirectory(*folder)) {
    report_.Error(refPath, refLine, "actor folder " + asked + " is missing");
    return {};
  }
  if (*folder != asked) {
    report_.Warning(refPath, refLine, "actor folder " + asked + " is found as " + *folder + ": the names differ in letter case");
  }
  if (!FindGameFile(*folder + "/Object.ini").exists) {
    report_.Error(refPath, refLine, "actor folder " + *folder + " has no Object.ini");
  }
  auto it = checked_.find(*folder);
  if (it != checked_.end()) return it->second;
  const ActorFacts facts = CheckFolder(*folder);
  checked_.emplace(*folder, facts);
  return facts;
}

ActorFacts ActorChecker::CheckFolder(const std::string& folder) {
  ActorFacts facts;
  const FoundFile objectFile = FindGameFile(folder + "/Object.ini");
  const std::string objectPath = objectFile.path;
  IniDocument object;
  if (objectFile.exists) {
    if (objectFile.caseDiffers) {
      report_.Warning(objectPath, 0, "named Object.ini by the game: the names differ in letter case");
    }
    const std::optional<std::string> text = ReadCheckedFile(objectFile.path);
    if (!text) report_.Error(objectPath, 0, "cannot be read");
    object = IniDocument::Parse(text.value_or(""));
  }

  if (const IniEntry* character = object.FindEntry("object", "Character")) {
    int32_t value = 0;
    if (!ParseIniInteger(character->value, value)) {
      report_.Warning(objectPath, character->line, "Character '" + character->value + "' is not an integer: the actor is an enemy (0)");
    }
  }

  ImagePtr face;
  for (const PictureSlot& slot : kSlots) {
    const IniEntry* entry = object.FindEntry("images", slot.key);
    const std::string name = entry ? entry->value : slot.fallback;
    const int line = entry ? entry->line : 0;
    const bool isFace = std::string_view(slot.key) == "face";
    const FoundFile file = FindGameFile(folder + "/" + name);
    if (!file.exists) {
      report_.Error(objectPath, line, std::string(slot.what) + " picture " + file.path + " is missing");
      if (isFace) break;
      continue;
    }
    if (file.caseDiffers) {
      report_.Warning(objectPath, line, std::string(slot.what) + " picture " + folder + "/" + name + " is found as " +
                                            file.path + ": the names differ in letter case");
    }
    const PictureCheck picture = CheckBitmapFile(file.path);
    if (!picture.picture) {
      report_.Error(objectPath, line, std::string(slot.what) + " picture is not a bitmap the game can read: " + picture.problem);
      if (isFace) break;
      continue;
    }
    if (isFace) {
      face = picture.picture;
      if (face->width < kMinPicture || face->height < kMinPicture) {
        report_.Error(objectPath, line, "face picture is " + Size(*face) + ", smaller than 64 by 64: \"Invalid image size\"");
        break;
      }
    } else if (picture.picture->width != face->width || picture.picture->height != face->height) {
      report_.Warning(objectPath, line, std::string(slot.what) + " picture is " + Size(*picture.picture) +
                                            " but the face picture is " + Size(*face) + ": it is ignored");
    }
  }
  if (face && face->width >= kMinPicture && face->height >= kMinPicture) {
    facts.usable = true;
    facts.faceWidth = face->width;
    facts.faceHeight = face->height;
  }

  for (const char* key : {"SND_ACTIVE", "SND_APPEAR", "SND_DEAD"}) CheckSound(objectPath, folder, object.FindEntry("sound", key));
  return facts;
}

void ActorChecker::CheckSound(const std::string& objectPath, const std::string& folder, const IniEntry* entry) {
  if (!entry || entry->value.empty()) return;
  if (!EndsWithWav(entry->value)) {
    report_.Warning(objectPath, entry->line, entry->key + " '" + entry->value + "' does not end in .wav: the actor has no such sound");
    return;
  }
  CheckSoundFile(report_, folder + "/" + entry->value, objectPath, entry->line);
}
