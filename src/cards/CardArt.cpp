#include "cards/CardArt.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "cards/CardArtDetail.h"
#include "cards/CardGlyphs.h"
#include "cards/CardOutline.h"
#include "cards/PixelScale.h"

namespace CardArt::Detail {

namespace {

constexpr QRgb TableColour = qRgb(0, 128, 0);
constexpr QRgb OutlineColour = qRgb(56, 56, 56);

}  // namespace

bool IsLarge(QSize cardSize) {
  return cardSize.width() >= CardOutline::LargeSize.width();
}

bool IsRedSuit(int suit) {
  return suit < 2;
}

QColor SuitInk(int suit) {
  return IsRedSuit(suit) ? RedInk : BlackInk;
}

// ---------------------------------------------------------------------------
// Canvas and outline

QImage NewCanvas(QSize cardSize, const QColor& fill, double ratio) {
  const TPixelScale scale(ratio);
  QImage image(scale.Size(cardSize), QImage::Format_RGB32);
  // Set before any painter opens: painters then draw in table pixels.
  image.setDevicePixelRatio(scale.Ratio());
  image.fill(fill);
  return image;
}

void CutOutline(QImage& image) {
  const QSize size = image.size();
  const CardOutline::TShape outline(size, image.devicePixelRatio());
  for (int y = 0; y < size.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const auto [first, end] = outline.Inside(y);
    std::fill(row, row + std::clamp(first, 0, size.width()), TableColour);
    std::fill(row + std::clamp(end, first, size.width()), row + size.width(), TableColour);
    for (const auto& [from, to] : outline.BorderRuns(y))
      if (from < to)
        std::fill(row + from, row + to, OutlineColour);
  }
}

void TurnCard(QPainter& painter, QSize cardSize) {
  painter.translate(cardSize.width(), cardSize.height());
  painter.rotate(180);
}

namespace {

// ---------------------------------------------------------------------------
// Face geometry

FaceLayout LayoutFor(QSize cardSize) {
  const qreal w = cardSize.width();
  const qreal h = cardSize.height();
  if (IsLarge(cardSize))
    return {.large = true,
            .indexCentreX = 6.5,
            .indexTop = 4.0,
            .indexHeight = 9.0,
            .indexPen = 1.5,
            .indexSuitCentreY = 19.0,
            .indexSuitSize = 7.5,
            .pipSize = 12.0,
            .aceSize = 28.0,
            .spadeAceSize = 34.0,
            .pipColumnStep = 13.5,
            .pipTop = 17.5,
            .courtFrame = QRectF(12.5, 10.5, w - 25, h - 21)};
  return {.large = false,
          .indexCentreX = 5.0,
          .indexTop = 3.5,
          .indexHeight = 7.0,
          .indexPen = 1.25,
          .indexSuitCentreY = 15.0,
          .indexSuitSize = 5.6,
          .pipSize = 8.6,
          .aceSize = 20.0,
          .spadeAceSize = 25.0,
          .pipColumnStep = 10.0,
          .pipTop = 12.5,
          .courtFrame = QRectF(9.5, 8.5, w - 19, h - 17)};
}

void FillSuit(QPainter& painter, int suit, QPointF centre, qreal size, bool upsideDown,
              const QColor& ink) {
  painter.save();
  painter.translate(centre);
  if (upsideDown)
    painter.rotate(180);
  painter.scale(size, size);
  painter.fillPath(CardGlyphs::SuitShape(suit), ink);
  painter.restore();
}

// ---------------------------------------------------------------------------
// Corner index

void DrawRankCharacters(QPainter& painter, const FaceLayout& layout, int rank, const QColor& ink) {
  const qreal scale = layout.indexHeight;
  const qreal width = CardGlyphs::RankWidth(rank) * scale;
  QTransform place;
  place.translate(layout.indexCentreX - width / 2, layout.indexTop);
  place.scale(scale, scale);
  QPen pen(ink, layout.indexPen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  pen.setMiterLimit(1.5);
  painter.strokePath(place.map(CardGlyphs::RankStrokes(rank)), pen);
}

void DrawIndex(QPainter& painter, const FaceLayout& layout, int rank, int suit) {
  const QColor ink = SuitInk(suit);
  DrawRankCharacters(painter, layout, rank, ink);
  FillSuit(painter, suit, {layout.indexCentreX, layout.indexSuitCentreY}, layout.indexSuitSize,
           false, ink);
}

void DrawBothIndexes(QPainter& painter, QSize cardSize, const FaceLayout& layout, int rank,
                     int suit) {
  DrawIndex(painter, layout, rank, suit);
  painter.save();
  TurnCard(painter, cardSize);
  DrawIndex(painter, layout, rank, suit);
  painter.restore();
}

// ---------------------------------------------------------------------------
// Aces and number cards

// A pip position: column -1, 0 or 1 and row from 0 (top row) to 1 (bottom
// row). Pips below the middle are drawn upside down.
struct Pip {
  int column;
  qreal row;
};

std::vector<Pip> PipsFor(int rank) {
  constexpr qreal Third = 1.0 / 3.0;
  const std::vector<Pip> twoColumns{{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
  const std::vector<Pip> sixPack{{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
  const std::vector<Pip> eightPack{{-1, 0},         {1, 0},         {-1, Third}, {1, Third},
                                   {-1, 2 * Third}, {1, 2 * Third}, {-1, 1},     {1, 1}};
  auto with = [](std::vector<Pip> pips, std::initializer_list<Pip> extra) {
    pips.insert(pips.end(), extra);
    return pips;
  };
  switch (rank) {
    case 1:
      return {{0, 0}, {0, 1}};
    case 2:
      return {{0, 0}, {0, 0.5}, {0, 1}};
    case 3:
      return twoColumns;
    case 4:
      return with(twoColumns, {{0, 0.5}});
    case 5:
      return sixPack;
    case 6:
      return with(sixPack, {{0, 0.25}});
    case 7:
      return with(sixPack, {{0, 0.25}, {0, 0.75}});
    case 8:
      return with(eightPack, {{0, 0.5}});
    case 9:
      return with(eightPack, {{0, 1.0 / 6.0}, {0, 5.0 / 6.0}});
    default:
      return {};
  }
}

void DrawPips(QPainter& painter, QSize cardSize, const FaceLayout& layout, int rank, int suit) {
  const qreal centreX = cardSize.width() / 2.0;
  const qreal top = layout.pipTop;
  const qreal span = cardSize.height() - 2 * top;
  for (const Pip& pip : PipsFor(rank)) {
    const QPointF centre(centreX + pip.column * layout.pipColumnStep, top + pip.row * span);
    FillSuit(painter, suit, centre, layout.pipSize, pip.row > 0.5, SuitInk(suit));
  }
}

// The ace of spades carries the large ornamented pip of real decks: a ringed
// medallion with a white inlay in the blade.
void DrawSpadeAceOrnament(QPainter& painter, QPointF centre, qreal size, bool large) {
  const qreal r = size * 0.62;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(BlackInk, large ? 1.1 : 0.9));
  painter.drawEllipse(centre, r, r * 1.08);
  if (large) {
    painter.setPen(QPen(QColor(90, 90, 100), 0.6));
    painter.drawEllipse(centre, r - 2.2, r * 1.08 - 2.2);
  }
  painter.restore();
  FillSuit(painter, Spades, centre, size * 0.94, false, BlackInk);
  FillSuit(painter, Spades, centre - QPointF(0, size * 0.08), size * 0.94 * 0.34, false, CardWhite);
}

void DrawAce(QPainter& painter, QSize cardSize, const FaceLayout& layout, int suit) {
  const QPointF centre(cardSize.width() / 2.0, cardSize.height() / 2.0);
  if (suit == Spades) {
    DrawSpadeAceOrnament(painter, centre, layout.spadeAceSize, layout.large);
    return;
  }
  FillSuit(painter, suit, centre, layout.aceSize, false, SuitInk(suit));
}

}  // namespace

}  // namespace CardArt::Detail

namespace CardArt {

QImage DrawFace(int face, QSize cardSize, double ratio) {
  using namespace Detail;
  QImage image = NewCanvas(cardSize, CardWhite, ratio);
  if (face >= 0 && face < SuitCount * RankCount) {
    const int rank = face % RankCount;
    const int suit = face / RankCount;
    const FaceLayout layout = LayoutFor(cardSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (rank == Ace)
      DrawAce(painter, cardSize, layout, suit);
    else if (rank <= Ten)
      DrawPips(painter, cardSize, layout, rank, suit);
    else
      DrawCourt(painter, cardSize, layout, rank, suit);
    DrawBothIndexes(painter, cardSize, layout, rank, suit);
  }
  CutOutline(image);
  return image;
}

}  // namespace CardArt
