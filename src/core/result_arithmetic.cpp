// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of a finished level's result: the percentage, pass or fail, the stored best
// result per profile and the table of all profiles.
#include "core/result_arithmetic.h"

#include <utility>

#include "core/field_split.h"
#include "core/ini_document.h"
#include "core/ini_store.h"
#include "core/level_counters.h"
#include "platform/text_case.h"

namespace {

// A whole number by the INI store's rule for integers; 0 for anything else.
int32_t FieldPercent(std::string_view field) {
  int32_t value = 0;
  return ParseIniInteger(field, value) ? value : 0;
}

bool FirstFieldIsWholeNumber(std::string_view stored) {
  const std::vector<std::string> fields = SplitFields(stored);
  int32_t value = 0;
  return !fields.empty() && ParseIniInteger(fields.front(), value);
}

}  // namespace

int32_t ResultPercentOf(const LevelCounters& c) {
  const int32_t numerator = WrapMul(c.MyScore, 100);
  const int32_t divisor =
      WrapAdd(WrapAdd(c.AllScore, WrapMul(c.Misses, 1000)), WrapMul(c.Civilians, 2000));
  if (divisor == 0) return 100;
  // The one quotient that overflows wraps to itself, as the hardware division would give.
  if (divisor == -1) return WrapMul(numerator, -1);
  return numerator / divisor;
}

std::string ResultRecordOf(int32_t percent, const LevelCounters& c) {
  return std::to_string(percent) + ":" + std::to_string(c.Hits) + ":" + std::to_string(c.Misses) +
         ":" + std::to_string(c.Civilians);
}

bool Passed(int32_t percent) { return percent >= kPassPercent; }

int32_t StoredPercent(std::string_view stored) {
  const std::vector<std::string> fields = SplitFields(stored);
  return fields.empty() ? 0 : FieldPercent(fields.front());
}

bool KeepBestResult(IniStore& store, const std::string& player, int32_t level,
                    const std::string& record, int32_t percent) {
  const std::string key = std::to_string(level);
  const std::string stored = store.ReadString(player, key, "");
  // A stored result that cannot be compared is replaced by the next one.
  const bool replace =
      stored.empty() || !FirstFieldIsWholeNumber(stored) || StoredPercent(stored) < percent;
  if (replace) store.WriteString(player, key, record);
  return replace;
}

std::vector<ResultRow> ResultRows(const IniStore& store, int32_t level) {
  const std::string key = std::to_string(level);
  std::vector<ResultRow> rows;
  for (const std::string& section : store.ReadSections()) {
    if (EqualsNoCaseAscii(section, "curplayer")) continue;
    ResultRow row;
    row[0] = section;
    const std::vector<std::string> fields = SplitFields(store.ReadString(section, key, "0"));
    for (size_t i = 0; i < fields.size() && i < 4; ++i) row[i + 1] = fields[i];
    rows.push_back(std::move(row));
  }
  return rows;
}

void OrderResultRows(std::vector<ResultRow>& rows) {
  for (size_t i = 0; i < rows.size(); ++i)
    for (size_t j = i; j < rows.size(); ++j)
      if (FieldPercent(rows[i][1]) < FieldPercent(rows[j][1])) std::swap(rows[i], rows[j]);
}

bool FanfareDue(const std::vector<ResultRow>& orderedRows, int32_t percent) {
  return !orderedRows.empty() && FieldPercent(orderedRows.front()[1]) == percent;
}
