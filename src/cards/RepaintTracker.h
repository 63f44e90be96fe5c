#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

class TDeck;

// What every card and every empty place looked like when the table was last
// painted, so that the next frame repaints only where something changed: a
// card moved, turned, highlighted, restacked, shown or hidden, given other
// pictures; a place marker moved.
class TRepaintTracker {
 public:
  // The parts of the table that differ from the last call, as a few
  // rectangles that do not overlap; remembers the table as it is now.
  std::vector<QRect> Changes(const TDeck& deck, const std::vector<QRect>& places);
  // Forgets what was painted, so that the next call reports every card and place.
  void Forget();

 private:
  struct TCardLook {
    bool Visible = false;
    QPoint Position;
    bool FaceUp = false, Highlighted = false, Moving = false;
    int32_t ZOrder = 0;
    qint64 Face = 0, Back = 0;
    QRect Painted;
    bool operator==(const TCardLook&) const = default;
  };

  std::vector<TCardLook> FCards;
  std::vector<QRect> FPlaces;
};

// Rectangles merged until no two of them overlap.
std::vector<QRect> MergedRects(std::vector<QRect> rects);

// A piece of `picture` that shares its pixels: drawing on it draws on the
// picture. `area` must lie inside the picture.
QImage PictureArea(QImage& picture, const QRect& area);
