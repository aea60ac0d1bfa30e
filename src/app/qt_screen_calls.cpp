// SPDX-License-Identifier: GPL-3.0-or-later
// The screen calls of the running game: how the screens of one room reach those of another.
#include "app/qt_screen_calls.h"

#include <QFile>

#include "classroom/hand_in_service.h"
#include "classroom/ui/hand_in_folder.h"
#include "core/app_context.h"
#include "level/ui/game_form.h"
#include "practice/ui/qt_practice_flow.h"
#include "profiles/ui/main_menu_form.h"
#include "progress/ui/progress_form.h"

void WireScreenCalls(AppContext& app) {
  Screens& screens = app.screens;
  app.calls.showGameScreen = [&screens] {
    if (screens.fmGame) screens.fmGame->ShowScreen();
  };
  app.calls.hideGameScreen = [&screens] {
    if (screens.fmGame) screens.fmGame->hide();
  };
  app.calls.showMainMenu = [&screens] {
    if (screens.fmMain) screens.fmMain->ShowMenu();
  };
  app.calls.hideMainMenu = [&screens] {
    if (screens.fmMain) screens.fmMain->hide();
  };
  app.calls.beginPractice = [&app] {
    if (app.practice) app.practice->Begin();
  };
  app.calls.handIn = [&app] {
    if (!app.handIns) return;
    const QString folder = ChooseHandInFolder(app.screens.fmProgress);
    if (!folder.isEmpty()) app.handIns->HandInTo(QFile::encodeName(folder).toStdString());
  };
}
