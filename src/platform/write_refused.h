// SPDX-License-Identifier: GPL-3.0-or-later
// The failure of a file write that the platform refused: its text is the whole message a player sees.
#pragma once
#include "platform/game_error.h"

// "Unable to write to <path>". Handlers that wrap other failures in a message of their own show
// this one exactly as it is.
class WriteRefused : public GameError {
public:
  using GameError::GameError;
};
