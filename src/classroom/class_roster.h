// SPDX-License-Identifier: GPL-3.0-or-later
// The class view's rules: one row per hand-in of a class folder, each pupil named by the
// account that owns the file, the class's keys added up, the rows sorted by any column.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "classroom/hand_in_format.h"
#include "platform/login_name.h"
#include "progress/progress_stats.h"

class KeyTable;

struct ClassRow {
  std::string fileName;
  uint32_t ownerUid = 0;
  std::string pupil;  // the owner's full name, else the login, else "#<uid>"
  std::string login;  // empty when the account is unknown
  std::string profile;
  std::string lastHandIn;  // when it was written, UTC ISO 8601
  int64_t playedThisWeekMs = 0;
  int64_t playedMs = 0;
  int64_t runCount = 0;
  int64_t levelsPassed = 0;
  std::optional<int> accuracyPercent;    // every key's hits over its chances; none without chances
  std::optional<double> wordsPerMinute;  // of the newest day with word drills
  std::optional<double> trend;           // that day's less the mean of up to four days before
  int64_t keysMastered = 0;
  std::vector<KeyStats>
      weakestKeys;  // as PROGRESS's keys to practise, named as the pupil types them
  HandInProblem problem = HandInProblem::kNone;
  std::string problemDetail;
  std::vector<std::string> disagreements;  // the stored totals its own rows do not add up to

  bool Readable() const { return problem == HandInProblem::kNone; }
};

// A key position's chances and hits over the whole class.
struct ClassKey {
  std::string position;
  int64_t chances = 0;
  int64_t hits = 0;
  std::vector<int64_t> medians;  // each pupil's median reaction at it
};

struct ClassRoster {
  std::string folder;
  std::string error;  // why the folder could not be listed; empty when it could
  std::vector<ClassRow> rows;
  std::vector<ClassKey> keys;  // by position
};

// Who owns a file: the user database's entry of a user id.
using AccountLookup = std::function<std::optional<AccountNames>(uint32_t uid)>;

// Reads every hand-in of folder (a file whose name IsHandInFileName takes; no other file is
// opened), one at a time, keeping only each one's row and its keys' sums, so a class of any
// size needs little memory. weekStart is the first local day of the week (YYYY-MM-DD).
ClassRoster ReadClassFolder(const std::string& folder, const std::string& weekStart,
                            const AccountLookup& accounts);

// One row from a hand-in's summary (the reader's problem and disagreements are the caller's).
ClassRow MakeClassRow(const HandInSummary& summary);
// The pupil's name for a file owned by uid.
std::string PupilName(uint32_t uid, const std::optional<AccountNames>& account);

// The class's keys as PROGRESS rates a key: named as layout types them (US names without one),
// the median reaction the median of the pupils' medians. Chances are the class's sums, so every
// key with ten of them is rated.
std::vector<KeyStats> ClassKeyStats(const std::vector<ClassKey>& keys, const KeyTable* layout);
// The keys the class misses most: the five weakest of ClassKeyStats.
std::vector<KeyStats> ClassWeakestKeys(const std::vector<KeyStats>& stats);

// The local day (YYYY-MM-DD) the week of today starts on, when weeks start on firstDay
// (1 Monday to 7 Sunday, as a locale says).
std::string WeekStartDay(int64_t today, int firstDay);

enum class ClassColumn {
  kPupil,
  kProfile,
  kLastHandIn,
  kThisWeek,
  kLevels,
  kAccuracy,
  kWordsPerMinute,
  kKeysMastered,
  kWeakestKeys,
  kNote,
};
inline constexpr int kClassColumns = 10;

// Sorts rows by column: numbers by value, texts without regard to letter case; rows without a
// value last either way; ties by pupil, then profile, then file.
void SortClassRows(std::vector<ClassRow>& rows, ClassColumn column, bool descending);

// The weakest keys as the table shows them: "k ; l".
std::string WeakestKeysText(const ClassRow& row);
