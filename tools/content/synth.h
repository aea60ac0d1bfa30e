// SPDX-License-Identifier: GPL-3.0-or-later
// Sound synthesis building blocks: oscillators, noise, envelopes, filters and loudness levelling.
#pragma once
#include <functional>
#include <vector>

#include "det_random.h"

namespace synth {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
using Buffer = std::vector<double>;

Buffer Silence(double seconds);
// Mixes src into dst starting at the given time, growing dst when needed.
void MixAt(Buffer& dst, const Buffer& src, double atSeconds, double gain = 1.0);

// Exponential decay envelope with a linear attack: 0 -> 1 over attack, then e^(-t/decay).
double AttackDecay(double t, double attack, double decay);
// 1 inside [0, length] with linear ramps of the given length at both ends.
double Gate(double t, double length, double ramp);

// A tone whose frequency follows freq(t) (Hz); shape maps phase in [0,1) to a sample.
Buffer Tone(double seconds, const std::function<double(double)>& freq,
            const std::function<double(double)>& shape, const std::function<double(double)>& env);
double Sine(double phase);
double Saw(double phase);
double Square(double phase);
double Triangle(double phase);

// White noise shaped by env(t).
Buffer Noise(double seconds, DetRandom& rng, const std::function<double(double)>& env);

// Sum of damped sine partials (bells, glass, wood): frequencies, amplitudes, decay times.
struct Partial {
  double freq;
  double amp;
  double decay;
};
Buffer Modes(double seconds, const std::vector<Partial>& partials, double attack = 0.001);

// Filters applied in place. Cutoff and centre in Hz; q is the resonance of the band pass.
void LowPass(Buffer& b, double cutoff);
void HighPass(Buffer& b, double cutoff);
void BandPass(Buffer& b, double centre, double q);
// Low pass whose cutoff follows cutoff(t).
void SweepLowPass(Buffer& b, const std::function<double(double)>& cutoff);
// Feedback echoes, a cheap room: delay in seconds, feedback gain, number of taps.
void Echo(Buffer& b, double delay, double feedback, int taps);

// Short fades at both ends, then scales so the loudest 50 ms window reaches the common
// loudness, never letting a peak pass 0.89 (about -1 dBFS).
void Finish(Buffer& b, double fadeIn = 0.002, double fadeOut = 0.012);

}  // namespace synth
