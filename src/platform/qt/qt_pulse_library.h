// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio client library, opened when the first sound plays rather than at start-up.
#pragma once
#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <memory>

// The functions of libpulse the sample server calls, found by name in the opened library. Only
// the header's types are used at build time: the program does not link libpulse, so start-up
// does not load it and the libraries it brings.
#define KEYSLINGER_PULSE_FUNCTIONS(F)                                                             \
  F(pa_threaded_mainloop_new) F(pa_threaded_mainloop_free) F(pa_threaded_mainloop_start)          \
  F(pa_threaded_mainloop_stop) F(pa_threaded_mainloop_lock) F(pa_threaded_mainloop_unlock)        \
  F(pa_threaded_mainloop_wait) F(pa_threaded_mainloop_signal) F(pa_threaded_mainloop_get_api)     \
  F(pa_context_new) F(pa_context_set_state_callback) F(pa_context_connect)                        \
  F(pa_context_disconnect) F(pa_context_unref) F(pa_context_get_state) F(pa_context_rttime_new)   \
  F(pa_context_remove_sample) F(pa_context_play_sample_with_proplist)                             \
  F(pa_context_kill_sink_input) F(pa_rtclock_now) F(pa_stream_new)                                \
  F(pa_stream_set_state_callback) F(pa_stream_connect_upload) F(pa_stream_get_state)              \
  F(pa_stream_write) F(pa_stream_finish_upload) F(pa_stream_disconnect) F(pa_stream_unref)        \
  F(pa_operation_unref) F(pa_operation_get_state) F(pa_sample_spec_valid)

class PulseLibrary {
public:
  // The library's usual name on the system.
  static constexpr const char* kName = "libpulse.so.0";

  // Opens the library of that name; nothing when it is missing or lacks one of the functions.
  // The library stays loaded until the program ends, as if it had been linked: its threads and
  // exit handlers may run code from it after the sample server has gone.
  static std::unique_ptr<PulseLibrary> Open(const char* name = kName);

#define KEYSLINGER_PULSE_POINTER(name) decltype(&::name) name = nullptr;
  KEYSLINGER_PULSE_FUNCTIONS(KEYSLINGER_PULSE_POINTER)
#undef KEYSLINGER_PULSE_POINTER

private:
  PulseLibrary() = default;
};
