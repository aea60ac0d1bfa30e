// SPDX-License-Identifier: GPL-3.0-or-later
// The sound server's client library, opened by name when the first sound plays.
#include <gtest/gtest.h>

#include "platform/qt/qt_pulse_library.h"

namespace {

TEST(PulseLibrary, OpensWithEveryFunctionOrNotAtAll) {
  // The build needs libpulse's headers, whose package brings the library itself.
  const auto library = PulseLibrary::Open();
  ASSERT_NE(library, nullptr);
  EXPECT_NE(library->pa_threaded_mainloop_new, nullptr);
  EXPECT_NE(library->pa_context_play_sample_with_proplist, nullptr);
  EXPECT_NE(library->pa_sample_spec_valid, nullptr);
  // A working function, called through the table.
  pa_sample_spec spec{PA_SAMPLE_S16NE, 22050, 1};
  EXPECT_NE(library->pa_sample_spec_valid(&spec), 0);
  spec.channels = 0;
  EXPECT_EQ(library->pa_sample_spec_valid(&spec), 0);

  // A missing library, or one without the functions, leaves the game without a server.
  EXPECT_EQ(PulseLibrary::Open("libkeyslinger-no-such-library.so.0"), nullptr);
  EXPECT_EQ(PulseLibrary::Open("libm.so.6"), nullptr);
}

}  // namespace
