// SPDX-License-Identifier: GPL-3.0-or-later
// The screen calls of the running game: how the screens of one room reach those of another.
#pragma once

struct AppContext;

// Fills app.calls from app.screens and app.practice, read at each call, so screens created
// later are found too.
void WireScreenCalls(AppContext& app);
