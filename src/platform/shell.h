// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document or web page with the user's default program.
#pragma once
#include <functional>
#include <string>
#include <vector>

class Shell {
public:
  virtual ~Shell() = default;
  // Hands url to the desktop's default program. failed runs, on the event loop, when no program
  // is there to take it or the one that took it says it could not open it; it may run after
  // Open has returned.
  virtual void Open(const std::string& url, std::function<void()> failed) = 0;
};

class RecordingShell : public Shell {
public:
  void Open(const std::string& url, std::function<void()> failed) override {
    opened.push_back(url);
    if (fails && failed) failed();
  }
  std::vector<std::string> opened;
  bool fails = false;  // as on a desktop with no web browser
};
