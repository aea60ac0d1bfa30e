// SPDX-License-Identifier: GPL-3.0-or-later
// Toolkit settings for a program that wakes some twenty times a second to repaint a little.
#pragma once
#include <string>
#include <vector>

// To be called before the QApplication is made. A setting the player made in the environment,
// even an empty one, is kept.
void ChooseToolkitSettingsForSteadyRepaints();

// The program's arguments for the toolkit, with the window system it should use added where the
// game chooses one (see ChooseDisplayPlatform): never over QT_QPA_PLATFORM or a -platform the
// player gave.
std::vector<std::string> ToolkitArguments(int argc, char* argv[]);
