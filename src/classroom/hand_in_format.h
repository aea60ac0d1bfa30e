// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-in file: a small SQLite database of its own schema (docs/classroom.md), made whole in
// memory, and read back by the class view read only, as immutable, trusting nothing in it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classroom/hand_in.h"

struct sqlite3;

// The file's bytes: a database built in memory and serialized, so writing it makes no journal
// or lock anywhere. Throws ProgressError when SQLite cannot build it.
std::string HandInBytes(const HandIn& handIn);

// Why a file of the class folder cannot be shown.
enum class HandInProblem {
  kNone,
  kCannotOpen,     // no such file, or no permission to read it
  kNotAFile,       // a folder, a link, a device
  kTooLarge,       // far larger than any hand-in
  kNotAHandIn,     // not an SQLite file, or one of another program
  kNewerVersion,   // made by a newer game
  kDamaged,        // truncated or corrupt
  kForeignTables,  // tables, views or triggers a hand-in does not have
  kBadValues,      // values no game writes
};

// A file this large is no hand-in (one holds at most a few hundred kilobytes).
inline constexpr int64_t kMaxHandInBytes = 8 << 20;

// What the class table shows of one hand-in.
struct HandInSummary {
  std::string profile;
  std::string writtenAt;
  int64_t playedMs = 0;
  int64_t playedThisWeekMs = 0;  // runs from the week's first local day on
  int64_t runCount = 0;
  int64_t levelsPassed = 0;
  int64_t keysMastered = 0;
  std::vector<HandInKey> keys;
  // Words per minute of the days with word drills, newest first, at most five.
  std::vector<double> recentWordsPerMinute;
};

class HandInReader {
 public:
  // Opens the file at path read only and as immutable (no lock, no journal, nothing written)
  // and checks that it is a whole hand-in this game can read; Problem() says why not.
  explicit HandInReader(const std::string& path);
  ~HandInReader();
  HandInReader(const HandInReader&) = delete;
  HandInReader& operator=(const HandInReader&) = delete;

  HandInProblem Problem() const { return problem_; }
  // What more there is to say of the problem (a version, a table's name, SQLite's message).
  const std::string& Detail() const { return detail_; }
  // The file's owner, as the file system tells it.
  uint32_t OwnerUid() const { return ownerUid_; }

  // The totals the file states that its own rows do not add up to: "runs", "time played",
  // "levels passed", "keys mastered", "key accuracy". Empty when they all agree.
  std::vector<std::string> Disagreements();
  // The figures of the class table; weekStart is the week's first local day (YYYY-MM-DD).
  HandInSummary Summary(const std::string& weekStart);
  // Everything the file holds, for the pupil's page.
  HandIn Whole();

 private:
  void Open(const std::string& path);
  void Check();
  void Refuse(HandInProblem problem, std::string detail);

  sqlite3* db_ = nullptr;
  HandInProblem problem_ = HandInProblem::kNone;
  std::string detail_;
  uint32_t ownerUid_ = 0;
};

// A text's SQLite URI for a read-only, immutable opening: file:<path>?immutable=1 with the
// characters a URI gives a meaning escaped.
std::string ImmutableUri(const std::string& path);
