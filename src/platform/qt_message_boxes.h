// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes over QMessageBox, captioned with the program's title.
#pragma once
#include <QString>

#include <string>

#include "platform/message_boxes.h"

// A message the rules wrote in English, in the screens' language; unknown ones stay as written.
QString TranslatedMessage(const std::string& text);

class QtMessageBoxes : public MessageBoxes {
public:
  void Show(const std::string& text) override;
};
