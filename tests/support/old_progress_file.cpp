// SPDX-License-Identifier: GPL-3.0-or-later
// Progress.db files of the earlier schema versions, made from the frozen SQL in
// tests/data/progress_schema/version<N>.sql, never from the game's own migrations.
#include "old_progress_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "sql_probe.h"

namespace {
// The line in a frozen file after which its sample rows come.
constexpr const char* kSampleRowsMark = "\n-- Sample rows";
}  // namespace

std::string FrozenProgressSchema(int version) {
  const std::string path =
      std::string(TEST_DATA_DIR) + "/progress_schema/version" + std::to_string(version) + ".sql";
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("no frozen schema " + path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteOldProgressFile(const std::string& path, int version, const std::string& sql,
                          SampleRows sample) {
  std::string frozen = FrozenProgressSchema(version);
  if (sample == SampleRows::kLeftOut) {
    const size_t rows = frozen.find(kSampleRowsMark);
    if (rows != std::string::npos) frozen.resize(rows + 1);
  }
  ExecSql(path, frozen + sql);
}
