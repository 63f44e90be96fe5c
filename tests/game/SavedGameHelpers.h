#pragma once

// Helpers for saved-game tests: a game in the middle of play, a text that
// tells two tables apart, and edits of a saved document.
#include <QString>
#include <functional>
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "cards/Card.h"
#include "game/EngineFixture.h"

namespace saved_game {

inline void AddSnapshot(std::ostringstream& out, const TUndoItem& item) {
  out << "counter " << item.Counter << " deals " << item.DealCount << "\n";
  for (int p = 0; p < HomePiles; ++p)
    for (int s = 0; s < HomeSlots; ++s)
      if (const TCard* card = item.Home[size_t(p)][size_t(s)].Card)
        out << "home " << p << "." << s << " " << card->Index << "\n";
  for (int c = 0; c < Columns; ++c) {
    out << "column " << c << ":";
    for (int r = 0; r < PileSlots && item.Pile[size_t(c)][size_t(r)].Card; ++r)
      out << " " << item.Pile[size_t(c)][size_t(r)].Card->Index << "/"
          << int(item.Pile[size_t(c)][size_t(r)].FaceUp);
    out << "\n";
  }
  out << "stock " << item.DeckState.ShuffleIndex << ":";
  for (int32_t index : item.DeckState.DeckArray)
    out << " " << index;
  out << "\n";
}

}  // namespace saved_game

// Everything a load sets or must leave alone: the table and stock with each
// card's face flags (both flags for cards on the table), the counters, the
// state, the undo store and the game-start snapshot.
inline std::string Describe(const TGameEngine& engine) {
  std::ostringstream out;
  for (int c = 0; c < Columns; ++c) {
    out << "column " << c << ":";
    for (int r = 0; r < PileSlots && engine.Table.Slot(c, r); ++r) {
      const TCard* card = engine.Table.Slot(c, r);
      out << " " << card->Index << (card->FaceUp ? "u" : "d") << (card->DealFaceUp ? "u" : "d");
    }
    out << "\n";
  }
  for (int p = 0; p < HomePiles; ++p)
    for (int s = 0; s < HomeSlots; ++s)
      if (const TCard* card = engine.Table.HomeSlot(p, s))
        out << "home " << p << "." << s << " " << card->Index << (card->FaceUp ? "u" : "d") << "\n";
  const TShuffler& shuffler = engine.Deck().Shuffler();
  out << "stock " << shuffler.ShuffleIndex() << ":";
  for (int i = 0; i < shuffler.CardCount(); ++i) {
    const int index = shuffler.DeckArray()[size_t(i)];
    out << " " << index;
    if (i < shuffler.ShuffleIndex())
      out << (engine.Deck().Card(index).FaceUp ? "u" : "d");
  }
  out << "\ncards " << engine.CardCounter << " deals " << engine.DealCount << " moves "
      << engine.MoveCount << " state " << int(engine.GameState) << " dealt " << engine.CardsDealt
      << " undo " << engine.UndoIndex << "-" << engine.UndoFloor << "\ngame start\n";
  saved_game::AddSnapshot(out, engine.GameStart);
  return out.str();
}

// A game in play: a suit home, one row dealt, cards face down and up, and a
// game-start snapshot from a real deal.
inline void PlayMidGame(TGameEngine& engine) {
  engine.NewGame();
  ArrangeTable(engine, {"-KD 9S 8S", "-4C 10H", "5C", "KS", "KH", "KC", "QD", "QH", "QC", "QS"},
               {"S"});
  engine.DealRow();
}

// The saved document after an edit made on its tree.
inline std::string Edited(const std::string& document,
                          const std::function<void(pugi::xml_document&)>& edit) {
  pugi::xml_document tree;
  EXPECT_TRUE(tree.load_string(document.c_str()));
  edit(tree);
  std::ostringstream out;
  tree.save(out, "  ");
  return out.str();
}

// The one node an XPath names in a saved document.
inline pugi::xml_node NodeAt(pugi::xml_document& tree, const char* path) {
  const pugi::xml_node node = tree.select_node(path).node();
  EXPECT_TRUE(node) << path;
  return node;
}

inline const char* const CurrentSlot00 =
    "/Sorvane32XML/CurrentGame/UndoItem/Pile/UndoInfo[@Column='0'][@Row='0']";
inline const char* const CurrentDeckArray =
    "/Sorvane32XML/CurrentGame/UndoItem/DeckState/DeckArray";
