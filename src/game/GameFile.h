#pragma once

// The saved-game file (.svgm): an XML document with the position on the
// table, the position right after the deal, the card counter and the
// elapsed time. Loading reads everything into a TSavedGame, checks it, and
// only then hands it to the engine, so a refused file changes nothing.

#include <functional>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/GameTypes.h"

class TDeck;

// A saved game that cannot be written or read, with the reason as its text.
class EGameFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Larger files are refused before they are parsed; a real one is about 400 KB.
inline constexpr qint64 MaxGameFileSize = 16 * 1024 * 1024;
inline constexpr int MaxDealCount = 5;
// Longer playing times (about 31 years) are taken for damage.
inline constexpr double MaxElapsedTime = 1e9;

// A card's own face flags as a file gives them.
struct TSavedCard {
  bool Read = false;
  bool FaceUp = false;
  bool DealFaceUp = false;
};

// Everything a file gives, read but not yet applied.
struct TSavedGame {
  TUndoItem Current;
  TUndoItem Start;
  bool HasCurrent = false;
  bool HasStart = false;
  std::vector<TSavedCard> Cards;  // by card index; the later section's flags win
  int32_t CardCounter = 104;      // superseded by Current.Counter
  double ElapsedTime = 0;
  int Suits = 4;  // the element is written only for one or two suits
};

// Writing: the whole document, indented, as the file holds it.
// A game of fewer than four suits adds their number as the root's last child.
std::string WriteGameDocument(const TUndoItem& current, const TUndoItem& start, int32_t cardCounter,
                              double elapsedTime, int suits = 4);
void WriteSection(pugi::xml_node parent, const char* sectionName, const TUndoItem& item);

// Reading: parses a document in memory into a saved game of `deck`'s cards,
// reporting 25 more percent after each top-level element. Throws
// EGameFileError, ETypedValueError or EConvertError; checks nothing beyond
// what indexing needs (see CheckSavedGame).
TSavedGame ReadGameDocument(const char* data, size_t size, TDeck& deck,
                            const std::function<void(int)>& progress);

// Checking: the game must be one the table can hold. Throws EGameFileError
// naming what is wrong.
void CheckSavedGame(const TSavedGame& game, const TDeck& deck);
