// Drawing cards on the table picture: the layers of one card, the whole deck
// in stacking order, the empty-slot outline and the animated turn-over.

#include <algorithm>
#include <cmath>

#include "cards/Canvas.h"
#include "cards/Card.h"
#include "cards/Deck.h"

namespace {

constexpr QRgb HighlightFrameColour = 0xffffff00;
constexpr int GlowOpacity = 128;

}  // namespace

QRect TCard::PaintedRect() const {
  QRect painted = BoundsRect();
  if (Moving)
    painted |= CenteredRect(ShadowPicture);
  if (Highlighted)
    painted |= CenteredRect(GlowPicture) | BoundsRect().adjusted(-1, -1, 1, 1);
  return painted;
}

void TCard::Draw(TCanvas& canvas) const {
  if (!PaintedRect().intersects(canvas.Area()))
    return;
  QImage& table = canvas.Picture;
  const QPoint o = canvas.Origin;
  if (Moving)
    Raster::BlendPremultiplied(table, CenteredRect(ShadowPicture).topLeft() - o, ShadowPicture);
  if (Highlighted) {
    Raster::BlendConstant(table, CenteredRect(GlowPicture).topLeft() - o, GlowPicture, GlowOpacity);
    const QRect frame = BoundsRect().adjusted(-1, -1, 1, 1).translated(-o);
    Raster::FillRect(table, frame, canvas.Brush);
    Raster::FrameRect(table, frame, HighlightFrameColour);
  }
  const QImage& picture = FaceUp ? FacePicture : BackPicture;
  if (FMaskRuns)
    Raster::CopyMasked(table, Position - o, picture, *FMaskRuns);
}

void TCard::SaveUnderlay(const TCanvas& canvas) {
  const QRect area = CenteredRect(ShadowPicture).translated(-canvas.Origin);
  Underlay = canvas.Picture.copy(area).convertToFormat(QImage::Format_RGB32);
}

void TCard::RestoreUnderlay(TCanvas& canvas) const {
  Raster::CopyOpaque(canvas.Picture, CenteredRect(ShadowPicture).topLeft() - canvas.Origin,
                     Underlay);
}

void TCard::DrawFlipFrame(TCanvas& canvas, double angle) const {
  // The side showing before the turn is drawn until the card stands on edge.
  const bool showFace = (FaceUp && angle < 90) || (!FaceUp && angle >= 90);
  const QImage& picture = showFace ? FacePicture : BackPicture;
  QRect area = CenteredRect(picture);
  const int half = area.width() / 2;
  const double turned = std::abs(std::cos(angle * M_PI / 180.0));
  const int shrink = half - static_cast<int>(std::nearbyint(turned * half));
  area.adjust(shrink, 0, -shrink, 0);
  Raster::StretchOpaque(canvas.Picture, area.translated(-canvas.Origin), picture);
}

void TDeck::DrawAll(TCanvas& canvas) {
  FDrawOrder.clear();
  for (auto& card : Cards)
    if (card->Visible)
      FDrawOrder.push_back(card.get());
  std::stable_sort(FDrawOrder.begin(), FDrawOrder.end(),
                   [](const TCard* a, const TCard* b) { return a->ZOrder < b->ZOrder; });
  for (const TCard* card : FDrawOrder)
    card->Draw(canvas);
}

void TDeck::DrawSlot(TCanvas& canvas, int x, int y) const {
  Raster::CopyOpaque(canvas.Picture, QPoint(x, y) - canvas.Origin, SlotPicture);
}

void TDeck::FlipCard(TCard& card, TCanvas& canvas, int steps, int delayMs,
                     const RefreshProc& refresh) {
  if (refresh) {
    steps = std::max(steps, 1);
    card.Visible = false;
    refresh(true);
    card.SaveUnderlay(canvas);
    const double angleStep = 180.0 / steps;
    for (int i = 0; i <= steps; ++i) {
      card.RestoreUnderlay(canvas);
      card.DrawFlipFrame(canvas, i * angleStep);
      refresh(false);
      FClock->Delay(delayMs);
    }
  }
  card.FaceUp = !card.FaceUp;
  card.Visible = true;
  if (refresh)
    refresh(true);
}
