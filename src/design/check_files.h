// SPDX-License-Identifier: GPL-3.0-or-later
// File checks of the level checker: names looked up as the game looks them up, pictures and sounds
// judged the way the game will read them.
#pragma once
#include "platform/image.h"

#include <optional>
#include <string>

// A file named by the game or a level file, looked up without regard to letter case.
struct FoundFile {
  std::string path;          // as on disk when found, else as asked for (with slashes)
  bool exists = false;
  bool caseDiffers = false;  // found only under a name of other letter case
};
FoundFile FindGameFile(const std::string& path);

// Decodes picture bytes as the game would; the decoder's complaint when they cannot be used.
struct PictureCheck {
  ImagePtr picture;
  std::string problem;
};
PictureCheck CheckBitmapBytes(const std::string& bytes, const std::string& name);
PictureCheck CheckJpegBytes(const std::string& bytes, const std::string& name);
// The same for a file; a missing or unreadable file is a problem too.
PictureCheck CheckBitmapFile(const std::string& path);
PictureCheck CheckJpegFile(const std::string& path);

// Nothing when the bytes are a RIFF WAVE file of 16-bit PCM samples with a data chunk, which
// every sound path of the game plays; otherwise what is wrong with them.
std::optional<std::string> WavProblem(const std::string& bytes);

// Whole-file reads of level files are capped: no game file comes near this size.
inline constexpr size_t kMaxCheckedFileBytes = 64u << 20;
std::optional<std::string> ReadCheckedFile(const std::string& path);
