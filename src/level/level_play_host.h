// SPDX-License-Identifier: GPL-3.0-or-later
// What level play asks of the screens around it.
#pragma once
#include <functional>

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

class LevelPlayHost {
public:
  virtual ~LevelPlayHost() = default;
  virtual void ShowGameScreen() = 0;
  virtual void HideGameScreen() = 0;
  virtual void ShowMainMenu() = 0;
  virtual void ShowPauseScreen() = 0;
  virtual void HidePauseScreen() = 0;
  virtual bool PauseScreenShowing() const = 0;
  // The pause screen's CONTINUE, run when the map is clicked while the pause screen shows.
  virtual void PauseScreenContinue() = 0;
  // Modal: they return when the screen has closed.
  virtual void ShowResultsModal() = 0;
  virtual void ShowEndScreenModal() = 0;
  // Part of the game screen must be drawn again.
  virtual void Invalidate(const ScreenRect& rect) = 0;
};

// A host that shows nothing: for tests and headless runs. Results and end screens are hooks.
class NullLevelPlayHost : public LevelPlayHost {
public:
  void ShowGameScreen() override { gameScreenShowing = true; }
  void HideGameScreen() override { gameScreenShowing = false; }
  void ShowMainMenu() override { mainMenuShowing = true; }
  void ShowPauseScreen() override { pauseShowing = true; }
  void HidePauseScreen() override { pauseShowing = false; }
  bool PauseScreenShowing() const override { return pauseShowing; }
  void PauseScreenContinue() override { if (onPauseContinue) onPauseContinue(); }
  void ShowResultsModal() override { ++resultsShown; if (onResults) onResults(); }
  void ShowEndScreenModal() override { ++endScreensShown; }
  void Invalidate(const ScreenRect&) override {}

  bool gameScreenShowing = false;
  bool mainMenuShowing = false;
  bool pauseShowing = false;
  int resultsShown = 0;
  int endScreensShown = 0;
  std::function<void()> onPauseContinue;
  std::function<void()> onResults;
};
