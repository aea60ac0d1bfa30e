// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-in file: made whole in memory, read back read only and as immutable.
#include "classroom/hand_in_format.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "platform/sqlite_connection.h"
#include "progress/progress_database.h"
#include "progress/progress_records.h"
#include "progress/sqlite_statement.h"

namespace {

// Version 1. Totals first, then the rows they are made of; see docs/classroom.md.
constexpr const char* kSchema =
    "CREATE TABLE hand_in ("
    "  game_version TEXT NOT NULL, written_at TEXT NOT NULL, utc_offset_minutes INTEGER NOT NULL,"
    "  profile TEXT NOT NULL, played_ms INTEGER NOT NULL, runs INTEGER NOT NULL,"
    "  levels_passed INTEGER NOT NULL, keys_mastered INTEGER NOT NULL, reviews_due INTEGER NOT "
    "NULL,"
    "  reaction_target_ms INTEGER NOT NULL, typing_target_ms INTEGER);"
    "CREATE TABLE layout (position TEXT NOT NULL, typed TEXT NOT NULL);"
    "CREATE TABLE keys ("
    "  position TEXT NOT NULL, typed TEXT NOT NULL, chances INTEGER NOT NULL, hits INTEGER NOT "
    "NULL,"
    "  accuracy_percent INTEGER NOT NULL, reaction_median_ms INTEGER, reaction_target_ms INTEGER "
    "NOT NULL,"
    "  typing_median_ms INTEGER, typing_target_ms INTEGER, mastery REAL, mastered INTEGER NOT NULL,"
    "  review_due TEXT NOT NULL);"
    "CREATE TABLE runs ("
    "  started_at TEXT NOT NULL, local_day TEXT NOT NULL, kind TEXT NOT NULL, level INTEGER NOT "
    "NULL,"
    "  outcome TEXT NOT NULL, percent INTEGER, passed INTEGER NOT NULL, duration_ms INTEGER NOT "
    "NULL,"
    "  words_per_minute REAL, word_accuracy REAL);"
    "CREATE TABLE older_days ("
    "  local_day TEXT NOT NULL, runs INTEGER NOT NULL, finished INTEGER NOT NULL, passed INTEGER "
    "NOT NULL,"
    "  played_ms INTEGER NOT NULL);"
    "CREATE TABLE levels_passed (level INTEGER NOT NULL, best_percent INTEGER NOT NULL, "
    "first_passed TEXT NOT NULL);"
    "CREATE TABLE practice_days ("
    "  local_day TEXT NOT NULL, drills INTEGER NOT NULL, practice_ms INTEGER NOT NULL, "
    "words_per_minute REAL);";

// Rows a table may hold at most; more is no file the game wrote.
const std::map<std::string, int64_t>& RowLimits() {
  static const std::map<std::string, int64_t> limits = {
      {"hand_in", 1},           {"layout", 200},
      {"keys", 1000},           {"runs", static_cast<int64_t>(kHandInRuns)},
      {"older_days", 200000},   {"levels_passed", 1000},
      {"practice_days", 200000}};
  return limits;
}

// Texts longer than this are cut when read: a name may be long, never endless.
constexpr int kMaxTextBytes = 1 << 16;

std::optional<int64_t> OptionalInt(const Statement& row, int column) {
  if (row.IsNull(column)) return std::nullopt;
  return row.Int(column);
}

std::optional<double> OptionalDouble(const Statement& row, int column) {
  if (row.IsNull(column)) return std::nullopt;
  const double value = row.Double(column);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

Statement& BindOptional(Statement& statement, int i, const std::optional<double>& value) {
  return value ? statement.BindDouble(i, *value) : statement.BindNull(i);
}

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

std::string Cut(std::string text) {
  if (text.size() > static_cast<size_t>(kMaxTextBytes))
    text.resize(static_cast<size_t>(kMaxTextBytes));
  return text;
}

// The tables of this version and each one's columns, worked out once from the schema itself.
using Shape = std::map<std::string, std::set<std::string>>;
const Shape& ExpectedShape() {
  static const Shape shape = [] {
    Shape made;
    sqlite3* model = nullptr;
    OpenGuardedSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, &model);
    {
      ExecSql(model, kSchema);
      Statement tables(model,
                       "SELECT m.name, c.name FROM sqlite_master m, pragma_table_info(m.name) c");
      while (tables.Step()) made[tables.Text(0)].insert(tables.Text(1));
    }  // the statement is finalized before the connection closes
    sqlite3_close(model);
    return made;
  }();
  return shape;
}

}  // namespace

std::string HandInBytes(const HandIn& handIn) {
  sqlite3* db = nullptr;
  if (OpenGuardedSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, &db) !=
      SQLITE_OK) {
    sqlite3_close(db);
    throw ProgressError("cannot open a database in memory");
  }
  try {
    ExecSql(db, kSchema);
    ExecSql(db, ("PRAGMA application_id=" + std::to_string(kHandInApplicationId) +
              "; PRAGMA user_version=" + std::to_string(kHandInVersion))
                 .c_str());
    ExecSql(db, "BEGIN");
    {
      Statement row(db, "INSERT INTO hand_in VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)");
      row.Bind(1, handIn.gameVersion)
          .Bind(2, handIn.writtenAt)
          .Bind(3, int64_t{handIn.utcOffsetMinutes});
      row.Bind(4, handIn.profile)
          .Bind(5, handIn.playedMs)
          .Bind(6, handIn.runCount)
          .Bind(7, handIn.levelsPassed);
      row.Bind(8, handIn.keysMastered).Bind(9, handIn.reviewsDue).Bind(10, handIn.reactionTargetMs);
      row.Bind(11, handIn.typingTargetMs).Run();
    }
    Statement layoutKey(db, "INSERT INTO layout VALUES (?1,?2)");
    for (const HandInLayoutKey& k : handIn.layout)
      layoutKey.Bind(1, k.position).Bind(2, k.typed).Run();
    Statement key(db, "INSERT INTO keys VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12)");
    for (const HandInKey& k : handIn.keys) {
      key.Bind(1, k.position).Bind(2, k.typed).Bind(3, int64_t{k.chances}).Bind(4, int64_t{k.hits});
      key.Bind(5, int64_t{k.AccuracyPercent()})
          .Bind(6, k.reactionMedianMs)
          .Bind(7, k.reactionTargetMs);
      key.Bind(8, k.typingMedianMs).Bind(9, k.typingTargetMs);
      BindOptional(key, 10, k.mastery)
          .Bind(11, int64_t{k.mastered ? 1 : 0})
          .Bind(12, k.reviewDue)
          .Run();
    }
    Statement run(db, "INSERT INTO runs VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)");
    for (const HandInRun& r : handIn.runs) {
      run.Bind(1, r.startedAt)
          .Bind(2, r.localDay)
          .Bind(3, std::string(r.level == 0 ? "practice" : "level"));
      run.Bind(4, int64_t{r.level}).Bind(5, r.outcome);
      run.Bind(6, r.percent ? std::optional<int64_t>(*r.percent) : std::nullopt);
      run.Bind(7, int64_t{r.passed ? 1 : 0}).Bind(8, r.durationMs);
      BindOptional(run, 9, r.wordsPerMinute);
      BindOptional(run, 10, r.wordAccuracy).Run();
    }
    Statement day(db, "INSERT INTO older_days VALUES (?1,?2,?3,?4,?5)");
    for (const HandInDay& d : handIn.olderDays) {
      day.Bind(1, d.localDay)
          .Bind(2, d.runs)
          .Bind(3, d.finished)
          .Bind(4, d.passed)
          .Bind(5, d.playedMs)
          .Run();
    }
    Statement level(db, "INSERT INTO levels_passed VALUES (?1,?2,?3)");
    for (const HandInLevel& l : handIn.levels) {
      level.Bind(1, int64_t{l.level}).Bind(2, int64_t{l.bestPercent}).Bind(3, l.firstPassed).Run();
    }
    Statement practice(db, "INSERT INTO practice_days VALUES (?1,?2,?3,?4)");
    for (const HandInPracticeDay& p : handIn.practiceDays) {
      practice.Bind(1, p.localDay).Bind(2, p.drills).Bind(3, p.practiceMs);
      BindOptional(practice, 4, p.wordsPerMinute).Run();
    }
    ExecSql(db, "COMMIT");
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  sqlite3_int64 size = 0;
  unsigned char* bytes = sqlite3_serialize(db, "main", &size, 0);
  std::string file;
  if (bytes) file.assign(reinterpret_cast<const char*>(bytes), static_cast<size_t>(size));
  sqlite3_free(bytes);
  sqlite3_close(db);
  if (file.empty()) throw ProgressError("cannot serialize the hand-in");
  return file;
}

std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (const char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
      uri += escaped;
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

HandInReader::HandInReader(const std::string& path) {
  try {
    Open(path);
    if (problem_ == HandInProblem::kNone) Check();
  } catch (const ProgressError& e) {
    Refuse(HandInProblem::kDamaged, e.what());
  }
}

HandInReader::~HandInReader() { sqlite3_close_v2(db_); }

void HandInReader::Refuse(HandInProblem problem, std::string detail) {
  if (problem_ != HandInProblem::kNone) return;
  problem_ = problem;
  detail_ = std::move(detail);
}

void HandInReader::Open(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return Refuse(HandInProblem::kCannotOpen, path);
  ownerUid_ = static_cast<uint32_t>(info.st_uid);
  if (!S_ISREG(info.st_mode)) return Refuse(HandInProblem::kNotAFile, path);
  if (info.st_size > kMaxHandInBytes)
    return Refuse(HandInProblem::kTooLarge, std::to_string(info.st_size));
  const int flags =
      SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW;
  // Nothing the file holds runs: no triggers, no views, no functions its schema names, and a
  // text can only be so long.
  if (OpenGuardedSqlite(ImmutableUri(path), flags, &db_) != SQLITE_OK) {
    return Refuse(HandInProblem::kCannotOpen, db_ ? sqlite3_errmsg(db_) : path);
  }
  sqlite3_limit(db_, SQLITE_LIMIT_LENGTH, 4 * kMaxTextBytes);
}

void HandInReader::Check() {
  const int rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if ((rc & 0xff) == SQLITE_NOTADB) return Refuse(HandInProblem::kNotAHandIn, "not an SQLite file");
  if ((rc & 0xff) == SQLITE_CANTOPEN || (rc & 0xff) == SQLITE_PERM)
    return Refuse(HandInProblem::kCannotOpen, sqlite3_errmsg(db_));
  if (rc != SQLITE_OK) return Refuse(HandInProblem::kDamaged, sqlite3_errmsg(db_));
  {
    Statement id(db_, "PRAGMA application_id");
    if (!id.Step() || id.Int(0) != kHandInApplicationId)
      return Refuse(HandInProblem::kNotAHandIn, "");
  }
  {
    Statement version(db_, "PRAGMA user_version");
    const int64_t v = version.Step() ? version.Int(0) : 0;
    if (v > kHandInVersion) return Refuse(HandInProblem::kNewerVersion, std::to_string(v));
    if (v < 1) return Refuse(HandInProblem::kNotAHandIn, "");
  }
  {
    Statement check(db_, "PRAGMA quick_check(1)");
    if (!check.Step() || check.Text(0) != "ok")
      return Refuse(HandInProblem::kDamaged, check.Text(0));
  }
  // Exactly the tables and columns of this version; nothing else.
  const Shape& expected = ExpectedShape();
  std::map<std::string, std::set<std::string>> found;
  {
    Statement objects(db_, "SELECT type, name FROM sqlite_master");
    while (objects.Step()) {
      const std::string type = objects.Text(0), name = objects.Text(1);
      if (type != "table" || !expected.count(name))
        return Refuse(HandInProblem::kForeignTables, Cut(name));
      found[name];
    }
  }
  Statement columns(db_, "SELECT name FROM pragma_table_info(?1)");
  for (const auto& [table, names] : expected) {
    if (!found.count(table)) return Refuse(HandInProblem::kForeignTables, table);
    columns.Bind(1, table);
    std::set<std::string> have;
    while (columns.Step()) have.insert(columns.Text(0));
    columns.Reset();
    if (have != names) return Refuse(HandInProblem::kForeignTables, table);
  }
  for (const auto& [table, limit] : RowLimits()) {
    Statement count(db_, "SELECT count(*) FROM " + table);
    const int64_t rows = count.Step() ? count.Int(0) : 0;
    if (rows > limit || (table == "hand_in" && rows != 1))
      return Refuse(HandInProblem::kBadValues, table);
  }
  // The keys' figures are what the view's arithmetic rests on: within what the game writes.
  Statement keys(
      db_,
      "SELECT count(*) FROM keys WHERE typeof(chances) <> 'integer' OR typeof(hits) <> 'integer'"
      " OR chances < 0 OR chances > ?1 OR hits < 0 OR hits > chances"
      " OR (reaction_median_ms IS NOT NULL AND typeof(reaction_median_ms) <> 'integer')");
  keys.Bind(1, int64_t{kChancesPerKey});
  if (keys.Step() && keys.Int(0) != 0) return Refuse(HandInProblem::kBadValues, "keys");
}

std::vector<std::string> HandInReader::Disagreements() {
  std::vector<std::string> found;
  if (problem_ != HandInProblem::kNone) return found;
  try {
    Statement totals(
        db_,
        "SELECT h.runs, (SELECT count(*) FROM runs) + (SELECT total(runs) FROM older_days),"
        " h.played_ms, (SELECT total(duration_ms) FROM runs) + (SELECT total(played_ms) FROM "
        "older_days),"
        " h.levels_passed, (SELECT count(*) FROM levels_passed),"
        " h.keys_mastered, (SELECT count(*) FROM keys WHERE mastered = 1),"
        " (SELECT count(*) FROM keys WHERE chances > 0 AND accuracy_percent <> hits * 100 / "
        "chances)"
        " FROM hand_in h");
    if (!totals.Step()) return found;
    if (static_cast<double>(totals.Int(0)) != totals.Double(1)) found.push_back("runs");
    // Sums of playing time are added in floating point, as the records' own total is: equal
    // but for the last bits of absurd totals.
    const double played = totals.Double(2), rows = totals.Double(3);
    if (std::fabs(played - rows) > std::max(1.0, played * 1e-9)) found.push_back("time played");
    if (totals.Int(4) != totals.Int(5)) found.push_back("levels passed");
    if (totals.Int(6) != totals.Int(7)) found.push_back("keys mastered");
    if (totals.Int(8) != 0) found.push_back("key accuracy");
  } catch (const ProgressError& e) {
    Refuse(HandInProblem::kDamaged, e.what());
  }
  return found;
}

namespace {
HandInKey ReadKey(const Statement& row) {
  HandInKey key;
  key.position = Cut(row.Text(0));
  key.typed = Cut(row.Text(1));
  key.chances = Clamp32(row.Int(2));
  key.hits = Clamp32(row.Int(3));
  key.reactionMedianMs = OptionalInt(row, 4);
  key.reactionTargetMs = row.Int(5);
  key.typingMedianMs = OptionalInt(row, 6);
  key.typingTargetMs = OptionalInt(row, 7);
  key.mastery = OptionalDouble(row, 8);
  if (key.mastery) key.mastery = std::clamp(*key.mastery, 0.0, 1.0);
  key.mastered = row.Int(9) != 0;
  key.reviewDue = Cut(row.Text(10));
  return key;
}

constexpr const char* kKeyColumns =
    "SELECT position, typed, chances, hits, reaction_median_ms, reaction_target_ms, "
    "typing_median_ms,"
    " typing_target_ms, mastery, mastered, review_due FROM keys ORDER BY rowid";
}  // namespace

HandInSummary HandInReader::Summary(const std::string& weekStart) {
  HandInSummary summary;
  if (problem_ != HandInProblem::kNone) return summary;
  try {
    Statement head(
        db_,
        "SELECT profile, written_at, played_ms, runs, levels_passed, keys_mastered FROM hand_in");
    if (head.Step()) {
      summary.profile = Cut(head.Text(0));
      summary.writtenAt = Cut(head.Text(1));
      summary.playedMs = std::max<int64_t>(0, head.Int(2));
      summary.runCount = std::max<int64_t>(0, head.Int(3));
      summary.levelsPassed = std::max<int64_t>(0, head.Int(4));
      summary.keysMastered = std::max<int64_t>(0, head.Int(5));
    }
    Statement keys(db_, kKeyColumns);
    while (keys.Step()) summary.keys.push_back(ReadKey(keys));
    Statement week(db_,
                   "SELECT (SELECT total(max(duration_ms, 0)) FROM runs WHERE local_day >= ?1)"
                   " + (SELECT total(max(played_ms, 0)) FROM older_days WHERE local_day >= ?1)");
    week.Bind(1, weekStart);
    if (week.Step())
      summary.playedThisWeekMs = static_cast<int64_t>(std::min(week.Double(0), 9.2e18));
    Statement speeds(
        db_,
        "SELECT words_per_minute FROM practice_days WHERE typeof(words_per_minute) = 'real'"
        " ORDER BY local_day DESC LIMIT 5");
    while (speeds.Step()) {
      const double wpm = speeds.Double(0);
      if (std::isfinite(wpm)) summary.recentWordsPerMinute.push_back(std::clamp(wpm, 0.0, 1000.0));
    }
  } catch (const ProgressError& e) {
    Refuse(HandInProblem::kDamaged, e.what());
  }
  return summary;
}

HandIn HandInReader::Whole() {
  HandIn handIn;
  if (problem_ != HandInProblem::kNone) return handIn;
  try {
    Statement head(
        db_,
        "SELECT game_version, written_at, utc_offset_minutes, profile, played_ms, runs, "
        "levels_passed,"
        " keys_mastered, reviews_due, reaction_target_ms, typing_target_ms FROM hand_in");
    if (head.Step()) {
      handIn.gameVersion = Cut(head.Text(0));
      handIn.writtenAt = Cut(head.Text(1));
      handIn.utcOffsetMinutes = Clamp32(head.Int(2));
      handIn.profile = Cut(head.Text(3));
      handIn.playedMs = std::max<int64_t>(0, head.Int(4));
      handIn.runCount = std::max<int64_t>(0, head.Int(5));
      handIn.levelsPassed = std::max<int64_t>(0, head.Int(6));
      handIn.keysMastered = std::max<int64_t>(0, head.Int(7));
      handIn.reviewsDue = std::max<int64_t>(0, head.Int(8));
      handIn.reactionTargetMs = head.Int(9);
      handIn.typingTargetMs = OptionalInt(head, 10);
    }
    Statement layout(db_, "SELECT position, typed FROM layout ORDER BY rowid");
    while (layout.Step()) handIn.layout.push_back({Cut(layout.Text(0)), Cut(layout.Text(1))});
    Statement keys(db_, kKeyColumns);
    while (keys.Step()) handIn.keys.push_back(ReadKey(keys));
    Statement runs(db_,
                   "SELECT started_at, local_day, level, outcome, percent, passed, duration_ms, "
                   "words_per_minute,"
                   " word_accuracy FROM runs ORDER BY rowid");
    while (runs.Step()) {
      HandInRun run;
      run.startedAt = Cut(runs.Text(0));
      run.localDay = Cut(runs.Text(1));
      run.level = Clamp32(runs.Int(2));
      run.outcome = Cut(runs.Text(3));
      if (!runs.IsNull(4)) run.percent = Clamp32(runs.Int(4));
      run.passed = runs.Int(5) != 0;
      run.durationMs = std::max<int64_t>(0, runs.Int(6));
      run.wordsPerMinute = OptionalDouble(runs, 7);
      run.wordAccuracy = OptionalDouble(runs, 8);
      handIn.runs.push_back(std::move(run));
    }
    Statement days(
        db_,
        "SELECT local_day, runs, finished, passed, played_ms FROM older_days ORDER BY local_day");
    while (days.Step()) {
      handIn.olderDays.push_back(
          {Cut(days.Text(0)), days.Int(1), days.Int(2), days.Int(3), days.Int(4)});
    }
    Statement levels(db_,
                     "SELECT level, best_percent, first_passed FROM levels_passed ORDER BY level");
    while (levels.Step()) {
      handIn.levels.push_back(
          {Clamp32(levels.Int(0)), Clamp32(levels.Int(1)), Cut(levels.Text(2))});
    }
    Statement practice(db_,
                       "SELECT local_day, drills, practice_ms, words_per_minute FROM practice_days "
                       "ORDER BY local_day");
    while (practice.Step()) {
      handIn.practiceDays.push_back(
          {Cut(practice.Text(0)), practice.Int(1), practice.Int(2), OptionalDouble(practice, 3)});
    }
  } catch (const ProgressError& e) {
    Refuse(HandInProblem::kDamaged, e.what());
  }
  return handIn;
}
