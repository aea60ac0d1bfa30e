// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker: Map.ini, Script.ini, Map.jpg and the tag bitmap of each level, the actors the
// scripts define and the game's own sounds.
#include "design/level_check.h"

#include "design/actor_check.h"
#include "design/check_files.h"
#include "core/field_split.h"
#include "level/place_letters.h"
#include "platform/file_lookup.h"
#include "platform/text_case.h"
#include "core/ini_document.h"
#include "core/level_counters.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kStepMs = 100;
const char* const kDifficulties[] = {"Easy", "Normal", "Hard"};
const char* const kRowFields[] = {"ExtraActors", "ExtraDumpTime", "ExtraMaxLife", "MissPenaltyMs", "CivilianPenaltyMs"};
const char* const kWaveFields[] = {"DumpTime", "DumpInterval", "target"};

bool IsDirectory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsInteger(std::string_view text) {
  int32_t value = 0;
  return ParseIniInteger(text, value);
}

size_t CharacterCount(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  // Edges in 64 bits: places and sizes may be anywhere in 32 bits.
  int64_t Right() const { return int64_t{left} + width; }
  int64_t Bottom() const { return int64_t{top} + height; }
  bool Inside() const { return left >= 0 && top >= 0 && Right() <= kScreenWidth && Bottom() <= kScreenHeight; }
  bool Overlaps(const Rect& o) const {
    return left < o.Right() && o.left < Right() && top < o.Bottom() && o.top < Bottom();
  }
  std::string Text() const {
    return "(" + std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
           std::to_string(height) + ")";
  }
};

// Warns about sections that share a name: the game reads every key from the first of them.
void CheckDuplicateSections(CheckReport& report, const std::string& path, const IniDocument& doc, const char* what) {
  std::map<std::string, int> seen;
  for (const IniSection& section : doc.Sections()) {
    auto [it, fresh] = seen.emplace(ToLowerAscii(section.name), section.line);
    if (!fresh) {
      report.Warning(path, section.line, std::string(what) + " [" + section.name + "] has the name of the one at line " +
                                             std::to_string(it->second) + ": its keys are read from that one");
    }
  }
}

class LevelChecker {
public:
  LevelChecker(const std::string& gameDir, const std::string& name, CheckReport& report, ActorChecker& actors,
               const CheckOptions& options)
      : dir_(gameDir + "/Maps/" + name), report_(report), actors_(actors), options_(options) {}

  void Check() {
    const std::optional<std::string> found = FindFileNoCase(dir_);
    if (!found || !IsDirectory(*found)) {
      report_.Error(dir_, 0, "level folder is missing");
      return;
    }
    if (*found != dir_) {
      report_.Warning(*found, 0, "the game looks for " + dir_ + ": the names differ in letter case");
      dir_ = *found;
    }
    const bool mapLoaded = ReadIni("Map.ini", mapPath_, map_);
    if (!mapLoaded) report_.Error(mapPath_, 0, "Map.ini is missing: the level cannot be loaded");
    CheckDuplicateSections(report_, mapPath_, map_, "section");
    CheckMapSection();
    CheckObjectsSection();
    CheckMapPicture();
    CheckScript();
    CheckPlaces();
  }

private:
  // Reads a level file into doc; false when it is missing. Warns about letter case.
  bool ReadIni(const std::string& name, std::string& path, IniDocument& doc) {
    const FoundFile file = FindGameFile(dir_ + "/" + name);
    path = file.path;
    if (!file.exists) return false;
    if (file.caseDiffers) report_.Warning(path, 0, "the game reads " + name + ": the names differ in letter case");
    const std::optional<std::string> text = ReadCheckedFile(file.path);
    if (!text) report_.Error(path, 0, "cannot be read");
    doc = IniDocument::Parse(text.value_or(""));
    return true;
  }

  void CheckMapSection() {
    const IniSection* section = map_.FindSection("Map");
    if (!section) {
      report_.Error(mapPath_, 0, "no [Map] section: the level cannot be loaded");
      return;
    }
    for (const char* difficulty : kDifficulties) {
      const IniEntry* row = map_.FindEntry("Map", difficulty);
      if (!row) {
        report_.Warning(mapPath_, section->line, std::string("no ") + difficulty + " row: " + difficulty +
                                                     " plays with 0:0:0:2000:3000");
        continue;
      }
      const std::vector<std::string> fields = SplitFields(row->value);
      if (fields.size() < 5) {
        report_.Error(mapPath_, row->line, std::string("the ") + difficulty + " row has " + std::to_string(fields.size()) +
                                               " fields, it needs five (ExtraActors:ExtraDumpTime:ExtraMaxLife:"
                                               "MissPenaltyMs:CivilianPenaltyMs): the level cannot be loaded");
      }
      for (size_t i = 0; i < std::min<size_t>(fields.size(), 5); ++i) {
        int32_t value = 0;
        if (!ParseIniInteger(fields[i], value)) {
          report_.Error(mapPath_, row->line, std::string(kRowFields[i]) + " '" + fields[i] + "' of the " + difficulty +
                                                 " row is not an integer: the level cannot be loaded");
        } else if (i >= 2 && value % kStepMs != 0) {
          report_.Warning(mapPath_, row->line, std::string(kRowFields[i]) + " " + std::to_string(value) + " of the " +
                                                   difficulty + " row is not a multiple of 100 ms");
        }
      }
    }
    const std::pair<const char*, const char*> integers[] = {
        {"LColor", "0"}, {"LHLColor", "16777215"}, {"Lx", "-1"}, {"Ly", "-1"}, {"Lsize", "14"}};
    for (const auto& [key, fallback] : integers) {
      const IniEntry* entry = map_.FindEntry("Map", key);
      if (entry && !IsInteger(entry->value)) {
        report_.Warning(mapPath_, entry->line, std::string(key) + " '" + entry->value + "' is not an integer: " + fallback + " is used");
      }
    }
    CheckTagBitmap(section->line);
    CheckLayoutKey();
  }

  void CheckLayoutKey() {
    const IniEntry* entry = map_.FindEntry("Map", "Layout");
    letterLayout_ = ParseLetterLayout(entry ? entry->value : "");
    if (letterLayout_ == LetterLayout::Unknown) {
      report_.Warning(mapPath_, entry->line, "Layout '" + entry->value +
                                                 "' is not known (the game knows us): the letters are taken as written");
    }
  }

  // The character a player types for the letter on the checked layout; warns where a letter
  // that names a key cannot follow that key.
  std::string LetterOnLayout(const IniSection& place, const IniEntry& entry) {
    const std::string& letter = entry.value;
    if (letterLayout_ != LetterLayout::UsKeys) return letter;
    if (!FindUsKey(letter)) {
      report_.Warning(mapPath_, entry.line, "letter '" + letter + "' of place [" + place.name +
                                                "] names no key of a US keyboard: it is taken as written on every layout");
      return letter;
    }
    if (!options_.layout) return letter;
    const KeyTyped* typed = options_.layout->Find(letter);
    if (!typed || typed->kind == KeyTyped::Kind::Character) return options_.layout->MapLetter(letter);
    const std::string what = typed->kind == KeyTyped::Kind::DeadKey ? "is a dead key" : "types no character";
    report_.Warning(mapPath_, entry.line, "on layout " + options_.layoutName + " the key of letter '" + letter +
                                              "' (place [" + place.name + "]) " + what +
                                              (typed->symbol.empty() ? "" : " (" + typed->symbol + ")") +
                                              ": the letter is taken as written");
    return letter;
  }

  void CheckTagBitmap(int sectionLine) {
    const IniEntry* entry = map_.FindEntry("Map", "LBMP");
    if (!entry || entry->value.empty()) {
      report_.Warning(mapPath_, entry ? entry->line : sectionLine, "no tag bitmap (LBMP): the letter tags show nothing");
      return;
    }
    const FoundFile file = FindGameFile(dir_ + "/" + entry->value);
    if (!file.exists) {
      report_.Warning(mapPath_, entry->line, "tag bitmap " + file.path + " is missing: the letter tags show nothing");
      return;
    }
    if (file.caseDiffers) {
      report_.Warning(mapPath_, entry->line, "tag bitmap " + dir_ + "/" + entry->value + " is found as " + file.path +
                                                 ": the names differ in letter case");
    }
    const PictureCheck picture = CheckBitmapFile(file.path);
    if (!picture.picture) {
      report_.Error(mapPath_, entry->line, "tag bitmap cannot be read: " + picture.problem + ": the level cannot be loaded");
      return;
    }
    tagWidth_ = picture.picture->width;
    tagHeight_ = picture.picture->height;
  }

  void CheckObjectsSection() {
    const IniSection* section = map_.FindSection("Objects");
    if (!section) report_.Error(mapPath_, 0, "no [Objects] section: the level cannot be loaded");
  }

  void CheckMapPicture() {
    const FoundFile file = FindGameFile(dir_ + "/Map.jpg");
    if (!file.exists) {
      report_.Error(file.path, 0, "Map.jpg is missing: the level cannot be loaded");
      return;
    }
    if (file.caseDiffers) report_.Warning(file.path, 0, "the game reads Map.jpg: the names differ in letter case");
    const PictureCheck picture = CheckJpegFile(file.path);
    if (!picture.picture) report_.Error(file.path, 0, "not a JPEG picture the game can read: " + picture.problem);
  }

  // The actor kind a command-1 step names: its folder checked once per level.
  void CheckTemplateKey(const IniSection& step, const IniEntry* param1) {
    const std::string key = param1 ? param1->value : "";
    const int line = param1 ? param1->line : step.line;
    const IniEntry* object = map_.FindEntry("Objects", key);
    if (!object) {
      report_.Error(scriptPath_, line, "'" + key + "' is not a key of [Objects] in Map.ini: \"Error in Clock\"");
      return;
    }
    const std::string lowered = ToLowerAscii(key);
    if (actorsChecked_.count(lowered)) return;
    actorsChecked_.insert(lowered);
    const ActorFacts facts = actors_.Check(object->value, mapPath_, object->line);
    if (facts.usable) {
      faceWidth_ = std::max(faceWidth_, facts.faceWidth);
      faceHeight_ = std::max(faceHeight_, facts.faceHeight);
    }
  }

  void CheckScript() {
    IniDocument script;
    if (!ReadIni("Script.ini", scriptPath_, script)) {
      report_.Warning(scriptPath_, 0, "Script.ini is missing: the level ends at its first clock tick");
      return;
    }
    if (script.Sections().empty()) {
      report_.Warning(scriptPath_, 0, "empty script: the level ends at its first clock tick");
      return;
    }
    CheckDuplicateSections(report_, scriptPath_, script, "step");
    bool templateDefined = false;
    std::set<std::string> stepsSeen;
    for (const IniSection& section : script.Sections()) {
      if (!stepsSeen.insert(ToLowerAscii(section.name)).second) continue;
      const IniEntry* command = script.FindEntry(section.name, "command");
      const IniEntry* param1 = script.FindEntry(section.name, "param1");
      const IniEntry* param2 = script.FindEntry(section.name, "param2");
      int32_t value = 0;
      if (!command) {
        report_.Error(scriptPath_, section.line, "step [" + section.name + "] has no command: the game stops with \"Error\"");
        continue;
      }
      if (!ParseIniInteger(command->value, value) || value == -1) {
        report_.Error(scriptPath_, command->line, "command '" + command->value + "' is not a valid command: the game stops with \"Error\"");
        continue;
      }
      if (value == 1) {
        templateDefined = true;
        CheckTemplateKey(section, param1);
        CheckDuration(param2, section.line, "MaxLife (param2)", true);
      } else if (value == 2) {
        CheckDuration(param1, section.line, "wave duration (param1)", true);
        CheckWaveFields(section, param2);
        if (!templateDefined) {
          report_.Error(scriptPath_, section.line, "wave [" + section.name + "] comes before any actor is defined: its first spawn stops the game with \"Error in Clock\"");
        }
      } else if (value != 3) {
        report_.Warning(scriptPath_, command->line, "command " + std::to_string(value) +
                                                        " is not 1, 2 or 3: the step never ends and the level never finishes");
      }
    }
  }

  // An integer field that fails the step when it is not one; a duration warns off the 100 ms grid.
  void CheckDuration(const IniEntry* entry, int sectionLine, const std::string& what, bool duration) {
    const std::string text = entry ? entry->value : "";
    const int line = entry ? entry->line : sectionLine;
    int32_t value = 0;
    if (!ParseIniInteger(text, value)) {
      report_.Error(scriptPath_, line, what + " '" + text + "' is not an integer: \"Error in Clock\"");
    } else if (duration && value % kStepMs != 0) {
      report_.Warning(scriptPath_, line, what + " " + std::to_string(value) + " is not a multiple of 100 ms");
    }
  }

  void CheckWaveFields(const IniSection& step, const IniEntry* param2) {
    const std::string text = param2 ? param2->value : "";
    const int line = param2 ? param2->line : step.line;
    const std::vector<std::string> fields = SplitFields(text);
    if (fields.size() < 3) {
      report_.Error(scriptPath_, line, "wave param2 '" + text + "' has " + std::to_string(fields.size()) +
                                           " fields, it needs three (DumpTime:DumpInterval:target): \"Error in Clock\"");
    }
    for (size_t i = 0; i < std::min<size_t>(fields.size(), 3); ++i) {
      if (!IsInteger(fields[i])) {
        report_.Error(scriptPath_, line, std::string("wave ") + kWaveFields[i] + " '" + fields[i] + "' is not an integer: \"Error in Clock\"");
      }
    }
  }

  // An integer key of a place; a value that is not one reads as its default.
  int32_t PlaceInteger(const IniSection& place, const char* key, int32_t fallback, bool* present = nullptr) {
    const IniEntry* entry = map_.FindEntry(place.name, key);
    if (present) *present = entry != nullptr && IsInteger(entry->value);
    if (!entry) return fallback;
    int32_t value = fallback;
    if (!ParseIniInteger(entry->value, value)) {
      report_.Warning(mapPath_, entry->line, std::string(key) + " '" + entry->value + "' is not an integer: " +
                                                 std::to_string(fallback) + " is used");
      return fallback;
    }
    return value;
  }

  void CheckLetter(const IniSection& place, std::map<std::string, std::string>& letters) {
    const IniEntry* entry = map_.FindEntry(place.name, "letter");
    if (!entry || entry->value.empty()) {
      report_.Warning(mapPath_, entry ? entry->line : place.line, "place [" + place.name + "] has no letter: it can never be hit");
      return;
    }
    const std::string& letter = entry->value;
    if (CharacterCount(letter) > 1) {
      report_.Warning(mapPath_, entry->line, "letter '" + letter + "' is more than one character: it can never be hit");
      return;
    }
    if (ToLowerUtf8(letter) != letter) {
      report_.Warning(mapPath_, entry->line, "letter '" + letter + "' is upper case: typed letters are lower-cased, so it can never be hit");
      return;
    }
    auto [it, fresh] = letters.emplace(letter, place.name);
    if (!fresh) {
      report_.Warning(mapPath_, entry->line, "letter '" + letter + "' is also the letter of place [" + it->second + "]");
    }
    // Two keys that type one character on this layout make the level ambiguous there, as does a
    // key that types another place's letter kept as written.
    const std::string becomes = LetterOnLayout(place, *entry);
    if (options_.letters) report_.Letter({mapPath_, entry->line, place.name, letter, becomes});
    auto [typedIt, typedFresh] = typedLetters_.emplace(becomes, TypedBy{place.name, letter});
    if (!typedFresh && typedIt->second.letter != letter) {
      report_.Warning(mapPath_, entry->line, "on layout " + LayoutName() + " letter '" + letter + "' of place [" +
                                                 place.name + "] becomes '" + becomes + "', as letter '" +
                                                 typedIt->second.letter + "' of place [" + typedIt->second.place + "] does");
    }
  }

  std::string LayoutName() const { return options_.layout ? options_.layoutName : "us"; }

  void CheckPlaces() {
    bool skippedMap = false;
    bool skippedObjects = false;
    std::set<std::string> placesSeen;
    std::map<std::string, std::string> letters;
    std::vector<std::pair<std::string, Rect>> tags;
    const int defaultWidth = faceWidth_ > 0 ? faceWidth_ : 64;
    const int defaultHeight = faceHeight_ > 0 ? faceHeight_ : 64;
    for (const IniSection& place : map_.Sections()) {
      if (!skippedMap && EqualsNoCaseAscii(place.name, "Map")) {
        skippedMap = true;
        continue;
      }
      if (!skippedObjects && EqualsNoCaseAscii(place.name, "Objects")) {
        skippedObjects = true;
        continue;
      }
      if (!placesSeen.insert(ToLowerAscii(place.name)).second) continue;
      CheckLetter(place, letters);
      bool hasW = false, hasH = false;
      const int32_t x = PlaceInteger(place, "x", 0);
      const int32_t y = PlaceInteger(place, "y", 0);
      const int32_t w = PlaceInteger(place, "w", defaultWidth, &hasW);
      const int32_t h = PlaceInteger(place, "h", defaultHeight, &hasH);
      PlaceInteger(place, "side", 0);
      const int32_t dx = PlaceInteger(place, "Dx", -1);
      const int32_t dy = PlaceInteger(place, "Dy", -1);
      const Rect box{x, y, w, h};
      if (!box.Inside()) {
        report_.Warning(mapPath_, place.line, "place [" + place.name + "] " + box.Text() + " is outside the 640 by 480 screen");
      }
      if (tagWidth_ == 0) continue;
      // Tags are placed with their own defaults for w and h, not the actor's picture size.
      // The game wraps these sums in 32 bits; the checker places the tag the same way.
      const Rect tag{dx != -1 ? dx : WrapAdd(WrapAdd(x, (hasW ? w : 64) / 2), -(tagWidth_ / 2)),
                     dy != -1 ? dy : WrapAdd(WrapAdd(y, hasH ? h : 0), 3),
                     tagWidth_, tagHeight_};
      if (!tag.Inside()) {
        report_.Warning(mapPath_, place.line, "the tag of place [" + place.name + "] " + tag.Text() + " is outside the 640 by 480 screen");
      }
      for (const auto& [other, otherTag] : tags) {
        if (tag.Overlaps(otherTag)) {
          report_.Warning(mapPath_, place.line, "the tag of place [" + place.name + "] " + tag.Text() +
                                                    " overlaps the tag of place [" + other + "] " + otherTag.Text());
        }
      }
      tags.emplace_back(place.name, tag);
    }
  }

  struct TypedBy {
    std::string place;
    std::string letter;
  };

  std::string dir_;
  CheckReport& report_;
  ActorChecker& actors_;
  const CheckOptions& options_;
  LetterLayout letterLayout_ = LetterLayout::AsWritten;
  std::map<std::string, TypedBy> typedLetters_;
  std::string mapPath_;
  std::string scriptPath_;
  IniDocument map_;
  std::set<std::string> actorsChecked_;
  int tagWidth_ = 0;
  int tagHeight_ = 0;
  int faceWidth_ = 0;
  int faceHeight_ = 0;
};

std::string LevelName(const std::string& given) {
  if (!given.empty() && std::all_of(given.begin(), given.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return "Level" + given;
  }
  return given;
}

// The sounds the game itself plays from sounds/.
std::vector<std::string> GameSounds() {
  std::vector<std::string> names;
  for (int i = 0; i <= 4; ++i) names.push_back("button" + std::to_string(i) + ".wav");
  for (int i = 1; i <= 4; ++i) names.push_back("pl_ladder" + std::to_string(i) + ".wav");
  for (int i = 1; i <= 5; ++i) names.push_back("ric" + std::to_string(i) + ".wav");
  for (int i = 1; i <= 3; ++i) names.push_back("wood" + std::to_string(i) + ".wav");
  for (const char* name : {"fx_1175.wav", "fx_1422.wav", "wolfhowl01.wav"}) names.push_back(name);
  return names;
}

void CheckGameSounds(const std::string& gameDir, CheckReport& report) {
  const std::string folder = gameDir + "/sounds";
  if (!IsDirectory(folder)) {
    report.Warning(folder, 0, "the sounds folder is missing: the game plays the alert sound instead");
    return;
  }
  for (const std::string& name : GameSounds()) {
    const std::string path = folder + "/" + name;
    CheckSoundFile(report, path, path, 0);
  }
}

// Every folder under Maps/, Level1 to Level16 first in number order, then the others by name.
std::vector<std::string> AllLevels(const std::string& gameDir, CheckReport& report) {
  std::vector<std::string> names;
  std::error_code error;
  std::set<std::string> folders;
  for (const auto& entry : std::filesystem::directory_iterator(gameDir + "/Maps", error)) {
    std::error_code typeError;
    if (entry.is_directory(typeError)) folders.insert(entry.path().filename().string());
  }
  for (int level = 1; level <= kCheckedLastLevel; ++level) {
    const std::string name = "Level" + std::to_string(level);
    names.push_back(name);
    // A folder named in other letter case is still the level; its check says so.
    for (auto it = folders.begin(); it != folders.end();) {
      it = EqualsNoCaseAscii(*it, name) ? folders.erase(it) : std::next(it);
    }
  }
  for (const std::string& other : folders) {
    const std::string path = gameDir + "/Maps/" + other;
    report.Warning(path, 0, "not a level the game plays (it plays Level1 to Level" + std::to_string(kCheckedLastLevel) + ")");
    names.push_back(other);
  }
  return names;
}

}  // namespace

CheckReport CheckGame(const std::string& gameDirGiven, const std::vector<std::string>& levels,
                      const CheckOptions& options) {
  CheckReport report;
  std::string gameDir = gameDirGiven;
  while (gameDir.size() > 1 && gameDir.back() == '/') gameDir.pop_back();
  try {
    if (!IsDirectory(gameDir)) {
      report.Error(gameDir, 0, "the game folder is missing");
      return report;
    }
    if (!IsDirectory(gameDir + "/Maps")) {
      report.Error(gameDir + "/Maps", 0, "the Maps folder is missing");
      return report;
    }
    ActorChecker actors(gameDir, report);
    std::vector<std::string> names;
    if (levels.empty()) {
      names = AllLevels(gameDir, report);
      CheckGameSounds(gameDir, report);
    } else {
      for (const std::string& level : levels) names.push_back(LevelName(level));
    }
    for (const std::string& name : names) LevelChecker(gameDir, name, report, actors, options).Check();
  } catch (const std::exception& e) {
    report.Error(gameDir, 0, std::string("the check stopped: ") + e.what());
  }
  return report;
}
