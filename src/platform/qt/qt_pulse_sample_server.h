// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio server's sample cache: sounds stored once, played and cut off by the server.
#pragma once
#include <chrono>
#include <functional>
#include <memory>

#include "platform/sample_server.h"

class PulseLibrary;
struct pa_threaded_mainloop;
struct pa_context;

class QtPulseSampleServer : public SampleServer {
public:
  // Connecting, and each upload, wait at most this long for the server at a time.
  static constexpr std::chrono::milliseconds kWaitLimit{1500};

  QtPulseSampleServer();
  ~QtPulseSampleServer() override;
  QtPulseSampleServer(const QtPulseSampleServer&) = delete;
  QtPulseSampleServer& operator=(const QtPulseSampleServer&) = delete;

  // Opens libpulse on the first call: without it there is no server.
  ServerAnswer Connect() override;
  bool Alive() const override;
  ServerAnswer Upload(const std::string& name, const PcmSound& sound) override;
  void Remove(const std::string& name) override;
  uint64_t Play(const std::string& name) override;
  void Cut(uint64_t ticket) override;

private:
  struct Started;
  // With the loop locked: waits until done() holds or kWaitLimit passed; true if done() held.
  bool WaitLocked(const std::function<bool()>& done);
  // With the loop locked: kGone unless the connection is still ready.
  ServerAnswer LostOr(ServerAnswer answer) const;
  static void OnStarted(pa_context* context, uint32_t index, void* data);
  static void Wake(void* server);
  void Disconnect();

  std::unique_ptr<PulseLibrary> pa_;
  bool opened_ = false;  // the library was looked for
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  // Guarded by the loop's lock: the ticket of the last sound asked for, the server's index for
  // it once known, and whether it was cut before the server answered.
  uint64_t lastTicket_ = 0;
  uint32_t lastIndex_ = UINT32_MAX;
  bool lastCut_ = false;
};
