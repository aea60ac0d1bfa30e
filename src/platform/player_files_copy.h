// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying a read-only game folder's Player.ini and Progress.db into the per-user folder.
#pragma once
#include <string>

// Copies from the game folder `from` into the per-user folder `to` (made when missing): the
// Progress.db found there (any letter case) with the rows still in its write-ahead log, unless
// `to` has a Progress.db already, then Player.ini. Player.ini comes last, so a copy cut short is
// made again at the next start. Returns an empty text on success, else what went wrong (a
// database that could not be copied leaves Player.ini copied all the same).
std::string CopyPlayerFiles(const std::string& from, const std::string& to);
