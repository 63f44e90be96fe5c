#include "cards/Card.h"

#include "cards/CardNames.h"
#include "cards/CardResources.h"

const QImage& TCard::Face() const {
  if (FacePicture.isNull() && FFaceNumber >= 0)
    FacePicture = CardResources::Picture(FFaceNumber, FFaceRatio);
  return FacePicture;
}

void TCard::SetFaceNumber(int number, double ratio) {
  FFaceNumber = number;
  FFaceRatio = ratio;
  FacePicture = QImage();
}

// A numbered face keys as its number and ratio (negative, so never a
// picture's cache key); a face given directly keys as its picture.
qint64 TCard::FaceKey() const {
  if (FFaceNumber < 0)
    return FacePicture.cacheKey();
  return -(static_cast<qint64>(FFaceNumber) * 100000 + qRound64(FFaceRatio * 1000) + 1);
}

QRect TCard::BoundsRect() const {
  // Right and bottom are one past the card, as the hit test expects.
  return QRect(Position, QSize(Width(), Height()));
}

bool TCard::ContainsPoint(QPoint p) const {
  return p.x() >= Position.x() && p.x() < Position.x() + Width() && p.y() >= Position.y() &&
         p.y() < Position.y() + Height();
}

bool TCard::Overlaps(const TCard& other) const {
  const int aLeft = Position.x(), aTop = Position.y();
  const int aRight = aLeft + Width(), aBottom = aTop + Height();
  const int bLeft = other.Position.x(), bTop = other.Position.y();
  const int bRight = bLeft + other.Width(), bBottom = bTop + other.Height();
  // Touching edges count as overlapping.
  return aRight >= bLeft && bRight >= aLeft && aBottom >= bTop && bBottom >= aTop;
}

QRect TCard::CenteredRect(const QImage& picture) const {
  // The glow and the shadow reach whole table pixels beyond the card, which
  // their pictures, rounded to device pixels, may not show exactly.
  const TCardMetrics& m = FMetrics;
  if (picture.size() == m.DeviceSize + 2 * m.DeviceGlowMargin)
    return GlowRect();
  if (picture.size() == m.DeviceSize + 2 * m.DeviceShadowMargin)
    return ShadowRect();
  return CenteredRect(m.Scale.TableSize(picture.size()));
}

QRect TCard::CenteredRect(QSize size) const {
  const int left = Position.x() - (size.width() - Width()) / 2;
  const int top = Position.y() - (size.height() - Height()) / 2;
  return QRect(QPoint(left, top), size);
}

QRect TCard::ShadowRect() const {
  return CenteredRect(FMetrics.Size + 2 * FMetrics.ShadowMargin);
}

QRect TCard::GlowRect() const {
  return CenteredRect(FMetrics.Size + 2 * FMetrics.GlowMargin);
}

QString TCard::LongName() const {
  return ::LongName(Rank, Suit);
}
