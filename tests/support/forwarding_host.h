// SPDX-License-Identifier: GPL-3.0-or-later
// A level-play host for screen tests that passes redraw requests on to the game screen, as the
// game's own host does.
#pragma once
#include "level/level_play_host.h"
#include "level/ui/game_form.h"

struct ForwardingHost : NullLevelPlayHost {
  TfmGame* form = nullptr;
  void Invalidate(const ScreenRect& rect) override {
    if (form) form->InvalidateWorld(rect);
  }
};
