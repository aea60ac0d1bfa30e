// SPDX-License-Identifier: GPL-3.0-or-later
// PlayerNotice: a message the rules make from arguments, handed over as its kind and arguments
// and worded where it is shown, in the player's language.
#pragma once
#include <string>
#include <vector>

struct PlayerNotice {
  enum class Kind {
    // Places of a level whose keys type nothing on the player's layout. args: the letters their
    // tags show, upper case, in place order (at least one).
    UntypableKeys,
    // A file that was no progress database was renamed and a new one made. args: the file, the
    // name it was given.
    ProgressMovedAside,
    // The window system does not let the game read the keyboard layout: the tags show the
    // keys of a US keyboard. No args.
    UsKeyNames,
    // Progress.db on a network home is open in a game on another computer: this game keeps its
    // runs and adds them later. args: that computer's name.
    ProgressOpenElsewhere,
    // A hand-in was written where the player chose. args: the file.
    HandedIn,
    // The hand-ins written to the class folder are readable by their owner only: the folder does
    // not give them its group. args: the class folder.
    HandInPrivate,
  };
  Kind kind;
  std::vector<std::string> args;

  bool operator==(const PlayerNotice&) const = default;
};

// The notice in English, as the game has always worded it.
std::string EnglishNotice(const PlayerNotice& notice);
