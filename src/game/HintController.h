#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/HintSearch.h"
#include "game/SolverBridge.h"

class TGameEngine;

// One hint as the window shows it: the move with the clicks that would make
// it and its words for the prompt panel, or that no move is left.
struct THint {
  enum TKind : uint8_t { hkMove, hkNoMovesDeal, hkNoMoves };
  TKind Kind = hkNoMoves;
  TSolverMove Move;
  std::vector<TPlayerAction> Clicks;  // the pick and the destination, or the deal
  QString Text;
  bool FromLine = false;  // the next move of a known winning line
  int Choice = 0;         // which of the table's moves, 0 the best
  int Choices = 0;
};

// The hints of the game on the table. It spends no processor time until the
// player first asks in a game; the first press searches briefly, then after
// every change of the table a background search keeps a winning line ready,
// and a move along the known line needs no search at all. The hint never
// changes the table: it only reads a copy of it.
//
// The window tells it of every status refresh (TableMayHaveChanged); it
// answers through OnShow and OnClear. Searches run through a THintSearcher,
// so tests decide when they end.
class THintController {
 public:
  static constexpr std::chrono::milliseconds FirstBudget{300};
  static constexpr std::chrono::milliseconds BackgroundBudget{2000};

  THintController(TGameEngine& engine, std::unique_ptr<THintSearcher> searcher);

  // A hint to show now (the window highlights it); the hint shown is to go.
  std::function<void(const THint&)> OnShow;
  std::function<void()> OnClear;

  // While a dealt game is not won.
  bool Enabled() const;
  // The hint button: the next of the table's moves, or the first after a
  // change; the first press of a game may answer a little later.
  void Press();
  // After every status refresh: a changed table cancels the search for the
  // old one, drops the hint shown and, once hints were asked for in this
  // game, starts a background search unless the table lies on the known line.
  void TableMayHaveChanged();
  // A winning line of the table as it is now, found by someone else (the
  // Solve window): the hints follow it.
  void AdoptLine(const TSolverTable& table, const std::vector<TSolverMove>& line);

  // For tests and measurements.
  bool Active() const { return FActive; }
  bool Waiting() const { return FWaiting; }
  bool LineKnown() const { return FLinePos < FLine.size(); }
  int SearchesStarted() const { return FSearches; }
  THintSearcher& Searcher() { return *FSearcher; }
  void SetSearcher(std::unique_ptr<THintSearcher> searcher);

 private:
  enum TSearchKind { FirstSearch, BackgroundSearch };
  uint64_t GameKey() const;
  bool Playable() const;
  void ForgetLine();
  bool FindOnLine();
  void StartSearch(TSearchKind kind);
  void SearchDone(TSearchKind kind, const TSolveResult& result);
  std::vector<TSolverMove> Choices() const;
  void ShowChoice(int choice);
  THint MakeHint(const std::vector<TSolverMove>& choices, int choice) const;

  TGameEngine& FEngine;
  std::unique_ptr<THintSearcher> FSearcher;
  uint64_t FGame = 0;
  bool FActive = false;    // the player asked for a hint in this game
  bool FWaiting = false;   // a press waits for the first search
  bool FSearched = false;  // a search of this table ended
  int FSearches = 0;
  std::optional<TSolverTable> FTable;  // the table as last seen
  std::vector<TSolverMove> FLine;
  std::vector<TSolverTable> FLineTables;  // the table before each move of the line, and after
  size_t FLinePos = 0;
  int FShown = -1;  // the choice shown for this table, -1 none
};
