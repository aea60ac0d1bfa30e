// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a screen needs to reach: shared state, platform services, level play, the screens.
#pragma once
#include <functional>

class LevelPlay;
class TfmMain;
class TfmGame;
class TFmScore;
class TFmPause;
class TFmPlayer;
class TFmTheEnd;
class TfmAbout;
class TFirstStart;
class TfmHelp;
class TfmProgress;
class TfmPracticeCard;
class TfmPracticeResults;
class PracticeFlow;
class HandInService;
class Shell;
struct SharedState;
struct Services;

struct Screens {
  TfmMain* fmMain = nullptr;
  TfmGame* fmGame = nullptr;
  TFmScore* FmScore = nullptr;
  TFmPause* FmPause = nullptr;
  TFmPlayer* FmPlayer = nullptr;
  TFmTheEnd* FmTheEnd = nullptr;
  TfmAbout* fmAbout = nullptr;
  TFirstStart* FirstStart = nullptr;
  TfmHelp* fmHelp = nullptr;
  TfmProgress* fmProgress = nullptr;
  TfmPracticeCard* fmPracticeCard = nullptr;
  TfmPracticeResults* fmPracticeResults = nullptr;
};

// What a screen asks of screens in rooms above its own, wired by the application: a screen calls
// these instead of including a higher room's headers. An unwired call does nothing.
struct ScreenCalls {
  std::function<void()> showGameScreen;
  std::function<void()> hideGameScreen;
  std::function<void()> showMainMenu;  // the menu, its labels brought up to date
  std::function<void()> hideMainMenu;
  std::function<void()> beginPractice;  // the practice card, a drill composed for the profile
  std::function<void()> handIn;  // HAND IN: the profile's hand-in written to a folder the player chooses

  void ShowGameScreen() const { Run(showGameScreen); }
  void HideGameScreen() const { Run(hideGameScreen); }
  void ShowMainMenu() const { Run(showMainMenu); }
  void HideMainMenu() const { Run(hideMainMenu); }
  void BeginPractice() const { Run(beginPractice); }
  void HandIn() const { Run(handIn); }

 private:
  static void Run(const std::function<void()>& call) {
    if (call) call();
  }
};

struct AppContext {
  SharedState& shared;
  Services& services;
  Shell& shell;               // opens web pages
  LevelPlay* level = nullptr; // set when the game screen is created
  Screens screens;
  PracticeFlow* practice = nullptr;  // the way through practice; set with the screens
  ScreenCalls calls;
  HandInService* handIns = nullptr;  // the hand-ins and the class folder; null: none are made
};
