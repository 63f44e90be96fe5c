#include "game/HintController.h"

#include <algorithm>

#include "game/GameEngine.h"
#include "solver/MoveGenerator.h"

namespace {

// Worth no hint: the column stays as it was, only in another place.
bool MovesWholeColumnToEmpty(const TSolverTable& table, const TSolverMove& move) {
  return move.Kind == TMoveKind::Run && move.Row == 0 && table.Column[move.To].Empty();
}

}  // namespace

THintController::THintController(TGameEngine& engine, std::unique_ptr<THintSearcher> searcher)
    : FEngine(engine), FSearcher(std::move(searcher)) {}

void THintController::SetSearcher(std::unique_ptr<THintSearcher> searcher) {
  FSearcher->Cancel();
  FSearcher = std::move(searcher);
  FWaiting = false;
  FSearched = false;
}

bool THintController::Enabled() const {
  return FEngine.CardsDealt && FEngine.GameState == gsPlaying;
}

bool THintController::Playable() const {
  return Enabled() && FTable.has_value() && !FTable->Won();
}

// The shuffle's order tells one game from the next; a replay keeps it.
uint64_t THintController::GameKey() const {
  uint64_t key = 1469598103934665603ull;
  for (int32_t index : FEngine.Deck().Shuffler().DeckArray())
    key = (key ^ static_cast<uint64_t>(index)) * 1099511628211ull;
  return key;
}

void THintController::TableMayHaveChanged() {
  const uint64_t game = GameKey();
  if (game != FGame) {
    FGame = game;
    FActive = false;
    ForgetLine();
  }
  TSolverTable table = SolverTableOf(FEngine);
  if (FTable.has_value() && SameTable(table, *FTable))
    return;
  FTable = std::move(table);
  FSearcher->Cancel();
  FWaiting = false;
  FSearched = false;
  FShown = -1;
  if (OnClear)
    OnClear();
  if (FindOnLine())
    return;
  ForgetLine();
  if (FActive && Playable())
    StartSearch(BackgroundSearch);
}

void THintController::Press() {
  if (!Enabled() || FEngine.Busy || FEngine.Dragging)
    return;
  TableMayHaveChanged();
  if (FWaiting)
    return;
  if (FShown >= 0) {
    ShowChoice(FShown + 1);
    return;
  }
  FActive = true;
  if (!FSearched && !LineKnown() && !FSearcher->Running() && Playable()) {
    FWaiting = true;
    StartSearch(FirstSearch);
    return;
  }
  // A background search still running: the best move by the order now.
  ShowChoice(0);
}

void THintController::AdoptLine(const TSolverTable& table, const std::vector<TSolverMove>& line) {
  FLine = line;
  FLineTables.assign(1, table);
  for (const TSolverMove& move : FLine) {
    TSolverTable next = FLineTables.back();
    ApplyMove(next, move);
    FLineTables.push_back(std::move(next));
  }
  FLinePos = FLine.size();
  if (FTable.has_value() && FindOnLine()) {
    FSearcher->Cancel();
    FSearched = true;
  }
}

void THintController::ForgetLine() {
  FLine.clear();
  FLineTables.clear();
  FLinePos = 0;
}

// Whether the table lies on the known line, a move along it or back.
bool THintController::FindOnLine() {
  for (size_t i = 0; i < FLineTables.size(); ++i) {
    if (SameTable(FLineTables[i], *FTable)) {
      FLinePos = i;
      return true;
    }
  }
  FLinePos = FLine.size();
  return false;
}

void THintController::StartSearch(TSearchKind kind) {
  TSolveLimits limits;
  limits.Time = kind == FirstSearch ? FirstBudget : BackgroundBudget;
  ++FSearches;
  FSearcher->Start(*FTable, limits,
                   kind == FirstSearch ? THintSearcher::Normal : THintSearcher::Lowest,
                   [this, kind](const TSolveResult& result) { SearchDone(kind, result); });
}

void THintController::SearchDone(TSearchKind kind, const TSolveResult& result) {
  // In the middle of a deal or an undo, or after a change without a status
  // refresh, the answer is for another table: the refresh looks again.
  if (FEngine.Busy || !FTable.has_value() || !SameTable(SolverTableOf(FEngine), *FTable)) {
    FWaiting = false;
    if (!FEngine.Busy)
      TableMayHaveChanged();
    return;
  }
  FSearched = true;
  if (result.Status == TSolveStatus::Won) {
    AdoptLine(*FTable, result.Line);
    const std::vector<TSolverMove> choices = Choices();
    if (FShown >= 0 && choices.front() != choices[static_cast<size_t>(FShown) % choices.size()])
      FShown = -1;  // the next press starts from the line's move
  } else if (kind == FirstSearch && result.Status == TSolveStatus::Unknown) {
    FSearched = false;
    StartSearch(BackgroundSearch);  // a line may still turn up for later presses
  }
  if (FWaiting) {
    FWaiting = false;
    if (!FEngine.Dragging && Playable())
      ShowChoice(0);
  }
}

// The move of the known line or the best by the search's order first, then
// every other move in that order, the moves that only shuffle runs last. A
// run offered into one empty column is not offered into the others, and a
// whole column never into an empty one.
std::vector<TSolverMove> THintController::Choices() const {
  std::vector<TSolverMove> choices;
  if (LineKnown())
    choices.push_back(FLine[FLinePos]);
  else if (const std::optional<TSolverMove> best = BestMove(*FTable))
    choices.push_back(*best);
  std::vector<TScoredMove> moves;
  GenerateMoves(*FTable, moves);
  std::stable_sort(moves.begin(), moves.end(), [](const TScoredMove& a, const TScoredMove& b) {
    return a.Shuffle != b.Shuffle ? b.Shuffle : a.Score > b.Score;
  });
  const auto sameChoice = [this](const TSolverMove& a, const TSolverMove& b) {
    return a == b ||
           (a.Kind == TMoveKind::Run && b.Kind == TMoveKind::Run && a.From == b.From &&
            a.Row == b.Row && FTable->Column[a.To].Empty() && FTable->Column[b.To].Empty());
  };
  for (const TScoredMove& move : moves) {
    const bool known = std::any_of(choices.begin(), choices.end(),
                                   [&](const TSolverMove& m) { return sameChoice(m, move.Move); });
    if (!known && !MovesWholeColumnToEmpty(*FTable, move.Move))
      choices.push_back(move.Move);
  }
  return choices;
}

void THintController::ShowChoice(int choice) {
  if (!FTable.has_value())
    return;
  const std::vector<TSolverMove> choices = Choices();
  const bool anyCardMove = std::any_of(choices.begin(), choices.end(), [](const TSolverMove& m) {
    return m.Kind != TMoveKind::Deal;
  });
  THint hint;
  if (anyCardMove) {
    FShown = choice % static_cast<int>(choices.size());
    hint = MakeHint(choices, FShown);
  } else {
    FShown = 0;
    const bool canDeal = CanDeal(*FTable);
    hint.Kind = canDeal ? THint::hkNoMovesDeal : THint::hkNoMoves;
    hint.Text =
        canDeal ? QStringLiteral("No More Moves - Deal A Row") : QStringLiteral("No More Moves");
    if (canDeal)
      hint.Clicks = {{TPlayerAction::Deal, 0, 0}};
  }
  if (OnShow)
    OnShow(hint);
}

THint THintController::MakeHint(const std::vector<TSolverMove>& choices, int choice) const {
  THint hint;
  hint.Kind = THint::hkMove;
  hint.Move = choices[static_cast<size_t>(choice)];
  hint.FromLine = choice == 0 && LineKnown();
  hint.Choice = choice;
  hint.Choices = static_cast<int>(choices.size());
  TMoveTranslator translator(FEngine);
  hint.Text = translator.Describe(hint.Move);
  hint.Clicks = translator.Play(hint.Move);
  return hint;
}
