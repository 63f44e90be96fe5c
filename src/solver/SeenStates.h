#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The hashes of the tables a search has reached: an open-addressing set that
// doubles as it fills, but never beyond its byte limit.
class TSeenStates {
 public:
  enum class TInsert { Added, Present, Full };

  explicit TSeenStates(size_t maxBytes, size_t firstBytes = size_t{1} << 23);

  TInsert Insert(uint64_t hash);
  size_t Size() const { return FCount; }
  size_t Bytes() const { return FSlots.size() * sizeof(uint64_t); }

 private:
  bool Grow();
  void Place(uint64_t hash);

  std::vector<uint64_t> FSlots;
  size_t FCount = 0;
  size_t FMaxSlots;
};
