// SPDX-License-Identifier: GPL-3.0-or-later
// The held-key mark in a running level, in virtual time: a held key shoots once, a second key
// pressed meanwhile not at all, and no key is swallowed or acts twice across a pause, a level
// start or the window system's repeats.
#include <gtest/gtest.h>

#include <vector>

#include "level_harness.h"

namespace {

// What happens, in order. Keys are named by the character they type; Escape is "esc".
enum class Act {
  Down,        // a key-down the window system calls fresh, at the game screen
  Repeat,      // a key-down the window system calls a repeat, at the game screen
  Up,          // a key-up, at whichever screen has the keyboard
  ClickMap,    // a click on the map: pauses, or continues while paused
  Continue,    // the pause screen's CONTINUE (its own key or a click)
  LeaveLevel,  // the pause screen's MAIN MENU
  StartLevel,  // START GAME on the menu, then a second of play
};

struct Step {
  Act act;
  const char* key = "";
  uint64_t timeMs = 0;  // 0: 50 ms after the step before
};

struct Case {
  const char* what;
  std::vector<Step> steps;
  int misses;
  bool paused;
};

class HeldKeyMark : public testing::TestWithParam<Case> {};

TEST_P(HeldKeyMark, ShootsAndPausesAsThePlayerMeant) {
  const Case& c = GetParam();
  LevelHarness h;
  h.WriteLevel("Level1", MapIni("door:100:50:1:f"), "[s]\ncommand=7\n");
  h.host.onPauseContinue = [&h] { h.play->SetPaused(false, true); };
  h.play->StartLevel("Level1");
  ASSERT_TRUE(h.play->LevelLoaded());
  h.Run(100);
  uint64_t now = 1000;
  for (const Step& step : c.steps) {
    now = step.timeMs ? step.timeMs : now + 50;
    const std::string key = step.key;
    const bool escape = key == "esc";
    const KeyStroke stroke{static_cast<uint64_t>(escape        ? 9
                                                 : key.empty() ? 0
                                                               : key[0]),
                           step.act == Act::Repeat, now};
    switch (step.act) {
      case Act::Down:
      case Act::Repeat:
        h.play->KeyPress(escape, escape ? "\x1b" : key, "", stroke);
        break;
      case Act::Up:
        h.play->KeyRelease(stroke);
        break;
      case Act::ClickMap:
        h.play->imgMapClick();
        break;
      case Act::Continue:
        h.play->SetPaused(false, true);
        break;
      case Act::LeaveLevel:
        h.play->QuitToMenu();
        break;
      case Act::StartLevel:
        h.play->StartLevel("Level1");
        h.Run(1000);
        break;
    }
  }
  EXPECT_EQ(h.Counter(&LevelCounters::Misses), c.misses);
  EXPECT_EQ(h.host.pauseShowing, c.paused);
  EXPECT_EQ(h.play->ClockEnabled(), !c.paused);
}

const Case kCases[] = {
    {"HoldingAKeyShootsOnce",
     {{Act::Down, "x"}, {Act::Repeat, "x"}, {Act::Repeat, "x"}, {Act::Repeat, "x"}, {Act::Up, "x"}},
     1,
     false},
    // Qt calls a repeat's key-up and key-down real ones when the key-down had not reached it in
    // time; both carry the X server's time of the repeat.
    {"HoldingAKeyShootsOnceWhenTheWindowSystemMistakesItsRepeatsForPresses",
     {{Act::Down, "x", 2000},
      {Act::Up, "x", 2660},
      {Act::Down, "x", 2660},
      {Act::Up, "x", 2700},
      {Act::Down, "x", 2700},
      {Act::Repeat, "x", 2740},
      {Act::Up, "x", 2900}},
     1,
     false},
    {"TwoTapsOfOneKeyShootTwice",
     {{Act::Down, "x"}, {Act::Up, "x"}, {Act::Down, "x"}, {Act::Up, "x"}},
     2,
     false},
    {"ASecondKeyWhileTheFirstIsDownDoesNotShootThenItsRepeatShootsOnce",
     {{Act::Down, "x"},
      {Act::Down, "y"},
      {Act::Up, "x"},
      {Act::Repeat, "y"},
      {Act::Repeat, "y"},
      {Act::Up, "y"}},
     2,
     false},
    {"EscapeWhileAnotherKeyIsHeldDoesNotPause",
     {{Act::Down, "x"}, {Act::Down, "esc"}, {Act::Up, "esc"}},
     1,
     false},
    // Escape's key-up comes while the clock stands still, on the pause screen or the game screen.
    {"TheKeyAfterPausingAndContinuingByEscapeCounts",
     {{Act::Down, "esc"}, {Act::Up, "esc"}, {Act::Continue}, {Act::Down, "x"}, {Act::Up, "x"}},
     1,
     false},
    {"AKeyReleasedWhilePausedDoesNotHoldBackTheNext",
     {{Act::Down, "x"},
      {Act::ClickMap},
      {Act::Up, "x"},
      {Act::ClickMap},
      {Act::Down, "y"},
      {Act::Up, "y"}},
     2,
     false},
    {"TheFirstEscapeAfterALevelStartPauses",
     {{Act::Down, "esc"},
      {Act::LeaveLevel},
      {Act::Up, "esc"},
      {Act::StartLevel},
      {Act::Down, "esc"}},
     0,
     true},
    // Escape pressed on the pause screen continues; held, its repeats reach the game screen.
    {"AHeldEscapeThatContinuedDoesNotPauseAgain",
     {{Act::Down, "esc"},
      {Act::Up, "esc"},
      {Act::Continue},
      {Act::Repeat, "esc"},
      {Act::Repeat, "esc"}},
     0,
     false},
    // Enter pressed on the menu starts the level; held, its repeats reach the game screen.
    {"AKeyHeldDownFromTheMenuDoesNotShoot",
     {{Act::LeaveLevel},
      {Act::StartLevel},
      {Act::Repeat, "\r"},
      {Act::Repeat, "\r"},
      {Act::Up, "\r"}},
     0,
     false},
    {"AKeyHeldThroughAPauseShootsOnceAndItsNextPressCounts",
     {{Act::Down, "x"},
      {Act::ClickMap},
      {Act::ClickMap},
      {Act::Repeat, "x"},
      {Act::Up, "x"},
      {Act::Down, "x"}},
     2,
     false},
};

INSTANTIATE_TEST_SUITE_P(Cases, HeldKeyMark, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.what);
                         });

}  // namespace
