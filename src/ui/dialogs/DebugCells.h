#pragma once

#include <QString>

class TCard;
class TDeck;
class TGameEngine;
struct TUndoItem;

// The texts of the debug window's grids, read from the game each time a
// cell is painted. In the slot grids the first row holds the pile or column
// numbers and the first column the slot numbers, counted from 1.

// "nil" for an empty slot, else name, index and face, such as "QS (50) +".
QString CardLabel(const TCard* card);

// The snapshot the next undo would restore, or nullptr when there is
// nothing to undo.
const TUndoItem* ShownUndoRecord(const TGameEngine& engine);

// Home piles 1..8 by slots 1..13; with `undo`, from the shown undo record.
QString HomeGridText(const TGameEngine& engine, bool undo, int col, int row);
// Columns 1..10 by their first 20 slots; with `undo`, from the shown undo record.
QString PileGridText(const TGameEngine& engine, bool undo, int col, int row);
// Every card of the deck, one to a row: number, name, index, face, position, visibility.
QString DeckGridText(const TDeck& deck, int col, int row);
