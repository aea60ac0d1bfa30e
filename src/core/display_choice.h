// SPDX-License-Identifier: GPL-3.0-or-later
// The display choice kept in Player.ini: the game screen full screen or in a window.
#pragma once

struct SharedState;
class MessageBoxes;

// `fullscreen` of section `curplayer`, "1" or "0"; windowed when absent or without a store.
bool FullScreenChosen(const SharedState& shared);
// Writes the choice at once; a refused write is reported and false returned.
bool StoreFullScreen(SharedState& shared, MessageBoxes& messages, bool on);
