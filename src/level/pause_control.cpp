// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing and resuming a running level: the clock and every actor stand still together.
#include "level/level_play.h"

#include "level/level_listener.h"
#include "platform/timer_service.h"
#include "targets/bot_image.h"

void LevelPlay::SetPaused(bool pause, bool withScreen) {
  if (listener && loaded_) listener->PauseChanged(pause);
  if (pause) {
    clock_->SetEnabled(false);
    if (loaded_) {
      for (Place& place : places_) {
        if (place.actor) place.actor->Suspend(true);
      }
    }
    if (withScreen && !host_.PauseScreenShowing()) host_.ShowPauseScreen();
    return;
  }
  // Without a loaded level (its load failed) there is nothing to run.
  if (loaded_) clock_->SetEnabled(true);
  if (withScreen) {
    if (loaded_) {
      for (Place& place : places_) {
        if (place.actor) place.actor->Suspend(false);
      }
    }
    host_.HidePauseScreen();
  }
}

void LevelPlay::FormKeyDown(bool escape) {
  if (escape) SetPaused(true, true);
}

void LevelPlay::imgMapClick() {
  if (host_.PauseScreenShowing()) {
    host_.PauseScreenContinue();
  } else {
    SetPaused(true, true);
  }
}
