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
// coordinates; empty when nothing can be drawn.
QRect ClippedArea(const QImage& dst, QPoint at, QSize srcSize) {
  if (!Is32Bit(dst))
    return {};
  return QRect(at, srcSize).intersected(dst.rect());
}

QRgb* DstRow(QImage& dst, int y) {
  return reinterpret_cast<QRgb*>(dst.scanLine(y));
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

const QRgb* SrcRow(const QImage& src, int y) {
  return reinterpret_cast<const QRgb*>(src.constScanLine(y));
}

}  // namespace

TMaskRuns::TMaskRuns(const QImage& mask) : FSize(mask.size()) {
  FRowStart.reserve(static_cast<size_t>(mask.height()) + 1);
  for (int y = 0; y < mask.height(); ++y) {
    FRowStart.push_back(static_cast<int>(FRuns.size()));
    int x = 0;
    while (x < mask.width()) {
      if (mask.pixelIndex(x, y) != 0) {
        ++x;
        continue;
      }
      const int begin = x;
      while (x < mask.width() && mask.pixelIndex(x, y) == 0)
        ++x;
      FRuns.push_back({begin, x});
    }
  }
  FRowStart.push_back(static_cast<int>(FRuns.size()));
}

void CopyOpaque(QImage& dst, QPoint at, const QImage& src) {
  if (!Is32Bit(src))
    return;
  const QRect area = ClippedArea(dst, at, src.size());
  if (area.isEmpty())
    return;
  const size_t bytes = static_cast<size_t>(area.width()) * sizeof(QRgb);
  const TRows rows(dst);
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::memcpy(rows[y] + area.left(), SrcRow(src, y - at.y()) + (area.left() - at.x()), bytes);
}

void CopyMasked(QImage& dst, QPoint at, const QImage& src, const TMaskRuns& runs) {
  if (!Is32Bit(src))
    return;
  const QSize size = src.size().boundedTo(runs.Size());
  const QRect area = ClippedArea(dst, at, size);
  if (area.isEmpty())
    return;
  const TRows rows(dst);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const int sy = y - at.y();
    QRgb* out = rows[y];
    const QRgb* in = SrcRow(src, sy);
    for (auto run = runs.RowBegin(sy); run != runs.RowEnd(sy); ++run) {
      const int left = std::max(run->Begin + at.x(), area.left());
      const int right = std::min(run->End + at.x(), area.right() + 1);
      if (left < right)
        std::memcpy(out + left, in + (left - at.x()),
                    static_cast<size_t>(right - left) * sizeof(QRgb));
    }
  }
}

void BlendPremultiplied(QImage& dst, QPoint at, const QImage& src) {
  if (!Is32Bit(src))
    return;
  const QRect area = ClippedArea(dst, at, src.size());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    QRgb* out = DstRow(dst, y);
    const QRgb* in = SrcRow(src, y - at.y());
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb s = in[x - at.x()];
      const int a = qAlpha(s);
      if (a == 0)
        continue;
      if (a == 255) {  // most of a shadow: what the blend below gives, faster
        out[x] = s;
        continue;
      }
      const QRgb d = out[x];
      out[x] = qRgb(BlendChannel(qRed(d), qRed(s), a), BlendChannel(qGreen(d), qGreen(s), a),
                    BlendChannel(qBlue(d), qBlue(s), a));
    }
  }
}

void BlendConstant(QImage& dst, QPoint at, const QImage& src, int alpha) {
  if (!Is32Bit(src))
    return;
  alpha = std::clamp(alpha, 0, 255);
  // With one opacity for the whole picture each channel is a sum of two
  // table lookups: the source's share and what is left of the destination.
  std::array<uint8_t, 256> source{}, kept{};
  for (int v = 0; v < 256; ++v) {
    source[static_cast<size_t>(v)] = static_cast<uint8_t>((v * alpha + 127) / 255);
    kept[static_cast<size_t>(v)] = BlendChannel(v, 0, alpha);
  }
  const auto channel = [&](int d, int s) {
    return static_cast<uint8_t>(source[static_cast<size_t>(s)] + kept[static_cast<size_t>(d)]);
  };
  const QRect area = ClippedArea(dst, at, src.size());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    QRgb* out = DstRow(dst, y);
    const QRgb* in = SrcRow(src, y - at.y());
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb s = in[x - at.x()];
      const QRgb d = out[x];
      out[x] = qRgb(channel(qRed(d), qRed(s)), channel(qGreen(d), qGreen(s)),
                    channel(qBlue(d), qBlue(s)));
    }
  }
}

void FillRect(QImage& dst, const QRect& rect, QRgb colour) {
  if (!Is32Bit(dst))
    return;
  const QRect area = rect.intersected(dst.rect());
  const QRgb opaque = colour | 0xff000000u;
  for (int y = area.top(); y <= area.bottom(); ++y)
    std::fill_n(DstRow(dst, y) + area.left(), area.width(), opaque);
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
