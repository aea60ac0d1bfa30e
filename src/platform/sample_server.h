// SPDX-License-Identifier: GPL-3.0-or-later
// A sound server that keeps named sounds and plays them by name, as the sample player drives it.
#pragma once
#include <cstdint>
#include <string>

#include "platform/pcm_sound.h"

class SampleServer {
public:
  virtual ~SampleServer() = default;
  // Reaches the server; false when there is none. Called once, before anything else.
  virtual bool Connect() = 0;
  // Still connected: a server that went away plays nothing more.
  virtual bool Alive() const = 0;
  // Stores sound under name, waiting until the server has it; false if it was refused.
  virtual bool Upload(const std::string& name, const PcmSound& sound) = 0;
  // Forgets the sound stored under name.
  virtual void Remove(const std::string& name) = 0;
  // Starts the stored sound without waiting for the server; the ticket names this playing.
  virtual uint64_t Play(const std::string& name) = 0;
  // Stops the playing of ticket, even one the server has not started yet.
  virtual void Cut(uint64_t ticket) = 0;
};
