#pragma once

#include <QImage>
#include <QRgb>

class TWinnerHost;

// The constant alpha of fade step `step` (0..255): slow at first, the bulk
// of the darkening in the last steps, 255 at the end.
int FadeAlpha(int step);
// Blends `color` over the whole picture with constant alpha `alpha` (0..255),
// rounded to within one level.
void BlendColor(QImage& image, QRgb color, int alpha);
// Darkens the picture to `color` in 256 blends, showing each and letting
// events through for totalMs / 255 between them. Stops early when the
// program is closing.
void FadeImage(TWinnerHost& host, QImage& image, QRgb color, int totalMs);
// Waits `ms` on the host's clock, letting events through and sleeping
// between them; 0 or less returns at once.
void DelayWithMessages(TWinnerHost& host, int ms);
