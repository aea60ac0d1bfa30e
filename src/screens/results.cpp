// SPDX-License-Identifier: GPL-3.0-or-later
// Results of a finished level: the percentage, the best result per profile, the table of all
// profiles, pass or fail, and what the three buttons of the results screen decide.
#include "screens/results.h"

#include <utility>

#include "app/services.h"
#include "app/shared_state.h"
#include "level/field_split.h"
#include "level/level_play.h"
#include "platform/game_error.h"
#include "platform/text_case.h"
#include "profiles/button_sound.h"
#include "profiles/ini_document.h"
#include "profiles/ini_store.h"
#include "targets/level_counters.h"

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

Results::Results(SharedState& shared, Services& services, LevelPlay& level)
    : shared_(shared), services_(services), level_(level) {}

const ResultsView& Results::Show() {
  IniStore& store = *shared_.playerStore;
  const std::string& player = shared_.currentPlayer;
  view_ = ResultsView{};
  view_.levelName = level_.CurrentLevelName();
  view_.percent = ResultPercentOf(level_.Counters());
  view_.record = ResultRecordOf(view_.percent, level_.Counters());
  view_.fields = SplitFields(view_.record);
  resultLevel_ = store.ReadInteger(player, "curlevel", 1);
  view_.level = resultLevel_;
  view_.playerLine = player + "  " + view_.fields.front() + "%";
  try {
    KeepBestResult(store, player, resultLevel_, view_.record, view_.percent);
  } catch (const GameError& e) {
    // The screen must still offer its ways on; the failure is reported by the screen.
    view_.writeError = e.what();
  }
  view_.rows = ResultRows(store, resultLevel_);
  OrderResultRows(view_.rows);
  view_.passed = Passed(view_.percent);
  view_.fanfare = FanfareDue(view_.rows, view_.percent);
  if (view_.fanfare) PlayScreenSound(shared_, services_, "fx_1175.wav");
  return view_;
}

void Results::Continue() {
  IniStore& store = *shared_.playerStore;
  const std::string& player = shared_.currentPlayer;
  PlayButtonSound(shared_, services_);
  resultLevel_ = store.ReadInteger(player, "curlevel", 1);
  if (resultLevel_ < shared_.lastLevel) {
    resultLevel_ = WrapAdd(resultLevel_, 1);
    level_.CloseLevel();
    level_.ResetCounters();
    if (store.ReadInteger(player, "levels", 1) <= resultLevel_)
      store.WriteInteger(player, "levels", resultLevel_);
    store.WriteInteger(player, "curlevel", resultLevel_);
    level_.SetPaused(false, false);
  } else {
    shared_.showEndScreen = true;
    level_.QuitToMenu();
  }
}

void Results::TryAgain() {
  PlayButtonSound(shared_, services_);
  level_.CloseLevel();
  resultLevel_ = shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1);
  level_.ResetCounters();
}

void Results::MainMenu() {
  PlayButtonSound(shared_, services_);
  resultLevel_ = shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1);
  level_.QuitToMenu();
  shared_.returnToMenu = true;
}
