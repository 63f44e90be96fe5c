#include "solver/SeenStates.h"

#include <algorithm>

namespace {

size_t PowerOfTwoAtMost(size_t n) {
  size_t p = 16;
  while (p * 2 <= n)
    p *= 2;
  return p;
}

}  // namespace

TSeenStates::TSeenStates(size_t maxBytes, size_t firstBytes)
    : FMaxSlots(PowerOfTwoAtMost(maxBytes / sizeof(uint64_t))) {
  FSlots.assign(std::min(FMaxSlots, PowerOfTwoAtMost(firstBytes / sizeof(uint64_t))), 0);
}

TSeenStates::TInsert TSeenStates::Insert(uint64_t hash) {
  hash = hash == 0 ? 1 : hash;  // 0 marks a free slot
  const size_t mask = FSlots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    if (FSlots[i] == hash)
      return TInsert::Present;
    if (FSlots[i] == 0)
      break;
  }
  // Kept at most three quarters full, so that probes stay short.
  if ((FCount + 1) * 4 > FSlots.size() * 3 && !Grow())
    return TInsert::Full;
  Place(hash);
  ++FCount;
  return TInsert::Added;
}

bool TSeenStates::Grow() {
  if (FSlots.size() * 2 > FMaxSlots)
    return false;
  std::vector<uint64_t> old(FSlots.size() * 2, 0);
  old.swap(FSlots);
  for (uint64_t hash : old)
    if (hash != 0)
      Place(hash);
  return true;
}

void TSeenStates::Place(uint64_t hash) {
  const size_t mask = FSlots.size() - 1;
  size_t i = hash & mask;
  while (FSlots[i] != 0)
    i = (i + 1) & mask;
  FSlots[i] = hash;
}
