// SPDX-License-Identifier: GPL-3.0-or-later
// The letter tag plaque shared by the places of a level.
#pragma once
#include <QImage>

// A small light wooden plaque with a dark rim, kTagWidth x kTagHeight.
QImage DrawTagPlaque(int level);
// Draws a letter on a plaque the way the game does: bold Arial, centred, at `points` size.
QImage TagWithLetter(const QImage& plaque, const QString& letter, int points, QColor colour);
