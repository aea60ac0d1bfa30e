// SPDX-License-Identifier: GPL-3.0-or-later
// A sound server that keeps named sounds and plays them by name, as the sample player drives it.
#pragma once
#include <cstdint>
#include <string>

#include "platform/pcm_sound.h"

// How the server answered a request that waits for it.
enum class ServerAnswer {
  kDone,    // connected, or the sound is stored
  kNotNow,  // no answer in time, or this one request refused: the server is still there
  kGone,    // no server, or the connection failed or ended: nothing more will be played
};

class SampleServer {
public:
  virtual ~SampleServer() = default;
  // Reaches the server. After kNotNow it may be asked again and goes on waiting for the same
  // connection; after kGone nothing else is called but Alive.
  virtual ServerAnswer Connect() = 0;
  // Still connected: a server that went away plays nothing more.
  virtual bool Alive() const = 0;
  // Stores sound under name, waiting a while until the server has it.
  virtual ServerAnswer Upload(const std::string& name, const PcmSound& sound) = 0;
  // Forgets the sound stored under name.
  virtual void Remove(const std::string& name) = 0;
  // Starts the stored sound without waiting for the server; the ticket names this playing.
  virtual uint64_t Play(const std::string& name) = 0;
  // Stops the playing of ticket, even one the server has not started yet.
  virtual void Cut(uint64_t ticket) = 0;
};
