// SPDX-License-Identifier: GPL-3.0-or-later
// The screens that float over the game: drawn at the game world's whole factor while the game
// fills the screen, else at their own size.
#include "level/ui/floating_screens.h"

#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include "core/app_context.h"
#include "level/letterbox.h"
#include "level/ui/game_form.h"
#include "widgets/qt_scaled_screen.h"

int FloatingScreenFactor(const AppContext& app, QScreen** screen, bool afterLevel) {
  const TfmGame* game = app.screens.fmGame;
  QScreen* on = game && game->screen() ? game->screen() : QGuiApplication::primaryScreen();
  if (screen) *screen = on;
  if (!game || (!afterLevel && !game->isVisible()) || !game->FullScreen() || !on) return 1;
  const QRect area = on->geometry();
  return WholeWorldFactor(area.width(), area.height());
}

void PlaceFloatingScreen(const AppContext& app, ScaledScreen& scaled) {
  QScreen* screen = nullptr;
  const int factor = FloatingScreenFactor(app, &screen);
  scaled.Place(factor, screen, false);
}

int ShowFloatingModal(const AppContext& app, ScaledScreen& scaled, QDialog& dialog, bool afterLevel) {
  QScreen* screen = nullptr;
  const int factor = FloatingScreenFactor(app, &screen, afterLevel);
  if (factor == 1) {
    scaled.Place(1, screen, true);
    return dialog.exec();
  }
  // A modal dialog blocks input to every window but its own, and inside the enlarging window it
  // has none: the window showing it would take no click or key, and its loop would never end.
  // The enlarging window is the modal one instead, and a loop of our own waits for the dialog.
  const bool wasModal = dialog.isModal();
  dialog.setModal(false);
  scaled.Place(factor, screen, true);
  QEventLoop loop;
  const QMetaObject::Connection finished = QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  const QMetaObject::Connection hidden = QObject::connect(&scaled, &ScaledScreen::FormHidden, &loop, &QEventLoop::quit);
  dialog.setResult(0);
  dialog.show();
  if (dialog.isVisible()) loop.exec(QEventLoop::DialogExec);
  QObject::disconnect(finished);
  QObject::disconnect(hidden);
  dialog.setModal(wasModal);
  return dialog.result();
}
