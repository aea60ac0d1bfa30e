// SPDX-License-Identifier: GPL-3.0-or-later
// The results screen's rules: what it shows when a level is finished, and what its three
// buttons decide.
#include "screens/results.h"

#include "core/button_sound.h"
#include "core/field_split.h"
#include "core/ini_store.h"
#include "core/level_counters.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_play.h"
#include "platform/game_error.h"

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
