#include "cards/Random.h"

#include <chrono>

TRandom& TRandom::Program() {
  static TRandom generator;
  return generator;
}

uint32_t TRandom::Next(uint32_t range) {
  FSeed = FSeed * 134775813u + 1u;
  return static_cast<uint32_t>((static_cast<uint64_t>(FSeed) * range) >> 32);
}

double TRandom::Uniform() {
  FSeed = FSeed * 134775813u + 1u;
  return static_cast<double>(FSeed) / 4294967296.0;
}

void TRandom::Randomize() {
  if (FNextSeed)
    FSeed = *FNextSeed;
  else
    FSeed = FSeedSource ? FSeedSource() : MillisecondsSinceMidnightUtc();
  FNextSeed.reset();
  FLastSeed = FSeed;
}

void TRandom::SetSeedSource(SeedSource source) {
  FSeedSource = std::move(source);
}

uint32_t TRandom::MillisecondsSinceMidnightUtc() {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const auto sinceMidnight = now - floor<days>(now);
  return static_cast<uint32_t>(sinceMidnight.count());
}
