// SPDX-License-Identifier: GPL-3.0-or-later
// Shared drawing helpers: the common ink and palette, supersampled rendering, text with outline.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

namespace paint {

// The outline colour of every figure and building.
inline const QColor kInk(26, 16, 10);
// Interior darkness of openings; actor backdrops use the same tones so an empty opening and a
// figure standing in it match.
inline const QColor kInteriorDeep(20, 13, 9);
inline const QColor kInteriorGlow(70, 48, 32);

// Draws with the given callback in a w x h coordinate system on an image `factor` times larger,
// then scales down smoothly: clean edges on small pictures.
QImage Supersample(int w, int h, int factor, const std::function<void(QPainter&)>& draw,
                   QColor background = Qt::transparent);

// Flattens an image with alpha onto a colour key: pixels at least half covered take their own
// colour, the rest the key; the bottom-left pixel always holds the key.
QImage FlattenOnKey(const QImage& withAlpha, QColor key);

// A bold western-looking font of a given pixel size (serif, wide).
QFont WesternFont(int pixelSize, bool bold = true);
QFont PlainFont(int pixelSize, bool bold = false);

// Text drawn with a dark outline so it reads on any background.
void OutlinedText(QPainter& p, const QRectF& rect, int flags, const QString& text, QColor fill,
                  QColor outline, double outlineWidth);

QColor Mix(QColor a, QColor b, double t);

}  // namespace paint
