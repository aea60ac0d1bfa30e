// SPDX-License-Identifier: GPL-3.0-or-later
// A small game folder in a temporary directory for the level checker's fuzz targets.
#pragma once
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz_check {

inline void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A 24-bit Windows bitmap of one colour.
inline std::string Bitmap(int width, int height) {
  auto le16 = [](uint32_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; };
  auto le32 = [&](uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); };
  const uint32_t row = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t size = row * static_cast<uint32_t>(height);
  std::string bytes = "BM" + le32(54 + size) + le32(0) + le32(54) + le32(40) + le32(static_cast<uint32_t>(width)) +
                      le32(static_cast<uint32_t>(height)) + le16(1) + le16(24) + le32(0) + le32(size) + le32(2835) +
                      le32(2835) + le32(0) + le32(0);
  bytes += std::string(size, '\x50');
  return bytes;
}

inline std::string Wav() {
  auto le16 = [](uint32_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; };
  auto le32 = [&](uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); };
  const std::string body = "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) + le32(16000) + le16(2) + le16(16) +
                           "data" + le32(8) + std::string(8, '\0');
  return "RIFF" + le32(static_cast<uint32_t>(body.size())) + body;
}

inline const char* const kMapIni =
    "[Map]\nEasy=0:0:0:2000:3000\nNormal=0:0:0:2000:3000\nHard=1:0:0:2000:3000\nLBMP=Tag.bmp\n"
    "[Objects]\na=A\n[P1]\nx=100\ny=100\nletter=f\n[P2]\nx=300\ny=100\nletter=j\n";
inline const char* const kScriptIni = "[S1]\ncommand=1\nparam1=a\nparam2=3000\n[S2]\ncommand=2\nparam1=5000\nparam2=1000:0:1\n";
inline const char* const kObjectIni = "[object]\nCharacter=0\n[images]\nface=Face.bmp\ndead=Dead.bmp\nactive=Active.bmp\n"
                                      "[sound]\nSND_DEAD=dead.wav\n";

// The game folder, made once per process: Maps/Level1 and Objects/A with valid files.
inline const std::string& GameDir() {
  static const std::string dir = [] {
    const std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/keyslinger-fuzz-check-XXXXXX";
    if (!mkdtemp(pattern.data())) abort();
    std::filesystem::create_directories(pattern + "/Maps/Level1");
    std::filesystem::create_directories(pattern + "/Objects/A");
    return pattern;
  }();
  return dir;
}

// Writes the input as the level's Map.ini, Script.ini and actor's Object.ini, their texts
// separated by 0x01 bytes; the files the input does not reach keep their valid text.
inline void WriteIniFiles(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const char* const files[] = {"/Maps/Level1/Map.ini", "/Maps/Level1/Script.ini", "/Objects/A/Object.ini"};
  size_t start = 0;
  for (const char* file : files) {
    if (start > input.size()) break;
    size_t end = input.find('\x01', start);
    if (end == std::string::npos) end = input.size();
    Write(GameDir() + file, input.substr(start, end - start));
    start = end + 1;
  }
}

// Puts every file of the game folder back as it should be.
inline void Reset() {
  const std::string& dir = GameDir();
  Write(dir + "/Maps/Level1/Map.ini", kMapIni);
  Write(dir + "/Maps/Level1/Script.ini", kScriptIni);
  Write(dir + "/Maps/Level1/Tag.bmp", Bitmap(28, 24));
  Write(dir + "/Objects/A/Object.ini", kObjectIni);
  Write(dir + "/Objects/A/Face.bmp", Bitmap(64, 64));
  Write(dir + "/Objects/A/Dead.bmp", Bitmap(64, 64));
  Write(dir + "/Objects/A/Active.bmp", Bitmap(64, 64));
  Write(dir + "/Objects/A/dead.wav", Wav());
}

}  // namespace fuzz_check
