// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio client library, opened when the first sound plays rather than at start-up.
#include "platform/qt/qt_pulse_library.h"

#include <dlfcn.h>

std::unique_ptr<PulseLibrary> PulseLibrary::Open(const char* name) {
  void* handle = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  std::unique_ptr<PulseLibrary> library(new PulseLibrary());
  bool complete = true;
#define KEYSLINGER_PULSE_LOOKUP(function)                                              \
  library->function = reinterpret_cast<decltype(&::function)>(::dlsym(handle, #function)); \
  complete = complete && library->function != nullptr;
  KEYSLINGER_PULSE_FUNCTIONS(KEYSLINGER_PULSE_LOOKUP)
#undef KEYSLINGER_PULSE_LOOKUP
  if (!complete) return nullptr;
  return library;
}
