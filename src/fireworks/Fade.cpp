#include "fireworks/Fade.h"

#include <QPainter>
#include <cstdint>

#include "cards/Clock.h"
#include "fireworks/Vector3.h"
#include "fireworks/WinnerHost.h"

namespace {

constexpr int FadeSteps = 256;
constexpr uint32_t EvenLanes = 0x00ff00ff;

// Two 8-bit channels at once, one in each 16-bit lane: value x (255 - alpha)
// plus the colour's share, divided by 255 and rounded. No lane can carry
// into the next: 255 x 255 + 255 is below 65536.
uint32_t BlendLanes(uint32_t lanes, uint32_t colourShare, uint32_t keep) {
  const uint32_t t = lanes * keep + colourShare + 0x00800080;
  return ((t + ((t >> 8) & EvenLanes)) >> 8) & EvenLanes;
}

}  // namespace

int FadeAlpha(int step) {
  const double x = step / 255.0;
  const double e = x / ((1 - x) * 50 + 1);
  return RoundEven(e * 255);
}

void BlendColor(QImage& image, QRgb color, int alpha) {
  if (alpha <= 0)
    return;  // the first fifth of the fade changes nothing
  if (image.format() != QImage::Format_RGB32) {
    QPainter painter(&image);
    painter.setOpacity(alpha / 255.0);
    painter.fillRect(image.rect(), QColor(color));
    return;
  }
  // result = colour x alpha / 255 + pixel x (1 - alpha / 255), per channel.
  const auto a = static_cast<uint32_t>(alpha);
  const uint32_t keep = 255 - a;
  const uint32_t blueRed = (color & EvenLanes) * a;
  const uint32_t greenAlpha = ((color | 0xff000000u) >> 8 & EvenLanes) * a;
  const int width = image.width();
  const int height = image.height();
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint32_t p = row[x];
      row[x] = BlendLanes(p & EvenLanes, blueRed, keep) |
               BlendLanes(p >> 8 & EvenLanes, greenAlpha, keep) << 8;
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
