// SPDX-License-Identifier: GPL-3.0-or-later
// The class view's rules: rows of a class folder's hand-ins, the class's keys, sorting.
#include "classroom/class_roster.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <numeric>
#include <tuple>

#include "classroom/hand_in_file.h"
#include "platform/key_table.h"
#include "platform/text_case.h"
#include "practice/local_day.h"

namespace {

std::vector<KeyStats> StatsOf(const std::vector<HandInKey>& keys) {
  std::vector<KeyStats> stats;
  for (const HandInKey& key : keys) {
    KeyStats s;
    s.key = key.typed;
    s.position = key.position;
    s.chances = key.chances;
    s.hits = key.hits;
    s.medianReactionMs = key.reactionMedianMs;
    stats.push_back(std::move(s));
  }
  return stats;
}

// Every file name of the folder; an error text when it cannot be listed.
std::vector<std::string> Names(const std::string& folder, std::string& error) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) {
    error = folder + ": " + std::strerror(errno);
    return names;
  }
  while (const dirent* entry = ::readdir(dir.get())) {
    if (IsHandInFileName(entry->d_name)) names.emplace_back(entry->d_name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void AddKeys(const std::vector<HandInKey>& keys, std::map<std::string, ClassKey>& sums) {
  for (const HandInKey& key : keys) {
    if (key.position.empty() || key.chances <= 0) continue;
    ClassKey& sum = sums[key.position];
    sum.position = key.position;
    sum.chances += key.chances;
    sum.hits += key.hits;
    if (key.reactionMedianMs) sum.medians.push_back(*key.reactionMedianMs);
  }
}

// A column's value of a row: a number, a text, or nothing.
struct SortKey {
  bool present = false;
  double number = 0;
  std::string text;
};

SortKey KeyOf(const ClassRow& row, ClassColumn column) {
  const auto number = [](double value) { return SortKey{true, value, {}}; };
  const auto text = [](const std::string& value) {
    return SortKey{!value.empty(), 0, ToLowerUtf8(value)};
  };
  const bool readable = row.Readable();
  switch (column) {
    case ClassColumn::kPupil:
      return text(row.pupil);
    case ClassColumn::kProfile:
      return text(row.profile);
    case ClassColumn::kLastHandIn:
      return text(row.lastHandIn);
    case ClassColumn::kThisWeek:
      return readable ? number(static_cast<double>(row.playedThisWeekMs)) : SortKey{};
    case ClassColumn::kLevels:
      return readable ? number(static_cast<double>(row.levelsPassed)) : SortKey{};
    case ClassColumn::kAccuracy:
      return row.accuracyPercent ? number(*row.accuracyPercent) : SortKey{};
    case ClassColumn::kWordsPerMinute:
      return row.wordsPerMinute ? number(*row.wordsPerMinute) : SortKey{};
    case ClassColumn::kKeysMastered:
      return readable ? number(static_cast<double>(row.keysMastered)) : SortKey{};
    case ClassColumn::kWeakestKeys:
      return text(WeakestKeysText(row));
    case ClassColumn::kNote:
      // Unreadable files, then flagged ones, each kind together.
      if (!readable) return number(100 + static_cast<int>(row.problem));
      return row.disagreements.empty() ? SortKey{}
                                       : number(static_cast<double>(row.disagreements.size()));
  }
  return {};
}

}  // namespace

std::string PupilName(uint32_t uid, const std::optional<AccountNames>& account) {
  if (account && !account->fullName.empty()) return account->fullName;
  if (account && !account->login.empty()) return account->login;
  return "#" + std::to_string(uid);
}

ClassRow MakeClassRow(const HandInSummary& summary) {
  ClassRow row;
  row.profile = summary.profile;
  row.lastHandIn = summary.writtenAt;
  row.playedThisWeekMs = summary.playedThisWeekMs;
  row.playedMs = summary.playedMs;
  row.runCount = summary.runCount;
  row.levelsPassed = summary.levelsPassed;
  row.keysMastered = summary.keysMastered;
  int64_t chances = 0, hits = 0;
  for (const HandInKey& key : summary.keys) {
    chances += key.chances;
    hits += key.hits;
  }
  if (chances > 0) row.accuracyPercent = static_cast<int>(hits * 100 / chances);
  const std::vector<double>& wpm = summary.recentWordsPerMinute;
  if (!wpm.empty()) {
    row.wordsPerMinute = wpm.front();
    if (wpm.size() >= 2) {
      const double before =
          std::accumulate(wpm.begin() + 1, wpm.end(), 0.0) / static_cast<double>(wpm.size() - 1);
      row.trend = wpm.front() - before;
    }
  }
  row.weakestKeys = WeakestKeys(StatsOf(summary.keys));
  return row;
}

ClassRoster ReadClassFolder(const std::string& folder, const std::string& weekStart,
                            const AccountLookup& accounts) {
  ClassRoster roster;
  roster.folder = folder;
  std::map<uint32_t, std::optional<AccountNames>> known;
  std::map<std::string, ClassKey> sums;
  for (const std::string& name : Names(folder, roster.error)) {
    HandInReader reader(folder + (folder.empty() || folder.back() == '/' ? "" : "/") + name);
    ClassRow row;
    if (reader.Problem() == HandInProblem::kNone) {
      const HandInSummary summary = reader.Summary(weekStart);
      std::vector<std::string> disagreements = reader.Disagreements();
      if (reader.Problem() == HandInProblem::kNone) {
        row = MakeClassRow(summary);
        row.disagreements = std::move(disagreements);
        AddKeys(summary.keys, sums);
      }
    }
    row.problem = reader.Problem();
    row.problemDetail = reader.Detail();
    row.fileName = name;
    row.ownerUid = reader.OwnerUid();
    auto account = known.find(row.ownerUid);
    if (account == known.end()) {
      account = known.emplace(row.ownerUid, accounts ? accounts(row.ownerUid) : std::nullopt).first;
    }
    row.pupil = PupilName(row.ownerUid, account->second);
    row.login = account->second ? account->second->login : std::string();
    roster.rows.push_back(std::move(row));
  }
  for (auto& [position, sum] : sums) roster.keys.push_back(std::move(sum));
  return roster;
}

std::vector<KeyStats> ClassKeyStats(const std::vector<ClassKey>& keys, const KeyTable* layout) {
  std::vector<KeyStats> stats;
  for (const ClassKey& key : keys) {
    KeyStats s;
    s.position = key.position;
    const std::string typed = layout ? layout->MapLetter(key.position) : key.position;
    s.key = typed.empty() ? key.position : typed;
    s.chances = static_cast<int>(std::min<int64_t>(key.chances, INT32_MAX));
    // Hits scaled with the chances when the sum had to be cut, so the accuracy stays.
    s.hits = key.chances > INT32_MAX
                 ? static_cast<int>(key.hits * static_cast<double>(INT32_MAX) / key.chances)
                 : static_cast<int>(key.hits);
    s.medianReactionMs = MedianOf(key.medians);
    stats.push_back(std::move(s));
  }
  return stats;
}

std::vector<KeyStats> ClassWeakestKeys(const std::vector<KeyStats>& stats) {
  return WeakestKeys(stats);
}

std::string WeekStartDay(int64_t today, int firstDay) {
  // Day 0, 1970-01-01, was a Thursday: day 4 of the week counted from Monday as 1.
  const int64_t weekday = ((today % 7 + 7) % 7 + 3) % 7 + 1;
  const int64_t back = ((weekday - std::clamp(firstDay, 1, 7)) % 7 + 7) % 7;
  return DayText(today - back);
}

void SortClassRows(std::vector<ClassRow>& rows, ClassColumn column, bool descending) {
  std::stable_sort(rows.begin(), rows.end(), [&](const ClassRow& a, const ClassRow& b) {
    const SortKey ka = KeyOf(a, column), kb = KeyOf(b, column);
    if (ka.present != kb.present) return ka.present;
    if (ka.present) {
      const int order = ka.text.empty() && kb.text.empty() ? (ka.number < kb.number   ? -1
                                                              : ka.number > kb.number ? 1
                                                                                      : 0)
                                                           : ka.text.compare(kb.text);
      if (order != 0) return descending ? order > 0 : order < 0;
    }
    return std::tie(a.pupil, a.profile, a.fileName) < std::tie(b.pupil, b.profile, b.fileName);
  });
}

std::string WeakestKeysText(const ClassRow& row) {
  std::string text;
  for (const KeyStats& key : row.weakestKeys) {
    if (!text.empty()) text += ' ';
    text += key.key;
  }
  return text;
}
