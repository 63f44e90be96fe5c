#pragma once

#include <QImage>
#include <QSize>

// The painted card pictures: the 52 faces and the 13 back designs, at either
// card size. Pure functions of their arguments: the same pixels on every run
// and on every machine (no fonts are used; every glyph is a path).
namespace CardArt {

inline constexpr int BackDesigns = 13;

// Face of card `face` 0..51 (rank = face mod 13, suit = face div 13; suits
// Hearts, Diamonds, Clubs, Spades), RGB32 of exactly `cardSize`. Pixels outside
// the card outline are the table colour. With a device pixel ratio above 1
// the face is drawn afresh with that many pixels per table pixel (its size
// rounded up, see TPixelScale) and carries the ratio.
QImage DrawFace(int face, QSize cardSize, double ratio = 1.0);

// Back design `design` 0..12, RGB32 of exactly `cardSize`, white border,
// outside pixels in the table colour; `ratio` as for the faces.
QImage DrawBack(int design, QSize cardSize, double ratio = 1.0);

}  // namespace CardArt
