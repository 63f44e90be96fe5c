#include "cards/Deck.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cards/CardNames.h"
#include "cards/CardResources.h"

TDeck::TDeck(TRandom& random, TClock& clock, double ratio)
    : FScale(ratio), FShuffler(std::make_unique<TShuffler>(random)), FClock(&clock) {
  SetPacks(1);
}

TDeck::~TDeck() = default;

void TDeck::SetPacks(int32_t packs) {
  if (packs == FPacks)
    return;
  FPacks = packs;
  CreateCards();
  LoadPictures();
}

void TDeck::SetLargeCards(bool large) {
  if (large == FLargeCards)
    return;
  FLargeCards = large;
  LoadPictures();
}

void TDeck::SetCardBack(int32_t back) {
  if (back == FCardBack)
    return;
  FCardBack = back;
  LoadPictures();
}

void TDeck::SetPixelRatio(double ratio) {
  const TPixelScale scale(ratio);
  if (scale == FScale)
    return;
  FScale = scale;
  LoadPictures();
}

void TDeck::CreateCards() {
  Cards.clear();
  const int count = std::max(FPacks, 0) * CardsPerPack;
  Cards.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    auto card = std::make_unique<TCard>();
    card->Index = i;
    card->Rank = static_cast<uint8_t>(RankOf(i));
    card->Suit = static_cast<uint8_t>(SuitOf(i));
    card->Name = ::ShortName(card->Rank, card->Suit);
    card->ZOrder = i;
    Cards.push_back(std::move(card));
  }
  FShuffler->SetPacks(FPacks);
}

void TDeck::LoadPictures() {
  ++FPictureLoads;
  const TPictureSet set = TPictureSet::Load(FLargeCards, FCardBack, FScale.Ratio());
  SlotPicture = set.Slot;
  for (auto& card : Cards) {
    // The face shows the suit the card plays as (see Suits.h).
    card->SetFaceNumber(set.FirstFace + card->Suit * RanksPerSuit + card->Rank, FScale.Ratio());
    card->BackPicture = set.Back;
    card->MaskPicture = set.Mask;
    card->GlowPicture = set.Glow;
    card->ShadowPicture = set.Shadow;
    card->Underlay = set.Underlay;
    card->SetRuns(set.Runs);
    card->SetMetrics(set.Metrics);
  }
}

int TDeck::CardWidth() const {
  return Cards.empty() ? 0 : Cards.front()->Width();
}

int TDeck::CardHeight() const {
  return Cards.empty() ? 0 : Cards.front()->Height();
}

int TDeck::RankOf(int index) {
  return ::RankOf(index);
}

int TDeck::SuitOf(int index) {
  return ::SuitOf(index);
}

QString TDeck::ShortName(int index) const {
  if (!ValidIndex(index))
    return QStringLiteral("??");
  return ::ShortName(RankOf(index), SuitOf(index));
}

int TDeck::CardAt(QPoint p) {
  DragOffset = QPoint(0, 0);
  int best = -1;
  int result = -1;
  // Strictly greater: among equal stacking ranks the lowest index wins.
  for (const auto& card : Cards) {
    if (card->ContainsPoint(p) && card->ZOrder > best) {
      best = card->ZOrder;
      result = card->Index;
    }
  }
  if (result >= 0)
    DragOffset = p - Card(result).Position;
  return result;
}

void TDeck::Restack(TCard& card) {
  int64_t highest = 0;
  for (const auto& other : Cards) {
    if (other.get() != &card && other->Visible && card.Overlaps(*other))
      highest = std::max<int64_t>(highest, other->ZOrder);
  }
  // A card dropped onto one still held on top must not wrap around.
  card.ZOrder = static_cast<int32_t>(std::min<int64_t>(highest + 1, TopZOrder));
}

void TDeck::PlaceCards(QPoint p, const TIndices& cards, bool onTop) {
  if (cards.empty() ||
      !std::all_of(cards.begin(), cards.end(), [this](int index) { return ValidIndex(index); }))
    return;
  // The group keeps its shape; it spans far less than the room left beyond
  // the bound.
  p = BoundedPosition(p);
  const QPoint delta = (p - DragOffset) - Card(cards.front()).Position;
  for (int index : cards)
    Card(index).Visible = false;
  const auto last = static_cast<int32_t>(cards.size()) - 1;
  for (int32_t k = 0; k <= last; ++k) {
    TCard& card = Card(cards[static_cast<size_t>(k)]);
    card.Moving = onTop;
    card.Position += delta;
    if (onTop)
      card.ZOrder = TopZOrder - (last - k);
    else
      Restack(card);
    card.Visible = true;
  }
}

void TDeck::AnimateCards(QPoint from, QPoint to, int steps, int delayMs, const TIndices& cards,
                         const RefreshProc& refresh) {
  if (!refresh)
    return;
  steps = std::max(steps, 1);
  DragOffset = QPoint(0, 0);
  from = BoundedPosition(from);
  to = BoundedPosition(to);
  const double stepX = static_cast<double>(to.x() - from.x()) / steps;
  const double stepY = static_cast<double>(to.y() - from.y()) / steps;
  for (int i = 0; i <= steps; ++i) {
    // nearbyint rounds halves to even under the default rounding mode.
    const QPoint offset(static_cast<int>(std::nearbyint(stepX * i)),
                        static_cast<int>(std::nearbyint(stepY * i)));
    PlaceCards(from + offset, cards, i < steps);
    // A frame that would stay on the screen for no time at all is not
    // shown: the next frame shows what it changed too.
    if (delayMs <= 0 && i < steps)
      continue;
    refresh(true);
    FClock->Delay(delayMs);
  }
}

void TDeck::SetAllVisible(bool visible) {
  for (auto& card : Cards)
    card->Visible = visible;
}

void TDeck::ClearHighlights() {
  for (auto& card : Cards)
    card->Highlighted = false;
}
