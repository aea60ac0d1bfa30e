// SPDX-License-Identifier: GPL-3.0-or-later
// The schema of Progress.db: its version and the steps that bring an older file up to it.
#include "progress/progress_schema.h"

#include "platform/key_table.h"

namespace {

const char* const kVersion1 =
    "CREATE TABLE runs ("
    "  id INTEGER PRIMARY KEY,"
    "  profile TEXT NOT NULL COLLATE NOCASE,"
    "  level INTEGER NOT NULL,"
    "  difficulty TEXT NOT NULL,"
    "  started_at TEXT NOT NULL,"
    "  duration_ms INTEGER NOT NULL,"
    "  outcome TEXT NOT NULL,"
    "  percent INTEGER, hits INTEGER, misses INTEGER, civilians INTEGER, passed INTEGER);"
    "CREATE INDEX runs_profile ON runs(profile);"
    "CREATE TABLE shots ("
    "  id INTEGER PRIMARY KEY,"
    "  run_id INTEGER NOT NULL REFERENCES runs(id),"
    "  game_ms INTEGER NOT NULL,"
    "  typed TEXT NOT NULL,"
    "  result TEXT NOT NULL,"
    "  letter TEXT NOT NULL,"
    "  key TEXT NOT NULL,"
    "  reaction_ms INTEGER,"
    "  end_phase INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX shots_run ON shots(run_id);"
    "CREATE INDEX shots_key ON shots(key, id);";

// The 47 US key names as an SQL list: ('`','1',...,'''',...).
std::string UsKeyList() {
  std::string list = "(";
  for (const UsKey& key : UsKeys()) {
    if (list.size() > 1) list += ",";
    list += "'";
    for (const char* c = key.character; *c; ++c) list += *c == '\'' ? std::string("''") : std::string(1, *c);
    list += "'";
  }
  return list + ")";
}

// 2: each shot's key position. Rows of version 1 never recorded one; a row gets its key as its
// position when that key is a US key's character and its profile never typed a character beyond
// ASCII, which only another layout than US types (ö, é, п). Every other row keeps an empty
// position and counts under its character.
std::string Version2() {
  const std::string usKeys = UsKeyList();
  return "ALTER TABLE shots ADD COLUMN position TEXT NOT NULL DEFAULT '';"
         "UPDATE shots SET position = key WHERE key IN " + usKeys +
         " AND run_id NOT IN (SELECT r.id FROM runs r WHERE r.profile IN ("
         "  SELECT o.profile FROM shots s JOIN runs o ON o.id = s.run_id WHERE unicode(s.key) > 127));"
         "CREATE INDEX shots_position ON shots(position, id);";
}

// 3: the key a counted miss was aimed at, when exactly one enemy stood ready to be shot.
const char* const kVersion3 =
    "ALTER TABLE shots ADD COLUMN aimed_at TEXT NOT NULL DEFAULT '';"
    "CREATE INDEX shots_aimed ON shots(aimed_at, id) WHERE aimed_at <> '';";

// 4: words typed in practice's word waves. A run's ready time (word-wave time with a word ready
// to be typed, pauses left out); per shot in a word wave the figure the key went to (its spawn
// count in the run, -1 for a miss with nothing locked), the letter's index in the word (NULL for
// a miss) and, for the letter that completed a word, the word's length.
const char* const kVersion4 =
    "ALTER TABLE runs ADD COLUMN word_ready_ms INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE shots ADD COLUMN word INTEGER;"
    "ALTER TABLE shots ADD COLUMN word_pos INTEGER;"
    "ALTER TABLE shots ADD COLUMN word_len INTEGER NOT NULL DEFAULT 0;";

}  // namespace

std::string ProgressMigration(int toVersion) {
  switch (toVersion) {
    case 1:
      return kVersion1;
    case 2:
      return Version2();
    case 3:
      return kVersion3;
    case 4:
      return kVersion4;
    default:
      return {};
  }
}

const std::vector<AddedColumn>& AddedShotColumns() {
  static const std::vector<AddedColumn> columns = {{"charged", "TEXT"}, {"typing_ms", "INTEGER"}};
  return columns;
}
