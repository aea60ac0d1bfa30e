// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes for every sound of the game: shots, ricochets, clicks, creaks, calls, glass and fanfare.
#include "sound_recipes.h"

#include <cmath>

#include "synth.h"
#include "wav_file.h"

using namespace synth;

namespace {

void Save(Buffer b, const std::string& path) {
  Finish(b);
  WriteWav16(path, b, kRate);
}

// A revolver shot: a bright crack, a noisy body, a low thump and a short room echo.
Buffer Gunshot(uint64_t seed, double pitch, double body) {
  DetRandom rng(seed);
  const double len = 0.38;
  Buffer crack = Noise(len, rng, [](double t) { return AttackDecay(t, 0.0005, 0.022); });
  SweepLowPass(crack, [pitch](double t) { return 8500 * pitch * std::exp(-t / 0.03) + 500; });
  Buffer boom = Noise(len, rng, [body](double t) { return AttackDecay(t, 0.001, 0.07 * body); });
  LowPass(boom, 700 * pitch);
  LowPass(boom, 900 * pitch);
  Buffer thump = Tone(len, [pitch](double t) { return (95 * std::exp(-t / 0.06) + 45) * pitch; }, Sine,
                      [](double t) { return AttackDecay(t, 0.001, 0.06); });
  Buffer out = crack;
  MixAt(out, boom, 0, 1.6);
  MixAt(out, thump, 0, 0.7);
  Echo(out, 0.075, 0.28, 2);
  return out;
}

// A bullet glancing off metal or stone: a tick and a falling whine.
Buffer Ricochet(uint64_t seed, double from, double to, double length) {
  DetRandom rng(seed);
  Buffer tick = Noise(0.06, rng, [](double t) { return AttackDecay(t, 0.0003, 0.006); });
  HighPass(tick, 1500);
  Buffer whine = Tone(length,
                      [=](double t) {
                        return from * std::pow(to / from, t / length) * (1 + 0.012 * std::sin(2 * kPi * 33 * t));
                      },
                      [](double p) { return Sine(p) + 0.25 * Sine(std::fmod(p * 2, 1.0)); },
                      [=](double t) { return Gate(t, length, 0.01) * std::exp(-t / (length * 0.55)); });
  Buffer out = tick;
  MixAt(out, whine, 0.004, 0.45);
  return out;
}

// A short wooden knock made of damped inharmonic modes.
Buffer Knock(double base, double decay) {
  return Modes(decay * 8, {{base, 1.0, decay},
                           {base * 2.31, 0.55, decay * 0.6},
                           {base * 4.1, 0.3, decay * 0.35},
                           {base * 6.7, 0.15, decay * 0.25}});
}

Buffer WoodHit(uint64_t seed, double pitch) {
  DetRandom rng(seed);
  Buffer out = Gunshot(seed * 7 + 1, 1.1, 0.8);
  MixAt(out, Knock(190 * pitch, 0.035), 0.012, 0.9);
  for (int i = 0; i < 5; ++i) {
    Buffer splinter = Noise(0.02, rng, [](double t) { return AttackDecay(t, 0.0005, 0.004); });
    BandPass(splinter, 2500 + 1500 * rng.Unit(), 2.0);
    MixAt(out, splinter, 0.03 + 0.035 * i + 0.02 * rng.Unit(), 0.8 - 0.12 * i);
  }
  return out;
}

Buffer Click(double freq, uint64_t seed) {
  DetRandom rng(seed);
  Buffer out = Modes(0.07, {{freq, 1.0, 0.010}, {freq * 2.27, 0.45, 0.006}, {freq * 0.5, 0.3, 0.015}});
  Buffer tick = Noise(0.01, rng, [](double t) { return AttackDecay(t, 0.0002, 0.0015); });
  HighPass(tick, 2500);
  MixAt(out, tick, 0, 0.6);
  return out;
}

// Boards or a hinge under strain: a buzzy tone with a jittering pitch through a band pass.
Buffer Creak(uint64_t seed, double base, double length, double centre) {
  DetRandom rng(seed);
  std::vector<double> jitter(64);
  for (double& j : jitter) j = rng.Signed();
  Buffer out = Tone(length,
                    [&](double t) {
                      const double pos = t / length * 63;
                      const size_t i = static_cast<size_t>(pos);
                      const double f = pos - i;
                      const double j = jitter[i] * (1 - f) + jitter[std::min<size_t>(i + 1, 63)] * f;
                      return base * (1 + 0.25 * t / length) * (1 + 0.18 * j);
                    },
                    Saw, [=](double t) { return Gate(t, length, 0.04) * (0.6 + 0.4 * std::sin(kPi * t / length)); });
  BandPass(out, centre, 2.5);
  return out;
}

Buffer Thud(double base) {
  Buffer out = Tone(0.25, [base](double t) { return base * (1 + 0.5 * std::exp(-t / 0.02)); }, Sine,
                    [](double t) { return AttackDecay(t, 0.002, 0.045); });
  MixAt(out, Knock(base * 2.2, 0.02), 0, 0.4);
  return out;
}

// Spurs: a few bright metallic rings.
Buffer Jingle(uint64_t seed, int hits, double spacing) {
  DetRandom rng(seed);
  Buffer out;
  for (int i = 0; i < hits; ++i) {
    const double f = 3100 + 900 * rng.Unit();
    Buffer ring = Modes(0.25, {{f, 1.0, 0.05}, {f * 1.47, 0.6, 0.04}, {f * 2.09, 0.35, 0.03}});
    MixAt(out, ring, i * spacing + 0.01 * rng.Unit(), 1.0 - 0.15 * i);
  }
  return out;
}

// A voiced sound: a saw with a moving pitch through two vowel formants.
Buffer Voice(double length, const std::function<double(double)>& pitch, double formant1,
             double formant2, double attack, double release, uint64_t seed) {
  DetRandom rng(seed);
  Buffer source = Tone(length, pitch, Saw, [=](double t) {
    return Gate(t, length, 0.01) * std::min(1.0, t / attack) * std::min(1.0, (length - t) / release);
  });
  Buffer breath = Noise(length, rng, [=](double t) { return 0.08 * Gate(t, length, attack); });
  MixAt(source, breath, 0);
  Buffer f1 = source, f2 = source;
  BandPass(f1, formant1, 4.0);
  BandPass(f2, formant2, 5.0);
  LowPass(source, 500);
  Buffer out = f1;
  MixAt(out, f2, 0, 0.6);
  MixAt(out, source, 0, 0.35);
  return out;
}

Buffer Groan(double base, double length, uint64_t seed) {
  Buffer out = Voice(length,
                     [=](double t) { return base * (1 - 0.35 * t / length) * (1 + 0.03 * std::sin(2 * kPi * 6 * t)); },
                     600, 1000, 0.03, 0.15, seed);
  MixAt(out, Thud(75), length - 0.05, 0.8);
  return out;
}

Buffer Glass(uint64_t seed, double base, double decay) {
  DetRandom rng(seed);
  std::vector<Partial> parts;
  for (double ratio : {1.0, 2.76, 5.40, 8.93}) parts.push_back({base * ratio * (1 + 0.01 * rng.Signed()), 1.0 / ratio, decay / std::sqrt(ratio)});
  return Modes(decay * 5, parts, 0.0005);
}

Buffer Shatter(uint64_t seed) {
  DetRandom rng(seed);
  Buffer out = Noise(0.08, rng, [](double t) { return AttackDecay(t, 0.0005, 0.02); });
  HighPass(out, 2000);
  for (int i = 0; i < 14; ++i) {
    Buffer shard = Glass(seed * 31 + i, 2200 + 3200 * rng.Unit(), 0.03 + 0.04 * rng.Unit());
    MixAt(out, shard, 0.004 + 0.3 * rng.Unit() * rng.Unit(), 0.5 + 0.4 * rng.Unit());
  }
  return out;
}

// A brass note: harmonics falling off with a gentle low pass, a soft attack and vibrato.
Buffer Brass(double freq, double length, double vibrato) {
  Buffer out = Tone(length,
                    [=](double t) { return freq * (1 + vibrato * std::min(1.0, t / 0.3) * std::sin(2 * kPi * 5.5 * t)); },
                    [](double p) {
                      double s = 0;
                      for (int n = 1; n <= 8; ++n) s += std::sin(2 * kPi * n * p) / (n * 0.9);
                      return s * 0.4;
                    },
                    [=](double t) { return std::min(1.0, t / 0.025) * Gate(t, length, 0.05) * (0.85 + 0.15 * std::exp(-t / 0.1)); });
  LowPass(out, 2600);
  return out;
}

Buffer Fanfare() {
  struct Note {
    double at, freq, length;
  };
  const Note melody[] = {{0.00, 392.0, 0.14}, {0.15, 523.3, 0.14}, {0.30, 659.3, 0.14},
                         {0.45, 784.0, 0.28}, {0.75, 659.3, 0.14}, {0.90, 784.0, 1.05}};
  const Note harmony[] = {{0.45, 523.3, 0.28}, {0.75, 523.3, 0.14}, {0.90, 659.3, 1.05}, {0.90, 392.0, 1.05}};
  Buffer out;
  for (const Note& n : melody) MixAt(out, Brass(n.freq, n.length, n.length > 0.5 ? 0.006 : 0), n.at, 1.0);
  for (const Note& n : harmony) MixAt(out, Brass(n.freq, n.length, n.length > 0.5 ? 0.005 : 0), n.at, 0.45);
  Echo(out, 0.11, 0.2, 2);
  return out;
}

Buffer PauseChime() {
  Buffer out = Modes(0.9, {{659.3, 1.0, 0.25}, {1318.5, 0.3, 0.12}, {1977.0, 0.12, 0.08}}, 0.004);
  MixAt(out, Modes(0.9, {{493.9, 1.0, 0.3}, {987.8, 0.3, 0.14}, {1481.6, 0.1, 0.09}}, 0.004), 0.16, 0.9);
  return out;
}

Buffer WolfHowl() {
  const double length = 2.3;
  auto pitch = [](double t) {
    double f;
    if (t < 0.45) f = 300 + 260 * std::sin(kPi / 2 * t / 0.45);
    else if (t < 1.5) f = 560 + 40 * (t - 0.45) / 1.05;
    else f = 600 - 220 * (t - 1.5) / 0.8;
    return f * (1 + 0.018 * std::sin(2 * kPi * 5.2 * t) * std::min(1.0, t / 0.6));
  };
  Buffer out = Tone(length, pitch, [](double p) { return Sine(p) + 0.35 * Sine(std::fmod(2 * p, 1.0)) + 0.12 * Sine(std::fmod(3 * p, 1.0)); },
                    [=](double t) { return std::min(1.0, t / 0.25) * std::min(1.0, std::max(0.0, length - t) / 0.6); });
  DetRandom rng(4242);
  Buffer breath = Noise(length, rng, [=](double t) { return 0.06 * Gate(t, length, 0.3); });
  BandPass(breath, 1100, 1.5);
  MixAt(out, breath, 0);
  Echo(out, 0.23, 0.22, 1);
  return out;
}

}  // namespace

void WriteSharedSounds(const std::string& dir) {
  const double clickFreqs[] = {1450, 1750, 1150, 2050, 1300};
  for (int i = 0; i < 5; ++i) Save(Click(clickFreqs[i], 100 + i), dir + "/button" + std::to_string(i) + ".wav");

  Save(Creak(201, 150, 0.38, 850), dir + "/pl_ladder1.wav");
  Buffer steps = Thud(95);
  MixAt(steps, Thud(85), 0.2, 0.8);
  MixAt(steps, Knock(420, 0.015), 0.21, 0.3);
  Save(steps, dir + "/pl_ladder2.wav");
  Save(Creak(203, 520, 0.32, 1400), dir + "/pl_ladder3.wav");
  Buffer boards = Knock(260, 0.03);
  MixAt(boards, Knock(230, 0.03), 0.12, 0.8);
  MixAt(boards, Creak(204, 180, 0.2, 900), 0.05, 0.5);
  Save(boards, dir + "/pl_ladder4.wav");

  const double ricFrom[] = {2600, 3100, 2200, 2850, 3400};
  const double ricTo[] = {850, 1200, 700, 1000, 1500};
  const double ricLength[] = {0.42, 0.35, 0.5, 0.38, 0.3};
  for (int i = 0; i < 5; ++i)
    Save(Ricochet(300 + i, ricFrom[i], ricTo[i], ricLength[i]), dir + "/ric" + std::to_string(i + 1) + ".wav");

  const double woodPitch[] = {1.0, 0.85, 1.2};
  for (int i = 0; i < 3; ++i) Save(WoodHit(400 + i, woodPitch[i]), dir + "/wood" + std::to_string(i + 1) + ".wav");

  Save(Fanfare(), dir + "/fx_1175.wav");
  Save(PauseChime(), dir + "/fx_1422.wav");
  Save(WolfHowl(), dir + "/wolfhowl01.wav");
}

void WriteActorSounds(ActorLook look, const std::string& dir) {
  Buffer appear, active, dead;
  switch (look) {
    case ActorLook::Rustler:
      appear = Jingle(501, 3, 0.09);
      active = Gunshot(502, 1.0, 1.0);
      dead = Groan(165, 0.45, 503);
      break;
    case ActorLook::Outlaw:
      appear = Creak(511, 130, 0.4, 700);
      active = Gunshot(512, 0.8, 1.5);
      dead = Groan(125, 0.5, 513);
      break;
    case ActorLook::Desperado: {
      appear = Jingle(521, 2, 0.14);
      MixAt(appear, Thud(90), 0.05, 0.6);
      active = Gunshot(522, 1.05, 0.8);
      MixAt(active, Gunshot(523, 1.0, 0.8), 0.16, 0.8);
      active.resize(std::min<size_t>(active.size(), static_cast<size_t>(0.58 * kRate)));
      dead = Groan(150, 0.5, 524);
      break;
    }
    case ActorLook::BlackBart:
      appear = Brass(73.4, 0.5, 0.0);
      MixAt(appear, Brass(110.0, 0.5, 0.0), 0, 0.6);
      active = Gunshot(532, 0.9, 1.3);
      dead = Groan(105, 0.55, 533);
      break;
    case ActorLook::Kid:
      appear = Tone(0.3, [](double t) { return 1200 + 900 * t / 0.3; }, Sine, [](double t) { return Gate(t, 0.3, 0.03); });
      active = Gunshot(542, 1.3, 0.6);
      dead = Groan(230, 0.35, 543);
      break;
    case ActorLook::Townswoman: {
      DetRandom rng(551);
      appear = Noise(0.3, rng, [](double t) { return Gate(t, 0.3, 0.1) * 0.5; });
      BandPass(appear, 3000, 1.0);
      MixAt(appear, Glass(552, 1760, 0.15), 0.12, 0.6);
      active = Voice(0.28, [](double t) { return 520 + 200 * t / 0.28; }, 400, 900, 0.03, 0.06, 553);
      MixAt(active, Voice(0.3, [](double t) { return 700 - 150 * t / 0.3; }, 400, 900, 0.03, 0.1, 554), 0.3);
      dead = Voice(0.4, [](double t) { return 820 - 380 * t / 0.4; }, 800, 1250, 0.01, 0.15, 555);
      break;
    }
    case ActorLook::OldMiner:
      appear = Modes(0.3, {{1850, 1.0, 0.06}, {2710, 0.6, 0.04}, {4400, 0.3, 0.03}});
      MixAt(appear, Thud(110), 0, 0.5);
      active = Voice(0.55, [](double t) { return t < 0.2 ? 240 + 300 * t / 0.2 : 540 - 260 * (t - 0.2) / 0.35; }, 700, 1150, 0.02, 0.12, 561);
      dead = Voice(0.3, [](double t) { return 210 - 80 * t / 0.3; }, 500, 900, 0.01, 0.1, 562);
      break;
    case ActorLook::Bottle:
      appear = Glass(571, 1320, 0.12);
      MixAt(appear, Glass(572, 1480, 0.1), 0.09, 0.7);
      active = Glass(573, 2640, 0.18);
      MixAt(active, Glass(574, 3520, 0.15), 0.12, 0.7);
      dead = Shatter(575);
      break;
  }
  Save(appear, dir + "/appear.wav");
  Save(active, dir + "/active.wav");
  Save(dead, dir + "/dead.wav");
}
