// SPDX-License-Identifier: GPL-3.0-or-later
// Colour science for tests: sRGB to CIELAB, the CIEDE2000 colour difference, and the simulation
// of dichromat vision (Machado, Oliveira and Fernandes 2009, severity 1) in linear RGB.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace colour_vision {

struct Lab {
  double L, a, b;
};
using Rgb01 = std::array<double, 3>;  // sRGB channels, 0..1
using Matrix = std::array<std::array<double, 3>, 3>;

inline double Decode(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
inline double Encode(double c) {
  return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

inline const Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                    {0.114503, 0.786281, 0.099216},
                                    {-0.003882, -0.048116, 1.051998}}};
inline const Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                      {0.280085, 0.672501, 0.047413},
                                      {-0.011820, 0.042940, 0.968881}}};
inline const Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                    {-0.078411, 0.930809, 0.147602},
                                    {0.004733, 0.691367, 0.303900}}};

// Decode to linear light, apply the matrix, clamp to the displayable range, encode again.
inline Rgb01 Simulate(const Matrix& m, const Rgb01& srgb) {
  const Rgb01 lin = {Decode(srgb[0]), Decode(srgb[1]), Decode(srgb[2])};
  Rgb01 out{};
  for (int i = 0; i < 3; ++i) {
    const double v = m[i][0] * lin[0] + m[i][1] * lin[1] + m[i][2] * lin[2];
    out[i] = Encode(std::clamp(v, 0.0, 1.0));
  }
  return out;
}

// sRGB (D65) to CIELAB with the D65 white.
inline Lab ToLab(const Rgb01& srgb) {
  const double r = Decode(srgb[0]), g = Decode(srgb[1]), b = Decode(srgb[2]);
  const double x = 0.4124564 * r + 0.3575761 * g + 0.1804375 * b;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = 0.0193339 * r + 0.1191920 * g + 0.9503041 * b;
  const auto f = [](double t) {
    constexpr double e = 216.0 / 24389.0, k = 24389.0 / 27.0;
    return t > e ? std::cbrt(t) : (k * t + 16.0) / 116.0;
  };
  const double fx = f(x / 0.95047), fy = f(y / 1.0), fz = f(z / 1.08883);
  return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

// CIEDE2000 with kL = kC = kH = 1.
inline double DeltaE2000(const Lab& p, const Lab& q) {
  constexpr double pi = std::numbers::pi;
  const auto deg = [](double rad) { return rad * 180.0 / pi; };
  const auto rad = [](double d) { return d * pi / 180.0; };
  const double c1 = std::hypot(p.a, p.b), c2 = std::hypot(q.a, q.b);
  const double cMean = (c1 + c2) / 2.0;
  const double c7 = std::pow(cMean, 7.0);
  const double g = 0.5 * (1.0 - std::sqrt(c7 / (c7 + std::pow(25.0, 7.0))));
  const double a1 = (1.0 + g) * p.a, a2 = (1.0 + g) * q.a;
  const double cp1 = std::hypot(a1, p.b), cp2 = std::hypot(a2, q.b);
  const auto hue = [&](double b, double a) {
    if (a == 0.0 && b == 0.0) return 0.0;
    const double h = deg(std::atan2(b, a));
    return h < 0.0 ? h + 360.0 : h;
  };
  const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);

  const double dL = q.L - p.L;
  const double dC = cp2 - cp1;
  double dh = 0.0;
  if (cp1 * cp2 != 0.0) {
    dh = h2 - h1;
    if (dh > 180.0) dh -= 360.0;
    else if (dh < -180.0) dh += 360.0;
  }
  const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(rad(dh / 2.0));

  const double lMean = (p.L + q.L) / 2.0;
  const double cpMean = (cp1 + cp2) / 2.0;
  double hMean = h1 + h2;
  if (cp1 * cp2 != 0.0) {
    if (std::abs(h1 - h2) <= 180.0) hMean /= 2.0;
    else if (h1 + h2 < 360.0) hMean = (h1 + h2 + 360.0) / 2.0;
    else hMean = (h1 + h2 - 360.0) / 2.0;
  }
  const double t = 1.0 - 0.17 * std::cos(rad(hMean - 30.0)) + 0.24 * std::cos(rad(2.0 * hMean)) +
                   0.32 * std::cos(rad(3.0 * hMean + 6.0)) - 0.20 * std::cos(rad(4.0 * hMean - 63.0));
  const double dTheta = 30.0 * std::exp(-std::pow((hMean - 275.0) / 25.0, 2.0));
  const double cp7 = std::pow(cpMean, 7.0);
  const double rc = 2.0 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7.0)));
  const double l50 = (lMean - 50.0) * (lMean - 50.0);
  const double sl = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
  const double sc = 1.0 + 0.045 * cpMean;
  const double sh = 1.0 + 0.015 * cpMean * t;
  const double rt = -std::sin(rad(2.0 * dTheta)) * rc;
  const double tl = dL / sl, tc = dC / sc, th = dH / sh;
  return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

}  // namespace colour_vision
