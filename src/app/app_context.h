// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a screen needs to reach: shared state, platform services, level play, the screens.
#pragma once

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

struct AppContext {
  SharedState& shared;
  Services& services;
  Shell& shell;               // opens web pages
  LevelPlay* level = nullptr; // set when the game screen is created
  Screens screens;
  PracticeFlow* practice = nullptr;  // the way through practice; set with the screens
};
