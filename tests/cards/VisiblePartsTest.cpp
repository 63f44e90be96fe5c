// Painting only what the bodies above leave visible, and the cloth only
// where no body lies, must give exactly the picture of every card painted
// whole, bottom to top, on the cloth: piles of many kinds, at several pixel
// ratios, on pieces of the table anywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cards/Canvas.h"
#include "cards/Deck.h"

namespace {

struct TPileCase {
  const char* Name;
  double Ratio;
  uint32_t Seed;
};

void PrintTo(const TPileCase& pile, std::ostream* os) {
  *os << pile.Name;
}

class VisiblePartsTest : public ::testing::TestWithParam<TPileCase> {};

// Cards heaped the ways a table heaps them: a jittered stock, fanned
// columns, equal home piles, a dragged run, with turned, highlighted and
// moving cards among them, stacked in a shuffled order.
void HeapCards(TDeck& deck, std::mt19937& random) {
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  std::vector<int32_t> order(static_cast<size_t>(deck.CardCount()));
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), random);
  for (int i = 0; i < deck.CardCount(); ++i) {
    TCard& card = deck.Card(i);
    switch (i % 4) {
      case 0:  // the stock
        card.Position = QPoint(5 + pick(6) - 3, 5 + pick(6) - 3);
        break;
      case 1:  // a column
        card.Position = QPoint(5 + (i % 3) * 80, 105 + (i / 12) * (3 + pick(30)));
        break;
      case 2:  // a home pile
        card.Position = QPoint(162 + (i % 2) * 80, 5);
        break;
      default:  // loose, as while dragged
        card.Position = QPoint(pick(300) - 20, pick(250) - 20);
        break;
    }
    card.FaceUp = pick(2) == 0;
    card.Highlighted = pick(6) == 0;
    card.Moving = pick(5) == 0;
    card.ZOrder = order[static_cast<size_t>(i)];
    card.Visible = pick(10) != 0;
  }
}

// The reference: every card whole, bottom to top.
void PaintWhole(const TDeck& deck, TCanvas& canvas) {
  std::vector<const TCard*> cards;
  for (const auto& card : deck.Cards)
    if (card->Visible)
      cards.push_back(card.get());
  std::stable_sort(cards.begin(), cards.end(),
                   [](const TCard* a, const TCard* b) { return a->ZOrder < b->ZOrder; });
  for (const TCard* card : cards) {
    // A highlight frame's fill covers all of its rectangle, the body's
    // round corners included.
    if (card->Highlighted) {
      const int line = card->Metrics().DeviceFrame;
      Raster::FillRect(canvas.Picture,
                       QRect(card->Metrics().Scale.Point(card->Position) - canvas.Origin,
                             card->Metrics().DeviceSize)
                           .adjusted(-line, -line, line, line),
                       canvas.Brush);
    }
    card->Draw(canvas);
  }
}

TEST_P(VisiblePartsTest, PaintsWhatWholeCardsPaint) {
  const TPileCase& pile = GetParam();
  TRandom random;
  TManualClock clock;
  TDeck deck(random, clock, pile.Ratio);
  deck.SetPacks(2);
  std::mt19937 shuffle(pile.Seed);
  HeapCards(deck, shuffle);
  const QSize table = TPixelScale(pile.Ratio).Size(QSize(330, 400));
  // The whole table, and pieces at odd places, as repaints cut them.
  for (const QRect piece : {QRect(QPoint(), table), QRect(3, 7, table.width() / 3, 90),
                            QRect(table.width() / 2, table.height() / 3, 61, table.height())}) {
    QImage whole(piece.size(), QImage::Format_RGB32);
    whole.fill(TCanvas::TableColour);
    // The cloth only where no body lies, on a piece that shows any pixel
    // left unpainted.
    QImage drawn(piece.size(), QImage::Format_RGB32);
    drawn.fill(0xffff00ff);
    TCanvas canvas(drawn, piece.topLeft());
    deck.FindVisible(canvas);
    for (const Raster::TSpan& span : deck.Uncovered())
      Raster::FillRect(drawn, QRect(span.Begin, span.Y, span.End - span.Begin, 1),
                       TCanvas::TableColour);
    deck.DrawFound(canvas);
    TCanvas reference(whole, piece.topLeft());
    PaintWhole(deck, reference);
    ASSERT_EQ(drawn, whole) << pile.Name << " in " << piece.x() << "," << piece.y() << " "
                            << piece.width() << "x" << piece.height();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, VisiblePartsTest,
                         ::testing::Values(TPileCase{"screen ratio", 1.0, 1},
                                           TPileCase{"screen ratio, other heap", 1.0, 2},
                                           TPileCase{"fitted 1.875", 1.875, 3},
                                           TPileCase{"fitted 4.375", 4.375, 4},
                                           TPileCase{"ratio 1.25", 1.25, 5}),
                         [](const auto& info) { return "seed" + std::to_string(info.param.Seed); });

}  // namespace
