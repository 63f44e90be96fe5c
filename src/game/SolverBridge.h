#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "solver/Search.h"

class TGameEngine;

// Between the engine and the solver: the solver's copy of the table, and the
// solver's moves as the clicks a player makes and the words the prompt
// panel shows.

// The table of the engine as the solver takes it: the columns with their
// face-down cards, the stock in the order the row deals take it, the suits
// home. A card lying face down under a face-up one counts as face down.
TSolverTable SolverTableOf(const TGameEngine& engine);

// One click: the card in slot Row of Column (Pick), the top of Column (To),
// home pile Column (Home) or the stock (Deal).
struct TPlayerAction {
  enum TKind : uint8_t { Pick, To, Home, Deal };
  TKind Kind = Deal;
  int Column = 0;
  int Row = 0;

  // The driver's command for the click: "pick 3 5", "to 7", "home 0", "deal".
  std::string Command() const;
  bool operator==(const TPlayerAction&) const = default;
};

// Clicks as the player's mouse does (a pick at the top edge of the slot).
void PlayAction(TGameEngine& engine, const TPlayerAction& action);

// Puts down a card the player picked and has not placed, so that the next
// click picks again.
void DropPick(TGameEngine& engine);

// Follows a line of solver moves from the engine's table and says, for each
// move in turn, which clicks make it and how the prompt panel names it.
// A whole suit goes to the first empty home pile.
class TMoveTranslator {
 public:
  explicit TMoveTranslator(const TGameEngine& engine);

  // The clicks for `move` on the table as it is now; then the table moves on.
  std::vector<TPlayerAction> Play(const TSolverMove& move);
  // "Move Seven of Hearts to Eight of Clubs", "Move Seven of Hearts to Empty
  // Column", "Move Spades Home" or "Deal A Row", for the table as it is now.
  QString Describe(const TSolverMove& move) const;

 private:
  TSolverTable FTable;
  uint8_t FHomesUsed = 0;  // one bit a home pile
};

// The clicks of a whole line, from the engine's table.
std::vector<TPlayerAction> LineActions(const TGameEngine& engine,
                                       const std::vector<TSolverMove>& line);

// The move to suggest: the first of a winning line found within `budget`,
// else the move the solver's order likes best; none when no move is left.
std::optional<TSolverMove> HintMove(const TGameEngine& engine, std::chrono::milliseconds budget,
                                    std::stop_token stop = {});

// Whether two tables hold the same cards in the same places, face down or
// up, with the same stock still to deal and as many suits home.
bool SameTable(const TSolverTable& a, const TSolverTable& b);
