#include "widgets/FancyButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <utility>

namespace {

// How far towards white the face is lifted.
constexpr double PressedLift = 0.5;
constexpr double HotLift = 0.25;

// The embossed caption of a disabled button.
const QColor EmbossHighlight(255, 255, 255);
const QColor EmbossShadow(128, 128, 128);

int LightenChannel(int value, double fraction) {
  // nearbyint rounds halves to even under the default rounding mode.
  return static_cast<int>(std::nearbyint((255 - value) * fraction + value));
}

QColor Lighten(const QColor& colour, double fraction) {
  return QColor(LightenChannel(colour.red(), fraction), LightenChannel(colour.green(), fraction),
                LightenChannel(colour.blue(), fraction));
}

double LiftOf(const TFancyButtonLook& look, const TFancyButtonState& state) {
  if (state.Pressed)
    return look.DownInvert ? 0.0 : PressedLift;
  return state.Hot ? HotLift : 0.0;
}

QRect Shrunk(const QRect& rect, int by) {
  return rect.adjusted(by, by, -by, -by);
}

// fillRect would normalise a rectangle that shrank past nothing.
void Fill(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (!rect.isEmpty())
    painter.fillRect(rect, colour);
}

// A 1-pixel outline on the rectangle's outermost pixels, filled inside.
void Outline(QPainter& painter, const QRect& rect, const QColor& line, const QColor& inside) {
  Fill(painter, rect, line);
  Fill(painter, Shrunk(rect, 1), inside);
}

// An outline in the light colour, then the bottom row and the right column in
// the dark one. The top-right corner stays light, as a line never includes
// its end point.
void Bevel(QPainter& painter, const QRect& rect, const QColor& light, const QColor& dark,
           const QColor& inside) {
  if (rect.isEmpty())
    return;
  Outline(painter, rect, light, inside);
  Fill(painter, QRect(rect.left(), rect.bottom(), rect.width(), 1), dark);
  Fill(painter, QRect(rect.right(), rect.top() + 1, 1, rect.height() - 1), dark);
}

// Draws the rings and returns what is left inside them.
QRect DrawFrame(QPainter& painter, QRect rect, const TFancyButtonLook& look,
                const TFancyButtonState& state, const QColor& brush) {
  if (state.Default || state.Focused) {
    Outline(painter, rect, look.FrameDarkest, brush);
    rect = Shrunk(rect, 1);
  }
  if (state.Pressed) {
    Outline(painter, rect, look.FrameDark, brush);
  } else {
    Bevel(painter, rect, look.FrameLightest, look.FrameDarkest, brush);
    rect = Shrunk(rect, 1);
    Bevel(painter, rect, look.FrameLight, look.FrameDark, brush);
  }
  return Shrunk(rect, 1);
}

int GradientChannel(int from, int to, int rows, int row) {
  const double step = static_cast<double>(to - from) / rows * row;
  return (from + static_cast<int>(std::ceil(step))) & 0xff;
}

void FillGradient(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom) {
  const int rows = rect.height();
  for (int row = 0; row < rows; ++row) {
    const QColor colour(GradientChannel(top.red(), bottom.red(), rows, row),
                        GradientChannel(top.green(), bottom.green(), rows, row),
                        GradientChannel(top.blue(), bottom.blue(), rows, row));
    Fill(painter, QRect(rect.left(), rect.top() + row, rect.width(), 1), colour);
  }
}

// A box of `size` centred on the area's middle (taken with exclusive right
// and bottom edges); a margin of 0 or more pins its left edge instead.
QRect PlaceBox(const QRect& area, QSize size, int margin) {
  const int centreX = (area.left() + area.left() + area.width()) / 2;
  const int centreY = (area.top() + area.top() + area.height()) / 2;
  QRect box(centreX - size.width() / 2, centreY - size.height() / 2, size.width(), size.height());
  if (margin >= 0)
    box.moveLeft(area.left() + margin);
  return box;
}

// The glyph with every pixel of its bottom-left pixel's colour see-through.
QImage KeyedOut(const QImage& glyph) {
  QImage keyed = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
  for (int y = 0; y < keyed.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((line[x] & RGB_MASK) == key)
        line[x] = 0;
    }
  }
  return keyed;
}

void DrawCaption(QPainter& painter, const QRect& textRect, const TFancyButtonLook& look,
                 bool disabled) {
  if (disabled) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(EmbossHighlight);
    painter.drawText(textRect.translated(1, 1), flags, look.Caption);
    painter.setPen(EmbossShadow);
    painter.drawText(textRect, flags, look.Caption);
  } else {
    painter.setPen(look.FontColor);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, look.Caption);
  }
}

void DrawContent(QPainter& painter, QRect area, const TFancyButtonLook& look,
                 const TFancyButtonState& state) {
  if (state.Pressed)
    area.translate(1, 1);
  painter.setFont(look.Font);
  const QFontMetrics metrics(look.Font);
  const int textWidth = metrics.horizontalAdvance(look.Caption);
  const int textHeight = metrics.height();
  // A glyph without height is no glyph, and takes no spacing either. A glyph
  // drawn for a screen with a device pixel ratio is laid out at its size in
  // button pixels.
  const QSize glyph = look.Glyph.deviceIndependentSize().toSize();
  const bool hasGlyph = glyph.height() > 0;
  const int glyphWidth = hasGlyph ? glyph.width() + look.Spacing : 0;

  const QRect captionBox = PlaceBox(area, QSize(glyphWidth + textWidth, textHeight), look.Margin);
  if (hasGlyph) {
    const QRect glyphBox =
        PlaceBox(area, QSize(glyphWidth + textWidth, glyph.height()), look.Margin);
    painter.drawImage(glyphBox.topLeft(), KeyedOut(look.Glyph));
  }
  DrawCaption(painter, captionBox.adjusted(glyphWidth, 0, 0, 0), look, state.Disabled);
}

void InvertIfDotted(QPainter& painter, const QRect& rect, int x, int y) {
  if ((x - rect.left() + y - rect.top()) % 2 == 0)
    painter.fillRect(QRect(x, y, 1, 1), Qt::white);
}

// Inverts every other pixel of the outline, so it shows on any face. Each
// pixel is visited once, or a thin rectangle would invert itself back.
void DrawFocusRect(QPainter& painter, const QRect& rect) {
  if (rect.isEmpty())
    return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (int x = rect.left(); x <= rect.right(); ++x) {
    InvertIfDotted(painter, rect, x, rect.top());
    if (rect.bottom() != rect.top())
      InvertIfDotted(painter, rect, x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    InvertIfDotted(painter, rect, rect.left(), y);
    if (rect.right() != rect.left())
      InvertIfDotted(painter, rect, rect.right(), y);
  }
  painter.restore();
}

}  // namespace

void PaintFancyButton(QPainter& painter, const QRect& rect, const TFancyButtonLook& look,
                      const TFancyButtonState& state) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setBackgroundMode(Qt::TransparentMode);

  const double lift = LiftOf(look, state);
  const QColor brush = Lighten(look.Color, lift);
  QColor top = Lighten(look.GradColor1, lift);
  QColor bottom = Lighten(look.GradColor2, lift);
  if (look.DownInvert && state.Pressed)
    std::swap(top, bottom);

  const QRect face = DrawFrame(painter, rect, look, state, brush);
  if (look.Gradient)
    FillGradient(painter, face, top, bottom);
  else
    Fill(painter, face, brush);
  DrawContent(painter, rect, look, state);
  if (state.Default && state.Focused)
    DrawFocusRect(painter, Shrunk(rect, look.Gradient ? 2 : 4));
  painter.restore();
}

TFancyButton::TFancyButton(QWidget* parent) : QPushButton(parent) {
  const QPalette palette = QApplication::palette();
  FFrameDarkest = palette.color(QPalette::Shadow);
  FFrameDark = palette.color(QPalette::Dark);
  FFrameLightest = palette.color(QPalette::Light);
  FFrameLight = palette.color(QPalette::Midlight);
  FColor = palette.color(QPalette::Button);
  FFontColor = palette.color(QPalette::ButtonText);
}

template <typename T>
void TFancyButton::Change(T& field, const T& value) {
  if (field == value)
    return;
  field = value;
  update();
}

void TFancyButton::SetFrameDarkest(QColor colour) {
  Change(FFrameDarkest, colour);
}
void TFancyButton::SetFrameDark(QColor colour) {
  Change(FFrameDark, colour);
}
void TFancyButton::SetFrameLightest(QColor colour) {
  Change(FFrameLightest, colour);
}
void TFancyButton::SetFrameLight(QColor colour) {
  Change(FFrameLight, colour);
}

void TFancyButton::SetMargin(int margin) {
  if (margin >= -1)
    Change(FMargin, margin);
}

void TFancyButton::SetSpacing(int spacing) {
  Change(FSpacing, spacing);
}

void TFancyButton::SetGlyph(const QImage& glyph) {
  FGlyph = glyph;  // implicitly shared: the caller's later changes detach
  update();
}

void TFancyButton::SetGradColor1(QColor colour) {
  Change(FGradColor1, colour);
}
void TFancyButton::SetGradColor2(QColor colour) {
  Change(FGradColor2, colour);
}
void TFancyButton::SetGradient(bool gradient) {
  Change(FGradient, gradient);
}

void TFancyButton::SetDown(bool down) {
  if (isDown() == down)
    return;
  setDown(down);
  update();
}

void TFancyButton::SetDownInvert(bool invert) {
  FDownInvert = invert;
  update();
}

void TFancyButton::SetColor(QColor colour) {
  Change(FColor, colour);
}
void TFancyButton::SetFontColor(QColor colour) {
  Change(FFontColor, colour);
}

TFancyButtonLook TFancyButton::Look() const {
  TFancyButtonLook look;
  look.FrameDarkest = FFrameDarkest;
  look.FrameDark = FFrameDark;
  look.FrameLightest = FFrameLightest;
  look.FrameLight = FFrameLight;
  look.Margin = FMargin;
  look.Spacing = FSpacing;
  look.Glyph = FGlyph;
  look.GradColor1 = FGradColor1;
  look.GradColor2 = FGradColor2;
  look.Gradient = FGradient;
  look.DownInvert = FDownInvert;
  look.Color = FColor;
  look.FontColor = FFontColor;
  look.Font = font();
  look.Caption = text();
  return look;
}

TFancyButtonState TFancyButton::State() const {
  TFancyButtonState state;
  state.Pressed = isDown();
  state.Hot = FHot;
  state.Disabled = !isEnabled();
  state.Focused = hasFocus();
  state.Default = isDefault();
  return state;
}

void TFancyButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PaintFancyButton(painter, rect(), Look(), State());
}

void TFancyButton::enterEvent(QEnterEvent* event) {
  FHot = true;
  update();
  QPushButton::enterEvent(event);
}

void TFancyButton::leaveEvent(QEvent* event) {
  FHot = false;
  update();
  QPushButton::leaveEvent(event);
}

void TFancyButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
    update();
  QPushButton::changeEvent(event);
}
