#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

// What the card picture files share: the inks, the suit and rank numbers, the
// blank canvas and its outline, and the geometry of a face. Internal to the
// card pictures; callers use CardArt.h.
namespace CardArt::Detail {

inline const QColor CardWhite(255, 255, 255);
inline const QColor RedInk(208, 16, 32);
inline const QColor BlackInk(20, 20, 24);

inline constexpr int SuitCount = 4;
inline constexpr int RankCount = 13;
inline constexpr int Ace = 0;
inline constexpr int Ten = 9;
inline constexpr int Jack = 10;
inline constexpr int Queen = 11;
inline constexpr int Spades = 3;

bool IsLarge(QSize cardSize);
bool IsRedSuit(int suit);
QColor SuitInk(int suit);

// A card-sized RGB32 picture filled with `fill`, with `ratio` device pixels
// per table pixel; a painter on it draws in table pixels.
QImage NewCanvas(QSize cardSize, const QColor& fill, double ratio);

// Makes the corners exact whatever was painted: the table colour outside the
// rounded outline and a dark line along it, one pixel of the picture wide.
void CutOutline(QImage& image);

// Turns the painter half a turn about the card's centre, so that whatever is
// drawn next appears upside down in the opposite corner.
void TurnCard(QPainter& painter, QSize cardSize);

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

// The framed picture of a Jack, Queen or King (`rank` 10..12), both halves
// and the frame, without the corner indexes.
void DrawCourt(QPainter& painter, QSize cardSize, const FaceLayout& layout, int rank, int suit);

}  // namespace CardArt::Detail
