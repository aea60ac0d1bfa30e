// SPDX-License-Identifier: GPL-3.0-or-later
// Practice's own tables in Progress.db and the chances practice reads from the shots.
#include "practice/practice_store.h"

#include "platform/key_table.h"
#include "progress/chance_rule.h"
#include "progress/progress_database.h"
#include "progress/sqlite_statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <string_view>

namespace {

// Day numbers a stored review date may have: the local days from 1970 to well past this century.
constexpr int64_t kLatestDay = 200000;

// A practice_keys row as the game writes it: a US key name, mastered 0 or 1, an interval and a
// due day that are whole numbers in range. Anything else another program put there is no row.
bool ValidKeyRow(const Statement& q) {
  for (int column = 1; column <= 3; ++column) {
    if (q.Type(column) != SQLITE_INTEGER) return false;
  }
  return q.Type(0) == SQLITE_TEXT && FindUsKey(q.Text(0)) != nullptr && (q.Int(1) == 0 || q.Int(1) == 1) &&
         q.Int(2) >= 0 && q.Int(2) <= kMaxReviewDays && q.Int(3) >= 0 && q.Int(3) <= kLatestDay;
}

// A chance from a row whose columns 1 to 3 are the chance rule's hit, reaction and typing time.
PracticeChance ChanceOf(const Statement& row) {
  PracticeChance chance;
  chance.hit = row.Int(1) != 0;
  if (!row.IsNull(2)) chance.reactionMs = row.Int(2);
  if (!row.IsNull(3)) chance.typingMs = row.Int(3);
  return chance;
}

}  // namespace

PracticeStore::PracticeStore(ProgressDatabase& db) : db_(db) {}

void PracticeStore::EnsureTables() {
  if (ready_ && db_.Handle()) return;
  // Tables of practice's own, beside the records' schema, made when missing: they do not take
  // part in the records' schema versions.
  ExecSql(db_.Handle(),
       "CREATE TABLE IF NOT EXISTS practice_keys ("
       "  profile TEXT NOT NULL COLLATE NOCASE,"
       "  position TEXT NOT NULL,"
       "  seq INTEGER NOT NULL,"
       "  mastered INTEGER NOT NULL,"
       "  interval_days INTEGER NOT NULL,"
       "  due_day INTEGER NOT NULL,"
       "  PRIMARY KEY (profile, position));"
       "CREATE TABLE IF NOT EXISTS practice_settings ("
       "  profile TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,"
       "  target_ms INTEGER NOT NULL);");
  // The typing target came later: a column of its own, NULL for a profile that never set it (and
  // in every row an older game writes, which names only its columns).
  // A reader beside the game (the hand-in) opens the file read only and changes nothing: without
  // the column every typing target is the default.
  hasTypingTarget_ = HasColumn(db_.Handle(), "practice_settings", "typing_ms");
  if (!hasTypingTarget_ && sqlite3_db_readonly(db_.Handle(), "main") == 0) {
    ExecSql(db_.Handle(), "ALTER TABLE practice_settings ADD COLUMN typing_ms INTEGER");
    hasTypingTarget_ = true;
  }
  ready_ = true;
}

PracticeState PracticeStore::LoadState(const std::string& profile) {
  EnsureTables();
  PracticeState state;
  Statement q(db_.Handle(),
          "SELECT position, mastered, interval_days, due_day FROM practice_keys WHERE profile = ?1 ORDER BY seq");
  q.Bind(1, profile);
  while (q.Step()) {
    if (!ValidKeyRow(q)) continue;
    KeyProgress key;
    key.position = q.Text(0);
    key.mastered = q.Int(1) != 0;
    key.intervalDays = static_cast<int32_t>(q.Int(2));
    key.dueDay = q.Int(3);
    if (!state.Find(key.position)) state.keys.push_back(std::move(key));
  }
  return state;
}

void PracticeStore::SaveState(const std::string& profile, const PracticeState& state) {
  EnsureTables();
  sqlite3* db = db_.Handle();
  db_.BeginWrite();
  try {
    Statement erase(db, "DELETE FROM practice_keys WHERE profile = ?1");
    erase.Bind(1, profile).Run();
    Statement insert(db,
                 "INSERT INTO practice_keys (profile, position, seq, mastered, interval_days, due_day)"
                 " VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    for (size_t i = 0; i < state.keys.size(); ++i) {
      const KeyProgress& key = state.keys[i];
      insert.Bind(1, profile).Bind(2, key.position).Bind(3, static_cast<int64_t>(i));
      insert.Bind(4, int64_t{key.mastered ? 1 : 0}).Bind(5, int64_t{key.intervalDays}).Bind(6, key.dueDay).Run();
    }
    ExecSql(db, "COMMIT");
  } catch (...) {
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

std::optional<int64_t> PracticeStore::StoredTarget(const std::string& profile, const char* column, int64_t least,
                                                   int64_t most) {
  EnsureTables();
  if (column == std::string_view("typing_ms") && !hasTypingTarget_) return std::nullopt;
  Statement q(db_.Handle(), std::string("SELECT ") + column + " FROM practice_settings WHERE profile = ?1");
  q.Bind(1, profile);
  // A value the game cannot have written (text, a fraction, out of range) is no target; one
  // faster than the fastest a target may be (set by an older game) is raised to it.
  if (!q.Step() || q.Type(0) != SQLITE_INTEGER || q.Int(0) <= 0 || q.Int(0) > most) return std::nullopt;
  return std::max(q.Int(0), least);
}

int64_t PracticeStore::TargetMs(const std::string& profile) {
  return StoredTarget(profile, "target_ms", kMinTargetReactionMs, kMaxTargetReactionMs)
      .value_or(kDefaultTargetReactionMs);
}

SpeedTargets PracticeStore::Targets(const std::string& profile) {
  return {TargetMs(profile), StoredTarget(profile, "typing_ms", kMinTargetTypingMs, kMaxTargetTypingMs)
                                 .value_or(kDefaultTargetTypingMs)};
}

void PracticeStore::SetTargetMs(const std::string& profile, int64_t targetMs) {
  StoreSetting(profile, "target_ms", AdjustTarget(targetMs, 0));
}

void PracticeStore::SetTypingTargetMs(const std::string& profile, int64_t targetMs) {
  StoreSetting(profile, "typing_ms", AdjustTypingTarget(targetMs, 0));
}

void PracticeStore::StoreSetting(const std::string& profile, const char* column, int64_t value) {
  EnsureTables();
  // A profile's first setting makes its row, with the reaction target it has now.
  const int64_t reaction = TargetMs(profile);
  sqlite3* db = db_.Handle();
  db_.BeginWrite();
  try {
    Statement row(db,
                  "INSERT INTO practice_settings (profile, target_ms) VALUES (?1, ?2)"
                  " ON CONFLICT(profile) DO NOTHING");
    row.Bind(1, profile).Bind(2, reaction).Run();
    Statement set(db, std::string("UPDATE practice_settings SET ") + column + " = ?2 WHERE profile = ?1");
    set.Bind(1, profile).Bind(2, value).Run();
    ExecSql(db, "COMMIT");
  } catch (...) {
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

std::map<std::string, KeyMastery> PracticeStore::LoadMastery(const std::string& profile,
                                                             const std::vector<std::string>& positions,
                                                             const SpeedTargets& targets) {
  EnsureTables();
  const size_t window = static_cast<size_t>(kMasteryWindow);
  std::map<std::string, std::vector<PracticeChance>> newestFirst;
  for (const std::string& position : positions) newestFirst[position];
  const auto add = [&](const std::string& position, const PracticeChance& chance) {
    const auto it = newestFirst.find(position);
    if (it == newestFirst.end() || it->second.size() >= window) return;
    it->second.push_back(chance);
    it->second.back().position = position;
  };

  // One sweep of the profile's newest chances, along its runs, fills the window of every key
  // it plays often; a history shorter than the sweep is read whole by it.
  Statement sweep(db_.Handle(), std::string("SELECT ") + kChanceKeySql + ", " + kChanceHitSql + ", " + kReactionSql +
                                    ", " + kTypingSql + ", " + kAlsoAimedSql +
                                    " FROM shots s JOIN runs r ON r.id = s.run_id"
                                    " WHERE r.profile = ?1 AND " + kChanceRowSql +
                                    " ORDER BY r.id DESC, s.id DESC LIMIT ?2");
  sweep.Bind(1, profile).Bind(2, kMasteryChancesSwept);
  int64_t swept = 0;
  while (sweep.Step()) {
    ++swept;
    add(sweep.Text(0), ChanceOf(sweep));
    // An older row's miss typed on another key while this one held the only enemy ready.
    const std::string aimedAt = sweep.Text(4);
    if (!aimedAt.empty()) add(aimedAt, PracticeChance{});
  }

  if (swept >= kMasteryChancesSwept) {
    // A long history: a key the sweep left short is read on its own, backwards along the
    // indexes, each of which stops at the window however many older shots there are.
    const auto branch = [](const char* where, bool aimed) {
      return std::string(" SELECT id, hit, reaction_ms, typing_ms FROM (SELECT s.id AS id, ") +
             (aimed ? "0 AS hit, NULL AS reaction_ms, NULL AS typing_ms" :
                      std::string(kChanceHitSql) + " AS hit, " + kReactionSql + " AS reaction_ms, " + kTypingSql +
                          " AS typing_ms") +
             " FROM shots s JOIN runs r ON r.id = s.run_id WHERE " + where + " AND r.profile = ?2 AND " +
             kChanceRowSql + " ORDER BY s.id DESC LIMIT ?3)";
    };
    const std::string sql = "SELECT id, hit, reaction_ms, typing_ms FROM (" + branch(kChargedToKeySql, false) +
                            " UNION ALL" + branch(kOwnPositionSql, false) + " UNION ALL" +
                            branch(kOwnCharacterSql, false) + " UNION ALL" + branch(kAimedAtKeySql, true) +
                            ") ORDER BY id DESC LIMIT ?3";
    Statement q(db_.Handle(), sql);
    for (auto& [position, chances] : newestFirst) {
      if (chances.size() >= window) continue;
      chances.clear();
      q.Bind(1, position).Bind(2, profile).Bind(3, int64_t{kMasteryWindow});
      while (q.Step()) {
        PracticeChance chance = ChanceOf(q);
        chance.position = position;
        chances.push_back(std::move(chance));
      }
      q.Reset();
    }
  }
  std::map<std::string, KeyMastery> result;
  for (const auto& [position, chances] : newestFirst) result.emplace(position, MasteryOf(position, chances, targets));
  return result;
}

std::vector<PracticeChance> PracticeStore::RunChances(int64_t runId) {
  EnsureTables();
  Statement q(db_.Handle(), std::string("SELECT ") + kChanceKeySql + ", " + kChanceHitSql + ", " + kReactionSql +
                                ", " + kTypingSql + ", " + kAlsoAimedSql +
                                " FROM shots s WHERE s.run_id = ?1 AND " + kChanceRowSql + " ORDER BY s.id");
  q.Bind(1, runId);
  std::vector<PracticeChance> chances;
  while (q.Step()) {
    PracticeChance chance = ChanceOf(q);
    chance.position = q.Text(0);
    chance.runId = runId;
    if (!chance.position.empty()) chances.push_back(std::move(chance));
    if (!q.Text(4).empty()) chances.push_back({q.Text(4), false, std::nullopt, true, runId, std::nullopt});
  }
  return chances;
}

int64_t PracticeStore::LatestRunId(const std::string& profile, int32_t level) {
  EnsureTables();
  Statement q(db_.Handle(), "SELECT coalesce(max(id), 0) FROM runs WHERE profile = ?1 AND level = ?2");
  q.Bind(1, profile).Bind(2, int64_t{level});
  return q.Step() ? q.Int(0) : 0;
}
