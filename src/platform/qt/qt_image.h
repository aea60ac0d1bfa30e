// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the rules' Image and Qt's QImage.
#pragma once
#include <QImage>

#include "platform/image.h"

// A QImage sharing nothing with image, in Format_ARGB32.
QImage ToQImage(const Image& image);
// The picture with every pixel of the bottom-left pixel's colour made fully transparent (the
// colour key of a transparent picture control). Alpha of the other pixels is kept.
QImage ColourKeyed(const Image& image);
// The rules' Image of a QImage of any format.
Image FromQImage(const QImage& image);
