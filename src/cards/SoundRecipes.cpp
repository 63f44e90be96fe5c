#include "cards/SoundRecipes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cards/SoundIds.h"

using namespace SoundSynth;

namespace SoundRecipes {

namespace {

// Noise streams, one per recording, so no two effects share a texture.
enum TNoiseSalt : uint32_t {
  saltSnap = 1,
  saltRiffle,
  saltTick,
  saltClick,
  saltSwish,
  saltUndo,
  saltBlast,
  saltCrackle,
  saltRocket,
};

// A card slapped onto a pile: a bright crack from its edge over a short,
// low thump. It dies away well before the end, so it also repeats cleanly
// as a loop.
TSignal MoveTo() {
  TOnePole edge;
  TOscillator thump;
  TSignal signal = Render(0.12, [&](int i, double t) {
    const float crack = edge.LowPass(Noise(i, saltSnap), 3500);
    return crack * AttackDecay(t, 0.001, 0.008) +
           0.35 * thump.Next(180 - 300 * t) * AttackDecay(t, 0.002, 0.02);
  });
  FadeEnds(signal, 0.001, 0.01);
  return signal;
}

// Cards flicking off a riffled deck: uneven ticks over a soft rustle. The
// rustle swells within the loop and is silent at both ends, and the last
// tick dies away before the end, so the loop joins without a seam.
TSignal Deal() {
  constexpr double Length = 0.5;
  constexpr int Ticks = 15;
  std::array<double, Ticks> tickTime{}, tickLevel{};
  for (int k = 0; k < Ticks; ++k) {
    tickTime[k] = 0.012 + 0.03 * k + 0.004 * Noise(k, saltTick);
    tickLevel[k] = 0.8 + 0.2 * Noise(k + Ticks, saltTick);
  }
  TBandPass paper;
  TOnePole rustle;
  TSignal signal = Render(Length, [&](int i, double t) {
    const float noise = Noise(i, saltRiffle);
    double ticks = 0;
    for (int k = 0; k < Ticks; ++k)
      ticks += tickLevel[k] * AttackDecay(t - tickTime[k], 0.0005, 0.004);
    return paper.Next(noise, 2500, 1.5) * ticks +
           0.3 * rustle.LowPass(noise, 1800) * Swell(t, Length);
  });
  FadeEnds(signal, 0.002, 0.002);
  return signal;
}

// A soft reed-like tone whose pitch sags a little, as a muted "bonk".
TSignal Bonk(double frequency, double length) {
  TOscillator oscillator;
  TSignal signal = Render(length, [&](int, double t) {
    const double pitch = frequency * (1 - 0.08 * t / length);
    return Harmonics(oscillator.Advance(pitch), pitch, 4) * AttackDecay(t, 0.006, 0.05);
  });
  FadeEnds(signal, 0, 0.015);
  return signal;
}

// Two low notes, the second lower: a gentle "no".
TSignal Error() {
  TSignal signal(SampleCount(0.3));
  MixInto(signal, Bonk(220, 0.12), 0, 1.0f);
  MixInto(signal, Bonk(165, 0.16), SampleCount(0.13), 1.0f);
  FadeEnds(signal, 0.001, 0.01);
  return signal;
}

// A small bell: the fundamental with two quickly fading inharmonic partials.
TSignal Bell(double frequency, double length) {
  TSignal signal = Render(length, [&](int, double t) {
    const double strike = std::sin(2 * Pi * frequency * t) +
                          0.35 * std::sin(2 * Pi * 2.76 * frequency * t) * Decay(t, 0.08) +
                          0.15 * std::sin(2 * Pi * 5.4 * frequency * t) * Decay(t, 0.04);
    return strike * AttackDecay(t, 0.003, 0.2);
  });
  FadeEnds(signal, 0, 0.05);
  return signal;
}

// A rising fourth on two bells (G5, C6).
TSignal MoveHome() {
  TSignal signal(SampleCount(0.7));
  MixInto(signal, Bell(783.99, 0.5), 0, 0.8f);
  MixInto(signal, Bell(1046.5, 0.54), SampleCount(0.16), 1.0f);
  FadeEnds(signal, 0.001, 0.02);
  return signal;
}

// A light flick: a very short high click with a faint ring.
TSignal PlayCard() {
  TOnePole click;
  TOscillator ring;
  TSignal signal = Render(0.06, [&](int i, double t) {
    const float noise = click.HighPass(Noise(i, saltClick), 2000);
    return noise * AttackDecay(t, 0.0005, 0.003) +
           0.3 * ring.Next(2400) * AttackDecay(t, 0.001, 0.008);
  });
  FadeEnds(signal, 0.0005, 0.005);
  return signal;
}

// Air pushed aside: band-passed noise whose centre rises while it pans from
// left to right. Equal-power panning keeps the loudness steady.
std::vector<TSignal> StartMove() {
  constexpr double Length = 0.22;
  TBandPass air;
  const TSignal swish = Render(Length, [&](int i, double t) {
    const double centre = 700 * std::pow(3000.0 / 700, t / Length);
    return air.Next(Noise(i, saltSwish), centre, 2) * Swell(t, Length);
  });
  const auto panned = [&](auto gain) {
    TSignal channel =
        Render(Length, [&](int i, double t) { return swish[i] * gain(Pi / 2 * t / Length); });
    FadeEnds(channel, 0.002, 0.005);
    return channel;
  };
  return {panned([](double angle) { return std::cos(angle); }),
          panned([](double angle) { return std::sin(angle); })};
}

// A blip sliding down over a whoosh that grows towards the end, as if
// played backwards.
TSignal Undo() {
  constexpr double Length = 0.2;
  TOscillator blip;
  TBandPass whoosh;
  TSignal signal = Render(Length, [&](int i, double t) {
    const double pitch = 1100 * std::pow(350.0 / 1100, t / 0.16);
    const double reversed = (t / Length) * (t / Length);
    const float air = whoosh.Next(Noise(i, saltUndo), 2200 - 6000 * t, 1.5);
    return blip.Next(pitch) * AttackDecay(t, 0.004, 0.06) + 0.35 * air * reversed;
  });
  FadeEnds(signal, 0.002, 0.02);
  return signal;
}

// One brass note: a quick attack with a small accent, a slow sag, vibrato
// once the note is held, and a release at the end.
TSignal BrassNote(double frequency, double length) {
  TOscillator tone;
  TSignal signal = Render(length, [&](int, double t) {
    const double vibrato = t > 0.15 ? 0.004 * std::sin(2 * Pi * 5.5 * t) : 0;
    const double pitch = frequency * (1 + vibrato);
    const double level = std::min(1.0, t / 0.015) * (0.75 + 0.25 * Decay(t, 0.08)) * Decay(t, 1.2);
    return Harmonics(tone.Advance(pitch), pitch, 6) * level;
  });
  FadeEnds(signal, 0, std::min(0.06, length / 3));
  return signal;
}

// A short major fanfare: G4 C5 E5 G5, E5, then G5 held over a C major chord.
TSignal Winner() {
  struct TNote {
    double Start, Length, Frequency;
    float Level;
  };
  constexpr double G4 = 392.0, C5 = 523.25, E5 = 659.26, G5 = 783.99;
  constexpr TNote Notes[] = {
      {0.00, 0.12, G4, 0.8f}, {0.13, 0.12, C5, 0.8f}, {0.26, 0.12, E5, 0.8f},
      {0.39, 0.30, G5, 1.0f}, {0.72, 0.12, E5, 0.8f}, {0.85, 1.10, G5, 1.0f},
      {0.85, 1.10, E5, 0.5f}, {0.85, 1.10, C5, 0.5f},
  };
  TSignal signal(SampleCount(2.0));
  for (const TNote& note : Notes)
    MixInto(signal, BrassNote(note.Frequency, note.Length), SampleCount(note.Start), note.Level);
  FadeEnds(signal, 0.002, 0.1);
  return signal;
}

// A firework bang: a sharp crack, a rumble that darkens as it fades, and a
// few late crackles.
TSignal Blast() {
  constexpr int Crackles = 12;
  std::array<double, Crackles> crackleTime{}, crackleLevel{};
  for (int k = 0; k < Crackles; ++k) {
    crackleTime[k] = 0.42 + 0.3 * Noise(k, saltCrackle);
    crackleLevel[k] = 0.3 + 0.15 * Noise(k + Crackles, saltCrackle);
  }
  TOnePole rumble, crackle;
  TSignal signal = Render(1.0, [&](int i, double t) {
    const float noise = Noise(i, saltBlast);
    double sparks = 0;
    for (int k = 0; k < Crackles; ++k)
      sparks += crackleLevel[k] * AttackDecay(t - crackleTime[k], 0.0003, 0.003);
    const double cutoff = 150 + 1850 * Decay(t, 0.1);
    return noise * AttackDecay(t, 0.001, 0.015) +
           3 * rumble.LowPass(noise, cutoff) * AttackDecay(t, 0.003, 0.25) +
           crackle.HighPass(noise, 1500) * sparks;
  });
  FadeEnds(signal, 0.001, 0.1);
  return signal;
}

// A whistle gliding up two octaves with a slight warble, over a hiss, and
// growing fainter as the rocket climbs.
TSignal Rocket() {
  TOscillator whistle;
  TBandPass hiss;
  TSignal signal = Render(1.0, [&](int i, double t) {
    const double warble = 1 + 0.015 * std::sin(2 * Pi * 7 * t);
    const double pitch = 700 * std::pow(4.0, t / 0.95) * warble;
    const float air = hiss.Next(Noise(i, saltRocket), 3000, 0.7);
    return (whistle.Next(pitch) + 0.15 * air) * (1 - 0.6 * t);
  });
  FadeEnds(signal, 0.06, 0.12);
  return signal;
}

}  // namespace

std::vector<TSignal> Synthesise(int sound) {
  switch (sound) {
    case sndMoveTo:
      return {MoveTo()};
    case sndDeal:
      return {Deal()};
    case sndError:
      return {Error()};
    case sndMoveHome:
      return {MoveHome()};
    case sndPlayCard:
      return {PlayCard()};
    case sndStartMove:
      return StartMove();
    case sndUndo:
      return {Undo()};
    case sndWinner:
      return {Winner()};
    case sndBlast:
      return {Blast()};
    case sndRocket:
      return {Rocket()};
    default:
      return {};
  }
}

}  // namespace SoundRecipes
