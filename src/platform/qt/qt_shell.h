// SPDX-License-Identifier: GPL-3.0-or-later
// Opening web pages and documents through the desktop's default programs.
#pragma once
#include "platform/shell.h"

class QtShell : public Shell {
public:
  void Open(const std::string& url, std::function<void()> failed) override;
};
