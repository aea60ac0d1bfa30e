// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scale of key accuracy: dark violet through teal to light yellow.
#include "progress/accuracy_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Evenly spaced stops of a perceptually ordered scale; lightness rises steadily along it.
constexpr std::array<Rgb, 5> kStops = {{{0x44, 0x01, 0x54},
                                        {0x3B, 0x52, 0x8B},
                                        {0x21, 0x91, 0x8C},
                                        {0x5E, 0xC9, 0x62},
                                        {0xFD, 0xE7, 0x25}}};

double Linear(uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

uint8_t Mix(uint8_t a, uint8_t b, int num, int den) {
  return static_cast<uint8_t>((a * (den - num) + b * num + den / 2) / den);
}
}  // namespace

Rgb AccuracyScaleColour(int percent) {
  // 50..100 spread over the four spans, 12.5 points each, in whole eighths of a percent.
  const int clamped = std::clamp(percent, 50, 100);
  const int eighths = (clamped - 50) * 8;  // 0..400
  constexpr int kSpan = 100;               // eighths per span
  const int span = std::min(eighths / kSpan, static_cast<int>(kStops.size()) - 2);
  const int within = eighths - span * kSpan;
  const Rgb& a = kStops[static_cast<size_t>(span)];
  const Rgb& b = kStops[static_cast<size_t>(span) + 1];
  return {Mix(a.r, b.r, within, kSpan), Mix(a.g, b.g, within, kSpan), Mix(a.b, b.b, within, kSpan)};
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

Rgb TextColourOn(Rgb fill) {
  // The contrast ratios against black and white cross at a luminance of about 0.18.
  return RelativeLuminance(fill) > 0.18 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}
