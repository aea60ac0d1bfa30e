// Playing sounds decoded once and kept in memory, through one voice on one output.
#pragma once
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include "platform/pcm_sound.h"
#include "platform/sound_output.h"
#include "platform/sound_player.h"
#include "platform/sound_voice.h"

class CachedSoundPlayer : public SoundPlayer {
public:
  // Decoded sounds kept at most; the game's own use a few dozen.
  static constexpr size_t kCacheEntries = 64;

  // output must outlive the player; alert plays the platform's alert sound.
  CachedSoundPlayer(SoundOutput& output, std::function<void()> alert);

  void Play(const std::string& path) override;

  // The file of the sound last started; empty until one was.
  const std::string& LastFile() const { return lastFile_; }
  // How many times a file was read and decoded (a cache hit reads nothing).
  int Decodes() const { return decodes_; }
  // The voice, once the output is open.
  SoundVoice* Voice() { return voice_ ? &*voice_ : nullptr; }
  const SoundVoice* Voice() const { return voice_ ? &*voice_ : nullptr; }

private:
  struct Entry {
    std::string path;
    int64_t size = 0;
    int64_t modified = 0;  // nanoseconds; a file written anew is read again
    std::shared_ptr<const PcmSound> sound;  // null: the file is not a sound we can play
  };

  // The decoded sound of the file, from the cache or read now; null if it cannot be played.
  std::shared_ptr<const PcmSound> Load(const std::string& file);
  bool EnsureOpen(PcmFormat wanted);

  SoundOutput& output_;
  std::function<void()> alert_;
  bool opened_ = false;
  std::optional<SoundVoice> voice_;
  std::list<Entry> cache_;  // most recently used first
  std::string lastFile_;
  int decodes_ = 0;
};
