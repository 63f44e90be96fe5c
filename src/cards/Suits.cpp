#include "cards/Suits.h"

#include "cards/CardNames.h"
#include "cards/Deck.h"

namespace {

constexpr int Hearts = 0;
constexpr int Spades = 3;

}  // namespace

bool ValidSuitCount(int suits) {
  return suits == 1 || suits == 2 || suits == ClassicSuits;
}

int PlayedSuit(int index, int suits) {
  switch (suits) {
    case 1:
      return Spades;
    case 2:
      return (index / RanksPerSuit) % 2 == 0 ? Hearts : Spades;
    default:
      return SuitOf(index);
  }
}

void SetDeckSuits(TDeck& deck, int suits) {
  bool changed = false;
  for (auto& card : deck.Cards) {
    const auto suit = static_cast<uint8_t>(PlayedSuit(card->Index, suits));
    changed = changed || card->Suit != suit;
    card->Suit = suit;
    card->Name = ShortName(card->Rank, card->Suit);
  }
  if (changed)
    deck.LoadPictures();  // the faces follow the suits
}
