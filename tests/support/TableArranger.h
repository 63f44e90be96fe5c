#pragma once

// Lays out a game table by hand for tests.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <set>
#include <vector>

#include "cards/Card.h"
#include "game/GameEngine.h"

namespace table_arranger {

// The card of that short name ("10S") not yet in `used`, of either pack.
inline TCard& Take(TGameEngine& engine, const QString& name, std::set<int>& used, int rank = -1) {
  const int suit = QStringLiteral("HDCS").indexOf(name.back());
  if (rank < 0)
    rank = QStringList{"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"}.indexOf(
        name.chopped(1));
  EXPECT_TRUE(suit >= 0 && rank >= 0) << name.toStdString();
  for (int pack = 0; pack < 2; ++pack) {
    const int index = pack * 52 + suit * 13 + rank;
    if (used.insert(index).second)
      return engine.Deck().Card(index);
  }
  ADD_FAILURE() << "no third " << name.toStdString();
  return engine.Deck().Card(0);
}

}  // namespace table_arranger

// Each column is a list of short names such as "7H"; a leading "-" puts the
// card face down. `home` lists the suits ("S", "H", ...) already sent home.
// Every other card stays in the stock. The game is in play with no moves.
inline void ArrangeTable(TGameEngine& engine, const std::vector<QString>& columns,
                         const QStringList& home = {}) {
  using table_arranger::Take;
  ClearTable(engine.Table);
  std::set<int> used;
  for (int p = 0; p < home.size(); ++p) {
    for (int rank = 0; rank < 13; ++rank) {
      TCard& card = Take(engine, QString::number(rank + 1) + home[p], used, rank);
      card.FaceUp = true;
      engine.Table.HomeSlot(p, rank) = &card;
    }
  }
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    const QStringList names = columns[static_cast<size_t>(c)].split(' ', Qt::SkipEmptyParts);
    for (int r = 0; r < names.size(); ++r) {
      QString name = names[r];
      const bool down = name.startsWith('-');
      if (down)
        name.remove(0, 1);
      TCard& card = Take(engine, name, used);
      card.FaceUp = !down;
      engine.Table.Slot(c, r) = &card;
    }
  }
  TDeckState state;
  for (int i = 0; i < 104; ++i)
    if (used.count(i) == 0)
      state.DeckArray.push_back(i);
  state.ShuffleIndex = static_cast<int32_t>(state.DeckArray.size());
  for (int i : used)
    state.DeckArray.push_back(i);
  engine.Deck().Shuffler().SetState(state);
  for (int i = 0; i < state.ShuffleIndex; ++i)
    engine.Deck().Card(state.DeckArray[static_cast<size_t>(i)]).Position = engine.StockPoint;
  engine.MoveCount = engine.SuitStreak = engine.DealCount = engine.SelectStage = 0;
  engine.GameState = gsPlaying;
  engine.CardsDealt = true;
  engine.CardCounter = 104 - 13 * static_cast<int>(home.size());
  engine.Relayout();
  engine.Redraw(true);
  engine.ResetUndo();
}

// With the spades of one pack home ({"S"}), a table of 54 cards: the stock
// holds the 50 of the row deals, so the game can be saved and loaded.
inline const std::vector<QString> MidGameColumns = {"-KD 9S 8S",          "-4C 10H",
                                                    "-AH -2H -3H -4H 5C", "-5H -6H -7H -8H KS",
                                                    "-9H -AD -2D -3D KH", "-4D -5D -6D -7D KC",
                                                    "-8D -9D -10D QD",    "-JD -AC -2C QH",
                                                    "-3C -6C -7C QC",     "-8C -9C -10C QS"};

// Every card is in exactly one place: a home slot, a column slot or the stock.
inline void ExpectEveryCardOnce(const TGameEngine& engine) {
  std::vector<int> seen(104, 0);
  const auto count = [&seen](const TCard* card) {
    if (card != nullptr)
      ++seen[static_cast<size_t>(card->Index)];
  };
  for (int p = 0; p < HomePiles; ++p)
    for (int s = 0; s < HomeSlots; ++s)
      count(engine.Table.HomeSlot(p, s));
  for (int c = 0; c < Columns; ++c)
    for (int r = 0; r < PileSlots; ++r)
      count(engine.Table.Slot(c, r));
  const TShuffler& shuffler = engine.Deck().Shuffler();
  for (int i = 0; i < shuffler.ShuffleIndex(); ++i)
    ++seen[static_cast<size_t>(shuffler.DeckArray()[static_cast<size_t>(i)])];
  for (int i = 0; i < 104; ++i)
    EXPECT_EQ(seen[static_cast<size_t>(i)], 1) << "card " << i;
}
