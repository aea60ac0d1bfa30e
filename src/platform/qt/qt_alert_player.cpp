// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player without a sound server: the platform's alert for a missing file, else silence.
#include "platform/qt/qt_alert_player.h"

#include <QApplication>

#include "platform/sound_file.h"

QtAlertPlayer::QtAlertPlayer(std::function<void()> alert) : alert_(std::move(alert)) {
  if (!alert_) alert_ = [] { QApplication::beep(); };
}

void QtAlertPlayer::Play(const std::string& path) {
  if (!FindSoundFile(path)) alert_();
}
