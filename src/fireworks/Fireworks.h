#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <functional>

#include "cards/Random.h"
#include "fireworks/Rocket.h"

// Fireworks as point particles: rockets pushed up by thrust, slowed by air
// drag, pulled down by an Earth-sized body and shaken by random kicks; a
// rocket bursts into stars when its fuse runs out, and rockets and stars
// leave trails of sparks while a stage burns. One object lives for one
// celebration; it advances the model a frame at a time and draws each frame.
//
// x grows to the right from the picture's left edge, y upward from its
// bottom edge, z toward the viewer, in table pixels: a picture drawn for a
// screen with a device pixel ratio gets the same celebration, drawn with its
// finer pixels. Every random draw comes from one generator in a fixed order,
// so a seeded run repeats exactly.
class TFireworks {
 public:
  // Called with the fireworks and the picture: before the particles are
  // drawn (after the clear) and after them.
  using TDrawHook = std::function<void(TFireworks&, QImage&)>;

  explicit TFireworks(TRandom& random = TRandom::Program());

  // Launches a copy of `record` from the middle of the picture's bottom
  // edge and draws a frame at once.
  void Launch(QImage& image, const TRocket& record);
  // One frame: step the model, draw, then the ground and edge checks.
  void Advance(QImage& image);
  // Clears the picture and draws every particle, nearest last.
  void Paint(QImage& image);

  // The parts of a frame.
  void Step(double dt);
  void UpdateParticle(int index, double dt);
  struct TTrail {
    bool Burns;
    QRgb Color;
  };
  static TTrail StageStep(TRocket& particle, double dt);
  // True when the fuse ran out in this step: the particle then turns into
  // a grey shell of half its mass and radius.
  static bool FuseStep(TRocket& particle, double dt);
  void Burst(const TRocket& shell);
  void EmitSpark(const TRocket& emitter, QRgb color);
  void Integrate(TRocket& particle, const TRocket& body, double dt);
  void CheckGround();
  // Bounces particles off the left, right and top edges of a picture of
  // `right` x `bottom` pixels.
  void CheckEdges(double right, double bottom);
  void AddRocket(const TRocket& rocket) { Rockets.Add(rocket); }
  void DeleteRocket(int index) { Rockets.Delete(index); }

  // Draws one particle; a twinkling one gets a bright pixel at its centre.
  void DrawParticle(QImage& image, const TRocket& particle, bool twinkle) const;

  double StepSeconds = 0.1;
  TDrawHook OnAfterDraw;
  TDrawHook OnBeforeDraw;
  TRocketList Rockets;
  double TwinkleLife = 8.0;
  bool Twinkle = true;
  int32_t TwinkleOdds = 70;
  double TwinkleBrightness = 90.0;  // per cent
  int32_t SparksPerFrame = 1;
  double SparkSpread = 0.0;
  double FramesPerSecond = 10.0;
  double TimeScale = 1.0;
  bool BounceOnEdges = false;
  QRgb BackgroundColor = RGB(0, 0, 0);

 private:
  // Uniform in [-x/2, x/2) and in (-x, x].
  double Half(double x);
  double Sym(double x);

  TRandom& FRandom;
};

// Each channel raised by Round(f x 255), clamped to 0..255.
QRgb Brighten(QRgb color, double f);
// A dot of `size` at (x, y): one pixel below size 1, otherwise a disc filling
// the circle in the square from (x - size, y - size) to (x + size, y + size)
// less an outline `ring` pixels wide in `outline`. Pixels off the picture are
// skipped.
void DrawDot(QImage& image, int x, int y, int size, QRgb color, QRgb outline, int ring = 1);
// The picture's size in table pixels, the units the particles move in.
QSize TableSizeOf(const QImage& image);
