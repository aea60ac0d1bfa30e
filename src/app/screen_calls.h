// SPDX-License-Identifier: GPL-3.0-or-later
// Showing and hiding the game screen from the other screens, which do not know its class.
#pragma once

struct AppContext;

void ShowGameScreen(AppContext& app);
void HideGameScreen(AppContext& app);
