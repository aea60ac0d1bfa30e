// SPDX-License-Identifier: GPL-3.0-or-later
// File checks of the level checker: case-insensitive look-up, pictures and WAV sounds.
#include "design/check_files.h"

#include "platform/bmp_decoder.h"
#include "platform/file_lookup.h"
#include "platform/jpeg_decoder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace {

std::string WithSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

uint32_t Le32(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

uint16_t Le16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                               static_cast<unsigned char>(bytes[at + 1]) << 8);
}

template <typename Decode>
PictureCheck Checked(Decode decode) {
  PictureCheck check;
  try {
    check.picture = decode();
    if (!check.picture) check.problem = "the picture cannot be decoded";
  } catch (const std::exception& e) {
    check.problem = e.what();
  }
  return check;
}

}  // namespace

FoundFile FindGameFile(const std::string& path) {
  FoundFile found;
  found.path = WithSlashes(path);
  const std::optional<std::string> onDisk = FindFileNoCase(path);
  if (onDisk && IsRegularFile(*onDisk)) {
    found.exists = true;
    found.caseDiffers = *onDisk != found.path;
    found.path = *onDisk;
  }
  return found;
}

std::optional<std::string> ReadCheckedFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<uint64_t>(size) > kMaxCheckedFileBytes) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return std::nullopt;
  return bytes;
}

PictureCheck CheckBitmapBytes(const std::string& bytes, const std::string& name) {
  return Checked([&] { return DecodeBitmap(bytes, name); });
}

PictureCheck CheckJpegBytes(const std::string& bytes, const std::string& name) {
  return Checked([&] { return DecodeJpeg(bytes, name); });
}

PictureCheck CheckBitmapFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadCheckedFile(path);
  if (!bytes) return PictureCheck{nullptr, "cannot read " + path};
  return CheckBitmapBytes(*bytes, path);
}

PictureCheck CheckJpegFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadCheckedFile(path);
  if (!bytes) return PictureCheck{nullptr, "cannot read " + path};
  return CheckJpegBytes(*bytes, path);
}

std::optional<std::string> WavProblem(const std::string& bytes) {
  constexpr uint16_t kPcm = 1;
  constexpr uint16_t kExtensible = 0xFFFE;
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return "not a RIFF WAVE file";
  }
  bool haveFormat = false;
  bool haveData = false;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const uint64_t size = Le32(bytes, at + 4);
    const size_t body = at + 8;
    if (id == "fmt ") {
      if (size < 16 || body + 16 > bytes.size()) return "its format chunk is cut short";
      uint16_t format = Le16(bytes, body);
      if (format == kExtensible && size >= 40 && body + 26 <= bytes.size()) format = Le16(bytes, body + 24);
      const uint16_t channels = Le16(bytes, body + 2);
      const uint16_t bits = Le16(bytes, body + 14);
      if (format != kPcm) return "its samples are not PCM (format " + std::to_string(format) + ")";
      if (bits != 16) return "its samples have " + std::to_string(bits) + " bits, not 16";
      if (channels < 1 || channels > 2) return "it has " + std::to_string(channels) + " channels";
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return "its data chunk comes before the format chunk";
      haveData = true;
      break;
    }
    at = body + size + (size & 1);
  }
  if (!haveFormat) return "it has no format chunk";
  if (!haveData) return "it has no data chunk";
  return std::nullopt;
}
