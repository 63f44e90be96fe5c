#include "solver/StateCodec.h"

#include <cstring>

void AppendTable(const TSolverTable& table, std::vector<uint8_t>& bytes) {
  bytes.push_back(static_cast<uint8_t>(table.StockUsed));
  bytes.push_back(static_cast<uint8_t>(table.SuitsHome));
  for (const TSolverColumn& column : table.Column) {
    bytes.push_back(column.Count);
    bytes.push_back(column.Down);
    bytes.insert(bytes.end(), column.Cards.begin(), column.Cards.begin() + column.Count);
  }
}

void ReadTable(const uint8_t* bytes, TSolverTable& table) {
  table.StockUsed = *bytes++;
  table.SuitsHome = *bytes++;
  for (TSolverColumn& column : table.Column) {
    column.Count = *bytes++;
    column.Down = *bytes++;
    std::memcpy(column.Cards.data(), bytes, column.Count);
    bytes += column.Count;
  }
}
