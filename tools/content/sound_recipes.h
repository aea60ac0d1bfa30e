// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes for every sound of the game, rendered to WAV files.
#pragma once
#include <string>

#include "actor_kinds.h"

// Writes the shared sounds into <dir> (button, pl_ladder, ric, wood, fx and howl files).
void WriteSharedSounds(const std::string& dir);
// Writes appear.wav, active.wav and dead.wav of one actor kind into <dir>.
void WriteActorSounds(ActorLook look, const std::string& dir);
