// SPDX-License-Identifier: GPL-3.0-or-later
// Showing and hiding the game screen for the screens that do not know its class.
#include "app/screen_calls.h"

#include "app/app_context.h"
#include "level/game_form.h"

void ShowGameScreen(AppContext& app) {
  if (app.screens.fmGame) app.screens.fmGame->ShowScreen();
}

void HideGameScreen(AppContext& app) {
  if (app.screens.fmGame) app.screens.fmGame->hide();
}
