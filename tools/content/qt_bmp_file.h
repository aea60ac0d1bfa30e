// SPDX-License-Identifier: GPL-3.0-or-later
// Saves pictures as 24-bit Windows bitmaps.
#pragma once
#include <QImage>
#include <QString>

// Writes a bottom-up 24-bit BMP; throws std::runtime_error when the file cannot be written.
void SaveBmp24(const QImage& image, const QString& path);
