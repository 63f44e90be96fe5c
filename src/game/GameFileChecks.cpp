// Checking a saved game before it replaces the game on the table: both
// snapshots must describe a table the game can hold, with counters that
// agree with it; the game start must be a fresh deal, and the game on the
// table one that is still to be won.

#include <cmath>

#include "cards/Card.h"
#include "cards/CardNames.h"
#include "cards/Deck.h"
#include "cards/Suits.h"
#include "game/GameFile.h"
#include "persist/ValueText.h"

namespace {

// A new deal: six cards in every third column from the first, five in the
// others, only the top one face up; the other 50 stay in the stock and come
// out ten at a time.
constexpr int DealtColumnCards[Columns] = {6, 5, 5, 6, 5, 5, 6, 5, 5, 6};
constexpr int FreshStockCards = 50;

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
    CheckStockAgreesWithDeals();
    CheckColumnTops();
  }

  // After Run: the position right after a new deal, as Replay deals it again.
  void RunStart(const std::vector<TSavedCard>& cards) const {
    if (FItem.DealCount != 0)
      Refuse("DealCount " + std::to_string(FItem.DealCount) + " is no game start (0).");
    if (FItem.Counter != FDeck.CardCount())
      Refuse(std::to_string(FDeck.CardCount() - FItem.Counter) +
             " cards are on the home piles; a game starts with none.");
    for (int c = 0; c < Columns; ++c)
      CheckDealtColumn(c, cards);
  }

  // After Run: a game that is still to be won.
  void RunCurrent() const {
    if (FItem.Counter == 0)
      Refuse("every card is on the home piles; the game is won and there is nothing to play.");
  }

 private:
  [[noreturn]] void Refuse(const std::string& what) const {
    throw EGameFileError(std::string(FName) + ": " + what);
  }

  // Each row deal takes ten cards from the stock.
  void CheckStockAgreesWithDeals() const {
    const int32_t expected = FreshStockCards - Columns * FItem.DealCount;
    if (FItem.DeckState.ShuffleIndex != expected)
      Refuse("the stock holds " + std::to_string(FItem.DeckState.ShuffleIndex) +
             " cards, but after DealCount " + std::to_string(FItem.DealCount) +
             " row deals it holds " + std::to_string(expected) + ".");
  }

  // Play turns up every card it uncovers.
  void CheckColumnTops() const {
    for (int c = 0; c < Columns; ++c) {
      const int count = FItem.PileCount(c);
      if (count > 0 &&
          FItem.Pile[static_cast<size_t>(c)][static_cast<size_t>(count - 1)].FaceUp == 0)
        Refuse("the top card of column " + std::to_string(c) + " is face down.");
    }
  }

  // Replay turns each card as it was dealt (DealFaceUp), so a top card must
  // have been dealt face up too. A file without DealFaceUp gives each card
  // its present face, so cards below the top may have been turned up since.
  void CheckDealtColumn(int c, const std::vector<TSavedCard>& cards) const {
    const int count = FItem.PileCount(c);
    const int dealt = DealtColumnCards[c];
    if (count != dealt)
      Refuse("column " + std::to_string(c) + " holds " + std::to_string(count) +
             " cards; a new deal gives it " + std::to_string(dealt) + ".");
    for (int r = 0; r < count; ++r) {
      const TUndoInfo& slot = FItem.Pile[static_cast<size_t>(c)][static_cast<size_t>(r)];
      const bool top = r == count - 1;
      const std::string card =
          "card " + CardName(slot.Card->Index) + " in column " + std::to_string(c);
      if ((slot.FaceUp != 0) != top)
        Refuse(card + " lies face " + (top ? "down" : "up") +
               "; a new deal turns up only the top cards.");
      if (top && !cards[static_cast<size_t>(slot.Card->Index)].DealFaceUp)
        Refuse(card + " has DealFaceUp False; a new deal turns up the top cards.");
    }
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
  TSectionCheck current("CurrentGame", game.Current, deck, game.Suits);
  current.Run();
  current.RunCurrent();
  TSectionCheck start("GameStart", game.Start, deck, game.Suits);
  start.Run();
  start.RunStart(game.Cards);
  if (!(game.ElapsedTime >= 0 && game.ElapsedTime <= MaxElapsedTime))
    throw EGameFileError("ElapsedTime " + FloatText(game.ElapsedTime, '.') +
                         " is no playing time in seconds.");
}
