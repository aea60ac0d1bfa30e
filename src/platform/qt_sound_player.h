// Sound through Qt Multimedia: decoded sounds in memory, one voice on one audio sink.
#pragma once
#include <functional>
#include <string>

#include "platform/cached_sound_player.h"
#include "platform/qt_sound_output.h"
#include "platform/sound_player.h"

class QtSoundPlayer : public SoundPlayer {
public:
  // alert plays the platform's alert sound for a missing file; by default QApplication::beep.
  explicit QtSoundPlayer(std::function<void()> alert = {});

  // The device is opened on the first sound found: touching the audio system at start-up is
  // what start-up avoids.
  void Play(const std::string& path) override { player_.Play(path); }

  // The file of the sound last started; empty until a sound was found and played.
  const std::string& LastFile() const { return player_.LastFile(); }
  const CachedSoundPlayer& Player() const { return player_; }
  const QtSoundOutput& Output() const { return output_; }

private:
  QtSoundOutput output_;  // before the player, which refers to it
  CachedSoundPlayer player_;
};
