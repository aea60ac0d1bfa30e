// SPDX-License-Identifier: GPL-3.0-or-later
// Playing sounds stored once on a sound server, a new one cutting off the last; another player
// takes over when there is no server.
#pragma once
#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string>

#include "platform/sample_server.h"
#include "platform/sound_player.h"

class SampleCachePlayer : public SoundPlayer {
public:
  // Sounds kept stored at most; the game's own use a few dozen.
  static constexpr size_t kStoredSounds = 64;

  // server and fallback must outlive the player. fallback plays when no server is reachable or
  // the server has gone, for files this player cannot decode, and for missing files (it plays
  // the alert then). say hears, once, why the server was given up.
  SampleCachePlayer(SampleServer& server, SoundPlayer& fallback,
                    std::function<void(const std::string&)> say = {});
  ~SampleCachePlayer() override;
  SampleCachePlayer(const SampleCachePlayer&) = delete;
  SampleCachePlayer& operator=(const SampleCachePlayer&) = delete;

  void Play(const std::string& path) override;

  // False once the server was found missing or gone: every sound goes to the fallback then. A
  // server that is only slow keeps its place: the sound it did not take in time is skipped and
  // sent again when it is next played.
  bool UsesServer() const { return useServer_; }
  // How many times a file was read, decoded and sent to be stored (a stored sound is only played).
  int Uploads() const { return uploads_; }

private:
  struct Entry {
    std::string path;
    int64_t size = 0;
    int64_t modified = 0;  // nanoseconds; a file written anew is stored again
    std::string name;      // on the server; empty: the file is not a sound we can decode
  };

  // The server's name for the file's sound, stored now if it is not yet; empty if this player
  // cannot decode it; nothing if the server did not take it (it is sent again next time).
  std::optional<std::string> Store(const std::string& file);
  void CutPlaying();
  void GiveUp(const std::string& why);

  SampleServer& server_;
  SoundPlayer& fallback_;
  std::function<void(const std::string&)> say_;
  bool connected_ = false;
  bool useServer_ = true;
  std::optional<uint64_t> playing_;
  std::list<Entry> stored_;  // most recently used first
  int uploads_ = 0;
};
