#include "game/SolverBridge.h"

#include <algorithm>

#include "cards/Card.h"
#include "cards/CardNames.h"
#include "game/GameEngine.h"

namespace {

TSolverCard SolverCard(const TCard& card) {
  return MakeCard(card.Rank, card.Suit);
}

TSolverColumn SolverColumnOf(const TGameEngine& engine, int c) {
  TSolverColumn column;
  const int count = engine.Table.PileCount(c);
  for (int r = 0; r < count; ++r) {
    const TCard& card = *engine.Table.Slot(c, r);
    column.Push(SolverCard(card));
    if (!card.FaceUp)
      column.Down = static_cast<uint8_t>(r + 1);
  }
  return column;
}

QString CardName(TSolverCard card) {
  return LongName(CardRank(card), CardSuit(card));
}

QString SuitName(int suit) {
  return LongName(0, suit).section(QStringLiteral(" of "), 1);
}

}  // namespace

TSolverTable SolverTableOf(const TGameEngine& engine) {
  TSolverTable table;
  for (int c = 0; c < Columns; ++c)
    table.Column[static_cast<size_t>(c)] = SolverColumnOf(engine, c);
  for (int p = 0; p < HomePiles; ++p)
    table.SuitsHome += engine.Table.HomeSlot(p, 0) != nullptr ? 1 : 0;
  const TShuffler& shuffler = engine.Deck().Shuffler();
  for (int i = shuffler.ShuffleIndex() - 1; i >= 0; --i)
    table.Stock.push_back(
        SolverCard(engine.Deck().Card(shuffler.DeckArray()[static_cast<size_t>(i)])));
  return table;
}

std::string TPlayerAction::Command() const {
  switch (Kind) {
    case Pick:
      return "pick " + std::to_string(Column) + ' ' + std::to_string(Row);
    case To:
      return "to " + std::to_string(Column);
    case Home:
      return "home " + std::to_string(Column);
    case Deal:
      break;
  }
  return "deal";
}

void PlayAction(TGameEngine& engine, const TPlayerAction& action) {
  QPoint point = engine.DealRect.center();
  switch (action.Kind) {
    case TPlayerAction::Pick:
    case TPlayerAction::To: {
      const int row =
          action.Kind == TPlayerAction::Pick ? action.Row : engine.Table.LastRow(action.Column);
      point = engine.SlotPoint(action.Column, row) + QPoint(engine.Deck().CardWidth() / 2, 3);
      break;
    }
    case TPlayerAction::Home:
      point = engine.HomePoint(action.Column) + QPoint(10, 10);
      break;
    case TPlayerAction::Deal:
      break;
  }
  engine.TableMouseDown(mbLeft, point.x(), point.y());
  engine.TableMouseUp(point.x(), point.y());
}

void DropPick(TGameEngine& engine) {
  if (engine.SelectStage == 0)
    return;
  if (TCard* card = engine.Selection[0].Card)
    card->Highlighted = false;
  engine.SelectStage = 0;
  engine.Dragging = false;
}

TMoveTranslator::TMoveTranslator(const TGameEngine& engine) : FTable(SolverTableOf(engine)) {
  for (int p = 0; p < HomePiles; ++p)
    if (engine.Table.HomeSlot(p, 0) != nullptr)
      FHomesUsed = static_cast<uint8_t>(FHomesUsed | 1u << p);
}

std::vector<TPlayerAction> TMoveTranslator::Play(const TSolverMove& move) {
  std::vector<TPlayerAction> actions;
  const TSolverColumn& source = FTable.Column[move.From];
  switch (move.Kind) {
    case TMoveKind::Run:
      actions = {{TPlayerAction::Pick, move.From, move.Row}, {TPlayerAction::To, move.To, 0}};
      break;
    case TMoveKind::Home: {
      int pile = 0;
      while (pile < HomePiles - 1 && (FHomesUsed & 1u << pile) != 0)
        ++pile;
      FHomesUsed = static_cast<uint8_t>(FHomesUsed | 1u << pile);
      actions = {{TPlayerAction::Pick, move.From, source.Count - SuitLength},
                 {TPlayerAction::Home, pile, 0}};
      break;
    }
    case TMoveKind::Deal:
      actions = {{TPlayerAction::Deal, 0, 0}};
      break;
  }
  ApplyMove(FTable, move);
  return actions;
}

QString TMoveTranslator::Describe(const TSolverMove& move) const {
  const TSolverColumn& source = FTable.Column[move.From];
  switch (move.Kind) {
    case TMoveKind::Run: {
      const TSolverColumn& dest = FTable.Column[move.To];
      const QString target = dest.Empty() ? QStringLiteral("Empty Column") : CardName(dest.Top());
      return QStringLiteral("Move %1 to %2").arg(CardName(source.At(move.Row)), target);
    }
    case TMoveKind::Home:
      return QStringLiteral("Move %1 Home").arg(SuitName(CardSuit(source.Top())));
    case TMoveKind::Deal:
      break;
  }
  return QStringLiteral("Deal A Row");
}

std::vector<TPlayerAction> LineActions(const TGameEngine& engine,
                                       const std::vector<TSolverMove>& line) {
  TMoveTranslator translator(engine);
  std::vector<TPlayerAction> actions;
  for (const TSolverMove& move : line)
    for (const TPlayerAction& action : translator.Play(move))
      actions.push_back(action);
  return actions;
}

std::optional<TSolverMove> HintMove(const TGameEngine& engine, std::chrono::milliseconds budget,
                                    std::stop_token stop) {
  const TSolverTable table = SolverTableOf(engine);
  TSolveLimits limits;
  limits.Time = budget;
  const TSolveResult result = Solve(table, limits, std::move(stop));
  if (result.Status == TSolveStatus::Won && !result.Line.empty())
    return result.Line.front();
  return BestMove(table);
}

bool SameTable(const TSolverTable& a, const TSolverTable& b) {
  if (a.SuitsHome != b.SuitsHome || a.StockLeft() != b.StockLeft() ||
      !std::equal(a.Stock.begin() + a.StockUsed, a.Stock.end(), b.Stock.begin() + b.StockUsed))
    return false;
  for (size_t c = 0; c < a.Column.size(); ++c) {
    const TSolverColumn& x = a.Column[c];
    const TSolverColumn& y = b.Column[c];
    if (x.Count != y.Count || x.Down != y.Down ||
        !std::equal(x.Cards.begin(), x.Cards.begin() + x.Count, y.Cards.begin()))
      return false;
  }
  return true;
}
