// SPDX-License-Identifier: GPL-3.0-or-later
// The messages the game shows, in the screens' language: every text the rules hand over in
// English has an entry here, with %1, %2 where the rules put a file, a level or a value.
#pragma once
#include <QString>
#include <string>
#include <vector>

#include "platform/player_notice.h"

// Every message the rules can hand over, in English as they write it, a placeholder (%1, %2)
// standing for each file, level, value or message they put in.
const std::vector<const char*>& MessagePatterns();
// A message the rules wrote in English, in the screens' language: its entry translated, the
// values put in where they stood, a value that is itself a message or a level translated too.
// A text without an entry stays as written.
QString TranslatedMessage(const std::string& text);
// A notice the rules made from arguments, worded in the screens' language.
QString NoticeText(const PlayerNotice& notice);
