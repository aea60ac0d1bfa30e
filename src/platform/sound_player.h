// SPDX-License-Identifier: GPL-3.0-or-later
// Sound: WAV files played once, asynchronously, by file name.
#pragma once
#include <string>
#include <vector>

class SoundPlayer {
public:
  virtual ~SoundPlayer() = default;
  // Plays the file at path (a native path; its letter case need not match the disk). A new sound
  // cuts off the one playing; a name without extension finds the .wav file; a missing file plays
  // the platform's alert sound. Never blocks.
  virtual void Play(const std::string& path) = 0;
};

// Records what would have been played; for tests and headless runs.
class RecordingSoundPlayer : public SoundPlayer {
public:
  void Play(const std::string& path) override { played.push_back(path); }
  std::vector<std::string> played;
};
