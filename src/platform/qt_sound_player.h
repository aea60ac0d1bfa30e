// SPDX-License-Identifier: GPL-3.0-or-later
// Sound through Qt Multimedia: one effect at a time, a new one cutting off the last.
#pragma once
#include <QUrl>
#include <functional>
#include <memory>

#include "platform/sound_player.h"

class QSoundEffect;

class QtSoundPlayer : public SoundPlayer {
public:
  // alert plays the platform's alert sound for a missing file; by default QApplication::beep.
  explicit QtSoundPlayer(std::function<void()> alert = {});
  ~QtSoundPlayer() override;
  QtSoundPlayer(const QtSoundPlayer&) = delete;
  QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

  void Play(const std::string& path) override;

  // The file last given to the effect; empty until a sound was found and played.
  QUrl Source() const;

private:
  std::function<void()> alert_;
  // Made on the first sound only: creating it touches the audio system, which start-up avoids.
  std::unique_ptr<QSoundEffect> effect_;
};
