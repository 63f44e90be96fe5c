// Full redraws of a mid-game table: 104 cards, some of them on the home
// piles, most in fanned columns, the rest on the stock.
#include <benchmark/benchmark.h>

#include "cards/Canvas.h"
#include "cards/Deck.h"

namespace {

constexpr int HomeSuits = 2;
constexpr int Columns = 10;
constexpr int PerColumn = 7;

// Lays the deck out like a table in mid-game on a picture of `size`.
void LayOutMidGame(TDeck& deck, QSize size) {
  const QSize card = deck.CardSize();
  const int pitch = std::max(card.width() + 4, size.width() / Columns);
  const int fan = card.height() / 4;
  int next = 0;
  for (int home = 0; home < HomeSuits * 13; ++home, ++next)
    deck.Card(next).Position = QPoint(size.width() - 8 * pitch + (home / 13) * pitch, 8);
  for (int column = 0; column < Columns; ++column) {
    for (int row = 0; row < PerColumn; ++row, ++next) {
      TCard& dealt = deck.Card(next);
      dealt.Position = QPoint(8 + column * pitch, card.height() + 24 + row * fan);
      dealt.FaceUp = row >= 3;
    }
  }
  for (int stock = 0; next < deck.CardCount(); ++stock, ++next) {
    deck.Card(next).Position = QPoint(8 + stock / 10 * 2, 8);
    deck.Card(next).FaceUp = false;
  }
  for (auto& card : deck.Cards)
    deck.Restack(*card);
}

void FullRedraw(benchmark::State& state) {
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  TDeck deck;
  deck.SetPacks(2);
  LayOutMidGame(deck, size);
  QImage table(size, QImage::Format_RGB32);
  TCanvas canvas(table);
  for (auto _ : state) {
    table.fill(TCanvas::TableColour);
    deck.DrawAll(canvas);
    benchmark::DoNotOptimize(table.constBits());
  }
}

void DrawAllOnly(benchmark::State& state) {
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  TDeck deck;
  deck.SetPacks(2);
  LayOutMidGame(deck, size);
  QImage table(size, QImage::Format_RGB32);
  table.fill(TCanvas::TableColour);
  TCanvas canvas(table);
  for (auto _ : state) {
    deck.DrawAll(canvas);
    benchmark::DoNotOptimize(table.constBits());
  }
}

BENCHMARK(FullRedraw)->Args({1280, 800})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawAllOnly)->Args({1280, 800})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace
