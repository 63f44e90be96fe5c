#include "cards/Raster.h"

#include <algorithm>
#include <array>

#include <cstring>

namespace Raster {

namespace {

bool Is32Bit(const QImage& image) {
  return !image.isNull() && image.depth() == 32;
}

// The part of `src` placed at `at` that falls inside `dst`, in destination
// coordinates; empty when nothing can be drawn. The edges are found in 64
// bits: a card may be placed anywhere, up to the ends of int.
QRect ClippedArea(const QImage& dst, QPoint at, QSize srcSize) {
  if (!Is32Bit(dst))
    return {};
  const qint64 left = std::max<qint64>(at.x(), 0);
  const qint64 top = std::max<qint64>(at.y(), 0);
  const qint64 right = std::min<qint64>(qint64{at.x()} + srcSize.width(), dst.width());
  const qint64 bottom = std::min<qint64>(qint64{at.y()} + srcSize.height(), dst.height());
  if (left >= right || top >= bottom)
    return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

// Row access without a sharing check per row: the copies below run for every
// card of every redraw.
class TRows {
 public:
  explicit TRows(QImage& image) : FBits(image.bits()), FStride(image.bytesPerLine()) {}
  QRgb* operator[](int y) const { return reinterpret_cast<QRgb*>(FBits + y * FStride); }

 private:
  uchar* FBits;
  qsizetype FStride;
};

// The same for reading a picture.
class TConstRows {
 public:
  explicit TConstRows(const QImage& image)
      : FBits(image.constBits()), FStride(image.bytesPerLine()) {}
  const QRgb* operator[](int y) const { return reinterpret_cast<const QRgb*>(FBits + y * FStride); }

 private:
  const uchar* FBits;
  qsizetype FStride;
};

// The spans of the table's layers are short pieces of rows far apart in
// memory: each is asked for a few spans before it is needed, so that the
// wait for memory overlaps the work on the spans in between.
constexpr std::ptrdiff_t PrefetchAhead = 4;

void Prefetch(const QRgb* first, const QRgb* last) {
  __builtin_prefetch(first);
  __builtin_prefetch(last);
}

// Calls `span(out, in, n)` row by row for the pixels of `src` placed at `at`
// that fall inside `dst`: all of them, or with `runs` only those it marks.
template <typename Span>
void ForSpans(QImage& dst, QPoint at, const QImage& src, const TMaskRuns* runs, Span span) {
  if (!Is32Bit(src))
    return;
  const QSize size = runs != nullptr ? src.size().boundedTo(runs->Size()) : src.size();
  const QRect area = ClippedArea(dst, at, size);
  if (area.isEmpty())
    return;
  const TRows rows(dst);
  const TConstRows srcRows(src);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const int sy = y - at.y();
    QRgb* out = rows[y];
    const QRgb* in = srcRows[sy];
    const auto clipped = [&](int begin, int end) {
      const int left = std::max(begin + at.x(), area.left());
      const int right = std::min(end + at.x(), area.right() + 1);
      if (left < right)
        span(out + left, in + (left - at.x()), right - left);
    };
    if (runs == nullptr) {
      clipped(0, size.width());
      continue;
    }
    for (auto run = runs->RowBegin(sy); run != runs->RowEnd(sy); ++run)
      clipped(run->Begin, run->End);
  }
}

// The same for the pixels of `spans` (destination pixels) only.
template <typename Span>
void ForGivenSpans(QImage& dst, QPoint at, const QImage& src, std::span<const TSpan> spans,
                   Span span) {
  if (!Is32Bit(src))
    return;
  const QRect area = ClippedArea(dst, at, src.size());
  if (area.isEmpty())
    return;
  const TRows rows(dst);
  // The spans come in row order: only those of the area's rows are read.
  const auto first = std::lower_bound(spans.begin(), spans.end(), area.top(),
                                      [](const TSpan& s, int y) { return s.Y < y; });
  const TConstRows srcRows(src);
  for (auto given = first; given != spans.end() && given->Y <= area.bottom(); ++given) {
    if (spans.end() - given > PrefetchAhead && given[PrefetchAhead].Y <= area.bottom()) {
      const TSpan& next = given[PrefetchAhead];
      const int from = std::clamp(next.Begin, area.left(), area.right());
      const int to = std::clamp(next.End - 1, area.left(), area.right());
      Prefetch(rows[next.Y] + from, rows[next.Y] + to);
      const QRgb* in = srcRows[next.Y - at.y()];
      Prefetch(in + (from - at.x()), in + (to - at.x()));
    }
    const int left = std::max(given->Begin, area.left());
    const int right = std::min(given->End, area.right() + 1);
    if (left < right)
      span(rows[given->Y] + left, srcRows[given->Y - at.y()] + (left - at.x()), right - left);
  }
}

// Calls `span(out, n)` for the pixels of `spans` (destination pixels, in
// row order) that fall inside `dst`.
template <typename Span>
void ForDstSpans(QImage& dst, std::span<const TSpan> spans, Span span) {
  if (!Is32Bit(dst))
    return;
  const TRows rows(dst);
  const QRect area = dst.rect();
  const std::ptrdiff_t count = std::ssize(spans);
  for (std::ptrdiff_t i = 0; i < count; ++i) {
    if (i + PrefetchAhead < count) {
      const TSpan& next = spans[i + PrefetchAhead];
      if (area.contains(0, next.Y))
        Prefetch(rows[next.Y] + std::clamp(next.Begin, 0, area.right()),
                 rows[next.Y] + std::clamp(next.End - 1, 0, area.right()));
    }
    const TSpan& given = spans[i];
    const int begin = std::max(given.Begin, 0);
    const int end = std::min(given.End, dst.width());
    if (given.Y >= 0 && given.Y < dst.height() && begin < end)
      span(rows[given.Y] + begin, end - begin);
  }
}

void CopySpan(QRgb* out, const QRgb* in, int n) {
  std::memcpy(out, in, static_cast<size_t>(n) * sizeof(QRgb));
}

// Every colour channel of `c` times f / 255, rounded (f 0..255): red and
// blue in one multiplication, green in another. (x + 128 + (x + 128) / 256)
// / 256 is x / 255 rounded for every x up to 255 * 255, as BlendChannel's
// (x + 127) / 255 is.
inline QRgb ScaleChannels(QRgb c, uint32_t f) {
  uint32_t rb = (c & 0xff00ffu) * f + 0x800080u;
  rb = ((rb + ((rb >> 8) & 0xff00ffu)) >> 8) & 0xff00ffu;
  uint32_t g = (c & 0x00ff00u) * f + 0x008000u;
  g = ((g + ((g >> 8) & 0x00ff00u)) >> 8) & 0x00ff00u;
  return rb | g;
}

// The colour channels of a and b added, each kept to 8 bits; opaque.
inline QRgb AddChannels(QRgb a, QRgb b) {
  const uint32_t rb = ((a & 0xff00ffu) + (b & 0xff00ffu)) & 0xff00ffu;
  const uint32_t g = ((a & 0x00ff00u) + (b & 0x00ff00u)) & 0x00ff00u;
  return 0xff000000u | rb | g;
}

// Without branches, so that the compiler can blend several pixels at once:
// a transparent source pixel leaves the destination, an opaque one replaces
// it (the scaled destination is 0 then).
void BlendSpan(QRgb* out, const QRgb* in, int n) {
  for (int i = 0; i < n; ++i) {
    const QRgb s = in[i];
    const uint32_t a = qAlpha(s);
    const QRgb blended = AddChannels(s, ScaleChannels(out[i], 255 - a));
    out[i] = a == 0 ? out[i] : blended;
  }
}

// With one opacity for the whole picture each channel is the source's share
// plus what is left of the destination.
class TConstantBlend {
 public:
  explicit TConstantBlend(int alpha)
      : FSource(static_cast<uint32_t>(std::clamp(alpha, 0, 255))), FKept(255 - FSource) {}
  void operator()(QRgb* out, const QRgb* in, int n) const {
    for (int i = 0; i < n; ++i)
      out[i] = AddChannels(ScaleChannels(in[i], FSource), ScaleChannels(out[i], FKept));
  }

 private:
  uint32_t FSource, FKept;
};

}  // namespace

namespace {

// The black pixels of a 1-bit mask, read a byte a pixel: much faster than a
// bit a pixel through pixelIndex.
class TMaskBytes {
 public:
  explicit TMaskBytes(const QImage& mask)
      : FBytes(mask.convertToFormat(QImage::Format_Indexed8)),
        FBits(FBytes.constBits()),
        FStride(FBytes.bytesPerLine()) {}
  bool operator()(int x, int y) const { return FBits[y * FStride + x] == 0; }

 private:
  QImage FBytes;
  const uchar* FBits;
  qsizetype FStride;
};

}  // namespace

TMaskRuns::TMaskRuns(const QImage& mask) : TMaskRuns(mask.size(), TMaskBytes(mask)) {}

void CopyOpaque(QImage& dst, QPoint at, const QImage& src) {
  ForSpans(dst, at, src, nullptr, CopySpan);
}

void CopyMasked(QImage& dst, QPoint at, const QImage& src, const TMaskRuns& runs) {
  ForSpans(dst, at, src, &runs, CopySpan);
}

void CopyMasked(QImage& dst, QPoint at, const QImage& src, std::span<const TSpan> spans) {
  ForGivenSpans(dst, at, src, spans, CopySpan);
}

void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src, std::span<const TSpan> spans) {
  ForGivenSpans(dst, at, src, spans, BlendSpan);
}

void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha,
                   std::span<const TSpan> spans) {
  ForGivenSpans(dst, at, src, spans, TConstantBlend(alpha));
}

void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src) {
  ForSpans(dst, at, src, nullptr, BlendSpan);
}

void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src, const TMaskRuns& runs) {
  ForSpans(dst, at, src, &runs, BlendSpan);
}

void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha) {
  ForSpans(dst, at, src, nullptr, TConstantBlend(alpha));
}

void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha, const TMaskRuns& runs) {
  ForSpans(dst, at, src, &runs, TConstantBlend(alpha));
}

void FillRect(QImage& dst, const QRect& rect, QRgb colour) {
  if (!Is32Bit(dst))
    return;
  const QRect area = rect.intersected(dst.rect());
  const QRgb opaque = colour | 0xff000000u;
  const TRows rows(dst);
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::fill_n(rows[y] + area.left(), area.width(), opaque);
}

void FillSpans(QImage& dst, std::span<const TSpan> spans, QRgb colour) {
  const QRgb opaque = colour | 0xff000000u;
  ForDstSpans(dst, spans, [opaque](QRgb* out, int n) { std::fill_n(out, n, opaque); });
}

void BlendColour(QImage& dst, std::span<const TSpan> spans, QRgb colour, int alpha) {
  const uint32_t source = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
  const QRgb share = ScaleChannels(colour, source);
  const uint32_t kept = 255 - source;
  ForDstSpans(dst, spans, [share, kept](QRgb* out, int n) {
    for (int i = 0; i < n; ++i)
      out[i] = AddChannels(share, ScaleChannels(out[i], kept));
  });
}

void FrameRect(QImage& dst, const QRect& rect, QRgb colour, int width) {
  if (rect.isEmpty() || width < 1)
    return;
  FillRect(dst, QRect(rect.left(), rect.top(), rect.width(), width), colour);
  FillRect(dst, QRect(rect.left(), rect.bottom() + 1 - width, rect.width(), width), colour);
  FillRect(dst, QRect(rect.left(), rect.top(), width, rect.height()), colour);
  FillRect(dst, QRect(rect.right() + 1 - width, rect.top(), width, rect.height()), colour);
}

void StretchOpaque(QImage& dst, const QRect& target, const QImage& src) {
  if (target.width() <= 0 || target.height() <= 0 || src.isNull())
    return;
  const QImage stretched =
      src.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
  CopyOpaque(dst, target.topLeft(), stretched);
}

}  // namespace Raster
