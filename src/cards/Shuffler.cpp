#include "cards/Shuffler.h"

#include <string>

#include "cards/CardNames.h"

TShuffler::TShuffler(TRandom& random) : FRandom(random) {
  SetPacks(1);
}

void TShuffler::SetPacks(int32_t packs) {
  if (packs == FPacks)
    return;
  FPacks = packs;
  FDeckArray.resize(static_cast<size_t>(std::max(packs, 0) * CardsPerPack), 0);
}

void TShuffler::Shuffle() {
  FRandom.Randomize();
  const int count = CardCount();
  if (count > 0)
    FDeckArray[0] = 0;
  // Inside-out Fisher-Yates: each new value lands at a random place and the
  // value it displaces moves to the end.
  for (int k = 1; k < count; ++k) {
    const auto j = static_cast<size_t>(FRandom.Next(static_cast<uint32_t>(k + 1)));
    const auto last = static_cast<size_t>(k);
    if (j != last)
      FDeckArray[last] = FDeckArray[j];
    FDeckArray[j] = k;
  }
  FShuffleIndex = count;
}

bool TShuffler::NextCard(int32_t& card) {
  if (IsEmpty())
    return false;
  --FShuffleIndex;
  card = FDeckArray[static_cast<size_t>(FShuffleIndex)];
  return true;
}

int32_t TShuffler::GetState(TDeckState& state) const {
  state.DeckArray = FDeckArray;
  state.ShuffleIndex = FShuffleIndex;
  return FShuffleIndex;
}

int32_t TShuffler::SetState(const TDeckState& state) {
  CheckState(state);
  std::copy_n(state.DeckArray.begin(), FDeckArray.size(), FDeckArray.begin());
  FShuffleIndex = state.ShuffleIndex;
  return FShuffleIndex;
}

void TShuffler::CheckState(const TDeckState& state) const {
  const int count = CardCount();
  if (static_cast<int>(state.DeckArray.size()) < count)
    throw EDeckStateError("The deck order holds " + std::to_string(state.DeckArray.size()) +
                          " cards, but the deck has " + std::to_string(count) + ".");
  std::vector<bool> seen(static_cast<size_t>(count), false);
  for (int k = 0; k < count; ++k) {
    const int32_t card = state.DeckArray[static_cast<size_t>(k)];
    if (card < 0 || card >= count)
      throw EDeckStateError("The deck order names card " + std::to_string(card) +
                            ", which is not a card of the deck.");
    if (seen[static_cast<size_t>(card)])
      throw EDeckStateError("The deck order names card " + std::to_string(card) +
                            " twice; it must name every card of the deck once.");
    seen[static_cast<size_t>(card)] = true;
  }
  if (state.ShuffleIndex < 0 || state.ShuffleIndex > count)
    throw EDeckStateError("The deck state leaves " + std::to_string(state.ShuffleIndex) +
                          " cards in the stock, but the deck has " + std::to_string(count) + ".");
}
