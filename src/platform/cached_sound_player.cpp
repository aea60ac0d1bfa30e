// Playing sounds decoded once and kept in memory, through one voice on one output.
#include "platform/cached_sound_player.h"

#include <sys/stat.h>

#include "platform/file_lookup.h"
#include "platform/pcm_convert.h"
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

}  // namespace

CachedSoundPlayer::CachedSoundPlayer(SoundOutput& output, std::function<void()> alert)
    : output_(output), alert_(std::move(alert)) {}

void CachedSoundPlayer::Play(const std::string& path) {
  const auto file = FindSoundFile(path);
  // Whatever comes next, the sound playing stops: a new one cuts it off, and so do the alert
  // and a file that cannot be played.
  if (voice_) voice_->Stop();
  if (!file) {
    if (alert_) alert_();
    return;
  }
  const auto sound = Load(*file);
  if (!sound) return;
  lastFile_ = *file;
  if (!voice_) return;
  voice_->Start(sound);
  output_.Wake(*voice_);
}

bool CachedSoundPlayer::EnsureOpen(PcmFormat wanted) {
  if (!opened_) {
    opened_ = true;
    // The first sound's format is asked for, so the game's sounds, all made alike, play as
    // they are stored.
    if (const auto format = output_.Open(wanted)) voice_.emplace(*format);
  }
  return voice_.has_value();
}

std::shared_ptr<const PcmSound> CachedSoundPlayer::Load(const std::string& file) {
  const auto stamp = StampOf(file);
  if (!stamp) return nullptr;
  for (auto it = cache_.begin(); it != cache_.end(); ++it) {
    if (it->path != file) continue;
    if (it->size == stamp->size && it->modified == stamp->modified) {
      cache_.splice(cache_.begin(), cache_, it);
      return it->sound;
    }
    cache_.erase(it);
    break;
  }
  ++decodes_;
  std::shared_ptr<const PcmSound> sound;
  if (const auto bytes = ReadWholeFile(file)) {
    if (auto decoded = DecodeWav(*bytes)) {
      // Without a device nothing is converted; the voice is never fed then anyway.
      if (EnsureOpen(decoded->format)) {
        sound = std::make_shared<const PcmSound>(ConvertPcm(*decoded, voice_->Format()));
      } else {
        sound = std::make_shared<const PcmSound>(std::move(*decoded));
      }
    }
  }
  cache_.push_front({file, stamp->size, stamp->modified, sound});
  if (cache_.size() > kCacheEntries) cache_.pop_back();
  return sound;
}
