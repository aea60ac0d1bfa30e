// SPDX-License-Identifier: GPL-3.0-or-later
// Level play's view of the screens: the game screen, the menu, the pause, results and end screens.
#include "app/qt_level_play_host.h"

#include "core/app_context.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "profiles/ui/main_menu_form.h"
#include "screens/ui/pause_form.h"
#include "screens/ui/score_form.h"
#include "screens/ui/the_end_form.h"

#include <QTimer>
#include <algorithm>
#include <cstdint>

void QtLevelPlayHost::ShowGameScreen() { app_.calls.ShowGameScreen(); }

void QtLevelPlayHost::HideGameScreen() { app_.calls.HideGameScreen(); }

void QtLevelPlayHost::ShowMainMenu() {
  if (app_.screens.fmMain) app_.screens.fmMain->ShowMenu();
}

void QtLevelPlayHost::ShowPauseScreen() {
  if (app_.screens.FmPause) app_.screens.FmPause->ShowPause();
}

void QtLevelPlayHost::HidePauseScreen() {
  if (app_.screens.FmPause) app_.screens.FmPause->hide();
  // The keyboard goes back to the level, however the pause ended; asked for once the hidden
  // pause screen has let go of it.
  if (TfmGame* game = app_.screens.fmGame; game && game->isVisible()) {
    QTimer::singleShot(0, game, [game] { game->activateWindow(); });
  }
}

bool QtLevelPlayHost::PauseScreenShowing() const {
  return app_.screens.FmPause && app_.screens.FmPause->isVisible();
}

void QtLevelPlayHost::PauseScreenContinue() {
  if (app_.screens.FmPause) app_.screens.FmPause->ContinueClick();
}

void QtLevelPlayHost::ShowResultsModal() {
  if (app_.screens.FmScore) app_.screens.FmScore->ShowModal();
}

void QtLevelPlayHost::ShowEndScreenModal() {
  if (app_.screens.FmTheEnd) app_.screens.FmTheEnd->ShowModal();
}

void QtLevelPlayHost::Invalidate(const ScreenRect& rect) {
  if (!app_.screens.fmGame || !app_.screens.fmGame->isVisible()) return;
  // Level data may put a box anywhere in 32 bits: it is cut to the 640 by 480 world in 64 bits
  // before the toolkit adds its edges in int.
  constexpr int64_t kWidth = LevelStage::kScreenWidth, kHeight = LevelStage::kScreenHeight;
  const int64_t left = std::clamp<int64_t>(rect.left, 0, kWidth);
  const int64_t top = std::clamp<int64_t>(rect.top, 0, kHeight);
  const int64_t right = std::clamp<int64_t>(int64_t{rect.left} + rect.width, 0, kWidth);
  const int64_t bottom = std::clamp<int64_t>(int64_t{rect.top} + rect.height, 0, kHeight);
  if (right <= left || bottom <= top) return;
  app_.screens.fmGame->InvalidateWorld({static_cast<int32_t>(left), static_cast<int32_t>(top),
                                        static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)});
}
