// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a Progress.db of the first schema with 1,000,000 shots up to date, as the worker
// does once after the game was updated.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "progress/progress_database.h"
#include "old_progress_file.h"

namespace {

// 2,000 runs of two profiles with 500 shots each over the home row keys, written as the first
// schema wrote them (no positions).
void MakeVersion1File(const std::string& path) {
  WriteOldProgressFile(path, 1,
                       "BEGIN;"
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                       " INSERT INTO runs SELECT i, CASE i % 2 WHEN 0 THEN 'Ann' ELSE 'Bo' END, i % 16 + 1, 'Normal',"
                       " '2026-01-01T00:00:00Z', 180000, 'finished', 70, 400, 50, 0, 1 FROM n;"
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)"
                       " INSERT INTO shots SELECT i, (i - 1) / 500 + 1, i * 10, substr('asdfjkl;gh', i % 10 + 1, 1),"
                       " CASE WHEN i % 9 = 0 THEN 'MISS' ELSE 'POINT' END,"
                       " CASE WHEN i % 9 = 0 THEN '' ELSE substr('asdfjkl;gh', i % 10 + 1, 1) END,"
                       " substr('asdfjkl;gh', i % 10 + 1, 1), CASE WHEN i % 9 = 0 THEN NULL ELSE 500 + i % 700 END, 0 FROM n;"
                       "COMMIT;");
}

void BM_UpdateAMillionShotsFromTheFirstSchema(benchmark::State& state) {
  char pattern[] = "/tmp/migration_bench.XXXXXX";
  if (mkdtemp(pattern) == nullptr) abort();
  const std::string folder = pattern;
  const std::string original = folder + "/Version1.db";
  const std::string path = folder + "/Progress.db";
  MakeVersion1File(original);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(path + "-wal");
    std::filesystem::remove(path + "-shm");
    std::filesystem::copy_file(original, path, std::filesystem::copy_options::overwrite_existing);
    state.ResumeTiming();
    ProgressDatabase db(path);
    db.Open();
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_UpdateAMillionShotsFromTheFirstSchema)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
