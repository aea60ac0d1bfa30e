// SPDX-License-Identifier: GPL-3.0-or-later
// Which profile names Player.ini can hold as a section name.
#pragma once
#include <string>
#include <string_view>

// Why name cannot be a profile, as a sentence for a message box; empty when it can. Refused:
// blank-only names, "[" or "]", line breaks and other control characters, a leading or trailing
// blank, and the reserved section name curplayer in any letter case.
std::string ProfileNameProblem(std::string_view name);
