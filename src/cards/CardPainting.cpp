// Drawing cards on the table picture: the layers of one card, the whole deck
// in stacking order, the empty-slot outline and the animated turn-over.

#include <algorithm>
#include <cmath>
#include <vector>

#include "cards/Canvas.h"
#include "cards/Card.h"
#include "cards/CardResources.h"
#include "cards/Deck.h"

namespace {

constexpr QRgb HighlightFrameColour = 0xffffff00;
constexpr int GlowOpacity = 128;

}  // namespace

QRect TCard::PaintedRect() const {
  QRect painted = BoundsRect();
  if (Moving)
    painted |= ShadowRect();
  if (Highlighted)
    painted |= GlowRect() | BoundsRect().adjusted(-1, -1, 1, 1);
  return painted;
}

QRect TCard::PictureShadowRect() const {
  const QSize margin = FMetrics.DeviceShadowMargin;
  return QRect(PictureCorner(), FMetrics.DeviceSize)
      .adjusted(-margin.width(), -margin.height(), margin.width(), margin.height());
}

bool TCard::Touches(const TCanvas& canvas) const {
  return FRuns && FMetrics.Scale.Cover(PaintedRect()).intersects(canvas.Area());
}

QPoint TCard::GlowCorner() const {
  const QSize glow = FMetrics.DeviceGlowMargin;
  return PictureCorner() - QPoint(glow.width(), glow.height());
}

TCard::TLayers TCard::Layers() const {
  TLayers layers;
  if (!FRuns)
    return layers;
  const QImage& picture = DrawnPicture();
  if (picture.depth() != 32 || picture.size() != FRuns->Card.Size())
    return layers;
  layers.Body = {&FRuns->Card, PictureCorner()};
  if (Moving)
    layers.Shadow = {&FRuns->Shadow, PictureShadowRect().topLeft()};
  if (Highlighted)
    layers.Glow = {&FRuns->Glow, GlowCorner()};
  return layers;
}

void TCard::Draw(TCanvas& canvas) const {
  if (!Touches(canvas))
    return;
  QImage& table = canvas.Picture;
  const QImage& picture = DrawnPicture();
  if (Moving) {
    const QPoint at = PictureShadowRect().topLeft() - canvas.Origin;
    // The shadow under the card is covered by the card at once, unless there
    // is no picture to cover it.
    if (picture.size() == FMetrics.DeviceSize)
      Raster::BlendPremultiplied(table, at, ShadowPicture, FRuns->Shadow);
    else
      Raster::BlendPremultiplied(table, at, ShadowPicture);
  }
  if (Highlighted) {
    // The frame's fill covers the glow's middle: only its band is blended.
    Raster::BlendConstant(table, GlowCorner() - canvas.Origin, GlowPicture, GlowOpacity,
                          FRuns->Glow);
    DrawFrame(canvas);
  }
  Raster::CopyMasked(table, PictureCorner() - canvas.Origin, picture, FRuns->Card);
}

void TCard::Draw(TCanvas& canvas, const TVisible& visible) const {
  if (!Touches(canvas))
    return;
  QImage& table = canvas.Picture;
  const QPoint origin = canvas.Origin;
  if (Moving)
    Raster::BlendPremultiplied(table, PictureShadowRect().topLeft() - origin, ShadowPicture,
                               visible.Shadow);
  if (Highlighted) {
    Raster::BlendColour(table, visible.Glow, CardResources::GlowColour, GlowOpacity);
    DrawFrame(canvas);
  }
  Raster::CopyMasked(table, PictureCorner() - origin, DrawnPicture(), visible.Body);
}

// The frame's fill shows only around the body and at its round corners:
// the body, drawn next, covers the rest.
void TCard::DrawFrame(TCanvas& canvas) const {
  const int line = FMetrics.DeviceFrame;
  const QPoint body = PictureCorner() - canvas.Origin;
  const QRect frame = QRect(body, FMetrics.DeviceSize).adjusted(-line, -line, line, line);
  const Raster::TMaskRuns& runs = FRuns->Card;
  if (DrawnPicture().size() != runs.Size()) {
    Raster::FillRect(canvas.Picture, frame, canvas.Brush);
  } else {
    std::vector<Raster::TSpan> around;
    around.reserve(static_cast<size_t>(frame.height()) * 2);
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
      int from = frame.left();
      const int row = y - body.y();
      if (row >= 0 && row < runs.Size().height())
        for (auto run = runs.RowBegin(row); run != runs.RowEnd(row); ++run) {
          around.push_back({y, from, run->Begin + body.x()});
          from = run->End + body.x();
        }
      around.push_back({y, from, frame.right() + 1});
    }
    Raster::FillSpans(canvas.Picture, around, canvas.Brush);
  }
  Raster::FrameRect(canvas.Picture, frame, HighlightFrameColour, line);
}

void TCard::SaveUnderlay(const TCanvas& canvas) {
  const QRect area = PictureShadowRect().translated(-canvas.Origin);
  Underlay = canvas.Picture.copy(area).convertToFormat(QImage::Format_RGB32);
}

void TCard::RestoreUnderlay(TCanvas& canvas) const {
  Raster::CopyOpaque(canvas.Picture, PictureShadowRect().topLeft() - canvas.Origin, Underlay);
}

void TCard::DrawFlipFrame(TCanvas& canvas, double angle) const {
  // The side showing before the turn is drawn until the card stands on edge.
  const bool showFace = (FaceUp && angle < 90) || (!FaceUp && angle >= 90);
  const QImage& picture = showFace ? Face() : BackPicture;
  QRect area(PictureCorner(), FMetrics.DeviceSize);
  const int half = area.width() / 2;
  const double turned = std::abs(std::cos(angle * M_PI / 180.0));
  const int shrink = half - static_cast<int>(std::nearbyint(turned * half));
  area.adjust(shrink, 0, -shrink, 0);
  Raster::StretchOpaque(canvas.Picture, area.translated(-canvas.Origin), picture);
}

void TDeck::DrawAll(TCanvas& canvas) {
  FindVisible(canvas);
  DrawFound(canvas);
}

void TDeck::FindVisible(const TCanvas& canvas) {
  FDrawOrder.clear();
  for (auto& card : Cards)
    if (card->Visible && card->Touches(canvas))
      FDrawOrder.push_back(card.get());
  std::stable_sort(FDrawOrder.begin(), FDrawOrder.end(),
                   [](const TCard* a, const TCard* b) { return a->ZOrder < b->ZOrder; });
  FVisible.Find(FDrawOrder, canvas.Origin, canvas.Picture.size());
}

void TDeck::DrawFound(TCanvas& canvas) const {
  for (size_t i = 0; i < FDrawOrder.size(); ++i) {
    if (FVisible.Clipped(i))
      FDrawOrder[i]->Draw(canvas, FVisible.Visible(i));
    else
      FDrawOrder[i]->Draw(canvas);
  }
}

void TDeck::DrawSlot(TCanvas& canvas, int x, int y) const {
  Raster::CopyOpaque(canvas.Picture, Scale().Point(QPoint(x, y)) - canvas.Origin, SlotPicture);
}

void TDeck::DrawSlot(TCanvas& canvas, int x, int y, std::span<const Raster::TSpan> spans) const {
  Raster::CopyMasked(canvas.Picture, Scale().Point(QPoint(x, y)) - canvas.Origin, SlotPicture,
                     spans);
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
