// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the level checker over any bytes as a level's or an actor's picture or sound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check_game.h"
#include "design/check_files.h"
#include "design/level_check.h"

// The first byte picks the file, the rest is its content.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char* const files[] = {"/Maps/Level1/Map.jpg", "/Maps/Level1/Tag.bmp", "/Objects/A/Face.bmp",
                               "/Objects/A/Dead.bmp", "/Objects/A/dead.wav"};
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t which = data[0] % 5;

  // The checks on bytes agree with themselves: a decoded picture has a size, a failure says why.
  const PictureCheck bitmap = CheckBitmapBytes(bytes, "fuzz.bmp");
  if (bitmap.picture ? bitmap.picture->width <= 0 || bitmap.picture->height <= 0 : bitmap.problem.empty()) abort();
  const PictureCheck jpeg = CheckJpegBytes(bytes, "fuzz.jpg");
  if (jpeg.picture ? jpeg.picture->width <= 0 || jpeg.picture->height <= 0 : jpeg.problem.empty()) abort();
  WavProblem(bytes);

  fuzz_check::Reset();
  fuzz_check::Write(fuzz_check::GameDir() + files[which], bytes);
  const CheckReport report = CheckGame(fuzz_check::GameDir(), {"Level1"});
  // A file that decodes as the game wants it raises no error about itself.
  if (which == 2 && bitmap.picture && bitmap.picture->width >= 64 && bitmap.picture->height >= 64) {
    for (const CheckIssue& issue : report.Issues()) {
      if (issue.severity == Severity::Error && issue.message.find("face picture") != std::string::npos) abort();
    }
  }
  return 0;
}
