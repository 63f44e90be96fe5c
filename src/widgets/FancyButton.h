#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPushButton>
#include <QString>

class QPainter;

// Everything that decides how a fancy button looks, apart from its state.
struct TFancyButtonLook {
  QColor FrameDarkest;
  QColor FrameDark;
  QColor FrameLightest;
  QColor FrameLight;
  int Margin = -1;
  int Spacing = 4;
  QImage Glyph;
  QColor GradColor1{192, 192, 192};
  QColor GradColor2{0, 0, 0};
  bool Gradient = false;
  bool DownInvert = false;
  QColor Color;
  QColor FontColor;
  QFont Font;
  QString Caption;
};

// The moment-to-moment state a fancy button is drawn in.
struct TFancyButtonState {
  bool Pressed = false;
  bool Hot = false;
  bool Disabled = false;
  bool Focused = false;
  bool Default = false;
};

// Draws a whole fancy button into `rect`, pixel exact (no antialiasing).
void PaintFancyButton(QPainter& painter, const QRect& rect, const TFancyButtonLook& look,
                      const TFancyButtonState& state);

// A push button that paints itself: a two-ring bevelled frame in four
// colours, a vertical two-colour gradient or a plain fill, an optional glyph
// left of the caption, and hot, pressed, disabled, default and focus looks.
// Everything else (click, default role, keyboard) is the ordinary button's.
class TFancyButton : public QPushButton {
 public:
  explicit TFancyButton(QWidget* parent = nullptr);

  QColor FrameDarkest() const { return FFrameDarkest; }
  void SetFrameDarkest(QColor colour);
  QColor FrameDark() const { return FFrameDark; }
  void SetFrameDark(QColor colour);
  QColor FrameLightest() const { return FFrameLightest; }
  void SetFrameLightest(QColor colour);
  QColor FrameLight() const { return FFrameLight; }
  void SetFrameLight(QColor colour);

  // -1 centres the content; 0 or more puts its left edge there. Values
  // below -1 are refused and the old value stays.
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);

  // Drawn left of the caption; its bottom-left pixel's colour is transparent.
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& glyph);

  QColor GradColor1() const { return FGradColor1; }
  void SetGradColor1(QColor colour);
  QColor GradColor2() const { return FGradColor2; }
  void SetGradColor2(QColor colour);
  bool Gradient() const { return FGradient; }
  void SetGradient(bool gradient);
  // The pushed state of the button itself.
  bool Down() const { return isDown(); }
  void SetDown(bool down);
  bool DownInvert() const { return FDownInvert; }
  void SetDownInvert(bool invert);
  QColor Color() const { return FColor; }
  void SetColor(QColor colour);
  // The caption's colour.
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(QColor colour);

  bool Hot() const { return FHot; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  TFancyButtonLook Look() const;
  TFancyButtonState State() const;
  // Stores `value` into `field` and repaints, only when it differs.
  template <typename T>
  void Change(T& field, const T& value);

  QColor FFrameDarkest;
  QColor FFrameDark;
  QColor FFrameLightest;
  QColor FFrameLight;
  int FMargin = -1;
  int FSpacing = 4;
  QImage FGlyph;
  QColor FGradColor1{192, 192, 192};
  QColor FGradColor2{0, 0, 0};
  bool FGradient = false;
  bool FDownInvert = false;
  QColor FColor;
  QColor FFontColor;
  bool FHot = false;
};
