// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio server's sample cache: sounds stored once, played and cut off by the server.
#pragma once
#include <chrono>
#include <functional>

#include "platform/sample_server.h"

struct pa_threaded_mainloop;
struct pa_context;

class QtPulseSampleServer : public SampleServer {
public:
  // Connecting, and each upload, wait at most this long for the server.
  static constexpr std::chrono::milliseconds kWaitLimit{1500};

  QtPulseSampleServer() = default;
  ~QtPulseSampleServer() override;
  QtPulseSampleServer(const QtPulseSampleServer&) = delete;
  QtPulseSampleServer& operator=(const QtPulseSampleServer&) = delete;

  bool Connect() override;
  bool Alive() const override;
  bool Upload(const std::string& name, const PcmSound& sound) override;
  void Remove(const std::string& name) override;
  uint64_t Play(const std::string& name) override;
  void Cut(uint64_t ticket) override;

private:
  struct Started;
  // With the loop locked: waits until done() holds or kWaitLimit passed; true if done() held.
  bool WaitLocked(const std::function<bool()>& done);
  static void OnStarted(pa_context* context, uint32_t index, void* data);
  void Disconnect();

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  // Guarded by the loop's lock: the ticket of the last sound asked for, the server's index for
  // it once known, and whether it was cut before the server answered.
  uint64_t lastTicket_ = 0;
  uint32_t lastIndex_ = UINT32_MAX;
  bool lastCut_ = false;
};
