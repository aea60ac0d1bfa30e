// SPDX-License-Identifier: GPL-3.0-or-later
// The class view's rules over a class folder of good hand-ins and hostile files: rows named by
// the files' owners, unreadable files listed with their reason, totals that disagree flagged,
// sorting, weeks, CSV cells, and the drop folder of docs/classroom.md checked as root.
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>

#include "classroom/class_roster.h"
#include "classroom/csv_cells.h"
#include "classroom/hand_in_file.h"
#include "classroom_fixture.h"
#include "practice/local_day.h"
#include "progress/utc_time.h"

namespace {

// A class folder: three pupils' hand-ins and every hostile kind of file beside them.
struct ClassFolder {
  ScratchFolder home, folder;
  std::string good;  // a whole hand-in's bytes

  ClassFolder() {
    WriteHistory(home / "Progress.db", "Anna", 60);
    HandIn handIn = GatherFrom(home / "Progress.db", "Anna");
    good = HandInBytes(handIn);
    Add("anna-anna-00000001.keyslinger", good, 1001);
    handIn.profile = "=HYPERLINK(\"http://x\")";
    Add("bob-x-00000002.keyslinger", HandInBytes(handIn), 1002);
    handIn.profile = "<b>bold</b> <img src=x>";
    Add("cleo-x-00000003.keyslinger", HandInBytes(handIn), 1003);
    handIn.profile = std::string(10000, 'n');
    Add("dan-x-00000004.keyslinger", HandInBytes(handIn), 1004);
    // Totals that its own rows do not add up to.
    handIn.profile = "Eve";
    handIn.runCount += 5;
    Add("eve-x-00000005.keyslinger", HandInBytes(handIn), 1005);

    Add("notsql.keyslinger", std::string(5000, 'x'), 2001);
    Add("cut.keyslinger", good.substr(0, good.size() / 2), 2002);
    Add("newer.keyslinger", good, 2003);
    ExecOn(folder / "newer.keyslinger", "PRAGMA user_version=2");
    Add("foreign.keyslinger", good, 2004);
    ExecOn(folder / "foreign.keyslinger", "CREATE TABLE secrets (x)");
    Add("other-app.keyslinger", good, 2005);
    ExecOn(folder / "other-app.keyslinger", "PRAGMA application_id=7");
    Add("trigger.keyslinger", good, 2006);
    ExecOn(folder / "trigger.keyslinger",
           "CREATE TRIGGER t AFTER INSERT ON runs BEGIN DELETE FROM keys; END");
    Add("badkeys.keyslinger", good, 2007);
    ExecOn(folder / "badkeys.keyslinger", "UPDATE keys SET hits = chances + 5");
    std::filesystem::create_directory(folder / "dir.keyslinger");
    std::filesystem::create_symlink(folder / "anna-anna-00000001.keyslinger",
                                    folder / "link.keyslinger");
    // Never opened: not a hand-in's name.
    Add("notes.txt", "x", 3001);
    Add(".keyslinger-0123-host-77.part", good, 3002);
  }
  void Add(const std::string& name, const std::string& bytes, uid_t owner) {
    WriteBytes(folder / name, bytes);
    if (::geteuid() == 0) {
      EXPECT_EQ(::chown((folder / name).c_str(), owner, owner), 0);
    }
  }
};

std::optional<AccountNames> Accounts(uint32_t uid) {
  if (uid == 1001) return AccountNames{"anna", "Anna Berg"};
  if (uid == 1002) return AccountNames{"bob", ""};
  return std::nullopt;
}

const ClassRow* RowOf(const ClassRoster& roster, const std::string& file) {
  for (const ClassRow& row : roster.rows)
    if (row.fileName == file) return &row;
  return nullptr;
}

TEST(ClassView, ListsGoodHandInsAndSaysWhyTheOthersCannotBeRead) {
  ClassFolder c;
  const ClassRoster roster = ReadClassFolder(c.folder.Path(), "2025-01-08", Accounts);
  EXPECT_TRUE(roster.error.empty());
  ASSERT_EQ(roster.rows.size(), 14u) << "every file with a hand-in's name, and no other";

  const struct {
    const char* file;
    HandInProblem problem;
  } expected[] = {{"anna-anna-00000001.keyslinger", HandInProblem::kNone},
                  {"bob-x-00000002.keyslinger", HandInProblem::kNone},
                  {"cleo-x-00000003.keyslinger", HandInProblem::kNone},
                  {"dan-x-00000004.keyslinger", HandInProblem::kNone},
                  {"eve-x-00000005.keyslinger", HandInProblem::kNone},
                  {"notsql.keyslinger", HandInProblem::kNotAHandIn},
                  {"cut.keyslinger", HandInProblem::kDamaged},
                  {"newer.keyslinger", HandInProblem::kNewerVersion},
                  {"foreign.keyslinger", HandInProblem::kForeignTables},
                  {"other-app.keyslinger", HandInProblem::kNotAHandIn},
                  {"trigger.keyslinger", HandInProblem::kForeignTables},
                  {"badkeys.keyslinger", HandInProblem::kBadValues},
                  {"dir.keyslinger", HandInProblem::kNotAFile},
                  {"link.keyslinger", HandInProblem::kNotAFile}};
  for (const auto& e : expected) {
    const ClassRow* row = RowOf(roster, e.file);
    ASSERT_NE(row, nullptr) << e.file;
    EXPECT_EQ(row->problem, e.problem) << e.file << ": " << row->problemDetail;
  }
  EXPECT_EQ(RowOf(roster, "newer.keyslinger")->problemDetail, "2");

  const ClassRow& anna = *RowOf(roster, "anna-anna-00000001.keyslinger");
  EXPECT_EQ(anna.profile, "Anna");
  EXPECT_TRUE(anna.disagreements.empty());
  EXPECT_EQ(anna.runCount, 60);
  EXPECT_EQ(anna.keysMastered, 2);
  ASSERT_TRUE(anna.accuracyPercent.has_value());
  EXPECT_GT(*anna.accuracyPercent, 50);
  EXPECT_TRUE(anna.wordsPerMinute.has_value());
  EXPECT_TRUE(anna.trend.has_value());
  EXPECT_FALSE(anna.weakestKeys.empty());
  EXPECT_LE(anna.weakestKeys.size(), 5u);
  // The week from 2025-01-08 on holds the history's last three days (six runs a day), not its
  // first.
  EXPECT_GT(anna.playedThisWeekMs, 0);
  EXPECT_LT(anna.playedThisWeekMs, anna.playedMs);
  EXPECT_EQ(RowOf(roster, "eve-x-00000005.keyslinger")->disagreements,
            std::vector<std::string>{"runs"});
  // Names come through as they were written, never shortened by the reader or run as anything.
  EXPECT_EQ(RowOf(roster, "bob-x-00000002.keyslinger")->profile, "=HYPERLINK(\"http://x\")");
  EXPECT_EQ(RowOf(roster, "dan-x-00000004.keyslinger")->profile, std::string(10000, 'n'));
  // The class's keys add up every readable hand-in's.
  int64_t classChances = 0;
  for (const ClassKey& key : roster.keys) classChances += key.chances;
  int64_t annaChances = 0;
  HandInReader reader(c.folder / "anna-anna-00000001.keyslinger");
  for (const HandInKey& key : reader.Whole().keys)
    annaChances += key.position.empty() ? 0 : key.chances;
  EXPECT_EQ(classChances, 5 * annaChances);

  if (::geteuid() == 0) {
    // Pupils are named by the owner of their file: the full name, else the login, else the id.
    EXPECT_EQ(anna.pupil, "Anna Berg");
    EXPECT_EQ(RowOf(roster, "bob-x-00000002.keyslinger")->pupil, "bob");
    EXPECT_EQ(RowOf(roster, "cleo-x-00000003.keyslinger")->pupil, "#1003");
  }
}

TEST(ClassView, AFolderThatCannotBeListedSaysSo) {
  const ClassRoster roster = ReadClassFolder("/nonexistent/class", "2025-01-01", Accounts);
  EXPECT_FALSE(roster.error.empty());
  EXPECT_TRUE(roster.rows.empty());
}

ClassRow Row(const std::string& pupil, std::optional<int> accuracy, std::optional<double> wpm,
             int64_t week) {
  ClassRow row;
  row.pupil = pupil;
  row.fileName = pupil;
  row.accuracyPercent = accuracy;
  row.wordsPerMinute = wpm;
  row.playedThisWeekMs = week;
  return row;
}

std::vector<std::string> Pupils(const std::vector<ClassRow>& rows) {
  std::vector<std::string> names;
  for (const ClassRow& row : rows) names.push_back(row.pupil);
  return names;
}

TEST(ClassView, SortsByNumbersAsNumbersAndTextsWithoutCaseRowsWithoutAValueLast) {
  std::vector<ClassRow> rows = {Row("bea", 90, 12.5, 60000), Row("Al", 9, std::nullopt, 600000),
                                Row("cy", std::nullopt, 101.0, 0), Row("dee", 90, 8.0, 7000)};
  rows[2].problem = HandInProblem::kDamaged;
  const struct {
    ClassColumn column;
    bool descending;
    std::vector<std::string> order;
  } cases[] = {
      {ClassColumn::kPupil, false, {"Al", "bea", "cy", "dee"}},
      {ClassColumn::kPupil, true, {"dee", "cy", "bea", "Al"}},
      {ClassColumn::kAccuracy, false, {"Al", "bea", "dee", "cy"}},  // 9 before 90; ties by pupil
      {ClassColumn::kAccuracy, true, {"bea", "dee", "Al", "cy"}},
      {ClassColumn::kWordsPerMinute, false, {"dee", "bea", "cy", "Al"}},  // 8 < 12.5 < 101
      {ClassColumn::kThisWeek, true, {"Al", "bea", "dee", "cy"}},         // unreadable last
      {ClassColumn::kNote, false, {"cy", "Al", "bea", "dee"}},
  };
  for (const auto& c : cases) {
    SortClassRows(rows, c.column, c.descending);
    EXPECT_EQ(Pupils(rows), c.order)
        << static_cast<int>(c.column) << (c.descending ? " descending" : "");
  }
}

TEST(ClassView, WeeksStartOnTheLocalesFirstDay) {
  // 2026-01-01 is a Thursday.
  const int64_t thursday = *ParseIsoUtc("2026-01-01T12:00:00Z") / 86400000;
  EXPECT_EQ(WeekStartDay(thursday, 1), "2025-12-29");  // Monday
  EXPECT_EQ(WeekStartDay(thursday, 7), "2025-12-28");  // Sunday
  EXPECT_EQ(WeekStartDay(thursday, 6), "2025-12-27");  // Saturday
  EXPECT_EQ(WeekStartDay(thursday, 4), "2026-01-01");  // the day itself
  EXPECT_EQ(WeekStartDay(thursday - 3, 1), "2025-12-29");
}

TEST(ClassView, CsvCellsNeverStartAFormulaAndNumbersStayNumbers) {
  const struct {
    std::string text, cell;
  } texts[] = {{"=1+1", "\"'=1+1\""},
               {"+49 30", "\"'+49 30\""},
               {"-x", "\"'-x\""},
               {"@SUM(A1)", "\"'@SUM(A1)\""},
               {"\tx", "\"'\tx\""},
               {"\rx", "\"'\rx\""},
               {"Anna \"Ann\" Berg", "\"Anna \"\"Ann\"\" Berg\""},
               {"a,b\nc", "\"a,b\nc\""},
               {"k ; l", "\"k ; l\""},
               {"", "\"\""}};
  for (const auto& t : texts)
    EXPECT_EQ(CsvLine({CsvCell::Text(t.text)}), t.cell + "\r\n") << t.text;
  EXPECT_EQ(CsvLine({CsvCell::Integer(42), CsvCell::Decimal(-1.25), CsvCell::Decimal(23.46),
                     CsvCell{}, CsvCell::Integer(-3)}),
            "42,-1.2,23.5,,-3\r\n");
}

TEST(ClassView, TheDropFolderOfTheRecipeKeepsPupilsApart) {
  if (::geteuid() != 0) GTEST_SKIP() << "the drop folder's owners and groups need root";
  // docs/classroom.md's commands, with numeric ids for the teachers' group and two pupils.
  ScratchFolder base;
  const std::string drop = base / "7b";
  const gid_t teachers = 4300;
  const uid_t teacher = 4301, anna = 4302, bob = 4303;
  ASSERT_EQ(::chmod(base.Path().c_str(), 0755), 0);
  ASSERT_EQ(std::system(
                ("install -d -o root -g " + std::to_string(teachers) + " -m 3773 " + drop).c_str()),
            0);

  // Runs check as the user (in the group given, or in none), in a child process; true when it
  // holds.
  const auto as = [](uid_t uid, gid_t gid, const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 ||
          ::setresuid(uid, uid, uid) != 0)
        ::_exit(2);
      ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  };
  const std::string annaFile = drop + "/" + HandInFileName("anna", "Anna");
  const std::string bobFile = drop + "/" + HandInFileName("bob", "Bob");
  const std::string annaBytes(1000, 'a');
  // Pupils hand in: the file gets the teachers' group and is readable by it alone.
  EXPECT_TRUE(as(anna, anna, [&] {
    return WriteHandInFile(drop, HandInFileName("anna", "Anna"), annaBytes).groupReadable;
  }));
  EXPECT_TRUE(as(bob, bob, [&] {
    return WriteHandInFile(drop, HandInFileName("bob", "Bob"), "bob").written;
  }));
  struct stat info {};
  ASSERT_EQ(::stat(annaFile.c_str(), &info), 0);
  EXPECT_EQ(info.st_gid, teachers);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // A pupil neither lists the folder, nor reads, renames, replaces or removes another's file.
  EXPECT_TRUE(as(bob, bob, [&] { return ::opendir(drop.c_str()) == nullptr && errno == EACCES; }));
  EXPECT_TRUE(
      as(bob, bob, [&] { return ::open(annaFile.c_str(), O_RDONLY) < 0 && errno == EACCES; }));
  EXPECT_TRUE(
      as(bob, bob, [&] { return ::rename(annaFile.c_str(), (drop + "/stolen").c_str()) != 0; }));
  EXPECT_TRUE(as(bob, bob, [&] { return ::rename(bobFile.c_str(), annaFile.c_str()) != 0; }));
  EXPECT_TRUE(as(bob, bob, [&] { return ::unlink(annaFile.c_str()) != 0; }));
  EXPECT_TRUE(as(bob, bob, [&] {
    return !WriteHandInFile(drop, HandInFileName("anna", "Anna"), "bob's").written;
  }));
  // A pupil replaces their own hand-in.
  EXPECT_TRUE(as(anna, anna, [&] {
    return WriteHandInFile(drop, HandInFileName("anna", "Anna"), annaBytes).written;
  }));
  // A teacher lists the folder and reads every hand-in.
  EXPECT_TRUE(as(teacher, teachers, [&] {
    DIR* dir = ::opendir(drop.c_str());
    int listed = 0;
    while (dir && ::readdir(dir)) ++listed;
    if (dir) ::closedir(dir);
    std::ifstream in(annaFile);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    return listed == 4 && text == annaBytes;
  }));
}

}  // namespace
