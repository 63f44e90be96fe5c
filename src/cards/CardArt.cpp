#include "cards/CardArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "cards/CardGlyphs.h"
#include "cards/CardOutline.h"

namespace CardArt {

namespace {

constexpr QRgb TableColour = qRgb(0, 128, 0);
constexpr QRgb OutlineColour = qRgb(56, 56, 56);
const QColor CardWhite(255, 255, 255);
const QColor RedInk(208, 16, 32);
const QColor BlackInk(20, 20, 24);

constexpr int SuitCount = 4;
constexpr int RankCount = 13;
constexpr int Ace = 0;
constexpr int Ten = 9;
constexpr int Jack = 10;
constexpr int Queen = 11;
constexpr int Spades = 3;

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

QImage NewCanvas(QSize cardSize, const QColor& fill) {
  QImage image(cardSize, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

// Makes the corners exact whatever was painted: the table colour outside the
// rounded outline and a dark line along it.
void CutOutline(QImage& image) {
  const QSize size = image.size();
  for (int y = 0; y < size.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      if (CardOutline::IsOutside(x, y, size))
        row[x] = TableColour;
      else if (CardOutline::IsBorder(x, y, size))
        row[x] = OutlineColour;
    }
  }
}

// Turns the painter half a turn about the card's centre, so that whatever is
// drawn next appears upside down in the opposite corner.
void TurnCard(QPainter& painter, QSize cardSize) {
  painter.translate(cardSize.width(), cardSize.height());
  painter.rotate(180);
}

// ---------------------------------------------------------------------------
// Face geometry

struct FaceLayout {
  bool large;
  qreal indexCentreX;      // centre of the corner index column
  qreal indexTop;          // top of the rank characters
  qreal indexHeight;       // height of the rank characters
  qreal indexPen;          // stroke width of the rank characters
  qreal indexSuitCentreY;  // centre of the small suit symbol below them
  qreal indexSuitSize;
  qreal pipSize;
  qreal aceSize;
  qreal spadeAceSize;
  qreal pipColumnStep;  // distance between neighbouring pip columns
  qreal pipTop;         // centre of the top pip row
  QRectF courtFrame;    // on pixel centres, so a 1-pixel pen is crisp
};

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

// ---------------------------------------------------------------------------
// Court cards
//
// Each court figure is drawn in the top half of its frame, on a grid 100 units
// wide and 80 units tall whose bottom edge is the frame's middle, then drawn a
// second time turned half a turn for the bottom half.

struct CourtPalette {
  QColor ink;     // the suit colour: robe and frame
  QColor second;  // the second garment colour
  QColor gold;
  QColor skin;
  QColor hair;
  QColor lips;
  QColor metal;
  QColor line;
  QColor fur;
};

QColor SecondColour(int suit) {
  static const std::array<QColor, SuitCount> colours{QColor(36, 84, 196), QColor(28, 132, 88),
                                                     QColor(40, 96, 200), QColor(112, 64, 176)};
  return colours[static_cast<size_t>(suit)];
}

QColor HairColour(int rank) {
  if (rank == Jack)
    return QColor(110, 66, 30);
  if (rank == Queen)
    return QColor(226, 176, 62);
  return QColor(218, 218, 226);
}

CourtPalette PaletteFor(int rank, int suit) {
  return {.ink = SuitInk(suit),
          .second = SecondColour(suit),
          .gold = QColor(236, 186, 40),
          .skin = QColor(252, 220, 184),
          .hair = HairColour(rank),
          .lips = IsRedSuit(suit) ? RedInk : QColor(196, 120, 112),
          .metal = QColor(206, 212, 224),
          .line = QColor(28, 28, 32),
          .fur = QColor(255, 255, 255)};
}

// What a court figure is drawn with: the painter (already mapped to the grid),
// the colours, and whether there is room for the finer details.
struct Court {
  QPainter& painter;
  const CourtPalette& colours;
  bool detailed;
  int suit;
};

void Shape(const Court& court, const QPainterPath& path, const QColor& fill) {
  court.painter.setBrush(fill);
  court.painter.drawPath(path);
}

void Ellipse(const Court& court, QPointF centre, qreal rx, qreal ry, const QColor& fill) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  Shape(court, path, fill);
}

void Line(const Court& court, std::initializer_list<QPointF> points, const QColor& colour,
          qreal width) {
  court.painter.strokePath(CardGlyphs::Polyline(points),
                           QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

constexpr QPointF HeadCentre(50, 29);
constexpr qreal HeadRx = 11.0;
constexpr qreal HeadRy = 13.5;
constexpr QPointF Hand(84, 72);

// Draws with the grid mirrored left to right, for figures holding their
// attribute in the other hand.
class Mirrored {
 public:
  explicit Mirrored(const Court& court) : painter_(court.painter) {
    painter_.save();
    painter_.translate(100, 0);
    painter_.scale(-1, 1);
  }
  ~Mirrored() { painter_.restore(); }
  Mirrored(const Mirrored&) = delete;
  Mirrored& operator=(const Mirrored&) = delete;

 private:
  QPainter& painter_;
};

void DrawRobe(const Court& court) {
  const CourtPalette& c = court.colours;
  QPainterPath robe;
  robe.moveTo(13, 86);
  robe.lineTo(15, 62);
  robe.cubicTo(16, 53, 25, 49, 38, 46);
  robe.lineTo(62, 46);
  robe.cubicTo(75, 49, 84, 53, 85, 62);
  robe.lineTo(87, 86);
  robe.closeSubpath();
  Shape(court, robe, c.ink);
  // Front panel in the second colour, edged in gold.
  Shape(court, Polygon({{40, 48}, {60, 48}, {64, 86}, {36, 86}}), c.second);
  Line(court, {{40, 48}, {36, 86}}, c.gold, 2.4);
  Line(court, {{60, 48}, {64, 86}}, c.gold, 2.4);
  if (!court.detailed)
    return;
  for (qreal y : {61.0, 73.0})
    Shape(court, Polygon({{50, y - 4.5}, {53.5, y}, {50, y + 4.5}, {46.5, y}}), c.gold);
  Line(court, {{18, 58}, {20, 70}, {19, 84}}, c.gold, 1.2);
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  for (QPointF dot : {QPointF(26, 60), QPointF(30, 70), QPointF(26, 80), QPointF(74, 60),
                      QPointF(70, 70), QPointF(74, 80)})
    Ellipse(court, dot, 1.2, 1.2, c.gold);
  court.painter.restore();
}

// The arm on the right of the figure, its sleeve ending in a gold cuff near
// the hand; the hand itself is drawn last, over whatever it holds.
void DrawArm(const Court& court) {
  QPainterPath arm;
  arm.moveTo(63, 50);
  arm.cubicTo(76, 51, 89, 57, 90, 69);
  arm.lineTo(79, 75);
  arm.cubicTo(77, 67, 71, 63, 60, 61);
  arm.closeSubpath();
  Shape(court, arm, court.colours.second);
  Line(court, {{78.5, 73.5}, {89.8, 67.5}}, court.colours.gold, 2.6);
}

void DrawHand(const Court& court) {
  Ellipse(court, Hand, 5.0, 4.3, court.colours.skin);
}

void DrawHead(const Court& court, bool bearded) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{45, 38}, {55, 38}, {55.5, 48}, {44.5, 48}}), c.skin);
  Ellipse(court, HeadCentre, HeadRx, HeadRy, c.skin);
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  const qreal eye = court.detailed ? 1.3 : 1.5;
  Ellipse(court, {45.5, 28}, eye, eye, c.line);
  Ellipse(court, {54.5, 28}, eye, eye, c.line);
  court.painter.restore();
  if (court.detailed) {
    Line(court, {{42.5, 25}, {47.5, 24.2}}, c.line, 0.9);
    Line(court, {{52.5, 24.2}, {57.5, 25}}, c.line, 0.9);
    Line(court, {{50, 28}, {48.7, 33}, {51, 33.2}}, c.line, 0.8);
  }
  if (!bearded)
    Line(court, {{46.5, 37}, {50, 38.2}, {53.5, 37}}, c.lips, 1.8);
}

void DrawFrameSuit(const Court& court) {
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  court.painter.translate(12, 13);
  court.painter.scale(15, 15);
  court.painter.fillPath(CardGlyphs::SuitShape(court.suit), court.colours.ink);
  court.painter.restore();
}

// --- King: crown, beard, ermine collar and a sword.

void DrawSword(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{84, 1}, {87, 7}, {87, 64}, {81, 64}, {81, 7}}), c.metal);
  if (court.detailed)
    Line(court, {{84, 8}, {84, 62}}, QColor(150, 156, 170), 0.8);
  Shape(court, Polygon({{82.5, 66}, {85.5, 66}, {85.5, 80}, {82.5, 80}}), c.hair);
  Shape(court, Polygon({{75, 63}, {93, 63}, {93, 67}, {75, 67}}), c.gold);
}

void DrawErmine(const Court& court) {
  QPainterPath collar;
  collar.moveTo(27, 47);
  collar.quadTo(50, 60, 73, 47);
  collar.lineTo(77, 55);
  collar.quadTo(50, 70, 23, 55);
  collar.closeSubpath();
  Shape(court, collar, court.colours.fur);
  if (!court.detailed)
    return;
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  for (QPointF spot : {QPointF(31, 54), QPointF(40.5, 59), QPointF(59.5, 59), QPointF(69, 54)})
    Ellipse(court, spot, 1.0, 1.7, court.colours.line);
  court.painter.restore();
}

void DrawBeard(const Court& court) {
  QPainterPath beard;
  beard.moveTo(39, 29);
  beard.cubicTo(38.5, 46, 45, 53, 50, 55);
  beard.cubicTo(55, 53, 61.5, 46, 61, 29);
  beard.cubicTo(58.5, 37, 55, 39, 50, 39);
  beard.cubicTo(45, 39, 41.5, 37, 39, 29);
  beard.closeSubpath();
  Shape(court, beard, court.colours.hair);
  QPainterPath moustache;
  moustache.moveTo(50, 34.5);
  moustache.cubicTo(46, 33.5, 42.5, 35.5, 41.5, 39);
  moustache.cubicTo(45, 37, 48, 37, 50, 37);
  moustache.cubicTo(52, 37, 55, 37, 58.5, 39);
  moustache.cubicTo(57.5, 35.5, 54, 33.5, 50, 34.5);
  moustache.closeSubpath();
  Shape(court, moustache, court.colours.hair);
}

void DrawCrown(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{36, 17}, {36, 4}, {43, 10}, {50, 1}, {57, 10}, {64, 4}, {64, 17}}),
        c.gold);
  if (court.detailed) {
    Ellipse(court, {36, 3.5}, 1.8, 1.8, c.gold);
    Ellipse(court, {50, 1}, 1.8, 1.8, c.gold);
    Ellipse(court, {64, 3.5}, 1.8, 1.8, c.gold);
  }
  Shape(court, Polygon({{35, 13}, {65, 13}, {65, 19}, {35, 19}}), c.gold);
  Ellipse(court, {50, 16}, 2.4, 2.2, c.second);
  if (court.detailed) {
    Ellipse(court, {42, 16}, 1.5, 1.5, c.ink);
    Ellipse(court, {58, 16}, 1.5, 1.5, c.ink);
  }
}

void DrawKing(const Court& court) {
  DrawSword(court);
  Ellipse(court, {50, 28}, 14, 15, court.colours.hair);
  DrawRobe(court);
  DrawArm(court);
  DrawErmine(court);
  DrawHead(court, true);
  DrawBeard(court);
  DrawCrown(court);
  DrawHand(court);
}

// --- Queen: long hair, tiara with a flower, and a rose in her hand.

void DrawQueenHair(const Court& court) {
  QPainterPath hair;
  hair.moveTo(50, 13);
  hair.cubicTo(32, 13, 33, 30, 34, 40);
  hair.cubicTo(35, 49, 30, 54, 27, 60);
  hair.lineTo(73, 60);
  hair.cubicTo(70, 54, 65, 49, 66, 40);
  hair.cubicTo(67, 30, 68, 13, 50, 13);
  hair.closeSubpath();
  Shape(court, hair, court.colours.hair);
}

void DrawFringe(const Court& court) {
  QPainterPath fringe;
  fringe.moveTo(39, 27);
  fringe.cubicTo(40, 18, 45, 15.5, 50, 15.5);
  fringe.cubicTo(55, 15.5, 60, 18, 61, 27);
  fringe.cubicTo(57, 21, 43, 21, 39, 27);
  fringe.closeSubpath();
  Shape(court, fringe, court.colours.hair);
}

void DrawNeckline(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{38, 47}, {62, 47}, {50, 61}}), c.skin);
  Line(court, {{38, 47}, {50, 61}, {62, 47}}, c.gold, 2.2);
  if (!court.detailed)
    return;
  court.painter.save();
  court.painter.setPen(Qt::NoPen);
  for (int i = 0; i < 7; ++i) {
    const qreal t = (i - 3) / 3.0;
    Ellipse(court, {50 + 7.5 * t, 50 + 4 * (1 - t * t)}, 1.1, 1.1, c.gold);
  }
  court.painter.restore();
}

QColor PetalColour(const Court& court) {
  return IsRedSuit(court.suit) ? court.colours.ink : court.colours.second;
}

void DrawBlossom(const Court& court, QPointF centre, qreal radius) {
  for (int i = 0; i < 5; ++i) {
    const qreal angle = i * 2 * std::numbers::pi / 5 - std::numbers::pi / 2;
    Ellipse(court, centre + radius * QPointF(std::cos(angle), std::sin(angle)), radius * 0.95,
            radius * 0.95, PetalColour(court));
  }
  Ellipse(court, centre, radius * 0.7, radius * 0.7, court.colours.gold);
}

void DrawTiara(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{39, 18}, {39, 11}, {44.5, 15}, {50, 8}, {55.5, 15}, {61, 11}, {61, 18}}),
        c.gold);
  if (court.detailed)
    DrawBlossom(court, {50, 5.5}, 2.4);
  else
    Ellipse(court, {50, 6.5}, 3.0, 3.0, PetalColour(court));
}

// A rose on a long stem, held in the hand at `Hand` (the queen draws it with
// the grid mirrored, so it shows on the left of the frame).
void DrawRose(const Court& court) {
  const QColor leaf(40, 132, 56);
  Line(court, {{Hand.x(), Hand.y() + 3}, {Hand.x() + 1, 56}, {Hand.x() + 2, 40}}, leaf, 2.0);
  QPainterPath leafShape;
  leafShape.moveTo(Hand.x() + 1, 54);
  leafShape.quadTo(Hand.x() - 3, 46, Hand.x() - 10, 47);
  leafShape.quadTo(Hand.x() - 6, 54, Hand.x() + 1, 54);
  Shape(court, leafShape, leaf);
  DrawBlossom(court, {Hand.x() + 2, 36}, 3.4);
}

void DrawQueen(const Court& court) {
  DrawQueenHair(court);
  DrawRobe(court);
  {
    const Mirrored mirrored(court);
    DrawArm(court);
  }
  DrawNeckline(court);
  DrawHead(court, false);
  DrawFringe(court);
  DrawTiara(court);
  const Mirrored mirrored(court);
  DrawRose(court);
  DrawHand(court);
}

// --- Jack: feathered cap, curls, ruff collar and a halberd.

void DrawHalberd(const Court& court) {
  const CourtPalette& c = court.colours;
  Shape(court, Polygon({{82.5, 8}, {85.5, 8}, {85.5, 86}, {82.5, 86}}), QColor(140, 92, 44));
  Shape(court, Polygon({{84, 0}, {87, 9}, {81, 9}}), c.metal);
  QPainterPath blade;
  blade.moveTo(85.5, 11);
  blade.quadTo(97, 13, 95, 26);
  blade.quadTo(91, 20, 85.5, 20);
  blade.closeSubpath();
  Shape(court, blade, c.metal);
}

void DrawCurls(const Court& court) {
  Ellipse(court, {50, 28}, 13.5, 14, court.colours.hair);
  for (QPointF curl : {QPointF(38, 37), QPointF(62, 37), QPointF(37.5, 30), QPointF(62.5, 30)})
    Ellipse(court, curl, 3.4, 3.6, court.colours.hair);
}

void DrawRuff(const Court& court) {
  for (int i = 0; i < 6; ++i)
    Ellipse(court, {37.5 + i * 5.0, 48.5 + (i == 0 || i == 5 ? 0 : 1.5)}, 3.3, 3.0,
            court.colours.fur);
}

void DrawCap(const Court& court) {
  const CourtPalette& c = court.colours;
  QPainterPath feather;
  feather.moveTo(57, 13);
  feather.cubicTo(61, 4, 67, 0, 75, 0);
  feather.cubicTo(71, 5, 67, 11, 62, 17);
  feather.closeSubpath();
  Shape(court, feather, c.gold);
  if (court.detailed)
    Line(court, {{59.5, 14}, {65, 6}, {73, 1}}, c.line, 0.7);
  QPainterPath cap;
  cap.moveTo(35, 20);
  cap.cubicTo(33, 8, 45, 6, 51, 6.5);
  cap.cubicTo(59, 7, 67, 11, 65, 20);
  cap.closeSubpath();
  Shape(court, cap, c.second);
  Shape(court, Polygon({{35, 16}, {65, 16}, {65, 21}, {35, 21}}), c.ink);
  if (court.detailed)
    Line(court, {{36, 18.5}, {64, 18.5}}, c.gold, 1.2);
}

void DrawJack(const Court& court) {
  DrawHalberd(court);
  DrawCurls(court);
  DrawRobe(court);
  DrawArm(court);
  DrawRuff(court);
  DrawHead(court, false);
  DrawCap(court);
  DrawHand(court);
}

// The top half of the frame, cut along a slight slant as on real court cards.
// How far the line between the two halves of a court frame rises from left to
// right, in pixels.
qreal DividerSlant(const FaceLayout& layout) {
  return layout.large ? 3.0 : 2.0;
}

QPainterPath UpperHalf(const QRectF& frame, qreal slant) {
  const qreal middle = frame.center().y();
  return Polygon({frame.topLeft(),
                  frame.topRight(),
                  {frame.right(), middle - slant},
                  {frame.left(), middle + slant}});
}

void DrawCourtHalf(QPainter& painter, const FaceLayout& layout, int rank, int suit) {
  const QRectF frame = layout.courtFrame;
  painter.setClipPath(UpperHalf(frame, DividerSlant(layout)));
  painter.translate(frame.topLeft());
  painter.scale(frame.width() / 100.0, (frame.height() / 2.0) / 80.0);
  QPen line(QColor(28, 28, 32), layout.large ? 0.75 : 0.55);
  line.setCosmetic(true);
  line.setJoinStyle(Qt::RoundJoin);
  painter.setPen(line);
  const CourtPalette colours = PaletteFor(rank, suit);
  const Court court{painter, colours, layout.large, suit};
  DrawFrameSuit(court);
  if (rank == Jack)
    DrawJack(court);
  else if (rank == Queen)
    DrawQueen(court);
  else
    DrawKing(court);
}

void DrawCourt(QPainter& painter, QSize cardSize, const FaceLayout& layout, int rank, int suit) {
  const QRectF frame = layout.courtFrame;
  painter.fillRect(frame, QColor(255, 249, 230));
  for (bool turned : {false, true}) {
    painter.save();
    if (turned)
      TurnCard(painter, cardSize);
    DrawCourtHalf(painter, layout, rank, suit);
    painter.restore();
  }
  const qreal slant = DividerSlant(layout);
  const qreal middle = frame.center().y();
  const QColor ink = SuitInk(suit);
  painter.setPen(QPen(ink, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(frame.left(), middle + slant), QPointF(frame.right(), middle - slant));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawRect(frame.adjusted(-0.5, -0.5, -0.5, -0.5));
  painter.restore();
}

// ---------------------------------------------------------------------------
// Backs

struct BackColours {
  QColor base;
  QColor fore;
  QColor accent;
};

// Everything a back pattern needs: the painter, whose origin is the centre of
// the patterned field, the field's half extents, the colours and the unit
// (1 on large cards, smaller on small ones).
struct BackField {
  QPainter& painter;
  qreal halfWidth;
  qreal halfHeight;
  qreal unit;
  BackColours colours;
};

// Calls `visit(x, y, column, row)` for a grid of points centred on the field's
// middle, `stepX` and `stepY` apart, covering the field plus a margin; with
// `staggered`, every other row is shifted by half a step.
template <typename Visit>
void ForGrid(const BackField& field, qreal stepX, qreal stepY, bool staggered, Visit visit) {
  const int columns = static_cast<int>(std::ceil(field.halfWidth / stepX)) + 1;
  const int rows = static_cast<int>(std::ceil(field.halfHeight / stepY)) + 1;
  for (int row = -rows; row <= rows; ++row) {
    const qreal shift = (staggered && (row & 1)) ? stepX / 2 : 0.0;
    for (int column = -columns; column <= columns; ++column)
      visit(column * stepX + shift, row * stepY, column, row);
  }
}

QRectF FieldRect(const BackField& field) {
  return QRectF(-field.halfWidth, -field.halfHeight, 2 * field.halfWidth, 2 * field.halfHeight);
}

// A pattern spacing of `length` large-card pixels, rounded to whole pixels so
// that the pattern repeats crisply at every card size.
qreal Step(const BackField& field, qreal length) {
  return std::max(2.0, std::round(length * field.unit));
}

void FillField(const BackField& field, const QColor& colour) {
  field.painter.fillRect(FieldRect(field), colour);
}

QPen ThinPen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void PaintLattice(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 10.0);
  const qreal reach = f.halfWidth + f.halfHeight;
  const int count = static_cast<int>(std::ceil(reach / step)) + 1;
  f.painter.setPen(ThinPen(f.colours.fore, 1.1 * f.unit));
  for (int i = -count; i <= count; ++i) {
    const qreal d = i * step;
    f.painter.drawLine(QPointF(d - reach, -reach), QPointF(d + reach, reach));
    f.painter.drawLine(QPointF(d + reach, -reach), QPointF(d - reach, reach));
  }
  // A dot in the middle of every lattice cell.
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.accent);
  ForGrid(f, step, step / 2, true, [&](qreal x, qreal y, int, int) {
    f.painter.drawEllipse(QPointF(x + step / 2, y), 1.0 * f.unit, 1.0 * f.unit);
  });
}

void PaintChecks(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 5.0);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int column, int row) {
    if ((column + row) & 1)
      f.painter.fillRect(QRectF(x - step / 2, y - step / 2, step, step), f.colours.fore);
    else
      f.painter.fillRect(QRectF(x - 0.6 * f.unit, y - 0.6 * f.unit, 1.2 * f.unit, 1.2 * f.unit),
                         f.colours.accent);
  });
}

void PaintDots(const BackField& f) {
  FillField(f, f.colours.base);
  f.painter.setPen(Qt::NoPen);
  const qreal step = Step(f, 8.0);
  ForGrid(f, step / 2, step / 2, false, [&](qreal x, qreal y, int column, int row) {
    const bool big = !(column & 1) && !(row & 1);
    const bool small = (column & 1) && (row & 1);
    if (!big && !small)
      return;
    f.painter.setBrush(big ? f.colours.fore : f.colours.accent);
    const qreal r = (big ? 2.2 : 1.0) * f.unit;
    f.painter.drawEllipse(QPointF(x, y), r, r);
  });
}

void PaintWaves(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 6.0);
  const qreal period = 14.0 * f.unit;
  const qreal amplitude = 2.0 * f.unit;
  const int rows = static_cast<int>(std::ceil(f.halfHeight / step)) + 1;
  const int waves = static_cast<int>(std::ceil(f.halfWidth / period)) + 1;
  for (int row = -rows; row <= rows; ++row) {
    QPainterPath wave;
    const qreal y = row * step;
    wave.moveTo(-waves * period, y);
    for (int i = -waves; i < waves; ++i) {
      const qreal x = i * period;
      wave.cubicTo(x + period * 0.25, y - 2 * amplitude, x + period * 0.25, y + 2 * amplitude,
                   x + period * 0.5, y);
      wave.cubicTo(x + period * 0.75, y - 2 * amplitude, x + period * 0.75, y + 2 * amplitude,
                   x + period, y);
    }
    f.painter.strokePath(wave,
                         ThinPen((row & 1) ? f.colours.accent : f.colours.fore, 1.3 * f.unit));
  }
}

void PaintStripes(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 7.0);
  const qreal reach = f.halfWidth + f.halfHeight;
  const int count = static_cast<int>(std::ceil(reach / step)) + 1;
  for (int i = -count; i <= count; ++i) {
    const qreal d = i * step;
    const QPointF a(d - reach, -reach);
    const QPointF b(d + reach, reach);
    f.painter.setPen(ThinPen(f.colours.fore, 3.0 * f.unit));
    f.painter.drawLine(a, b);
    f.painter.setPen(ThinPen(f.colours.accent, 0.8 * f.unit));
    f.painter.drawLine(a + QPointF(step / 2, 0), b + QPointF(step / 2, 0));
  }
}

void PaintHarlequin(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal stepX = Step(f, 10.0);
  const qreal stepY = Step(f, 14.0);
  f.painter.setPen(ThinPen(f.colours.accent, 0.8 * f.unit));
  ForGrid(f, stepX, stepY / 2, true, [&](qreal x, qreal y, int, int row) {
    f.painter.setBrush((row & 1) ? f.colours.fore : f.colours.base);
    f.painter.drawPolygon(QPolygonF({QPointF(x, y - stepY / 2), QPointF(x + stepX / 2, y),
                                     QPointF(x, y + stepY / 2), QPointF(x - stepX / 2, y)}));
  });
}

void PaintFrames(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 4.0);
  f.painter.setBrush(Qt::NoBrush);
  int ring = 0;
  for (qreal inset = step / 2; inset < f.halfWidth - step; inset += step, ++ring) {
    f.painter.setPen(ThinPen((ring & 1) ? f.colours.accent : f.colours.fore, 1.3 * f.unit));
    f.painter.drawRect(FieldRect(f).adjusted(inset, inset, -inset, -inset));
  }
  const qreal r = 4.0 * f.unit;
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.fore);
  f.painter.drawPolygon(
      QPolygonF({QPointF(0, -2 * r), QPointF(r, 0), QPointF(0, 2 * r), QPointF(-r, 0)}));
}

QPolygonF Star(QPointF centre, qreal outer, qreal inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const qreal angle = i * std::numbers::pi / 5 - std::numbers::pi / 2;
    const qreal r = (i & 1) ? inner : outer;
    star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
  }
  return star;
}

void PaintStars(const BackField& f) {
  FillField(f, f.colours.base);
  f.painter.setPen(Qt::NoPen);
  const qreal step = Step(f, 10.0);
  ForGrid(f, step, step * 0.6, true, [&](qreal x, qreal y, int, int row) {
    if (row & 1) {
      f.painter.setBrush(f.colours.accent);
      f.painter.drawEllipse(QPointF(x, y), 0.7 * f.unit, 0.7 * f.unit);
    } else {
      f.painter.setBrush(f.colours.fore);
      f.painter.drawPolygon(Star({x, y}, 3.2 * f.unit, 1.3 * f.unit));
    }
  });
}

void PaintScales(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal r = 4.5 * f.unit;
  // Rows from the bottom up: each row hides the top half of the row below,
  // leaving overlapping arcs like the scales of a fish.
  const int rows = static_cast<int>(std::ceil(f.halfHeight / r)) + 2;
  const int columns = static_cast<int>(std::ceil(f.halfWidth / (2 * r))) + 2;
  for (int row = rows; row >= -rows; --row) {
    const qreal shift = (row & 1) ? r : 0.0;
    for (int column = -columns; column <= columns; ++column) {
      const QPointF centre(column * 2 * r + shift, row * r);
      f.painter.setPen(ThinPen(f.colours.base, 1.0 * f.unit));
      f.painter.setBrush(f.colours.fore);
      f.painter.drawEllipse(centre, r, r);
      f.painter.setPen(ThinPen(f.colours.accent, 0.8 * f.unit));
      f.painter.drawArc(QRectF(centre.x() - 0.6 * r, centre.y() - 0.6 * r, 1.2 * r, 1.2 * r),
                        200 * 16, 140 * 16);
    }
  }
}

void PaintBasket(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal band = Step(f, 3.0);
  const qreal cell = 3 * band;
  ForGrid(f, cell, cell, false, [&](qreal x, qreal y, int column, int row) {
    const bool across = (column + row) & 1;
    for (int i = 0; i < 3; ++i) {
      const qreal offset = -cell / 2 + i * band;
      const QRectF strip = across ? QRectF(x - cell / 2, y + offset, cell, band)
                                  : QRectF(x + offset, y - cell / 2, band, cell);
      f.painter.setPen(ThinPen(f.colours.fore, 0.7 * f.unit));
      f.painter.setBrush(i == 1 ? f.colours.accent : f.colours.base);
      f.painter.drawRect(strip);
    }
  });
}

void PaintRings(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 9.0);
  const qreal r = step * 0.7;
  f.painter.setBrush(Qt::NoBrush);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int column, int row) {
    f.painter.setPen(
        ThinPen(((column + row) & 1) ? f.colours.accent : f.colours.fore, 1.2 * f.unit));
    f.painter.drawEllipse(QPointF(x, y), r, r);
  });
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.fore);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int, int) {
    f.painter.drawEllipse(QPointF(x + step / 2, y + step / 2), 1.1 * f.unit, 1.1 * f.unit);
  });
}

void PaintSunburst(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal reach = f.halfWidth + f.halfHeight;
  constexpr int Rays = 32;
  f.painter.setPen(Qt::NoPen);
  f.painter.setBrush(f.colours.fore);
  for (int i = 0; i < Rays; i += 2) {
    const qreal a0 = i * 2 * std::numbers::pi / Rays;
    const qreal a1 = (i + 1) * 2 * std::numbers::pi / Rays;
    f.painter.drawPolygon(
        QPolygonF({QPointF(0, 0), QPointF(reach * std::cos(a0), reach * std::sin(a0)),
                   QPointF(reach * std::cos(a1), reach * std::sin(a1))}));
  }
  for (qreal r : {11.0, 8.5, 6.0, 3.5}) {
    const bool light = static_cast<int>(r) % 5 == 1 || r < 4;
    f.painter.setBrush(light ? f.colours.accent : f.colours.base);
    f.painter.drawEllipse(QPointF(0, 0), r * f.unit, r * f.unit);
  }
}

void PaintTartan(const BackField& f) {
  FillField(f, f.colours.base);
  const qreal step = Step(f, 14.0);
  const qreal band = Step(f, 5.0);
  const qreal h = f.halfHeight + 1;
  const qreal w = f.halfWidth + 1;
  QColor wide = f.colours.fore;
  wide.setAlpha(150);
  const QColor thread(196, 32, 40);
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int, int) {
    f.painter.fillRect(QRectF(x - band / 2, -h, band, 2 * h), wide);
    f.painter.fillRect(QRectF(-w, y - band / 2, 2 * w, band), wide);
  });
  ForGrid(f, step, step, false, [&](qreal x, qreal y, int, int) {
    const qreal half = std::floor(step / 2);
    f.painter.fillRect(QRectF(x + half, -h, 1, 2 * h), f.colours.accent);
    f.painter.fillRect(QRectF(-w, y + half, 2 * w, 1), f.colours.accent);
    f.painter.fillRect(QRectF(x, -h, 1, 2 * h), thread);
    f.painter.fillRect(QRectF(-w, y, 2 * w, 1), thread);
  });
}

struct BackStyle {
  void (*paint)(const BackField&);
  BackColours colours;
};

const std::array<BackStyle, BackDesigns>& BackStyles() {
  static const std::array<BackStyle, BackDesigns> styles{{
      {PaintLattice, {{24, 58, 150}, {130, 170, 236}, {255, 255, 255}}},
      {PaintChecks, {{196, 30, 40}, {124, 12, 24}, {250, 210, 200}}},
      {PaintDots, {{20, 112, 52}, {190, 232, 150}, {250, 230, 120}}},
      {PaintWaves, {{84, 38, 132}, {206, 176, 244}, {240, 200, 90}}},
      {PaintStripes, {{222, 128, 28}, {150, 62, 12}, {255, 226, 150}}},
      {PaintHarlequin, {{0, 110, 122}, {96, 196, 196}, {224, 248, 244}}},
      {PaintFrames, {{122, 18, 44}, {238, 164, 178}, {246, 204, 96}}},
      {PaintStars, {{14, 24, 82}, {244, 204, 64}, {180, 200, 255}}},
      {PaintScales, {{16, 96, 160}, {110, 190, 236}, {225, 244, 255}}},
      {PaintBasket, {{196, 150, 88}, {96, 60, 22}, {150, 100, 44}}},
      {PaintRings, {{78, 92, 116}, {214, 222, 236}, {150, 190, 230}}},
      {PaintSunburst, {{164, 26, 116}, {236, 128, 196}, {255, 220, 240}}},
      {PaintTartan, {{24, 84, 44}, {22, 40, 112}, {236, 200, 60}}},
  }};
  return styles;
}

void PaintBack(QPainter& painter, QSize cardSize, const BackStyle& style) {
  const int band = IsLarge(cardSize) ? 4 : 3;
  const QRect field(band, band, cardSize.width() - 2 * band, cardSize.height() - 2 * band);
  painter.setClipRect(field);
  // The pattern's origin sits on a whole pixel near the middle, so that
  // whole-pixel spacings fall on pixel edges.
  const QPoint origin = field.topLeft() + QPoint(field.width() / 2, field.height() / 2);
  painter.translate(origin);
  const BackField backField{painter, field.width() / 2.0 + 1, field.height() / 2.0 + 1,
                            cardSize.width() / 71.0, style.colours};
  style.paint(backField);
  painter.resetTransform();
  painter.setClipping(false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(style.colours.base.darker(150));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(field.adjusted(0, 0, -1, -1));
}

}  // namespace

QImage DrawFace(int face, QSize cardSize) {
  QImage image = NewCanvas(cardSize, CardWhite);
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

QImage DrawBack(int design, QSize cardSize) {
  QImage image = NewCanvas(cardSize, CardWhite);
  if (design >= 0 && design < BackDesigns) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBack(painter, cardSize, BackStyles()[static_cast<size_t>(design)]);
  }
  CutOutline(image);
  return image;
}

}  // namespace CardArt
