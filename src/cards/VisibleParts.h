#pragma once

#include <QPoint>
#include <QSize>
#include <span>
#include <vector>

#include "cards/Card.h"
#include "cards/Raster.h"

// Which pixels of each card's layers no card body above it covers, within
// one piece of the table picture. Painting bottom to top with every layer
// limited to those pixels gives the same picture as painting every card
// whole, since a body is opaque; yet a card deep in the stock or a column
// costs only its visible edge, and a dragged run's shadows only the band
// around the run.
class TVisibleParts {
 public:
  // `cards` bottom to top, painted on a piece of `size` pixels whose
  // top-left pixel is `origin` on the table picture.
  void Find(std::span<const TCard* const> cards, QPoint origin, QSize size);
  // Whether card i is drawn through Visible(i); a card whose picture does
  // not fill its outline hides nothing and is drawn whole.
  bool Clipped(size_t i) const { return FCards[i].Clipped; }
  // Card i's visible pixels of each layer, in the piece's pixels.
  TCard::TVisible Visible(size_t i) const;
  // The piece's pixels no card body covers, row by row: all that the table
  // under the cards shows. (Where a row has too many stretches to keep,
  // some covered pixels are among them.)
  std::span<const Raster::TSpan> Uncovered() const { return FUncovered; }

 private:
  // At most this many separate covered stretches are kept per row; one
  // that finds no room is left out, which only draws more.
  static constexpr int MaxStretches = 8;
  struct TRange {
    size_t First = 0, Last = 0;
  };
  struct TCardParts {
    TRange Shadow, Glow, Body;
    bool Clipped = false;
  };
  TRange AddLayer(const TCard::TLayer& layer, QPoint origin, bool covers);
  bool IsCovered(int y, int begin, int end) const;
  void AddUncovered(int y, int begin, int end);
  void Cover(int y, int begin, int end);
  std::span<const Raster::TSpan> Spans(TRange range) const;
  void FindUncovered();

  QSize FSize;
  std::vector<Raster::TSpan> FSpans;
  std::vector<TCardParts> FCards;
  std::vector<Raster::TMaskRuns::TRun> FCover;  // MaxStretches per row, sorted
  std::vector<int> FCoverCount;
  std::vector<TCard::TLayer> FBodies;  // every body seen so far
  std::vector<Raster::TSpan> FUncovered;
};
