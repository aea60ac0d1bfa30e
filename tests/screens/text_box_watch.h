// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a screen draws into a fixed box, measured against the box as the screen paints:
// none may need more room than its box gives.
#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/qt/qt_translations.h"
#include "widgets/qt_text_box_painter.h"

// Paints screen (and its children) once and fails for each text that does not fit its box.
// KEYSLINGER_SCREENSHOT_DIR set: the screen is saved there as <language>_<name>.png to look at.
inline void ExpectTextsInTheirBoxes(QWidget& screen, const std::string& name) {
  std::vector<TextBoxOverflow> overflows;
  WatchTextBoxes([&](const TextBoxOverflow& overflow) { overflows.push_back(overflow); });
  const QPixmap shot = screen.grab();
  WatchTextBoxes({});
  for (const TextBoxOverflow& o : overflows) {
    ADD_FAILURE() << name << ": \"" << o.text.toStdString() << "\" needs " << o.needed.width()
                  << " by " << o.needed.height() << " pixels, its box at (" << o.box.x() << ", "
                  << o.box.y() << ") has " << o.box.width() << " by " << o.box.height();
  }
  if (const QString dir = qEnvironmentVariable("KEYSLINGER_SCREENSHOT_DIR"); !dir.isEmpty()) {
    QDir().mkpath(dir);
    shot.save(dir + "/" + UiLanguageCode() + "_" + QString::fromStdString(name) + ".png");
  }
}
