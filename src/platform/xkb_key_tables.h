// SPDX-License-Identifier: GPL-3.0-or-later
// Key tables read from XKB keymaps: the active one of an X server, or one compiled by name.
#pragma once
#include "platform/key_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct xkb_keymap;

// What each US key position types at the first shift level of the keymap's layout (group) index.
KeyTable KeyTableFromKeymap(xkb_keymap* keymap, uint32_t layout);

// Compiles the layout named as XKB names it ("de", "fr", "us(dvorak)") from the system's XKB data
// (evdev rules, pc105 model), uninfluenced by the environment. Nullopt when the name is not a
// layout there; problem then says why.
std::optional<KeyTable> KeyTableForLayout(std::string_view name, std::string* problem = nullptr);
