// SPDX-License-Identifier: GPL-3.0-or-later
// PlayerNotice in English.
#include "platform/player_notice.h"

namespace {
// "A", "A and B", "A, B and C".
std::string EnglishList(const std::vector<std::string>& items) {
  std::string list;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list += i + 1 == items.size() ? " and " : ", ";
    list += items[i];
  }
  return list;
}

const std::string& Arg(const PlayerNotice& notice, size_t index) {
  static const std::string kNone;
  return index < notice.args.size() ? notice.args[index] : kNone;
}
}  // namespace

std::string EnglishNotice(const PlayerNotice& notice) {
  switch (notice.kind) {
    case PlayerNotice::Kind::UntypableKeys: {
      const bool one = notice.args.size() == 1;
      return std::string("On your keyboard layout ") + (one ? "the key for the letter " : "the keys for the letters ") +
             EnglishList(notice.args) +
             (one ? " types nothing, so no figure comes up there." : " type nothing, so no figures come up there.");
    }
    case PlayerNotice::Kind::ProgressMovedAside:
      return Arg(notice, 0) + " was not a progress database and has been moved aside to " + Arg(notice, 1);
    case PlayerNotice::Kind::UsKeyNames:
      return "Your desktop does not let the game read your keyboard layout, so the tags show the keys of a US keyboard. Where the desktop runs X11 programs (XWayland), the game reads the layout there and the tags show your own letters.";
    case PlayerNotice::Kind::ProgressOpenElsewhere:
      return "Your progress is open in the game on another computer (" + Arg(notice, 0) +
             "). The runs you play here are kept and added to it later.";
    case PlayerNotice::Kind::HandedIn:
      return "Your progress is handed in as " + Arg(notice, 0);
    case PlayerNotice::Kind::HandInPrivate:
      return "Your teacher cannot read what you hand in to " + Arg(notice, 0) +
             ": the folder does not give its files to the teachers' group. Please tell your teacher.";
  }
  return {};
}
