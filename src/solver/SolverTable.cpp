#include "solver/SolverTable.h"

namespace {

uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

void TurnUpTop(TSolverColumn& column, TMoveRecord& record) {
  if (!column.Empty() && column.Down == column.Count) {
    --column.Down;
    record.TurnedUp = true;
  }
}

}  // namespace

int TSolverColumn::RunStart() const {
  if (Count == 0 || Down >= Count)
    return Count;
  int start = Count - 1;
  while (start > Down && CardSuit(At(start - 1)) == CardSuit(At(start)) &&
         CardRank(At(start - 1)) == CardRank(At(start)) + 1)
    --start;
  return start;
}

int TSolverTable::FirstEmptyColumn() const {
  for (int c = 0; c < SolverColumns; ++c)
    if (Column[static_cast<size_t>(c)].Empty())
      return c;
  return -1;
}

bool TSolverTable::Won() const {
  if (StockLeft() > 0)
    return false;
  for (const TSolverColumn& column : Column)
    if (!column.Empty())
      return false;
  return true;
}

TMoveRecord ApplyMove(TSolverTable& table, const TSolverMove& move) {
  TMoveRecord record{move, false, 0, 0};
  switch (move.Kind) {
    case TMoveKind::Run: {
      TSolverColumn& from = table.Column[move.From];
      TSolverColumn& to = table.Column[move.To];
      for (int r = move.Row; r < from.Count; ++r)
        to.Push(from.At(r));
      record.Count = static_cast<uint8_t>(from.Count - move.Row);
      from.Count = move.Row;
      TurnUpTop(from, record);
      break;
    }
    case TMoveKind::Home: {
      TSolverColumn& from = table.Column[move.From];
      record.Suit = static_cast<uint8_t>(CardSuit(from.Top()));
      from.Count = static_cast<uint8_t>(from.Count - SuitLength);
      ++table.SuitsHome;
      TurnUpTop(from, record);
      break;
    }
    case TMoveKind::Deal:
      for (auto& column : table.Column) {
        if (table.StockLeft() == 0)
          break;
        column.Push(table.Stock[static_cast<size_t>(table.StockUsed++)]);
        ++record.Count;
      }
      break;
  }
  return record;
}

void UndoMove(TSolverTable& table, const TMoveRecord& record) {
  const TSolverMove& move = record.Move;
  TSolverColumn& from = table.Column[move.From];
  const int turned = record.TurnedUp ? 1 : 0;
  switch (move.Kind) {
    case TMoveKind::Run: {
      TSolverColumn& to = table.Column[move.To];
      from.Down = static_cast<uint8_t>(from.Down + turned);
      to.Count = static_cast<uint8_t>(to.Count - record.Count);
      for (int k = 0; k < record.Count; ++k)
        from.Push(to.At(to.Count + k));
      break;
    }
    case TMoveKind::Home:
      from.Down = static_cast<uint8_t>(from.Down + turned);
      --table.SuitsHome;
      for (int rank = SuitLength - 1; rank >= 0; --rank)
        from.Push(MakeCard(rank, record.Suit));
      break;
    case TMoveKind::Deal:
      for (int c = 0; c < record.Count; ++c)
        --table.Column[static_cast<size_t>(c)].Count;
      table.StockUsed -= record.Count;
      break;
  }
}

uint64_t ColumnHash(const TSolverColumn& column) {
  uint64_t hash = Mix(column.Down);
  for (int r = 0; r < column.Count; ++r)
    hash = Mix(hash ^ column.At(r));
  return hash;
}

uint64_t TableHash(const TSolverTable& table) {
  std::array<uint64_t, SolverColumns> columnHashes{};
  for (size_t c = 0; c < table.Column.size(); ++c)
    columnHashes[c] = ColumnHash(table.Column[c]);
  return TableHash(table, columnHashes);
}

uint64_t TableHash(const TSolverTable& table,
                   const std::array<uint64_t, SolverColumns>& columnHashes) {
  const bool ordered = table.StockLeft() > 0;
  uint64_t sum = Mix(0x5EEDull + static_cast<uint64_t>(table.StockUsed));
  for (size_t c = 0; c < columnHashes.size(); ++c)
    sum += Mix(columnHashes[c] ^ (ordered ? c + 1 : 0));
  return sum;
}
