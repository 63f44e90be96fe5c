#include "cards/RepaintTracker.h"

#include "cards/Card.h"
#include "cards/Deck.h"

std::vector<QRect> TRepaintTracker::Changes(const TDeck& deck, const std::vector<QRect>& places) {
  std::vector<QRect> changed;
  // Where a card was and where it is are two areas: a card dealt across the
  // table must not repaint all that lies between.
  const auto mark = [&changed](const QRect& before, const QRect& now) {
    for (const QRect& area : {before, now})
      if (!area.isEmpty())
        changed.push_back(area);
  };
  const size_t count = static_cast<size_t>(deck.CardCount());
  if (FCards.size() != count)
    FCards.assign(count, TCardLook{});
  for (size_t i = 0; i < count; ++i) {
    const TCard& card = *deck.Cards[i];
    TCardLook look;
    if (card.Visible)
      look = {true,
              card.Position,
              card.FaceUp,
              card.Highlighted,
              card.Moving,
              card.ZOrder,
              card.FaceKey(),
              card.BackPicture.cacheKey(),
              card.PaintedRect()};
    if (!(look == FCards[i]))
      mark(FCards[i].Painted, look.Painted);
    FCards[i] = look;
  }
  if (places != FPlaces) {
    for (const QRect& place : FPlaces)
      mark(place, {});
    for (const QRect& place : places)
      mark(place, {});
    FPlaces = places;
  }
  return MergedRects(std::move(changed));
}

void TRepaintTracker::Forget() {
  FCards.clear();
  FPlaces.clear();
}

std::vector<QRect> MergedRects(std::vector<QRect> rects) {
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < rects.size() && !merged; ++i) {
      for (size_t j = i + 1; j < rects.size(); ++j) {
        if (rects[i].intersects(rects[j])) {
          rects[i] |= rects[j];
          rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
          merged = true;
          break;
        }
      }
    }
  }
  return rects;
}

QImage PictureArea(QImage& picture, const QRect& area) {
  uchar* first =
      picture.bits() + area.y() * picture.bytesPerLine() + area.x() * (picture.depth() / 8);
  return QImage(first, area.width(), area.height(), picture.bytesPerLine(), picture.format());
}
