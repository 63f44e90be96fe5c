#include "cards/CardResources.h"

#include <algorithm>
#include <deque>
#include <map>

#include "cards/Canvas.h"
#include "cards/CardArt.h"
#include "cards/CardOutline.h"

namespace CardResources {

namespace {

constexpr QRgb ShadowCardColour = 0xff808080;
constexpr QRgb SlotLineColour = 0xff80c080;
constexpr int SlotInset = 3;
// The table's ratio, the one it had before (a window between two screens or
// two sizes of fitted cards) and the screen's own for the side windows.
constexpr size_t KeptRatios = 3;

// Pixels `from` to before `to` of a row (none if `to` is not past `from`).
void FillRun(QImage& image, int y, int from, int to, QRgb colour) {
  if (from < to)
    Raster::FillRect(image, QRect(from, y, to - from, 1), colour);
}

// The card's outline filled with `colour` at `at`, leaving the rest as it is.
void FillOutline(QImage& image, QPoint at, const TCardMetrics& card, QRgb colour) {
  const CardOutline::TShape outline(card.DeviceSize, card.Scale.Ratio());
  for (int y = 0; y < card.DeviceSize.height(); ++y) {
    const auto [from, to] = outline.Inside(y);
    FillRun(image, at.y() + y, at.x() + from, at.x() + to, colour);
  }
}

QImage DrawMask(const TCardMetrics& card) {
  const CardOutline::TShape outline(card.DeviceSize, card.Scale.Ratio());
  const QSize size = card.DeviceSize;
  QImage mask(size, QImage::Format_Mono);
  mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  // White (1) outside the card, black (0) on it, a row's card pixels being
  // one run; the bits are written directly, most significant first.
  mask.fill(1);
  for (int y = 0; y < size.height(); ++y) {
    uchar* bits = mask.scanLine(y);
    const auto [from, to] = outline.Inside(y);
    for (int x = std::max(from, 0); x < std::min(to, size.width()); ++x)
      bits[x >> 3] &= static_cast<uchar>(~(0x80u >> (x & 7)));
  }
  return mask;
}

// A faint rounded outline on the table, with a second line inside it; both
// lines as wide as a table pixel.
QImage DrawSlot(const TCardMetrics& card) {
  const QSize size = card.DeviceSize;
  QImage slot(size, QImage::Format_RGB32);
  slot.fill(TCanvas::TableColour);
  const int inset = card.Scale.Margin(SlotInset);
  const CardOutline::TShape outer(size, card.Scale.Ratio());
  const CardOutline::TShape inner(size - QSize(2 * inset, 2 * inset), card.Scale.Ratio());
  const int line = card.DeviceFrame;
  for (int y = 0; y < size.height(); ++y) {
    for (const auto& [from, to] : outer.BorderRuns(y, line))
      FillRun(slot, y, from, to, SlotLineColour);
    for (const auto& [from, to] : inner.BorderRuns(y - inset, line))
      FillRun(slot, y, from + inset, to + inset, SlotLineColour);
  }
  return slot;
}

// Yellow around the card, black where the card lies.
QImage DrawGlow(const TCardMetrics& card) {
  const QSize margin = card.DeviceGlowMargin;
  QImage glow(card.DeviceSize + 2 * margin, QImage::Format_RGB32);
  glow.fill(GlowColour);
  Raster::FillRect(glow, QRect(QPoint(margin.width(), margin.height()), card.DeviceSize),
                   0xff000000);
  return glow;
}

QImage DrawShadow(const TCardMetrics& card) {
  const QSize margin = card.DeviceShadowMargin;
  QImage shadow(card.DeviceSize + 2 * margin, QImage::Format_RGB32);
  shadow.fill(0xffffffff);
  const QPoint offset(margin.width(), margin.height());
  FillOutline(shadow, 2 * offset, card, 0xff000000);
  FillOutline(shadow, offset, card, ShadowCardColour);
  return shadow;
}

QImage DrawPicture(int number, double ratio) {
  const bool large = number < SmallBase;
  const int local = large ? number : number - SmallBase;
  const TCardMetrics card = TCardMetrics::For(large, TPixelScale(ratio));
  if (local >= FirstFace && local < FirstFace + 52)
    return CardArt::DrawFace(local - FirstFace, card.Size, ratio);
  if (local >= FirstBack && local < FirstBack + CardArt::BackDesigns)
    return CardArt::DrawBack(local - FirstBack, card.Size, ratio);
  QImage picture;
  switch (local) {
    case Mask:
      picture = DrawMask(card);
      break;
    case Slot:
      picture = DrawSlot(card);
      break;
    case Glow:
      picture = DrawGlow(card);
      break;
    case Shadow:
      picture = DrawShadow(card);
      break;
    default:
      return {};
  }
  picture.setDevicePixelRatio(card.Scale.Ratio());
  return picture;
}

}  // namespace

// Pictures are kept for the few ratios asked for last: a window resized
// through many sizes of fitted cards leaves only those behind.
QImage Picture(int number, double ratio) {
  if (number < 0 || number >= 2 * SmallBase)
    return {};
  const std::pair key(number, TPixelScale(ratio).Ratio());
  static std::map<std::pair<int, double>, QImage> cache;
  static std::deque<double> recentRatios;
  const auto found = cache.find(key);
  if (found != cache.end())
    return found->second;
  if (std::find(recentRatios.begin(), recentRatios.end(), key.second) == recentRatios.end()) {
    recentRatios.push_back(key.second);
    if (recentRatios.size() > KeptRatios) {
      const double oldest = recentRatios.front();
      recentRatios.pop_front();
      std::erase_if(cache, [oldest](const auto& entry) { return entry.first.second == oldest; });
    }
  }
  return cache.emplace(key, DrawPicture(number, key.second)).first->second;
}

QImage PrepareShadow(const QImage& shadow) {
  QImage prepared = shadow.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  prepared.setDevicePixelRatio(shadow.devicePixelRatio());
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

namespace {

std::shared_ptr<const TCardRuns> MakeRuns(const TPictureSet& set) {
  const TCardMetrics& m = set.Metrics;
  auto runs = std::make_shared<TCardRuns>();
  runs->Card = Raster::TMaskRuns(set.Mask);
  const QRect card(QPoint(m.DeviceShadowMargin.width(), m.DeviceShadowMargin.height()),
                   set.Mask.size());
  // Row pointers and plain comparisons: the tests run for every pixel.
  const QImage maskBytes = set.Mask.convertToFormat(QImage::Format_Indexed8);
  const uchar* mask = maskBytes.constBits();
  const qsizetype maskStride = maskBytes.bytesPerLine();
  const uchar* shadow = set.Shadow.constBits();
  const qsizetype shadowStride = set.Shadow.bytesPerLine();
  const auto within = [](const QRect& r, int x, int y) {
    return x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom();
  };
  runs->Shadow = Raster::TMaskRuns(set.Shadow.size(), [&](int x, int y) {
    const bool underCard =
        within(card, x, y) && mask[(y - card.y()) * maskStride + (x - card.x())] == 0;
    return !underCard && qAlpha(reinterpret_cast<const QRgb*>(shadow + y * shadowStride)[x]) != 0;
  });
  const int line = m.DeviceFrame;
  const QRect frame =
      QRect(QPoint(m.DeviceGlowMargin.width(), m.DeviceGlowMargin.height()), m.DeviceSize)
          .adjusted(-line, -line, line, line);
  runs->Glow =
      Raster::TMaskRuns(set.Glow.size(), [&](int x, int y) { return !within(frame, x, y); });
  return runs;
}

}  // namespace

TPictureSet TPictureSet::Load(bool large, int back, double ratio) {
  namespace res = CardResources;
  const int base = large ? 0 : res::SmallBase;
  const auto picture = [base, ratio](int number) { return res::Picture(base + number, ratio); };
  TPictureSet set;
  set.Metrics = TCardMetrics::For(large, TPixelScale(ratio));
  set.FirstFace = base + res::FirstFace;
  const bool knownBack = back >= 0 && back < CardArt::BackDesigns;
  set.Back = knownBack ? picture(res::FirstBack + back) : QImage();
  set.Mask = picture(res::Mask);
  set.Glow = picture(res::Glow);
  set.Slot = picture(res::Slot);
  set.Shadow = res::PrepareShadow(picture(res::Shadow));
  set.Underlay = QImage(set.Shadow.size(), QImage::Format_RGB32);
  set.Underlay.setDevicePixelRatio(set.Shadow.devicePixelRatio());
  set.Underlay.fill(TCanvas::TableColour);
  set.Runs = MakeRuns(set);
  return set;
}
