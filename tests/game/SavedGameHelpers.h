#pragma once

// Helpers for saved-game tests: a game in the middle of play, a text that
// tells two tables apart, and edits of a saved document.
#include <functional>
#include <pugixml.hpp>
#include <sstream>

#include "game/EngineFixture.h"
#include "game/GameFile.h"

// Everything a load sets or must leave alone: the table and stock with the
// face flags (both for cards on the table), counters, state, undo store and
// the game-start snapshot.
inline std::string Describe(const TGameEngine& engine) {
  std::ostringstream out;
  const auto card = [&out](const TCard* c, bool dealt) {
    out << ' ' << c->Index << (c->FaceUp ? 'u' : 'd') << (dealt && c->DealFaceUp ? "*" : "");
  };
  for (int c = 0; c < Columns; ++c)
    for (int r = 0; r < PileSlots && engine.Table.Slot(c, r); ++r)
      card(engine.Table.Slot(c, r), true), out << (r == engine.Table.LastRow(c) ? "\n" : "");
  for (const auto& pile : engine.Table.Home)
    for (const TCard* c : pile)
      if (c != nullptr)
        card(c, false);
  const TShuffler& stock = engine.Deck().Shuffler();
  out << "\nstock " << stock.ShuffleIndex() << ':';
  for (int i = 0; i < stock.ShuffleIndex(); ++i)
    card(&engine.Deck().Card(stock.DeckArray()[size_t(i)]), false);
  out << "\ncards " << engine.CardCounter << " deals " << engine.DealCount << " moves "
      << engine.MoveCount << " state " << int(engine.GameState) << " dealt " << engine.CardsDealt
      << " undo " << engine.UndoIndex << '-' << engine.UndoFloor << "\nstart "
      << engine.GameStart.Counter << ' ' << engine.GameStart.DealCount << ':';
  for (const auto& column : engine.GameStart.Pile)
    for (const TUndoInfo& slot : column)
      if (slot.Card != nullptr)
        out << ' ' << slot.Card->Index << '/' << int(slot.FaceUp);
  for (int32_t index : engine.GameStart.DeckState.DeckArray)
    out << ' ' << index;
  return out.str();
}

// A game in play: a suit home, one row dealt (the stock holds 40 cards),
// cards face down and up, and a game-start snapshot from a real deal.
inline void PlayMidGame(TGameEngine& engine) {
  engine.NewGame();
  ArrangeTable(engine, MidGameColumns, {"S"});
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

inline const char* const Card00 =
    "/Sorvane32XML/CurrentGame/UndoItem/Pile/UndoInfo[@Column='0'][@Row='0']/Card";
inline const char* const CurrentDeckArray = "/*/CurrentGame/UndoItem/DeckState/DeckArray";
