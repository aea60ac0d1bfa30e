// SPDX-License-Identifier: GPL-3.0-or-later
// The screens that float over the game: drawn at the game world's whole factor while the game
// fills the screen, else at their own size.
#pragma once

class QDialog;
class QScreen;
class ScaledScreen;
struct AppContext;

// The factor a floating screen is drawn at now: the game world's whole factor on the game's
// screen while the game shows full screen, else 1. With afterLevel the game may have just been
// hidden (a screen shown once the level is left): its full-screen choice still counts.
int FloatingScreenFactor(const AppContext& app, QScreen** screen, bool afterLevel = false);
// Places a floating screen that is not modal by FloatingScreenFactor.
void PlaceFloatingScreen(const AppContext& app, ScaledScreen& scaled);
// Places a modal floating screen by FloatingScreenFactor, shows it and waits until it is done;
// returns its result. scaled must be the dialog's own.
int ShowFloatingModal(const AppContext& app, ScaledScreen& scaled, QDialog& dialog, bool afterLevel = false);
