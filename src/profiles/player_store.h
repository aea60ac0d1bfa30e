// SPDX-License-Identifier: GPL-3.0-or-later
// Player.ini: opening the store at start-up and creating the first profile.
#pragma once
#include <functional>
#include <string>

struct SharedState;

// Opens shared.PlayerDataDir() + "Player.ini" as the player store, reads the section list and the sound
// switch, creates the first profile under loginName when the file has no section at all, and
// sets the current player from curplayer/name. afterSoundRead runs between reading the sound
// switch and creating the first profile (the main menu sets its SOUND caption there).
void OpenPlayerStore(SharedState& shared, const std::string& loginName,
                     const std::function<void()>& afterSoundRead = {});
