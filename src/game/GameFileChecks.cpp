// Checking a saved game before it replaces the game on the table: both
// snapshots must describe a table the game can hold.

#include <cmath>

#include "cards/Card.h"
#include "cards/CardNames.h"
#include "cards/Deck.h"
#include "cards/Suits.h"
#include "game/GameFile.h"
#include "persist/ValueText.h"

namespace {

class TSectionCheck {
 public:
  TSectionCheck(const char* name, const TUndoItem& item, const TDeck& deck, int suits)
      : FName(name),
        FItem(item),
        FDeck(deck),
        FSuits(suits),
        FPlaces(static_cast<size_t>(deck.CardCount()), 0) {}

  void Run() {
    CheckDeckOrder();
    if (FItem.DealCount < 0 || FItem.DealCount > MaxDealCount)
      Refuse("DealCount " + std::to_string(FItem.DealCount) + " is outside 0.." +
             std::to_string(MaxDealCount) + ".");
    const int homeCards = CheckHomePiles();
    CheckColumns();
    CheckStock();
    CheckEveryCardOnce();
    const int32_t away = FDeck.CardCount() - homeCards;
    if (FItem.Counter != away)
      Refuse("Counter " + std::to_string(FItem.Counter) + " does not match the " +
             std::to_string(away) + " cards that are not on the home piles.");
  }

 private:
  [[noreturn]] void Refuse(const std::string& what) const {
    throw EGameFileError(std::string(FName) + ": " + what);
  }

  std::string CardName(int index) const {
    return std::to_string(index) + " (" +
           ShortName(RankOf(index), PlayedSuit(index, FSuits)).toStdString() + ")";
  }

  void Count(const TCard* card) {
    if (card != nullptr)
      ++FPlaces[static_cast<size_t>(card->Index)];
  }

  // A permutation of the deck's card indices.
  void CheckDeckOrder() const {
    const TDeckArray& order = FItem.DeckState.DeckArray;
    if (static_cast<int>(order.size()) != FDeck.CardCount())
      Refuse("the file holds no deck order (DeckState, DeckArray) for it.");
    std::vector<bool> seen(order.size(), false);
    for (const int32_t card : order) {
      if (card < 0 || card >= FDeck.CardCount())
        Refuse("the deck order names card " + std::to_string(card) +
               ", which is not a card of the deck.");
      if (seen[static_cast<size_t>(card)])
        Refuse("the deck order names card " + CardName(card) + " twice.");
      seen[static_cast<size_t>(card)] = true;
    }
  }

  // Each home pile is empty or holds one whole suit, Ace to King.
  int CheckHomePiles() {
    int homeCards = 0;
    for (int p = 0; p < HomePiles; ++p) {
      const auto& pile = FItem.Home[static_cast<size_t>(p)];
      const TCard* ace = pile[0].Card;
      bool empty = true, fullSuit = ace != nullptr;
      for (int s = 0; s < HomeSlots; ++s) {
        const TCard* card = pile[static_cast<size_t>(s)].Card;
        empty = empty && card == nullptr;
        // The suits are the file's, not those of the game on the table.
        fullSuit = fullSuit && card != nullptr && card->Rank == s &&
                   PlayedSuit(card->Index, FSuits) == PlayedSuit(ace->Index, FSuits);
        Count(card);
      }
      if (!empty && !fullSuit)
        Refuse("home pile " + std::to_string(p) + " is neither empty nor a whole suit.");
      homeCards += empty ? 0 : HomeSlots;
    }
    return homeCards;
  }

  // Columns fill from row 0 upward without gaps.
  void CheckColumns() {
    for (int c = 0; c < Columns; ++c) {
      const auto& column = FItem.Pile[static_cast<size_t>(c)];
      bool ended = false;
      for (int r = 0; r < PileSlots; ++r) {
        const TCard* card = column[static_cast<size_t>(r)].Card;
        if (card != nullptr && ended)
          Refuse("column " + std::to_string(c) + " has a gap below row " + std::to_string(r) + ".");
        ended = ended || card == nullptr;
        Count(card);
      }
    }
  }

  void CheckStock() {
    const TDeckState& state = FItem.DeckState;
    for (int i = 0; i < state.ShuffleIndex; ++i)
      ++FPlaces[static_cast<size_t>(state.DeckArray[static_cast<size_t>(i)])];
  }

  void CheckEveryCardOnce() const {
    for (int i = 0; i < FDeck.CardCount(); ++i) {
      const int places = FPlaces[static_cast<size_t>(i)];
      if (places == 0)
        Refuse("card " + CardName(i) + " is neither on the table nor in the stock.");
      if (places > 1)
        Refuse("card " + CardName(i) + " lies in " + std::to_string(places) + " places at once.");
    }
  }

  const char* FName;
  const TUndoItem& FItem;
  const TDeck& FDeck;
  int FSuits;
  std::vector<int> FPlaces;
};

}  // namespace

void CheckSavedGame(const TSavedGame& game, const TDeck& deck) {
  if (!game.HasCurrent)
    throw EGameFileError("The file holds no CurrentGame.");
  if (!game.HasStart)
    throw EGameFileError("The file holds no GameStart.");
  if (!ValidSuitCount(game.Suits))
    throw EGameFileError("Suits " + std::to_string(game.Suits) +
                         " is no number of suits the game deals: 1, 2 or 4.");
  TSectionCheck("CurrentGame", game.Current, deck, game.Suits).Run();
  TSectionCheck("GameStart", game.Start, deck, game.Suits).Run();
  if (!(game.ElapsedTime >= 0 && game.ElapsedTime <= MaxElapsedTime))
    throw EGameFileError("ElapsedTime " + FloatText(game.ElapsedTime, '.') +
                         " is no playing time in seconds.");
}
