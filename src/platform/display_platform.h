// SPDX-License-Identifier: GPL-3.0-or-later
// Which window system the game's windows go to: X11 through XWayland on a Wayland desktop.
#pragma once
#include <functional>
#include <string>

// The toolkit platform the game asks for, from the environment (getenv's answers, null for an
// unset variable); empty to leave the toolkit's own choice.
//
// The tags name the keys of the player's own layout, which the game reads from the X server's
// keyboard map. On a Wayland desktop the toolkit's Wayland platform, where it is installed, has
// no such map to give; the desktop's X server for X11 programs (XWayland) has the compositor's
// keymap and follows the player's switches between layouts. So where a Wayland desktop also
// offers an X display the game goes through it, falling back on Wayland when that X display
// cannot be reached. QT_QPA_PLATFORM set to anything is the player's own choice and always wins.
std::string ChooseDisplayPlatform(const std::function<const char*(const char*)>& getenv);
