// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services of the running game, gathered for the application to hand down.
#pragma once
#include "core/services.h"
#include "platform/qt/qt_alert_player.h"
#include "platform/qt/qt_keyboard_layout.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_pulse_sample_server.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_text_measurer.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/random.h"
#include "platform/sample_cache_player.h"

// Tells, on standard error, why the game goes on without sound.
void SaySoundTrouble(const std::string& why);

// Made after the QApplication and destroyed before it. Not copyable: services refers to members.
struct QtPlatform {
  QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  QtTimerService timers;
  // Sounds go to the sound server's sample cache; without a server the game is silent but for
  // the alert of a missing file. Why the server was given up is said once, on standard error.
  QtAlertPlayer alertSound;
  QtPulseSampleServer soundServer;
  SampleCachePlayer sound{soundServer, alertSound, SaySoundTrouble};
  QtPictureLoader pictures;
  QtTextMeasurer text;
  QtMessageBoxes messages;
  QtShell shell;
  QtKeyboardLayout keyboard;
  Random random;
  Services services{timers, sound, pictures, text, messages, random, &keyboard};
};
