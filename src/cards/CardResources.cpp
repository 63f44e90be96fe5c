#include "cards/CardResources.h"

#include <map>

#include "cards/Canvas.h"
#include "cards/CardArt.h"
#include "cards/CardOutline.h"

namespace CardResources {

namespace {

constexpr int ShadowMargin = 6;
constexpr QRgb ShadowCardColour = 0xff808080;
constexpr QRgb SlotLineColour = 0xff80c080;
constexpr QRgb GlowColour = 0xffffff00;

QSize CardSizeOf(bool large) {
  return large ? CardOutline::LargeSize : CardOutline::SmallSize;
}

// The card's outline filled with `colour` at `at`, leaving the rest as it is.
void FillOutline(QImage& image, QPoint at, QSize cardSize, QRgb colour) {
  for (int y = 0; y < cardSize.height(); ++y)
    for (int x = 0; x < cardSize.width(); ++x)
      if (!CardOutline::IsOutside(x, y, cardSize))
        image.setPixel(at.x() + x, at.y() + y, colour);
}

QImage DrawMask(QSize cardSize) {
  QImage mask(cardSize, QImage::Format_Mono);
  mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < cardSize.height(); ++y)
    for (int x = 0; x < cardSize.width(); ++x)
      mask.setPixel(x, y, CardOutline::IsOutside(x, y, cardSize) ? 1 : 0);
  return mask;
}

// A faint rounded outline on the table, with a second line inside it.
QImage DrawSlot(QSize cardSize) {
  QImage slot(cardSize, QImage::Format_RGB32);
  slot.fill(TCanvas::TableColour);
  const QSize inner = cardSize - QSize(6, 6);
  for (int y = 0; y < cardSize.height(); ++y) {
    for (int x = 0; x < cardSize.width(); ++x) {
      const bool outerLine = CardOutline::IsBorder(x, y, cardSize);
      const bool innerLine = CardOutline::IsBorder(x - 3, y - 3, inner);
      if (outerLine || innerLine)
        slot.setPixel(x, y, SlotLineColour);
    }
  }
  return slot;
}

// Yellow around the card, black where the card lies.
QImage DrawGlow(QSize cardSize, bool large) {
  const QSize margin(3, large ? 3 : 2);
  QImage glow(cardSize + 2 * margin, QImage::Format_RGB32);
  glow.fill(GlowColour);
  Raster::FillRect(glow, QRect(QPoint(margin.width(), margin.height()), cardSize), 0xff000000);
  return glow;
}

QImage DrawShadow(QSize cardSize) {
  const QSize size = cardSize + QSize(2 * ShadowMargin, 2 * ShadowMargin);
  QImage shadow(size, QImage::Format_RGB32);
  shadow.fill(0xffffffff);
  FillOutline(shadow, QPoint(2 * ShadowMargin, 2 * ShadowMargin), cardSize, 0xff000000);
  FillOutline(shadow, QPoint(ShadowMargin, ShadowMargin), cardSize, ShadowCardColour);
  return shadow;
}

QImage DrawPicture(int number) {
  const bool large = number < SmallBase;
  const int local = large ? number : number - SmallBase;
  const QSize cardSize = CardSizeOf(large);
  if (local >= FirstFace && local < FirstFace + 52)
    return CardArt::DrawFace(local - FirstFace, cardSize);
  if (local >= FirstBack && local < FirstBack + CardArt::BackDesigns)
    return CardArt::DrawBack(local - FirstBack, cardSize);
  switch (local) {
    case Mask:
      return DrawMask(cardSize);
    case Slot:
      return DrawSlot(cardSize);
    case Glow:
      return DrawGlow(cardSize, large);
    case Shadow:
      return DrawShadow(cardSize);
    default:
      return {};
  }
}

}  // namespace

QImage Picture(int number) {
  if (number < 0 || number >= 2 * SmallBase)
    return {};
  static std::map<int, QImage> cache;
  const auto found = cache.find(number);
  if (found != cache.end())
    return found->second;
  return cache.emplace(number, DrawPicture(number)).first->second;
}

QImage PrepareShadow(const QImage& shadow) {
  QImage prepared = shadow.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < prepared.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(prepared.scanLine(y));
    for (int x = 0; x < prepared.width(); ++x) {
      const QRgb colour = row[x] & 0x00ffffffu;
      if (colour == 0)
        row[x] = qRgba(0, 0, 0, 64);
      else if (colour == 0x00ffffffu)
        row[x] = 0;
      else
        row[x] = colour | 0xff000000u;
    }
  }
  return prepared;
}

}  // namespace CardResources

TPictureSet TPictureSet::Load(bool large, int back) {
  namespace res = CardResources;
  const int base = large ? 0 : res::SmallBase;
  const auto picture = [base](int number) { return res::Picture(base + number); };
  TPictureSet set;
  for (int face = 0; face < 52; ++face)
    set.Faces[static_cast<size_t>(face)] = picture(res::FirstFace + face);
  const bool knownBack = back >= 0 && back < CardArt::BackDesigns;
  set.Back = knownBack ? picture(res::FirstBack + back) : QImage();
  set.Mask = picture(res::Mask);
  set.Glow = picture(res::Glow);
  set.Slot = picture(res::Slot);
  set.Shadow = res::PrepareShadow(picture(res::Shadow));
  set.Underlay = QImage(set.Shadow.size(), QImage::Format_RGB32);
  set.Underlay.fill(TCanvas::TableColour);
  set.MaskRuns = std::make_shared<Raster::TMaskRuns>(set.Mask);
  return set;
}
