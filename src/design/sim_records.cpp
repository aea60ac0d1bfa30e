// SPDX-License-Identifier: GPL-3.0-or-later
// The progress records of simulated play: Progress.db files and the game's recorder.
#include "design/sim_records.h"

#include "progress/progress_database.h"
#include "platform/timer_service.h"
#include "progress/progress_recorder.h"
#include "progress/sqlite_statement.h"

namespace {

// The columns of a table other than its id and the given one, comma-separated.
std::string ColumnsOf(sqlite3* db, const std::string& table, const std::string& besides) {
  Statement q(db, "SELECT name FROM pragma_table_info(?1)");
  q.Bind(1, table);
  std::string columns;
  while (q.Step()) {
    const std::string name = q.Text(0);
    if (name == "id" || name == besides) continue;
    columns += (columns.empty() ? "" : ", ") + name;
  }
  return columns;
}

void Run(sqlite3* db, const std::string& sql, int64_t a, int64_t b = 0) {
  Statement q(db, sql);
  q.Bind(1, a);
  if (sql.find("?2") != std::string::npos) q.Bind(2, b);
  q.Step();
}

// The recorder, telling the simulator of each enemy lost.
class SimRecorder : public ProgressRecorder {
 public:
  SimRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages, int64_t utcStartMs,
              std::function<void(size_t)> onLost)
      : ProgressRecorder(shared, timers, messages, [&timers, utcStartMs] { return utcStartMs + timers.NowMs(); }),
        onLost_(std::move(onLost)) {}
  void EnemyLost(size_t place, const std::string& letter, const std::string& position) override {
    ProgressRecorder::EnemyLost(place, letter, position);
    if (onLost_) onLost_(place);
  }

 private:
  std::function<void(size_t)> onLost_;
};

}  // namespace

std::unique_ptr<LevelPlayListener> MakeSimRecorder(SharedState& shared, TimerService& timers, MessageBoxes& messages,
                                                   int64_t utcStartMs, std::function<void(size_t)> onLost) {
  return std::make_unique<SimRecorder>(shared, timers, messages, utcStartMs, std::move(onLost));
}

SimRecords::SimRecords(const std::string& path) : db_(std::make_unique<ProgressDatabase>(path)) { db_->Open(); }

SimRecords::~SimRecords() = default;

void SimRecords::AddHits(const std::string& profile, int32_t level, const std::vector<std::string>& keys, int perKey,
                         int64_t reactionMs) {
  std::vector<PendingRun> runs(1);
  runs[0].run.profile = profile;
  runs[0].run.level = level;
  runs[0].run.difficulty = "Normal";
  runs[0].run.startedAt = "2024-10-01T00:00:00Z";
  runs[0].run.outcome = kOutcomeFinished;
  runs[0].run.result = RunResult{100, perKey * static_cast<int32_t>(keys.size()), 0, 0, true};
  for (const std::string& key : keys) {
    for (int i = 0; i < perKey; ++i) {
      ShotRecord shot;
      shot.typed = shot.letter = shot.key = key;
      shot.result = "POINT";
      shot.reactionMs = reactionMs;
      runs[0].shots.push_back(shot);
    }
  }
  db_->Write(runs);
}

int64_t SimRecords::CopyWordRows(int64_t runId) {
  sqlite3* db = db_->Handle();
  const std::string runColumns = ColumnsOf(db, "runs", "");
  Run(db, "INSERT INTO runs (" + runColumns + ") SELECT " + runColumns + " FROM runs WHERE id = ?1", runId);
  const int64_t copy = sqlite3_last_insert_rowid(db);
  const std::string shotColumns = ColumnsOf(db, "shots", "run_id");
  Run(db,
      "INSERT INTO shots (run_id, " + shotColumns + ") SELECT ?2, " + shotColumns +
          " FROM shots WHERE run_id = ?1 AND word IS NOT NULL ORDER BY id",
      runId, copy);
  return copy;
}

void SimRecords::RemoveRun(int64_t runId) {
  sqlite3* db = db_->Handle();
  Run(db, "DELETE FROM shots WHERE run_id = ?1", runId);
  Run(db, "DELETE FROM runs WHERE id = ?1", runId);
}
