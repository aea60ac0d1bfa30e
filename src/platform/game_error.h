// SPDX-License-Identifier: GPL-3.0-or-later
// The one exception type of the rules: a failure with the text a player sees in a message box.
#pragma once
#include <stdexcept>
#include <string>

class GameError : public std::runtime_error {
public:
  explicit GameError(const std::string& message) : std::runtime_error(message) {}
};
