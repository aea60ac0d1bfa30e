// SPDX-License-Identifier: GPL-3.0-or-later
// Gathering a hand-in from a profile's progress records.
#include "classroom/hand_in_gather.h"

#include <time.h>

#include <algorithm>
#include <limits>
#include <map>
#include <set>

#include "platform/key_table.h"
#include "practice/key_schedule.h"
#include "practice/local_day.h"
#include "practice/mastery.h"
#include "practice/practice_store.h"
#include "progress/key_positions.h"
#include "progress/progress_database.h"
#include "progress/progress_stats.h"
#include "progress/sqlite_statement.h"
#include "progress/utc_time.h"

namespace {

int64_t SaturatingAdd(int64_t a, int64_t b) {
  if (b > 0 && a > std::numeric_limits<int64_t>::max() - b)
    return std::numeric_limits<int64_t>::max();
  return a + b;
}

int32_t ClampInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// Practice's tables exist once practice was opened for some profile; a reader never makes them.
bool HasPracticeTables(sqlite3* db) {
  Statement query(db,
                  "SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                  " AND name IN ('practice_keys', 'practice_settings')");
  return query.Step() && query.Int(0) == 2;
}

// Words per minute and word accuracy of each drill with word waves, by run id: the formula
// PROGRESS's words page charts (docs/words.md).
struct WordFigures {
  double wordsPerMinute = 0;
  double accuracy = 0;
};
std::map<int64_t, WordFigures> WordFiguresByRun(sqlite3* db, const std::string& profile) {
  Statement speeds(
      db,
      "SELECT r.id,"
      " (SUM(CASE WHEN s.result = 'POINT' THEN s.word_len + 1 ELSE 0 END) / 5.0)"
      "   / (r.word_ready_ms / 60000.0),"
      " 1.0 * SUM(s.result <> 'MISS') / COUNT(*)"
      " FROM runs r JOIN shots s ON s.run_id = r.id"
      " WHERE r.profile = ?1 AND r.level = 0 AND s.word IS NOT NULL AND r.word_ready_ms > 0"
      " GROUP BY r.id");
  speeds.Bind(1, profile);
  std::map<int64_t, WordFigures> figures;
  while (speeds.Step()) figures[speeds.Int(0)] = {speeds.Double(1), speeds.Double(2)};
  return figures;
}

void GatherRuns(sqlite3* db, const std::string& profile,
                const std::map<int64_t, WordFigures>& words, HandIn& handIn) {
  Statement newest(db,
                   "SELECT id, started_at, level, outcome, percent, passed, duration_ms FROM runs"
                   " WHERE profile = ?1 ORDER BY id DESC LIMIT ?2");
  newest.Bind(1, profile).Bind(2, static_cast<int64_t>(kHandInRuns));
  int64_t oldestId = std::numeric_limits<int64_t>::max();
  while (newest.Step()) {
    HandInRun run;
    const int64_t id = newest.Int(0);
    oldestId = std::min(oldestId, id);
    run.startedAt = newest.Text(1);
    run.localDay = LocalDayOfStamp(run.startedAt);
    run.level = ClampInt32(newest.Int(2));
    run.outcome = newest.Text(3);
    if (run.outcome == kOutcomeFinished && !newest.IsNull(4))
      run.percent = ClampInt32(newest.Int(4));
    run.passed = run.outcome == kOutcomeFinished && newest.Int(5) != 0;
    run.durationMs = std::max<int64_t>(0, newest.Int(6));
    if (const auto it = words.find(id); it != words.end()) {
      run.wordsPerMinute = it->second.wordsPerMinute;
      run.wordAccuracy = it->second.accuracy;
    }
    handIn.runs.push_back(std::move(run));
  }
  std::reverse(handIn.runs.begin(), handIn.runs.end());
  // In the order PROGRESS charts them: by when they started, then as stored.
  std::stable_sort(
      handIn.runs.begin(), handIn.runs.end(),
      [](const HandInRun& a, const HandInRun& b) { return a.startedAt < b.startedAt; });
  if (handIn.runs.size() < kHandInRuns) return;

  std::map<std::string, HandInDay> days;
  Statement older(
      db,
      "SELECT started_at, outcome, passed, duration_ms FROM runs WHERE profile = ?1 AND id < ?2");
  older.Bind(1, profile).Bind(2, oldestId);
  while (older.Step()) {
    const std::string day = LocalDayOfStamp(older.Text(0));
    HandInDay& total = days[day];
    total.localDay = day;
    ++total.runs;
    if (older.Text(1) == kOutcomeFinished) {
      ++total.finished;
      if (older.Int(2) != 0) ++total.passed;
    }
    total.playedMs = SaturatingAdd(total.playedMs, std::max<int64_t>(0, older.Int(3)));
  }
  for (auto& [day, total] : days) handIn.olderDays.push_back(std::move(total));
}

void GatherLevels(sqlite3* db, const std::string& profile, HandIn& handIn) {
  Statement passed(
      db,
      "SELECT level, max(percent), min(started_at) FROM runs WHERE profile = ?1"
      " AND outcome = 'finished' AND passed = 1 AND level <> 0 GROUP BY level ORDER BY level");
  passed.Bind(1, profile);
  while (passed.Step()) {
    handIn.levels.push_back(
        {ClampInt32(passed.Int(0)), ClampInt32(passed.Int(1)), LocalDayOfStamp(passed.Text(2))});
  }
}

void GatherPracticeDays(sqlite3* db, const std::string& profile,
                        const std::map<int64_t, WordFigures>& words, HandIn& handIn) {
  struct Day {
    HandInPracticeDay figures;
    double wpmSum = 0;
    int wpmRuns = 0;
  };
  std::map<std::string, Day> days;
  Statement drills(
      db,
      "SELECT id, started_at, duration_ms FROM runs WHERE profile = ?1 AND level = 0 ORDER BY id");
  drills.Bind(1, profile);
  while (drills.Step()) {
    const std::string day = LocalDayOfStamp(drills.Text(1));
    Day& total = days[day];
    total.figures.localDay = day;
    ++total.figures.drills;
    total.figures.practiceMs =
        SaturatingAdd(total.figures.practiceMs, std::max<int64_t>(0, drills.Int(2)));
    if (const auto it = words.find(drills.Int(0)); it != words.end()) {
      total.wpmSum += it->second.wordsPerMinute;
      ++total.wpmRuns;
    }
  }
  for (auto& [day, total] : days) {
    if (total.wpmRuns > 0) total.figures.wordsPerMinute = total.wpmSum / total.wpmRuns;
    handIn.practiceDays.push_back(std::move(total.figures));
  }
}

std::string TypedOn(const KeyTable* layout, const std::string& position) {
  const std::string typed = layout ? layout->MapLetter(position) : position;
  return typed.empty() ? position : typed;
}

void GatherKeys(ProgressDatabase& db, const std::string& profile, const ProgressData& data,
                const KeyTable* layout, int64_t today, HandIn& handIn) {
  const std::vector<KeyStats> stats = KeyStatsByPosition(data.chances, layout);
  // Practice's view of the keys, when practice has ever been opened in this file.
  PracticeState state;
  std::map<std::string, KeyMastery> mastery;
  handIn.reactionTargetMs = kDefaultTargetReactionMs;
  const bool practised = HasPracticeTables(db.Handle());
  if (practised) {
    PracticeStore store(db);
    state = store.LoadState(profile);
    handIn.reactionTargetMs = store.TargetMs(profile);
    std::set<std::string> positions;
    for (const KeyStats& s : stats) {
      if (!s.position.empty()) positions.insert(s.position);
    }
    for (const KeyProgress& key : state.keys) positions.insert(key.position);
    mastery =
        store.LoadMastery(profile, {positions.begin(), positions.end()}, handIn.reactionTargetMs);
  }
  // Typing speed by the key a letter pair ends on.
  std::map<std::string, std::vector<int64_t>> typing;
  for (const PairSample& pair : data.pairTimes) typing[pair.to].push_back(pair.ms);

  const auto fill = [&](HandInKey& key) {
    key.reactionTargetMs = handIn.reactionTargetMs;
    key.typingTargetMs = handIn.typingTargetMs;
    if (key.position.empty()) return;
    if (const auto it = typing.find(key.position); it != typing.end())
      key.typingMedianMs = MedianOf(it->second);
    if (const auto it = mastery.find(key.position); it != mastery.end())
      key.mastery = it->second.score;
    if (const KeyProgress* progress = state.Find(key.position); progress && progress->mastered) {
      key.mastered = true;
      key.reviewDue = DayText(progress->dueDay);
    }
  };
  std::set<std::string> listed;
  for (const KeyStats& s : stats) {
    HandInKey key;
    key.position = s.position;
    key.typed = s.key;
    key.chances = s.chances;
    key.hits = s.hits;
    key.reactionMedianMs = s.medianReactionMs;
    fill(key);
    if (!key.position.empty()) listed.insert(key.position);
    handIn.keys.push_back(std::move(key));
  }
  // Keys of practice's set without any chance yet.
  for (const KeyProgress& progress : state.keys) {
    if (listed.count(progress.position)) continue;
    HandInKey key;
    key.position = progress.position;
    key.typed = TypedOn(layout, progress.position);
    fill(key);
    handIn.keys.push_back(std::move(key));
  }
  for (const KeyProgress& progress : state.keys) handIn.keysMastered += progress.mastered ? 1 : 0;
  handIn.reviewsDue = static_cast<int64_t>(DueKeys(state, today).size());
}

}  // namespace

int32_t UtcOffsetMinutesAt(int64_t utcMs) {
  const time_t seconds = static_cast<time_t>(utcMs / 1000);
  tm local{};
  if (!localtime_r(&seconds, &local)) return 0;
  return static_cast<int32_t>(local.tm_gmtoff / 60);
}

std::string LocalDayOfStamp(const std::string& startedAt) {
  const std::optional<int64_t> ms = ParseIsoUtc(startedAt);
  return ms ? DayText(LocalDayOf(*ms)) : startedAt.substr(0, 10);
}

HandIn GatherHandIn(ProgressDatabase& db, const std::string& profile, const KeyTable* layout,
                    int64_t nowUtcMs) {
  HandIn handIn;
  handIn.gameVersion = kGameVersion;
  handIn.writtenAt = IsoUtc(nowUtcMs);
  handIn.utcOffsetMinutes = UtcOffsetMinutesAt(nowUtcMs);
  handIn.profile = profile;
  // The figures PROGRESS shows come from the same reading of the records.
  const ProgressData data = db.Load(profile);
  if (data.fault != ProgressFault::kNone)
    throw ProgressError("cannot read all of " + db.Path(), data.fault);
  handIn.playedMs = data.playedMs;
  handIn.runCount = data.runs;
  handIn.levelsPassed = data.levelsPassed;
  sqlite3* handle = db.Handle();
  if (layout) {
    for (const UsKey& key : UsKeys())
      handIn.layout.push_back({key.character, TypedOn(layout, key.character)});
  }
  GatherKeys(db, profile, data, layout, LocalDayOf(nowUtcMs), handIn);
  const std::map<int64_t, WordFigures> words = WordFiguresByRun(handle, profile);
  GatherRuns(handle, profile, words, handIn);
  GatherLevels(handle, profile, handIn);
  GatherPracticeDays(handle, profile, words, handIn);
  return handIn;
}
