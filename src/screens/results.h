// SPDX-License-Identifier: GPL-3.0-or-later
// The results screen's rules: what it shows when a level is finished, and what its three
// buttons decide.
#pragma once
#include "core/result_arithmetic.h"

#include <cstdint>
#include <string>
#include <vector>

class LevelPlay;
struct Services;
struct SharedState;

// What the results screen shows, worked out when it is shown; the best result is kept on the way.
struct ResultsView {
  std::string levelName;
  int32_t percent = 0;
  std::string record;
  std::vector<std::string> fields;  // record split at ":"
  int32_t level = 1;                // the profile's curlevel
  std::string playerLine;           // "<player>  <percent>%"
  std::vector<ResultRow> rows;      // ordered, without the heading row
  bool passed = false;
  bool fanfare = false;
  std::string writeError;  // set when the best result could not be written
};

// The results screen's state and its three ways on. The buttons call level play and write
// Player.ini; a GameError from a write stops the action where it happened and propagates, and
// the screen then stays open. Returning normally means the screen closes.
class Results {
 public:
  Results(SharedState& shared, Services& services, LevelPlay& level);

  // Everything done when the screen is shown, in order; plays the fanfare. A failed write of
  // the best result is left in the view's writeError and the rest goes on, so the screen still
  // offers its ways on.
  const ResultsView& Show();
  const ResultsView& View() const { return view_; }
  int32_t ResultLevel() const { return resultLevel_; }

  void Continue();
  void TryAgain();
  void MainMenu();

 private:
  SharedState& shared_;
  Services& services_;
  LevelPlay& level_;
  ResultsView view_;
  int32_t resultLevel_ = 1;
};
