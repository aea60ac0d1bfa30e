// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio server's sample cache: sounds stored once, played and cut off by the server.
#include "platform/qt/qt_pulse_sample_server.h"

#include "platform/qt/qt_pulse_library.h"

struct QtPulseSampleServer::Started {
  QtPulseSampleServer* server;
  uint64_t ticket;
};

QtPulseSampleServer::QtPulseSampleServer() = default;

QtPulseSampleServer::~QtPulseSampleServer() { Disconnect(); }

void QtPulseSampleServer::Wake(void* server) {
  auto* self = static_cast<QtPulseSampleServer*>(server);
  self->pa_->pa_threaded_mainloop_signal(self->loop_, 0);
}

void QtPulseSampleServer::Disconnect() {
  if (!loop_) return;
  pa_->pa_threaded_mainloop_lock(loop_);
  if (context_) {
    pa_->pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_->pa_context_disconnect(context_);
    pa_->pa_context_unref(context_);
    context_ = nullptr;
  }
  pa_->pa_threaded_mainloop_unlock(loop_);
  pa_->pa_threaded_mainloop_stop(loop_);
  pa_->pa_threaded_mainloop_free(loop_);
  loop_ = nullptr;
}

bool QtPulseSampleServer::WaitLocked(const std::function<bool()>& done) {
  // The loop's wait has no limit of its own: a timer on the loop wakes it when time is up.
  struct Timeout {
    QtPulseSampleServer* server;
    bool passed = false;
  } timeout{this};
  const auto usec = std::chrono::duration_cast<std::chrono::microseconds>(kWaitLimit).count();
  pa_time_event* timer = pa_->pa_context_rttime_new(
      context_, pa_->pa_rtclock_now() + static_cast<pa_usec_t>(usec),
      [](pa_mainloop_api*, pa_time_event*, const struct timeval*, void* data) {
        auto* t = static_cast<Timeout*>(data);
        t->passed = true;
        Wake(t->server);
      },
      &timeout);
  bool ok = done();
  while (!ok && !timeout.passed) {
    pa_->pa_threaded_mainloop_wait(loop_);
    ok = done();
  }
  if (timer) pa_->pa_threaded_mainloop_get_api(loop_)->time_free(timer);
  return ok;
}

ServerAnswer QtPulseSampleServer::LostOr(ServerAnswer answer) const {
  return pa_->pa_context_get_state(context_) == PA_CONTEXT_READY ? answer : ServerAnswer::kGone;
}

ServerAnswer QtPulseSampleServer::Connect() {
  if (!opened_) {
    opened_ = true;
    pa_ = PulseLibrary::Open();
  }
  if (!pa_) return ServerAnswer::kGone;
  if (!loop_) {
    loop_ = pa_->pa_threaded_mainloop_new();
    if (!loop_) return ServerAnswer::kGone;
    context_ = pa_->pa_context_new(pa_->pa_threaded_mainloop_get_api(loop_), "Keyslinger");
    if (!context_) {
      Disconnect();
      return ServerAnswer::kGone;
    }
    pa_->pa_context_set_state_callback(context_, [](pa_context*, void* self) { Wake(self); }, this);
    // No server is started for us: without one the game plays no sound.
    if (pa_->pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pa_->pa_threaded_mainloop_start(loop_) < 0) {
      Disconnect();
      return ServerAnswer::kGone;
    }
  }
  // A connection that takes longer than the wait is still under way: asked again, it is waited
  // for again.
  pa_->pa_threaded_mainloop_lock(loop_);
  WaitLocked([this] {
    const auto state = pa_->pa_context_get_state(context_);
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
  });
  const auto state = pa_->pa_context_get_state(context_);
  pa_->pa_threaded_mainloop_unlock(loop_);
  if (state == PA_CONTEXT_READY) return ServerAnswer::kDone;
  if (PA_CONTEXT_IS_GOOD(state)) return ServerAnswer::kNotNow;
  Disconnect();
  return ServerAnswer::kGone;
}

bool QtPulseSampleServer::Alive() const {
  if (!loop_) return false;
  // The state is read under the lock: the loop's thread writes it.
  pa_->pa_threaded_mainloop_lock(loop_);
  const bool ready = pa_->pa_context_get_state(context_) == PA_CONTEXT_READY;
  pa_->pa_threaded_mainloop_unlock(loop_);
  return ready;
}

ServerAnswer QtPulseSampleServer::Upload(const std::string& name, const PcmSound& sound) {
  if (!loop_) return ServerAnswer::kGone;
  pa_sample_spec spec{};
  spec.format = PA_SAMPLE_S16NE;
  spec.rate = static_cast<uint32_t>(sound.format.rate);
  spec.channels = static_cast<uint8_t>(sound.format.channels);
  const size_t bytes = sound.samples.size() * sizeof(int16_t);
  if (!pa_->pa_sample_spec_valid(&spec) || bytes == 0) return ServerAnswer::kNotNow;

  pa_->pa_threaded_mainloop_lock(loop_);
  pa_stream* stream = pa_->pa_stream_new(context_, name.c_str(), &spec, nullptr);
  bool ok = stream != nullptr;
  if (ok) {
    pa_->pa_stream_set_state_callback(stream, [](pa_stream*, void* self) { Wake(self); }, this);
    ok = pa_->pa_stream_connect_upload(stream, bytes) == 0;
    const auto settled = [this, stream] {
      const auto state = pa_->pa_stream_get_state(stream);
      return state != PA_STREAM_CREATING && state != PA_STREAM_UNCONNECTED;
    };
    ok = ok && WaitLocked(settled) && pa_->pa_stream_get_state(stream) == PA_STREAM_READY;
    // An upload stream takes the whole sound at once; finishing it stores the sound, and the
    // stream ends once the server has it.
    ok = ok && pa_->pa_stream_write(stream, sound.samples.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE) == 0;
    ok = ok && pa_->pa_stream_finish_upload(stream) == 0;
    ok = ok && WaitLocked([this, stream] { return !PA_STREAM_IS_GOOD(pa_->pa_stream_get_state(stream)); }) &&
         pa_->pa_stream_get_state(stream) == PA_STREAM_TERMINATED;
    pa_->pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_->pa_stream_get_state(stream))) pa_->pa_stream_disconnect(stream);
    pa_->pa_stream_unref(stream);
  }
  // A late or refused upload on a connection still ready is only this sound's trouble.
  const ServerAnswer answer = LostOr(ok ? ServerAnswer::kDone : ServerAnswer::kNotNow);
  pa_->pa_threaded_mainloop_unlock(loop_);
  return answer;
}

void QtPulseSampleServer::Remove(const std::string& name) {
  if (!loop_) return;
  pa_->pa_threaded_mainloop_lock(loop_);
  // Waited for: the player forgets its sounds just before the connection closes, which would
  // otherwise drop the request and leave the sound stored on the server.
  pa_operation* operation = pa_->pa_context_remove_sample(
      context_, name.c_str(), [](pa_context*, int, void* self) { Wake(self); }, this);
  if (operation) {
    WaitLocked([this, operation] { return pa_->pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
    pa_->pa_operation_unref(operation);
  }
  pa_->pa_threaded_mainloop_unlock(loop_);
}

void QtPulseSampleServer::OnStarted(pa_context* context, uint32_t index, void* data) {
  const auto* started = static_cast<Started*>(data);
  QtPulseSampleServer& self = *started->server;
  // Runs on the loop's thread, which holds the lock. A sound cut, or followed by another, before
  // the server answered is stopped now that its index is known.
  if (index != PA_INVALID_INDEX) {
    if (started->ticket != self.lastTicket_ || self.lastCut_) {
      if (pa_operation* kill = self.pa_->pa_context_kill_sink_input(context, index, nullptr, nullptr)) {
        self.pa_->pa_operation_unref(kill);
      }
    } else {
      self.lastIndex_ = index;
    }
  }
  delete started;
}

uint64_t QtPulseSampleServer::Play(const std::string& name) {
  if (!loop_) return 0;
  pa_->pa_threaded_mainloop_lock(loop_);
  const uint64_t ticket = ++lastTicket_;
  lastIndex_ = PA_INVALID_INDEX;
  lastCut_ = false;
  auto* started = new Started{this, ticket};
  pa_operation* operation = pa_->pa_context_play_sample_with_proplist(
      context_, name.c_str(), nullptr, PA_VOLUME_NORM, nullptr, &QtPulseSampleServer::OnStarted,
      started);
  if (operation) {
    pa_->pa_operation_unref(operation);
  } else {
    delete started;
  }
  pa_->pa_threaded_mainloop_unlock(loop_);
  return ticket;
}

void QtPulseSampleServer::Cut(uint64_t ticket) {
  if (!loop_) return;
  pa_->pa_threaded_mainloop_lock(loop_);
  if (ticket == lastTicket_ && !lastCut_) {
    lastCut_ = true;
    // A sound that already ended has no input left; the server then answers with an error,
    // which changes nothing.
    if (lastIndex_ != PA_INVALID_INDEX) {
      if (pa_operation* kill = pa_->pa_context_kill_sink_input(context_, lastIndex_, nullptr, nullptr)) {
        pa_->pa_operation_unref(kill);
      }
    }
  }
  pa_->pa_threaded_mainloop_unlock(loop_);
}
