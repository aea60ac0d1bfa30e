// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures behind the game's screens (menu, profiles, results, pause, end, help) and their
// resource list.
#pragma once
#include <QString>

// Writes the PNGs into <root>/resources/pictures and <root>/resources/pictures.qrc.
void WriteScreenPictures(const QString& root);
