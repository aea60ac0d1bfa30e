// SPDX-License-Identifier: GPL-3.0-or-later
// Playing sounds stored once on a sound server, a new one cutting off the last.
#include "platform/sample_cache_player.h"

#include <sys/stat.h>

#include <cstdio>
#include <utility>

#include "platform/file_lookup.h"
#include "platform/sound_file.h"
#include "platform/wav_decoder.h"

namespace {

struct FileStamp {
  int64_t size = 0;
  int64_t modified = 0;
};

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileStamp{static_cast<int64_t>(info.st_size),
                   static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// Server names take letters, digits, '.', '-' and '_' only, and are short: the path goes in as
// a hash, its size and time beside it, so a file written anew gets a name of its own.
std::string ServerName(const std::string& path, const FileStamp& stamp) {
  uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : path) hash = (hash ^ c) * 1099511628211ull;
  char name[96];
  std::snprintf(name, sizeof name, "keyslinger-%016llx-%lld-%lld",
                static_cast<unsigned long long>(hash), static_cast<long long>(stamp.size),
                static_cast<long long>(stamp.modified));
  return name;
}

}  // namespace

SampleCachePlayer::SampleCachePlayer(SampleServer& server, SoundPlayer& fallback,
                                     std::function<void(const std::string&)> say)
    : server_(server), fallback_(fallback), say_(std::move(say)) {}

SampleCachePlayer::~SampleCachePlayer() {
  if (!useServer_ || !connected_) return;
  // Stored sounds outlive the connection on the server; the game's are of no use to others.
  for (const auto& entry : stored_) {
    if (!entry.name.empty()) server_.Remove(entry.name);
  }
}

void SampleCachePlayer::CutPlaying() {
  if (playing_) server_.Cut(*playing_);
  playing_.reset();
}

void SampleCachePlayer::GiveUp(const std::string& why) {
  useServer_ = false;
  playing_.reset();
  if (say_) say_(why);
}

void SampleCachePlayer::Play(const std::string& path) {
  if (useServer_ && !connected_) {
    // Reached on the first sounds only: start-up does not touch the audio system. A server
    // still busy connecting is asked again at the next sound.
    switch (server_.Connect()) {
      case ServerAnswer::kDone:
        connected_ = true;
        break;
      case ServerAnswer::kNotNow:
        break;
      case ServerAnswer::kGone:
        GiveUp("no sound server could be reached");
        break;
    }
  }
  if (useServer_ && connected_ && !server_.Alive()) GiveUp("the sound server went away");
  if (!useServer_) {
    fallback_.Play(path);
    return;
  }
  // Whatever comes next, the sound playing stops: a new one cuts it off, and so do the alert
  // and a file that cannot be played.
  CutPlaying();
  const auto file = FindSoundFile(path);
  if (!file) {
    fallback_.Play(path);
    return;
  }
  // Still connecting: this sound is skipped.
  if (!connected_) return;
  const auto name = Store(*file);
  if (!name) {
    // Not taken in time: skipped, and sent again when it is next played. Only a server that
    // went away hands this sound, and every later one, to the fallback.
    if (!useServer_) fallback_.Play(*file);
    return;
  }
  if (name->empty()) {
    fallback_.Play(*file);
    return;
  }
  playing_ = server_.Play(*name);
}

std::optional<std::string> SampleCachePlayer::Store(const std::string& file) {
  const auto stamp = StampOf(file);
  if (!stamp) return std::string();
  for (auto it = stored_.begin(); it != stored_.end(); ++it) {
    if (it->path != file) continue;
    if (it->size == stamp->size && it->modified == stamp->modified) {
      stored_.splice(stored_.begin(), stored_, it);
      return it->name;
    }
    if (!it->name.empty()) server_.Remove(it->name);
    stored_.erase(it);
    break;
  }
  std::string name;
  if (const auto bytes = ReadWholeFile(file)) {
    if (const auto decoded = DecodeWav(*bytes); decoded && decoded->Frames() > 0) {
      name = ServerName(file, *stamp);
      ++uploads_;
      switch (server_.Upload(name, *decoded)) {
        case ServerAnswer::kDone:
          break;
        case ServerAnswer::kNotNow:
          return std::nullopt;
        case ServerAnswer::kGone:
          GiveUp("the sound server went away");
          return std::nullopt;
      }
    }
  }
  stored_.push_front({file, stamp->size, stamp->modified, name});
  if (stored_.size() > kStoredSounds) {
    if (!stored_.back().name.empty()) server_.Remove(stored_.back().name);
    stored_.pop_back();
  }
  return name;
}
