#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "cards/Random.h"

using TDeckArray = std::vector<int32_t>;

// A copy of a shuffler's order and deal position, kept by undo records, the
// game-start snapshot and saved games.
struct TDeckState {
  TDeckArray DeckArray;
  int32_t ShuffleIndex = 0;
  bool operator==(const TDeckState&) const = default;
};

// A deck state that cannot be taken over (a damaged saved game, say).
class EDeckStateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The order in which the cards come off the stock. The stock is
// DeckArray[0 .. ShuffleIndex - 1]; dealing takes from the end.
class TShuffler {
 public:
  explicit TShuffler(TRandom& random = TRandom::Program());

  int32_t Packs() const { return FPacks; }
  const TDeckArray& DeckArray() const { return FDeckArray; }
  int32_t ShuffleIndex() const { return FShuffleIndex; }
  int CardCount() const { return static_cast<int>(FDeckArray.size()); }

  void SetPacks(int32_t packs);
  void Shuffle();
  // Takes the next card to deal; false, and `card` untouched, when none is left.
  bool NextCard(int32_t& card);
  bool IsEmpty() const { return FShuffleIndex < 1; }

  int32_t GetState(TDeckState& state) const;
  // Takes over a saved state. A state that does not describe this deck (too
  // few entries, an entry that is no card of the deck, a card named twice, a
  // deal position out of range) is refused with EDeckStateError and the shuffler stays unchanged.
  int32_t SetState(const TDeckState& state);

 private:
  void CheckState(const TDeckState& state) const;

  TRandom& FRandom;
  int32_t FPacks = 0;
  TDeckArray FDeckArray;
  int32_t FShuffleIndex = 0;
};
