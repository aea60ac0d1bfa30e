// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon: a shooting-gallery target over a brass letter plaque, as PNGs and an SVG.
#pragma once
#include <QString>

// The id the desktop entry, the icon and the AppStream metadata share.
inline constexpr const char* kDesktopId = "io.github.keyslinger.Keyslinger";

// Writes <root>/dist/icons/hicolor/<n>x<n>/apps/<id>.png for n = 16, 32, 48, 64, 128, 256 and
// <root>/dist/icons/hicolor/scalable/apps/<id>.svg, all from one list of shapes.
void WriteIcons(const QString& root);
