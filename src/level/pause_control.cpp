// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing and resuming a running level: the clock and every actor stand still together.
#include "level/pause_control.h"

#include "level/level_hooks.h"
#include "level/level_listener.h"
#include "level/level_play_host.h"
#include "level/level_stage.h"
#include "level/script_clock.h"
#include "targets/bot_image.h"

PauseControl::PauseControl(ScriptClock& clock, LevelStage& stage, LevelPlayHost& host,
                           const LevelHooks& hooks)
    : clock_(clock), stage_(stage), host_(host), hooks_(hooks) {}

void PauseControl::SetPaused(bool pause, bool withScreen) {
  if (hooks_.listener && stage_.Loaded()) hooks_.listener->PauseChanged(pause);
  if (pause) {
    clock_.SetEnabled(false);
    if (stage_.Loaded()) SuspendActors(true);
    if (withScreen && !host_.PauseScreenShowing()) host_.ShowPauseScreen();
    return;
  }
  // Without a loaded level (its load failed) there is nothing to run.
  if (stage_.Loaded()) clock_.SetEnabled(true);
  if (withScreen) {
    if (stage_.Loaded()) SuspendActors(false);
    host_.HidePauseScreen();
  }
}

void PauseControl::SuspendActors(bool suspend) {
  for (Place& place : stage_.Places()) {
    if (place.actor) place.actor->Suspend(suspend);
  }
}

void PauseControl::FormKeyDown(bool escape) {
  if (escape) SetPaused(true, true);
}

void PauseControl::imgMapClick() {
  if (host_.PauseScreenShowing()) {
    host_.PauseScreenContinue();
  } else {
    SetPaused(true, true);
  }
}
