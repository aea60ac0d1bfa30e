// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes over QMessageBox, captioned with the program's title.
#pragma once
#include <QString>

#include <string>

#include "platform/message_boxes.h"

// A message the rules wrote in English, in the screens' language; unknown ones stay as written.
QString TranslatedMessage(const std::string& text);
// A notice the rules made from arguments, worded in the screens' language. The box shows it in
// the game's own look.
QString NoticeText(const PlayerNotice& notice);

class QtMessageBoxes : public MessageBoxes {
public:
  void Show(const std::string& text) override;
  void ShowNotice(const PlayerNotice& notice) override;

private:
  // gameLook: drawn as a board of the game rather than as the desktop's plain box.
  void ShowText(const QString& text, bool gameLook);
  void ShowNoticeBoard(const QString& text);
};
