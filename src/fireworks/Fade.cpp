#include "fireworks/Fade.h"

#include <QPainter>
#include <array>
#include <cstdint>

#include "cards/Clock.h"
#include "fireworks/Vector3.h"
#include "fireworks/WinnerHost.h"

namespace {

constexpr int FadeSteps = 256;

// result = color x alpha / 255 + value x (1 - alpha / 255), rounded, for
// every possible value of one channel.
std::array<uint8_t, 256> ChannelTable(int color, int alpha) {
  std::array<uint8_t, 256> table{};
  for (int value = 0; value < 256; ++value)
    table[static_cast<size_t>(value)] =
        static_cast<uint8_t>((color * alpha + value * (255 - alpha) + 127) / 255);
  return table;
}

}  // namespace

int FadeAlpha(int step) {
  const double x = step / 255.0;
  const double e = x / ((1 - x) * 50 + 1);
  return RoundEven(e * 255);
}

void BlendColor(QImage& image, QRgb color, int alpha) {
  if (image.depth() != 32) {
    QPainter painter(&image);
    painter.setOpacity(alpha / 255.0);
    painter.fillRect(image.rect(), QColor(color));
    return;
  }
  const auto red = ChannelTable(qRed(color), alpha);
  const auto green = ChannelTable(qGreen(color), alpha);
  const auto blue = ChannelTable(qBlue(color), alpha);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = row[x];
      row[x] = qRgba(red[qRed(p)], green[qGreen(p)], blue[qBlue(p)], qAlpha(p));
    }
  }
}

void FadeImage(TWinnerHost& host, QImage& image, QRgb color, int totalMs) {
  for (int step = 0; step < FadeSteps && !host.Terminating(); ++step) {
    BlendColor(image, color, FadeAlpha(step));
    host.ShowPicture();
    DelayWithMessages(host, totalMs / 255);
  }
}

void DelayWithMessages(TWinnerHost& host, int ms) {
  TClock& clock = host.Clock();
  const int64_t deadline = clock.NowMs() + ms;
  while (clock.NowMs() < deadline)
    host.WaitForMessages(deadline);
}
