// SPDX-License-Identifier: GPL-3.0-or-later
// The click sound of the menu, dialog, results and pause buttons, and the screens' other sounds.
#pragma once
#include <string>

struct Services;
struct SharedState;

// When sound is on: one of sounds/button0.wav to sounds/button4.wav, drawn with equal chances.
void PlayButtonSound(SharedState& shared, Services& services);
// When sound is on: sounds/<fileName> under the game folder.
void PlayScreenSound(SharedState& shared, Services& services, const std::string& fileName);
