// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio server's sample cache: sounds stored once, played and cut off by the server.
#include "platform/qt_pulse_sample_server.h"

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

struct QtPulseSampleServer::Started {
  QtPulseSampleServer* server;
  uint64_t ticket;
};

namespace {

void Signal(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }

void Unref(pa_operation* operation) {
  if (operation) pa_operation_unref(operation);
}

}  // namespace

QtPulseSampleServer::~QtPulseSampleServer() { Disconnect(); }

void QtPulseSampleServer::Disconnect() {
  if (!loop_) return;
  pa_threaded_mainloop_lock(loop_);
  if (context_) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  pa_threaded_mainloop_unlock(loop_);
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
  loop_ = nullptr;
}

bool QtPulseSampleServer::WaitLocked(const std::function<bool()>& done) {
  // The loop's wait has no limit of its own: a timer on the loop wakes it when time is up.
  struct Timeout {
    pa_threaded_mainloop* loop;
    bool passed = false;
  } timeout{loop_};
  const auto usec = std::chrono::duration_cast<std::chrono::microseconds>(kWaitLimit).count();
  pa_time_event* timer = pa_context_rttime_new(
      context_, pa_rtclock_now() + static_cast<pa_usec_t>(usec),
      [](pa_mainloop_api*, pa_time_event*, const struct timeval*, void* data) {
        auto* t = static_cast<Timeout*>(data);
        t->passed = true;
        Signal(t->loop);
      },
      &timeout);
  bool ok = done();
  while (!ok && !timeout.passed) {
    pa_threaded_mainloop_wait(loop_);
    ok = done();
  }
  if (timer) pa_threaded_mainloop_get_api(loop_)->time_free(timer);
  return ok;
}

bool QtPulseSampleServer::Connect() {
  loop_ = pa_threaded_mainloop_new();
  if (!loop_) return false;
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Keyslinger");
  if (!context_) {
    Disconnect();
    return false;
  }
  pa_context_set_state_callback(
      context_, [](pa_context*, void* loop) { Signal(static_cast<pa_threaded_mainloop*>(loop)); },
      loop_);
  // No server is started for us: without one the game's other player plays.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop_) < 0) {
    Disconnect();
    return false;
  }
  pa_threaded_mainloop_lock(loop_);
  const bool ready = WaitLocked([this] {
    const auto state = pa_context_get_state(context_);
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
  }) && pa_context_get_state(context_) == PA_CONTEXT_READY;
  pa_threaded_mainloop_unlock(loop_);
  if (!ready) Disconnect();
  return ready;
}

bool QtPulseSampleServer::Alive() const {
  if (!loop_) return false;
  // The state is read under the lock: the loop's thread writes it.
  pa_threaded_mainloop_lock(loop_);
  const bool ready = pa_context_get_state(context_) == PA_CONTEXT_READY;
  pa_threaded_mainloop_unlock(loop_);
  return ready;
}

bool QtPulseSampleServer::Upload(const std::string& name, const PcmSound& sound) {
  if (!loop_) return false;
  pa_sample_spec spec{};
  spec.format = PA_SAMPLE_S16NE;
  spec.rate = static_cast<uint32_t>(sound.format.rate);
  spec.channels = static_cast<uint8_t>(sound.format.channels);
  const size_t bytes = sound.samples.size() * sizeof(int16_t);
  if (!pa_sample_spec_valid(&spec) || bytes == 0) return false;

  pa_threaded_mainloop_lock(loop_);
  pa_stream* stream = pa_stream_new(context_, name.c_str(), &spec, nullptr);
  bool ok = stream != nullptr;
  if (ok) {
    pa_stream_set_state_callback(
        stream, [](pa_stream*, void* loop) { Signal(static_cast<pa_threaded_mainloop*>(loop)); },
        loop_);
    ok = pa_stream_connect_upload(stream, bytes) == 0;
    const auto settled = [stream] {
      const auto state = pa_stream_get_state(stream);
      return state != PA_STREAM_CREATING && state != PA_STREAM_UNCONNECTED;
    };
    ok = ok && WaitLocked(settled) && pa_stream_get_state(stream) == PA_STREAM_READY;
    // An upload stream takes the whole sound at once; finishing it stores the sound, and the
    // stream ends once the server has it.
    ok = ok && pa_stream_write(stream, sound.samples.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE) == 0;
    ok = ok && pa_stream_finish_upload(stream) == 0;
    ok = ok && WaitLocked([stream] { return !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)); }) &&
         pa_stream_get_state(stream) == PA_STREAM_TERMINATED;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) pa_stream_disconnect(stream);
    pa_stream_unref(stream);
  }
  pa_threaded_mainloop_unlock(loop_);
  return ok;
}

void QtPulseSampleServer::Remove(const std::string& name) {
  if (!loop_) return;
  pa_threaded_mainloop_lock(loop_);
  // Waited for: the player forgets its sounds just before the connection closes, which would
  // otherwise drop the request and leave the sound stored on the server.
  pa_operation* operation = pa_context_remove_sample(
      context_, name.c_str(),
      [](pa_context*, int, void* loop) { Signal(static_cast<pa_threaded_mainloop*>(loop)); }, loop_);
  if (operation) {
    WaitLocked([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
    pa_operation_unref(operation);
  }
  pa_threaded_mainloop_unlock(loop_);
}

void QtPulseSampleServer::OnStarted(pa_context* context, uint32_t index, void* data) {
  const auto* started = static_cast<Started*>(data);
  QtPulseSampleServer& self = *started->server;
  // Runs on the loop's thread, which holds the lock. A sound cut, or followed by another, before
  // the server answered is stopped now that its index is known.
  if (index != PA_INVALID_INDEX) {
    if (started->ticket != self.lastTicket_ || self.lastCut_) {
      Unref(pa_context_kill_sink_input(context, index, nullptr, nullptr));
    } else {
      self.lastIndex_ = index;
    }
  }
  delete started;
}

uint64_t QtPulseSampleServer::Play(const std::string& name) {
  if (!loop_) return 0;
  pa_threaded_mainloop_lock(loop_);
  const uint64_t ticket = ++lastTicket_;
  lastIndex_ = PA_INVALID_INDEX;
  lastCut_ = false;
  auto* started = new Started{this, ticket};
  pa_operation* operation = pa_context_play_sample_with_proplist(
      context_, name.c_str(), nullptr, PA_VOLUME_NORM, nullptr, &QtPulseSampleServer::OnStarted,
      started);
  if (operation) {
    pa_operation_unref(operation);
  } else {
    delete started;
  }
  pa_threaded_mainloop_unlock(loop_);
  return ticket;
}

void QtPulseSampleServer::Cut(uint64_t ticket) {
  if (!loop_) return;
  pa_threaded_mainloop_lock(loop_);
  if (ticket == lastTicket_ && !lastCut_) {
    lastCut_ = true;
    // A sound that already ended has no input left; the server then answers with an error,
    // which changes nothing.
    if (lastIndex_ != PA_INVALID_INDEX) {
      Unref(pa_context_kill_sink_input(context_, lastIndex_, nullptr, nullptr));
    }
  }
  pa_threaded_mainloop_unlock(loop_);
}
