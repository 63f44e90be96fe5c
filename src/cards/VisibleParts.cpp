#include "cards/VisibleParts.h"

#include <algorithm>

void TVisibleParts::Find(std::span<const TCard* const> cards, QPoint origin, QSize size) {
  FSize = size.expandedTo(QSize(0, 0));
  const auto rows = static_cast<size_t>(FSize.height());
  FCover.resize(rows * MaxStretches);
  FCoverCount.assign(rows, 0);
  FSpans.clear();
  FCards.assign(cards.size(), {});
  // From the top card down: each layer shows where the bodies above leave
  // room. A card's shadow and glow lie around its own body, not under it.
  FBodies.clear();
  for (size_t i = cards.size(); i-- > 0;) {
    const TCard::TLayers layers = cards[i]->Layers();
    TCardParts& parts = FCards[i];
    parts.Clipped = layers.Body.Runs != nullptr;
    if (!parts.Clipped)
      continue;
    parts.Shadow = AddLayer(layers.Shadow, origin, false);
    parts.Glow = AddLayer(layers.Glow, origin, false);
    // A body right under an equal one (a home pile, much of the stock)
    // shows nothing: no need to go through its rows.
    if (std::find(FBodies.begin(), FBodies.end(), layers.Body) != FBodies.end())
      continue;
    FBodies.push_back(layers.Body);
    parts.Body = AddLayer(layers.Body, origin, true);
  }
  FindUncovered();
}

void TVisibleParts::FindUncovered() {
  FUncovered.clear();
  for (int y = 0; y < FSize.height(); ++y) {
    const auto* stretch = FCover.data() + static_cast<size_t>(y) * MaxStretches;
    const auto* last = stretch + FCoverCount[static_cast<size_t>(y)];
    int begin = 0;
    for (; stretch != last; ++stretch) {
      if (stretch->Begin > begin)
        FUncovered.push_back({y, begin, stretch->Begin});
      begin = stretch->End;
    }
    if (begin < FSize.width())
      FUncovered.push_back({y, begin, FSize.width()});
  }
}

TCard::TVisible TVisibleParts::Visible(size_t i) const {
  const TCardParts& parts = FCards[i];
  return {Spans(parts.Shadow), Spans(parts.Glow), Spans(parts.Body)};
}

std::span<const Raster::TSpan> TVisibleParts::Spans(TRange range) const {
  return {FSpans.data() + range.First, range.Last - range.First};
}

TVisibleParts::TRange TVisibleParts::AddLayer(const TCard::TLayer& layer, QPoint origin,
                                              bool covers) {
  TRange range{FSpans.size(), FSpans.size()};
  if (layer.Runs == nullptr)
    return range;
  const Raster::TMaskRuns& runs = *layer.Runs;
  const QPoint corner = layer.Corner - origin;
  const int top = std::max(0, corner.y());
  const int bottom = std::min(FSize.height(), corner.y() + runs.Size().height());
  for (int y = top; y < bottom; ++y) {
    for (auto run = runs.RowBegin(y - corner.y()); run != runs.RowEnd(y - corner.y()); ++run) {
      const int begin = std::max(0, run->Begin + corner.x());
      const int end = std::min(FSize.width(), run->End + corner.x());
      if (begin >= end || IsCovered(y, begin, end))
        continue;
      AddUncovered(y, begin, end);
      if (covers)
        Cover(y, begin, end);
    }
  }
  range.Last = FSpans.size();
  return range;
}

// The common case deep in a pile, answered before anything is written.
bool TVisibleParts::IsCovered(int y, int begin, int end) const {
  const auto* stretch = FCover.data() + static_cast<size_t>(y) * MaxStretches;
  const auto* last = stretch + FCoverCount[static_cast<size_t>(y)];
  for (; stretch != last; ++stretch)
    if (stretch->Begin <= begin && stretch->End >= end)
      return true;
  return false;
}

void TVisibleParts::AddUncovered(int y, int begin, int end) {
  const auto* stretch = FCover.data() + static_cast<size_t>(y) * MaxStretches;
  const auto* last = stretch + FCoverCount[static_cast<size_t>(y)];
  for (; stretch != last && begin < end; ++stretch) {
    if (stretch->End <= begin)
      continue;
    if (stretch->Begin >= end)
      break;
    if (stretch->Begin > begin)
      FSpans.push_back({y, begin, stretch->Begin});
    begin = std::max(begin, stretch->End);
  }
  if (begin < end)
    FSpans.push_back({y, begin, end});
}

// Adds [begin, end) to the row's covered stretches, joining those it
// overlaps or touches.
void TVisibleParts::Cover(int y, int begin, int end) {
  auto* row = FCover.data() + static_cast<size_t>(y) * MaxStretches;
  int& count = FCoverCount[static_cast<size_t>(y)];
  int first = 0;
  while (first < count && row[first].End < begin)
    ++first;
  int past = first;
  while (past < count && row[past].Begin <= end) {
    begin = std::min(begin, row[past].Begin);
    end = std::max(end, row[past].End);
    ++past;
  }
  if (past == first) {
    if (count == MaxStretches)
      return;
    std::copy_backward(row + first, row + count, row + count + 1);
    ++count;
  } else {
    std::copy(row + past, row + count, row + first + 1);
    count -= past - first - 1;
  }
  row[first] = {begin, end};
}
