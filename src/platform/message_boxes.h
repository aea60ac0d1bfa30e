// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: the program's only way of reporting failures, captioned with its title.
#pragma once
#include <string>
#include <vector>

inline constexpr const char* kApplicationTitle = "Keyslinger v.1.0";

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  // Shows text with an OK button and waits until it is closed (a nested event loop).
  virtual void Show(const std::string& text) = 0;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
  void Show(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};
