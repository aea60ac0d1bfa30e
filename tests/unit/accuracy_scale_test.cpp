// SPDX-License-Identifier: GPL-3.0-or-later
// The accuracy colours: CIEDE2000 itself against published pairs, then the scale's neighbours
// under normal and dichromat vision, its order and its text colours.
#include <gtest/gtest.h>

#include "colour_vision.h"
#include "progress/accuracy_scale.h"

namespace {
using namespace colour_vision;

Rgb01 ToUnit(Rgb c) { return {c.r / 255.0, c.g / 255.0, c.b / 255.0}; }

TEST(ColourDifference, Ciede2000MatchesThePublishedReferencePairs) {
  // Sharma, Wu and Dalal (2005), the test data of their CIEDE2000 implementation notes.
  struct Pair {
    Lab first, second;
    double expected;
  };
  const Pair pairs[] = {
      {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
      {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
      {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
      {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
      {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
      {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
      {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
      {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
      {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
      {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
      {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
      {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
      {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
      {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
      {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
      {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
      {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
      {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
      {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
      {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
      {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
      {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
  };
  int n = 0;
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(++n);
    EXPECT_NEAR(DeltaE2000(pair.first, pair.second), pair.expected, 5e-5);
    // The difference is symmetric.
    EXPECT_NEAR(DeltaE2000(pair.second, pair.first), pair.expected, 5e-5);
  }
}

TEST(ColourDifference, LabOfTheSrgbPrimariesAndWhite) {
  struct Case {
    Rgb01 rgb;
    Lab lab;
  };
  const Case cases[] = {
      {{1, 1, 1}, {100.0, 0.0, 0.0}},
      {{0, 0, 0}, {0.0, 0.0, 0.0}},
      {{1, 0, 0}, {53.24, 80.09, 67.20}},
      {{0, 1, 0}, {87.73, -86.18, 83.18}},
      {{0, 0, 1}, {32.30, 79.19, -107.86}},
  };
  for (const Case& c : cases) {
    const Lab lab = ToLab(c.rgb);
    EXPECT_NEAR(lab.L, c.lab.L, 0.02);
    EXPECT_NEAR(lab.a, c.lab.a, 0.05);
    EXPECT_NEAR(lab.b, c.lab.b, 0.05);
  }
}

TEST(ColourDifference, DichromatSimulationMergesWhatTheDeficiencyConfuses) {
  // Pure red and green lie apart for normal vision and collapse for red-green dichromats; blue
  // and green stay apart for them. Greys are left alone by every matrix.
  const Rgb01 red{0.8, 0.3, 0.0}, green{0.45, 0.55, 0.0}, grey{0.5, 0.5, 0.5};
  EXPECT_GT(DeltaE2000(ToLab(red), ToLab(green)), 25.0);
  for (const Matrix* m : {&kProtanopia, &kDeuteranopia, &kTritanopia}) {
    const Rgb01 g = Simulate(*m, grey);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(g[static_cast<size_t>(i)], 0.5, 0.01);
  }
  EXPECT_LT(DeltaE2000(ToLab(Simulate(kDeuteranopia, red)), ToLab(Simulate(kDeuteranopia, green))),
            DeltaE2000(ToLab(red), ToLab(green)) / 2);
}

TEST(AccuracyScale, NeighboursStayApartForEveryKindOfVision) {
  const struct {
    const char* name;
    const Matrix* matrix;  // nullptr: normal vision
  } visions[] = {{"normal", nullptr},
                 {"protanopia", &kProtanopia},
                 {"deuteranopia", &kDeuteranopia},
                 {"tritanopia", &kTritanopia}};
  const int steps[] = {50, 75, 100};
  for (const auto& vision : visions) {
    SCOPED_TRACE(vision.name);
    for (int i = 0; i + 1 < 3; ++i) {
      Rgb01 lo = ToUnit(AccuracyScaleColour(steps[i]));
      Rgb01 hi = ToUnit(AccuracyScaleColour(steps[i + 1]));
      if (vision.matrix) {
        lo = Simulate(*vision.matrix, lo);
        hi = Simulate(*vision.matrix, hi);
      }
      EXPECT_GE(DeltaE2000(ToLab(lo), ToLab(hi)), 15.0) << steps[i] << " against " << steps[i + 1];
    }
  }
}

TEST(AccuracyScale, EveryStepStaysApartFromTooFewTriesForRedGreenBlindEyes) {
  // A key tried too few times must not pass for any accuracy: at least a CIEDE2000 difference
  // of 10 from every whole percent of the scale, for protanopes and deuteranopes as for others.
  const struct {
    const char* name;
    const Matrix* matrix;
  } visions[] = {{"normal", nullptr}, {"protanopia", &kProtanopia}, {"deuteranopia", &kDeuteranopia}};
  for (const auto& vision : visions) {
    SCOPED_TRACE(vision.name);
    const auto seen = [&](Rgb c) { return ToLab(vision.matrix ? Simulate(*vision.matrix, ToUnit(c)) : ToUnit(c)); };
    for (int percent = 50; percent <= 100; ++percent) {
      EXPECT_GE(DeltaE2000(seen(AccuracyScaleColour(percent)), seen(kTooFewTriesColour)), 10.0) << percent;
    }
  }
}

TEST(AccuracyScale, LightnessRisesWithAccuracyAndTheEndsClamp) {
  // Lightness carries the order for every viewer, so it must rise at every step.
  double last = -1;
  for (int percent = 50; percent <= 100; ++percent) {
    const double l = ToLab(ToUnit(AccuracyScaleColour(percent))).L;
    EXPECT_GT(l, last) << percent;
    last = l;
  }
  const int outside[][2] = {{0, 50}, {-2147483647 - 1, 50}, {49, 50}, {101, 100}, {2147483647, 100}};
  for (const auto& c : outside) {
    const Rgb got = AccuracyScaleColour(c[0]), want = AccuracyScaleColour(c[1]);
    EXPECT_EQ(got.r, want.r) << c[0];
    EXPECT_EQ(got.g, want.g) << c[0];
    EXPECT_EQ(got.b, want.b) << c[0];
  }
}

TEST(AccuracyScale, TextOnEveryColourHasContrast) {
  // WCAG contrast ratio of the chosen text colour against the fill: at least 4.5 everywhere.
  for (int percent = 50; percent <= 100; ++percent) {
    const Rgb fill = AccuracyScaleColour(percent);
    const Rgb text = TextColourOn(fill);
    const double a = RelativeLuminance(fill) + 0.05, b = RelativeLuminance(text) + 0.05;
    EXPECT_GE(std::max(a, b) / std::min(a, b), 4.5) << percent;
  }
}

}  // namespace
