// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes over QMessageBox, captioned with the program's title.
#pragma once
#include <QString>

#include <string>

#include "platform/message_boxes.h"
#include "platform/qt/qt_message_texts.h"

class QtMessageBoxes : public MessageBoxes {
public:
  void Show(const std::string& text) override;
  void ShowNotice(const PlayerNotice& notice) override;

private:
  // gameLook: drawn as a board of the game rather than as the desktop's plain box.
  void ShowText(const QString& text, bool gameLook);
  void ShowNoticeBoard(const QString& text);
};
