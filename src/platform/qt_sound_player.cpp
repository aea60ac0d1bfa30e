// SPDX-License-Identifier: GPL-3.0-or-later
// Sound through Qt Multimedia: one effect at a time, a new one cutting off the last.
#include "platform/qt_sound_player.h"

#include <QApplication>
#include <QSoundEffect>

#include "platform/sound_file.h"

QtSoundPlayer::QtSoundPlayer(std::function<void()> alert) : alert_(std::move(alert)) {
  if (!alert_) alert_ = [] { QApplication::beep(); };
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const std::string& path) {
  const auto file = FindSoundFile(path);
  if (!file) {
    if (effect_) effect_->stop();
    alert_();
    return;
  }
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  effect_->stop();
  // Setting the same source again is ignored by Qt, so the stop above restarts a repeated sound.
  effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(*file)));
  effect_->play();
}

QUrl QtSoundPlayer::Source() const { return effect_ ? effect_->source() : QUrl(); }
