// SPDX-License-Identifier: GPL-3.0-or-later
// Toolkit settings for a program that wakes some twenty times a second to repaint a little.
#pragma once

// To be called before the QApplication is made. A setting the player made in the environment,
// even an empty one, is kept.
void ChooseToolkitSettingsForSteadyRepaints();
