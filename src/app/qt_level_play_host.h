// SPDX-License-Identifier: GPL-3.0-or-later
// Level play's view of the screens: the game screen, the menu, the pause, results and end screens.
#pragma once
#include "level/level_play_host.h"

struct AppContext;

class QtLevelPlayHost : public LevelPlayHost {
public:
  explicit QtLevelPlayHost(AppContext& app) : app_(app) {}

  void ShowGameScreen() override;
  void HideGameScreen() override;
  void ShowMainMenu() override;
  void ShowPauseScreen() override;
  void HidePauseScreen() override;
  bool PauseScreenShowing() const override;
  void PauseScreenContinue() override;
  void ShowResultsModal() override;
  void ShowEndScreenModal() override;
  void Invalidate(const ScreenRect& rect) override;

private:
  AppContext& app_;
};
