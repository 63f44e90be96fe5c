#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// The program's one random sequence: a 32-bit linear congruential generator
// shared by the shuffle, the scatter of the stock pile and the fireworks.
// Every shuffle reseeds it with the milliseconds since midnight UTC; tests
// and tools replace that seed source with a fixed one.
class TRandom {
 public:
  using SeedSource = std::function<uint32_t()>;

  // The sequence the whole program draws from.
  static TRandom& Program();

  // A random integer in 0..range - 1 (0 when range is 0).
  uint32_t Next(uint32_t range);
  // A random real in [0, 1): the next seed read as a fraction of 2^32.
  double Uniform();

  // Reseeds from the seed source (the UTC clock unless replaced), or from
  // the seed set by SetNextSeed, which it then forgets.
  void Randomize();
  // The seed the latest Randomize took: the number of the deal it shuffled.
  uint32_t LastSeed() const { return FLastSeed; }
  // Makes the next Randomize take `seed` instead of asking its source
  // (nullopt: asks the source again).
  void SetNextSeed(std::optional<uint32_t> seed) { FNextSeed = seed; }

  uint32_t Seed() const { return FSeed; }
  void SetSeed(uint32_t seed) { FSeed = seed; }

  // Replaces where Randomize takes its seed from; an empty source restores
  // the clock.
  void SetSeedSource(SeedSource source);

  // Milliseconds since midnight UTC, 0..86399999.
  static uint32_t MillisecondsSinceMidnightUtc();

 private:
  uint32_t FSeed = 0;
  uint32_t FLastSeed = 0;
  std::optional<uint32_t> FNextSeed;
  SeedSource FSeedSource;
};
