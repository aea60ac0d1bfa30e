// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: the program's only way of reporting failures, captioned with its title.
#pragma once
#include <string>
#include <vector>

#include "platform/player_notice.h"

inline constexpr const char* kApplicationTitle = "Keyslinger v.1.0";

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  // Shows text with an OK button and waits until it is closed (a nested event loop).
  virtual void Show(const std::string& text) = 0;
  // Shows a message made of arguments, worded in the player's language; English by default.
  virtual void ShowNotice(const PlayerNotice& notice) { Show(EnglishNotice(notice)); }
};

class RecordingMessageBoxes : public MessageBoxes {
public:
  void Show(const std::string& text) override { shown.push_back(text); }
  // A notice is kept as it came, and among the shown texts in English.
  void ShowNotice(const PlayerNotice& notice) override {
    notices.push_back(notice);
    Show(EnglishNotice(notice));
  }
  std::vector<std::string> shown;
  std::vector<PlayerNotice> notices;
};
