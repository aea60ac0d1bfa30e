// Message boxes over QMessageBox, captioned with the program's title.
#pragma once
#include "platform/message_boxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
  void Show(const std::string& text) override;
};
