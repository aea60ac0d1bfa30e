// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker over broken levels: each problem caught in the right file and line.
#include "design/check_files.h"
#include "design/level_check.h"
#include "platform/xkb_key_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string kBroken = std::string(TEST_DATA_DIR) + "/broken";

struct Expected {
  const char* level;
  const char* file;  // path inside the broken game folder
  int line;
  Severity severity;
  const char* fragment;
};

const Expected kExpected[] = {
    {"NoMapSection", "Maps/NoMapSection/Map.ini", 0, Severity::Error, "no [Map] section"},
    {"NoObjectsSection", "Maps/NoObjectsSection/Map.ini", 0, Severity::Error, "no [Objects] section"},
    {"BadRows", "Maps/BadRows/Map.ini", 2, Severity::Error, "ExtraDumpTime 'x' of the Easy row is not an integer"},
    {"BadRows", "Maps/BadRows/Map.ini", 3, Severity::Error, "the Normal row has 4 fields"},
    {"BadRows", "Maps/BadRows/Map.ini", 4, Severity::Error, "CivilianPenaltyMs '3.5' of the Hard row"},
    {"NoMapJpg", "Maps/NoMapJpg/Map.jpg", 0, Severity::Error, "Map.jpg is missing"},
    {"BadMapJpg", "Maps/BadMapJpg/Map.jpg", 0, Severity::Error, "not a JPEG picture"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 1, Severity::Error, "step [S1] has no command"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 4, Severity::Error, "command 'one' is not a valid command"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 8, Severity::Error, "MaxLife (param2) '3x' is not an integer"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 11, Severity::Error, "wave duration (param1) '5s' is not an integer"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 12, Severity::Error, "wave DumpInterval 'x' is not an integer"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 16, Severity::Error, "has 2 fields, it needs three"},
    {"BadSteps", "Maps/BadSteps/Script.ini", 19, Severity::Error, "'ghost' is not a key of [Objects]"},
    {"WaveFirst", "Maps/WaveFirst/Script.ini", 1, Severity::Error, "comes before any actor is defined"},
    {"BadActors", "Maps/BadActors/Map.ini", 8, Severity::Error, "has no Object.ini"},
    {"BadActors", "Objects/MissingFace/Object.ini", 2, Severity::Error, "Nope.bmp is missing"},
    {"BadActors", "Objects/NotBitmap/Object.ini", 2, Severity::Error, "not a bitmap the game can read"},
    {"BadActors", "Objects/TinyFace/Object.ini", 2, Severity::Error, "32x48, smaller than 64 by 64"},
    {"BadActors", "Maps/BadActors/Map.ini", 12, Severity::Error, "NoSuchFolder is missing"},
    {"Letters", "Maps/Letters/Map.ini", 11, Severity::Warning, "letter 'F' is upper case"},
    {"Letters", "Maps/Letters/Map.ini", 15, Severity::Warning, "place [P2] has no letter"},
    {"Letters", "Maps/Letters/Map.ini", 19, Severity::Warning, "'ab' is more than one character"},
    {"Letters", "Maps/Letters/Map.ini", 27, Severity::Warning, "letter 'k' is also the letter of place [P4]"},
    {"Letters", "Maps/Letters/Map.ini", 28, Severity::Warning, "place [P6] has no letter"},
    {"Layout", "Maps/Layout/Map.ini", 8, Severity::Warning, "place [P1] (600,100 64x64) is outside"},
    {"Layout", "Maps/Layout/Map.ini", 8, Severity::Warning, "the tag of place [P1] (618,103 28x24) is outside"},
    {"Layout", "Maps/Layout/Map.ini", 16, Severity::Warning, "[P3] (128,303 28x24) overlaps the tag of place [P2]"},
    {"Layout", "Maps/Layout/Map.ini", 20, Severity::Warning, "the tag of place [P4] (318,470 28x24) is outside"},
    {"Durations", "Maps/Durations/Map.ini", 2, Severity::Warning, "MissPenaltyMs 2050 of the Easy row is not a multiple of 100"},
    {"Durations", "Maps/Durations/Script.ini", 4, Severity::Warning, "MaxLife (param2) 3050 is not a multiple of 100"},
    {"Durations", "Maps/Durations/Script.ini", 7, Severity::Warning, "wave duration (param1) 5050 is not a multiple"},
    {"Durations", "Maps/Durations/Script.ini", 10, Severity::Warning, "command 7 is not 1, 2 or 3"},
    {"ActorWarnings", "Objects/DeadSize/Object.ini", 3, Severity::Warning, "dead picture is 80x64 but the face picture is 64x64"},
    {"ActorWarnings", "Objects/Sounds/Object.ini", 6, Severity::Warning, "gone.wav is missing"},
    {"ActorWarnings", "Objects/Sounds/Object.ini", 7, Severity::Warning, "its samples have 8 bits, not 16"},
    {"ActorWarnings", "Objects/Sounds/Object.ini", 8, Severity::Warning, "'shot.mp3' does not end in .wav"},
    {"ActorWarnings", "Objects/CaseNames/object.ini", 0, Severity::Warning, "names differ in letter case"},
    {"ActorWarnings", "Objects/CaseNames/object.ini", 2, Severity::Warning, "found as"},
    {"EmptyScript", "Maps/EmptyScript/Script.ini", 0, Severity::Warning, "empty script"},
    {"NoTag", "Maps/NoTag/Map.ini", 5, Severity::Warning, "Nope.bmp is missing: the letter tags show nothing"},
    {"CaseFiles", "Maps/CaseFiles/map.INI", 0, Severity::Warning, "the game reads Map.ini"},
    {"LevelCase", "Maps/levelcase", 0, Severity::Warning, "names differ in letter case"},
    {"KeyLetters", "Maps/KeyLetters/Map.ini", 20, Severity::Warning, "letter 'ö' of place [P3] names no key of a US keyboard"},
    {"KeyLayoutUnknown", "Maps/KeyLayoutUnknown/Map.ini", 6, Severity::Warning, "Layout 'qwertz' is not known"},
};

std::string Dump(const CheckReport& report) {
  std::string text;
  for (const CheckIssue& issue : report.Issues()) text += FormatIssue(issue) + "\n";
  return text;
}

TEST(LevelCheck, EachProblemIsReportedAtItsFileAndLine) {
  for (const Expected& expected : kExpected) {
    const CheckReport report = CheckGame(kBroken, {expected.level});
    const std::string path = kBroken + "/" + expected.file;
    const bool found = std::any_of(report.Issues().begin(), report.Issues().end(), [&](const CheckIssue& issue) {
      return issue.path == path && issue.line == expected.line && issue.severity == expected.severity &&
             issue.message.find(expected.fragment) != std::string::npos;
    });
    EXPECT_TRUE(found) << expected.level << ": expected " << expected.file << ":" << expected.line << " "
                       << expected.fragment << "\ngot:\n"
                       << Dump(report);
  }
}

TEST(LevelCheck, ErrorsOnlyWhereTheGameFails) {
  // Levels with warnings only must not fail the check; levels with a load or step failure must.
  for (const char* level : {"Good", "Letters", "Layout", "Durations", "ActorWarnings", "EmptyScript", "NoTag", "CaseFiles", "LevelCase", "KeyLetters", "KeyLayoutUnknown"}) {
    const CheckReport report = CheckGame(kBroken, {level});
    EXPECT_EQ(report.ErrorCount(), 0) << level << "\n" << Dump(report);
  }
  for (const char* level : {"NoMapSection", "NoObjectsSection", "BadRows", "NoMapJpg", "BadMapJpg", "BadSteps", "WaveFirst", "BadActors"}) {
    EXPECT_GT(CheckGame(kBroken, {level}).ErrorCount(), 0) << level;
  }
}

// Letters naming US keys, checked on named layouts: the warnings each layout gives (line and
// message fragment), and no other warning about letters.
TEST(LevelCheck, LettersByKeyOnNamedLayouts) {
  struct Case {
    const char* layout;
    std::vector<std::pair<int, std::string>> warnings;
  };
  const std::pair<int, std::string> noKey{20, "letter 'ö' of place [P3] names no key of a US keyboard"};
  const Case cases[] = {
      {"us", {noKey}},
      {"de",
       {{16, "on layout de the key of letter '`' (place [P2]) is a dead key (dead_circumflex)"},
        noKey,
        {24, "on layout de letter ';' of place [P4] becomes 'ö', as letter 'ö' of place [P3] does"}}},
      {"fr", {noKey}},
      {"ch", {noKey, {24, "letter ';' of place [P4] becomes 'ö', as letter 'ö' of place [P3] does"}}},
      {"us(dvorak)", {noKey}},
  };
  for (const Case& c : cases) {
    CheckOptions options;
    options.layoutName = c.layout;
    options.layout = KeyTableForLayout(c.layout);
    ASSERT_TRUE(options.layout) << c.layout;
    const CheckReport report = CheckGame(kBroken, {"KeyLetters"}, options);
    std::vector<std::pair<int, std::string>> got;
    for (const CheckIssue& issue : report.Issues()) got.emplace_back(issue.line, issue.message);
    ASSERT_EQ(got.size(), c.warnings.size()) << c.layout << "\n" << Dump(report);
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].first, c.warnings[i].first) << c.layout;
      EXPECT_NE(got[i].second.find(c.warnings[i].second), std::string::npos) << c.layout << ": " << got[i].second;
    }
    EXPECT_EQ(report.ErrorCount(), 0);
  }
}

TEST(LevelCheck, LettersListsWhatEachLetterBecomes) {
  CheckOptions options;
  options.layoutName = "de";
  options.layout = KeyTableForLayout("de");
  options.letters = true;
  const CheckReport report = CheckGame(kBroken, {"KeyLetters", "Good"}, options);
  std::vector<std::string> lines;
  for (const LetterNote& note : report.Letters()) {
    if (note.path.find("KeyLetters") != std::string::npos) lines.push_back(note.place + " " + note.letter + ">" + note.becomes);
  }
  const std::vector<std::string> expected = {"P1 y>z", "P2 `>`", "P3 ö>ö", "P4 ;>ö", "P5 z>y"};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(FormatLetterNote(report.Letters().front()), kBroken + "/Maps/KeyLetters/Map.ini:12: [P1] y -> z");
  // Without --letters nothing is listed.
  options.letters = false;
  EXPECT_TRUE(CheckGame(kBroken, {"KeyLetters"}, options).Letters().empty());
}

TEST(LevelCheck, AGoodLevelHasNothingToReport) {
  const CheckReport report = CheckGame(kBroken, {"Good"});
  EXPECT_TRUE(report.Issues().empty()) << Dump(report);
}

TEST(LevelCheck, WholeFolderWantsLevelsOneToSixteen) {
  const CheckReport report = CheckGame(kBroken, {});
  const std::string text = Dump(report);
  EXPECT_NE(text.find(kBroken + "/Maps/Level1:0: error: level folder is missing"), std::string::npos) << text;
  EXPECT_NE(text.find(kBroken + "/Maps/Level16:0: error: level folder is missing"), std::string::npos);
  EXPECT_NE(text.find(kBroken + "/Maps/Good:0: warning: not a level the game plays"), std::string::npos);
  EXPECT_NE(text.find(kBroken + "/sounds:0: warning: the sounds folder is missing"), std::string::npos);
}

TEST(LevelCheck, MissingGameFolderIsAnError) {
  const CheckReport report = CheckGame(kBroken + "/NoSuchGame", {});
  ASSERT_EQ(report.Issues().size(), 1u);
  EXPECT_EQ(report.ErrorCount(), 1);
}

TEST(LevelCheck, BareNumbersNameLevels) {
  const CheckReport report = CheckGame(kBroken, {"7"});
  ASSERT_EQ(report.Issues().size(), 1u);
  EXPECT_EQ(report.Issues()[0].path, kBroken + "/Maps/Level7");
}

std::string Wav(uint16_t format, uint16_t channels, uint16_t bits, bool data) {
  auto le16 = [](uint16_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
  auto le32 = [&](uint32_t v) { return le16(static_cast<uint16_t>(v & 0xFFFF)) + le16(static_cast<uint16_t>(v >> 16)); };
  std::string body = "WAVEfmt " + le32(16) + le16(format) + le16(channels) + le32(8000) + le32(16000) + le16(2) + le16(bits);
  if (data) body += "data" + le32(4) + std::string(4, '\0');
  return "RIFF" + le32(static_cast<uint32_t>(body.size())) + body;
}

TEST(LevelCheck, WavProblems) {
  struct Case {
    std::string bytes;
    const char* problem;  // nullptr: plays
  };
  const Case cases[] = {
      {Wav(1, 1, 16, true), nullptr},
      {Wav(1, 2, 16, true), nullptr},
      {Wav(1, 1, 8, true), "8 bits"},
      {Wav(3, 1, 16, true), "not PCM"},
      {Wav(1, 1, 16, false), "no data chunk"},
      {Wav(1, 7, 16, true), "7 channels"},
      {std::string("RIFF\x04\0\0\0WAVE", 12), "no format chunk"},
      {"ID3 this is an mp3", "not a RIFF WAVE"},
      {Wav(1, 1, 16, true).substr(0, 24), "cut short"},
      {"", "not a RIFF WAVE"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> problem = WavProblem(c.bytes);
    if (!c.problem) {
      EXPECT_FALSE(problem) << *problem;
    } else {
      ASSERT_TRUE(problem) << c.problem;
      EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
    }
  }
}

}  // namespace
