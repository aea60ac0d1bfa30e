// Sound through Qt Multimedia: decoded sounds in memory, one voice on one audio sink.
#include "platform/qt_sound_player.h"

#include <QApplication>

QtSoundPlayer::QtSoundPlayer(std::function<void()> alert)
    : player_(output_, alert ? std::move(alert) : std::function<void()>([] { QApplication::beep(); })) {}
