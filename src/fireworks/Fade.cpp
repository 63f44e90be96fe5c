#include "fireworks/Fade.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "cards/Clock.h"
#include "fireworks/Vector3.h"
#include "fireworks/WinnerHost.h"

namespace {

constexpr int FadeSteps = 256;

}  // namespace

int FadeAlpha(int step) {
  const double x = step / 255.0;
  const double e = x / ((1 - x) * 50 + 1);
  return RoundEven(e * 255);
}

// Qt's solid fill with a constant alpha: each channel within one level of
// colour x alpha / 255 + pixel x (1 - alpha / 255), exactly the colour at 255.
void BlendColor(QImage& image, QRgb color, int alpha) {
  if (alpha <= 0)
    return;  // the first fifth of the fade changes nothing
  QPainter painter(&image);
  painter.fillRect(image.rect(),
                   QColor(qRed(color), qGreen(color), qBlue(color), std::min(alpha, 255)));
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
