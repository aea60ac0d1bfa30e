// SPDX-License-Identifier: GPL-3.0-or-later
// Practice's own tables in Progress.db and the chances practice reads from the shots.
#include "practice/practice_store.h"

#include "platform/key_table.h"
#include "progress/progress_database.h"
#include "progress/sqlite_statement.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "cannot write the practice tables";
    sqlite3_free(error);
    throw ProgressError(message);
  }
}

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

// A shot's reaction as practice reads it: a whole number of milliseconds up to an hour; any other
// value (a row the game did not write) counts as no reaction.
constexpr const char* kReaction =
    "CASE WHEN typeof(s.reaction_ms) = 'integer' AND s.reaction_ms BETWEEN 0 AND 3600000"
    " THEN s.reaction_ms END";

}  // namespace

PracticeStore::PracticeStore(ProgressDatabase& db) : db_(db) {}

bool PracticeStore::HasShotColumn(const char* column) {
  Statement info(db_.Handle(), "PRAGMA table_info(shots)");
  while (info.Step()) {
    if (info.Text(1) == column) return true;
  }
  return false;
}

void PracticeStore::EnsureTables() {
  if (ready_ && db_.Handle()) return;
  // Tables of practice's own, beside the records' schema, made when missing: they do not take
  // part in the records' schema versions.
  Exec(db_.Handle(),
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
  hasAimedAt_ = HasShotColumn("aimed_at");
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
    Exec(db, "COMMIT");
  } catch (...) {
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

int64_t PracticeStore::TargetMs(const std::string& profile) {
  EnsureTables();
  Statement q(db_.Handle(), "SELECT target_ms FROM practice_settings WHERE profile = ?1");
  q.Bind(1, profile);
  // A target the game cannot have written (text, a fraction, out of range) is no target.
  if (!q.Step() || q.Type(0) != SQLITE_INTEGER || q.Int(0) < kMinTargetReactionMs || q.Int(0) > kMaxTargetReactionMs) {
    return kDefaultTargetReactionMs;
  }
  return q.Int(0);
}

void PracticeStore::SetTargetMs(const std::string& profile, int64_t targetMs) {
  EnsureTables();
  sqlite3* db = db_.Handle();
  db_.BeginWrite();
  try {
    Statement q(db,
                "INSERT INTO practice_settings (profile, target_ms) VALUES (?1, ?2)"
                " ON CONFLICT(profile) DO UPDATE SET target_ms = excluded.target_ms");
    q.Bind(1, profile).Bind(2, AdjustTarget(targetMs, 0)).Run();
    Exec(db, "COMMIT");
  } catch (...) {
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

std::map<std::string, KeyMastery> PracticeStore::LoadMastery(const std::string& profile,
                                                             const std::vector<std::string>& positions,
                                                             int64_t targetMs) {
  EnsureTables();
  const size_t window = static_cast<size_t>(kMasteryWindow);
  std::map<std::string, std::vector<PracticeChance>> newestFirst;
  for (const std::string& position : positions) newestFirst[position];
  const auto add = [&](const std::string& position, bool hit, std::optional<int64_t> reactionMs) {
    const auto it = newestFirst.find(position);
    if (it == newestFirst.end() || it->second.size() >= window) return;
    PracticeChance chance;
    chance.position = position;
    chance.hit = hit;
    chance.reactionMs = reactionMs;
    it->second.push_back(std::move(chance));
  };

  // One sweep of the profile's newest chances, along its runs, fills the window of every key
  // it plays often; a history shorter than the sweep is read whole by it.
  const std::string aimed = hasAimedAt_ ? "s.aimed_at" : "''";
  Statement sweep(db_.Handle(),
                  "SELECT CASE WHEN s.position <> '' THEN s.position ELSE s.key END, s.result, " +
                      std::string(kReaction) + ", " +
                      aimed +
                      " FROM shots s JOIN runs r ON r.id = s.run_id"
                      " WHERE r.profile = ?1 AND s.end_phase = 0 AND s.result IN ('POINT', 'MISS', 'LOST')"
                      " ORDER BY r.id DESC, s.id DESC LIMIT ?2");
  sweep.Bind(1, profile).Bind(2, kMasteryChancesSwept);
  int64_t swept = 0;
  while (sweep.Step()) {
    ++swept;
    const std::string own = sweep.Text(0);
    const bool hit = sweep.Text(1) == "POINT";
    add(own, hit, hit && !sweep.IsNull(2) ? std::optional<int64_t>(sweep.Int(2)) : std::nullopt);
    // A miss typed on another key while this one held the only enemy ready counts here too.
    if (!hit && sweep.Text(1) == "MISS") {
      const std::string aimedAt = sweep.Text(3);
      if (!aimedAt.empty() && aimedAt != own) add(aimedAt, false, std::nullopt);
    }
  }

  if (swept >= kMasteryChancesSwept) {
    // A long history: a key the sweep left short is read on its own, backwards along its
    // index, which stops at the window however many older shots there are. Each branch walks
    // one index in id order; misses aimed at the key come from their own index.
    std::string sql =
        "SELECT id, hit, reaction_ms FROM ("
        " SELECT s.id AS id, s.result = 'POINT' AS hit, " + std::string(kReaction) + " AS reaction_ms FROM shots s"
        " JOIN runs r ON r.id = s.run_id"
        " WHERE s.position = ?1 AND r.profile = ?2 AND s.end_phase = 0 AND s.result IN ('POINT', 'MISS', 'LOST')"
        " ORDER BY s.id DESC LIMIT ?3)"
        " UNION ALL SELECT id, hit, reaction_ms FROM ("
        " SELECT s.id AS id, s.result = 'POINT' AS hit, " + std::string(kReaction) + " AS reaction_ms FROM shots s"
        " JOIN runs r ON r.id = s.run_id"
        " WHERE s.key = ?1 AND s.position = '' AND r.profile = ?2 AND s.end_phase = 0"
        " AND s.result IN ('POINT', 'MISS', 'LOST')"
        " ORDER BY s.id DESC LIMIT ?3)";
    if (hasAimedAt_) {
      sql += " UNION ALL SELECT id, 0, NULL FROM ("
             " SELECT s.id AS id FROM shots s JOIN runs r ON r.id = s.run_id"
             " WHERE s.aimed_at = ?1 AND s.aimed_at <> '' AND (CASE WHEN s.position <> '' THEN s.position ELSE s.key END) <> ?1 AND r.profile = ?2 AND s.end_phase = 0"
             " AND s.result = 'MISS' ORDER BY s.id DESC LIMIT ?3)";
    }
    sql += " ORDER BY id DESC LIMIT ?3";
    Statement q(db_.Handle(), sql);
    for (auto& [position, chances] : newestFirst) {
      if (chances.size() >= window) continue;
      chances.clear();
      q.Bind(1, position).Bind(2, profile).Bind(3, int64_t{kMasteryWindow});
      while (q.Step()) {
        PracticeChance chance;
        chance.position = position;
        chance.hit = q.Int(1) != 0;
        if (!q.IsNull(2)) chance.reactionMs = q.Int(2);
        chances.push_back(std::move(chance));
      }
      q.Reset();
    }
  }
  std::map<std::string, KeyMastery> result;
  for (const auto& [position, chances] : newestFirst) result.emplace(position, MasteryOf(position, chances, targetMs));
  return result;
}

std::vector<PracticeChance> PracticeStore::RunChances(int64_t runId) {
  EnsureTables();
  const std::string aimed = hasAimedAt_ ? "s.aimed_at" : "''";
  // A row's key is its position where the records know it, else its character.
  Statement q(db_.Handle(), "SELECT s.result, CASE WHEN s.position <> '' THEN s.position ELSE s.key END, " + aimed +
                            ", " + std::string(kReaction) + ", s.end_phase FROM shots s WHERE s.run_id = ?1 ORDER BY s.id");
  q.Bind(1, runId);
  std::vector<PracticeShot> shots;
  while (q.Step()) {
    PracticeShot shot;
    shot.runId = runId;
    shot.result = q.Text(0);
    shot.position = q.Text(1);
    shot.aimedAt = q.Text(2);
    if (!q.IsNull(3)) shot.reactionMs = q.Int(3);
    shot.endPhase = q.Int(4) != 0;
    shots.push_back(std::move(shot));
  }
  return ChancesOf(shots);
}

int64_t PracticeStore::LatestRunId(const std::string& profile, int32_t level) {
  EnsureTables();
  Statement q(db_.Handle(), "SELECT coalesce(max(id), 0) FROM runs WHERE profile = ?1 AND level = ?2");
  q.Bind(1, profile).Bind(2, int64_t{level});
  return q.Step() ? q.Int(0) : 0;
}
