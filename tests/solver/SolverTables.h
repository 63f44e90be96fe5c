#pragma once

// Solver tables written by hand for tests, and random deals.
#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "solver/SolverTable.h"

// "7H", "10S", "KD": rank and suit as the deck names them.
inline TSolverCard Card(const std::string& name) {
  const int suit = static_cast<int>(std::string("HDCS").find(name.back()));
  const std::string rank = name.substr(0, name.size() - 1);
  const std::vector<std::string> ranks{"A", "2", "3",  "4", "5", "6", "7",
                                       "8", "9", "10", "J", "Q", "K"};
  return MakeCard(static_cast<int>(std::find(ranks.begin(), ranks.end(), rank) - ranks.begin()),
                  suit);
}

// Columns of names, bottom first; a leading "-" lays the card face down (only
// below the face-up ones). `stock` in the order the deals take it.
inline TSolverTable MakeTable(const std::vector<std::string>& columns,
                              const std::string& stock = "", int suitsHome = 0) {
  TSolverTable table;
  for (size_t c = 0; c < columns.size(); ++c) {
    std::istringstream words(columns[c]);
    for (std::string word; words >> word;) {
      const bool down = word[0] == '-';
      table.Column[c].Push(Card(down ? word.substr(1) : word));
      if (down)
        table.Column[c].Down = table.Column[c].Count;
    }
  }
  std::istringstream words(stock);
  for (std::string word; words >> word;)
    table.Stock.push_back(Card(word));
  table.SuitsHome = suitsHome;
  return table;
}

// A shuffled two-pack deal as the game lays it out: 54 cards in the columns
// (six in columns 0, 3, 6 and 9, five in the others), the top ones face up,
// 50 in the stock.
inline TSolverTable RandomDeal(unsigned seed) {
  std::vector<TSolverCard> cards;
  for (int i = 0; i < 104; ++i)
    cards.push_back(static_cast<TSolverCard>(i % 52));
  std::shuffle(cards.begin(), cards.end(), std::mt19937(seed));
  TSolverTable table;
  size_t next = 0;
  for (int c = 0; c < SolverColumns; ++c) {
    TSolverColumn& column = table.Column[static_cast<size_t>(c)];
    const int count = c % 3 == 0 ? 6 : 5;
    for (int r = 0; r < count; ++r)
      column.Push(cards[next++]);
    column.Down = static_cast<uint8_t>(count - 1);
  }
  table.Stock.assign(cards.begin() + static_cast<long>(next), cards.end());
  return table;
}

inline bool SameTable(const TSolverTable& a, const TSolverTable& b) {
  for (size_t c = 0; c < a.Column.size(); ++c) {
    const TSolverColumn &x = a.Column[c], &y = b.Column[c];
    if (x.Count != y.Count || x.Down != y.Down ||
        !std::equal(x.Cards.begin(), x.Cards.begin() + x.Count, y.Cards.begin()))
      return false;
  }
  return a.StockUsed == b.StockUsed && a.SuitsHome == b.SuitsHome && a.Stock == b.Stock;
}
