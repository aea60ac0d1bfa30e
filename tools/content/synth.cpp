// SPDX-License-Identifier: GPL-3.0-or-later
// Sound synthesis building blocks.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {
size_t Samples(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kRate); }

// Loudest-window RMS every sound is brought to (about -13 dBFS).
constexpr double kTargetRms = 0.22;
constexpr double kPeakCeiling = 0.89;
}  // namespace

Buffer Silence(double seconds) { return Buffer(Samples(seconds), 0.0); }

void MixAt(Buffer& dst, const Buffer& src, double atSeconds, double gain) {
  const size_t start = Samples(atSeconds);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
  for (size_t i = 0; i < src.size(); ++i) dst[start + i] += src[i] * gain;
}

double AttackDecay(double t, double attack, double decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

double Gate(double t, double length, double ramp) {
  if (t < 0 || t > length) return 0;
  double g = 1.0;
  if (t < ramp) g = t / ramp;
  if (length - t < ramp) g = std::min(g, (length - t) / ramp);
  return g;
}

Buffer Tone(double seconds, const std::function<double(double)>& freq,
            const std::function<double(double)>& shape, const std::function<double(double)>& env) {
  Buffer b(Samples(seconds));
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    b[i] = shape(phase) * env(t);
    phase += freq(t) / kRate;
    phase -= std::floor(phase);
  }
  return b;
}

double Sine(double phase) { return std::sin(2 * kPi * phase); }
double Saw(double phase) { return 2 * phase - 1; }
double Square(double phase) { return phase < 0.5 ? 1.0 : -1.0; }
double Triangle(double phase) { return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase; }

Buffer Noise(double seconds, DetRandom& rng, const std::function<double(double)>& env) {
  Buffer b(Samples(seconds));
  for (size_t i = 0; i < b.size(); ++i) b[i] = rng.Signed() * env(static_cast<double>(i) / kRate);
  return b;
}

Buffer Modes(double seconds, const std::vector<Partial>& partials, double attack) {
  Buffer b(Samples(seconds));
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double s = 0;
    for (const Partial& p : partials) s += p.amp * std::sin(2 * kPi * p.freq * t) * AttackDecay(t, attack, p.decay);
    b[i] = s;
  }
  // Fade the tail so a cut-off partial never clicks.
  const size_t fade = std::min(b.size(), Samples(0.015));
  for (size_t i = 0; i < fade; ++i) b[b.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
  return b;
}

void LowPass(Buffer& b, double cutoff) {
  const double a = 1.0 - std::exp(-2 * kPi * cutoff / kRate);
  double y = 0;
  for (double& s : b) s = y += a * (s - y);
}

void HighPass(Buffer& b, double cutoff) {
  const double rc = 1.0 / (2 * kPi * cutoff);
  const double dt = 1.0 / kRate;
  const double a = rc / (rc + dt);
  double prevIn = 0, prevOut = 0;
  for (double& s : b) {
    const double out = a * (prevOut + s - prevIn);
    prevIn = s;
    prevOut = out;
    s = out;
  }
}

void BandPass(Buffer& b, double centre, double q) {
  // Biquad band pass with constant 0 dB peak gain.
  const double w0 = 2 * kPi * centre / kRate;
  const double alpha = std::sin(w0) / (2 * q);
  const double a0 = 1 + alpha;
  const double b0 = alpha / a0, b2 = -alpha / a0;
  const double a1 = -2 * std::cos(w0) / a0, a2 = (1 - alpha) / a0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (double& s : b) {
    const double y = b0 * s + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = s;
    y2 = y1;
    y1 = y;
    s = y;
  }
}

void SweepLowPass(Buffer& b, const std::function<double(double)>& cutoff) {
  double y = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double a = 1.0 - std::exp(-2 * kPi * cutoff(static_cast<double>(i) / kRate) / kRate);
    b[i] = y += a * (b[i] - y);
  }
}

void Echo(Buffer& b, double delay, double feedback, int taps) {
  const size_t d = Samples(delay);
  if (d == 0) return;
  const size_t original = b.size();
  b.resize(original + d * static_cast<size_t>(taps), 0.0);
  for (size_t i = d; i < b.size(); ++i) b[i] += b[i - d] * feedback;
}

void Finish(Buffer& b, double fadeIn, double fadeOut) {
  if (b.empty()) return;
  // Remove any DC offset left by the filters.
  double mean = 0;
  for (double s : b) mean += s;
  mean /= static_cast<double>(b.size());
  for (double& s : b) s -= mean;
  // Trim a silent tail.
  double peak = 0;
  for (double s : b) peak = std::max(peak, std::abs(s));
  if (peak <= 0) return;
  size_t end = b.size();
  while (end > 1 && std::abs(b[end - 1]) < peak * 0.002) --end;
  b.resize(std::min(b.size(), end + Samples(0.01)));

  const size_t in = std::min(b.size(), Samples(fadeIn));
  for (size_t i = 0; i < in; ++i) b[i] *= static_cast<double>(i) / static_cast<double>(in);
  const size_t out = std::min(b.size(), Samples(fadeOut));
  for (size_t i = 0; i < out; ++i) b[b.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);

  const size_t window = std::min(b.size(), Samples(0.05));
  double loudest = 0, sum = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    sum += b[i] * b[i];
    if (i >= window) sum -= b[i - window] * b[i - window];
    if (i + 1 >= window) loudest = std::max(loudest, sum / static_cast<double>(window));
  }
  double gain = loudest > 0 ? kTargetRms / std::sqrt(loudest) : 1.0;
  peak = 0;
  for (double s : b) peak = std::max(peak, std::abs(s));
  if (peak * gain > kPeakCeiling) gain = kPeakCeiling / peak;
  for (double& s : b) s *= gain;
}

}  // namespace synth
