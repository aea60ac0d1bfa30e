// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing and resuming a running level: the script clock and every actor stand still together.
#pragma once

class LevelPlayHost;
class LevelStage;
class ScriptClock;
struct LevelHooks;

class PauseControl {
 public:
  PauseControl(ScriptClock& clock, LevelStage& stage, LevelPlayHost& host, const LevelHooks& hooks);

  // withScreen: the pause screen shows (or goes) too, and on resuming the actors move again.
  void SetPaused(bool pause, bool withScreen);
  // The Escape key pauses with the pause screen.
  void FormKeyDown(bool escape);
  // A click on the map pauses, or continues when the pause screen shows.
  void imgMapClick();

 private:
  void SuspendActors(bool suspend);

  ScriptClock& clock_;
  LevelStage& stage_;
  LevelPlayHost& host_;
  const LevelHooks& hooks_;
};
