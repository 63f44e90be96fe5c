#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <algorithm>
#include <memory>
#include <span>

#include "cards/CardMetrics.h"
#include "cards/Raster.h"

class TCanvas;

// Cards are placed within this many pixels of the table's corner, far
// beyond any screen, so that a position plus a card's size, or the distance
// between two positions, always fits an int.
inline constexpr int CardPositionLimit = 1 << 24;

inline QPoint BoundedPosition(QPoint p) {
  return {std::clamp(p.x(), -CardPositionLimit, CardPositionLimit),
          std::clamp(p.y(), -CardPositionLimit, CardPositionLimit)};
}

// The pixels of one picture set worth drawing: the card inside its outline,
// and the parts of its shadow and glow that stay visible around it (the card
// and its highlight frame cover the rest at once).
struct TCardRuns {
  Raster::TMaskRuns Card, Shadow, Glow;
};

// One card: its identity, its pictures, where it lies on the table, how it
// stacks and how it is to be drawn. Pictures are implicitly shared between
// cards; each card still holds its own set. Positions and sizes are table
// pixels; the pictures may hold more pixels than that, drawn for a screen
// with a device pixel ratio (see TCardMetrics).
class TCard {
 public:
  // The face as drawn: the picture given to FacePicture, or else the
  // numbered card picture, drawn when it is first needed (a table without a
  // game shows no face, so a start draws none).
  const QImage& Face() const;
  // Which numbered picture the face is; the face is drawn afresh.
  void SetFaceNumber(int number, double ratio);
  // Tells face pictures apart without drawing them.
  qint64 FaceKey() const;

  mutable QImage FacePicture;
  QImage BackPicture;
  QImage MaskPicture;    // 1 bit: white (1) outside the rounded outline, black (0) the card
  QImage GlowPicture;    // selection glow, centred on the card
  QImage ShadowPicture;  // premultiplied alpha, the card plus 6 pixels on every side
  QImage Underlay;       // the table under the card while it flips
  QPoint Position;       // top-left corner on the table
  int32_t ZOrder = 0;
  int32_t Index = 0;
  uint8_t Suit = 0;
  uint8_t Rank = 0;
  QString Name;
  bool FaceUp = true;
  bool DealFaceUp = false;
  bool Visible = true;
  bool Highlighted = false;
  bool Moving = false;

  // The size of the face picture in table pixels.
  int Width() const { return FMetrics.Size.width(); }
  int Height() const { return FMetrics.Size.height(); }
  QRect BoundsRect() const;
  bool ContainsPoint(QPoint p) const;
  bool Overlaps(const TCard& other) const;
  // A rectangle of one of the card's pictures (or of `size`, in table
  // pixels) centred on the card.
  QRect CenteredRect(const QImage& picture) const;
  QRect CenteredRect(QSize size) const;
  QRect ShadowRect() const;
  QRect GlowRect() const;
  QString LongName() const;
  // Everything Draw touches: the card, and its shadow or glow and frame.
  QRect PaintedRect() const;

  // What Draw puts down, bottom to top, each the pixels a picture's runs
  // mark, placed from a corner on the table picture: the shadow while the
  // card moves, the glow's band while it is highlighted (with the frame),
  // then the body, the picture inside the outline. The body has no runs
  // when the picture drawn does not fill the outline: such a card hides
  // nothing beneath it and is only drawn whole.
  struct TLayer {
    const Raster::TMaskRuns* Runs = nullptr;
    QPoint Corner;
    bool operator==(const TLayer&) const = default;
  };
  struct TLayers {
    TLayer Shadow, Glow, Body;
  };
  TLayers Layers() const;
  // The pixels of each layer to draw (canvas pixels).
  struct TVisible {
    std::span<const Raster::TSpan> Shadow, Glow, Body;
  };

  // Painting on the table picture: the whole card, or its layers within
  // `visible` only (the highlight frame is drawn whole).
  void Draw(TCanvas& canvas) const;
  void Draw(TCanvas& canvas, const TVisible& visible) const;
  // Whether Draw touches any pixel of the canvas.
  bool Touches(const TCanvas& canvas) const;
  void SaveUnderlay(const TCanvas& canvas);
  void RestoreUnderlay(TCanvas& canvas) const;
  void DrawFlipFrame(TCanvas& canvas, double angle) const;

  // The mask and the visible shadow and glow as row runs, shared by every
  // card of one picture set.
  void SetRuns(std::shared_ptr<const TCardRuns> runs) { FRuns = std::move(runs); }
  // The sizes the pictures were drawn at.
  void SetMetrics(const TCardMetrics& metrics) { FMetrics = metrics; }
  const TCardMetrics& Metrics() const { return FMetrics; }

 private:
  int FFaceNumber = -1;
  double FFaceRatio = 1.0;
  // Where the card's pictures go on the table picture: every layer is placed
  // from the card's own corner, so at any ratio they meet without seams.
  QPoint PictureCorner() const { return FMetrics.Scale.Point(Position); }
  QRect PictureShadowRect() const;
  const QImage& DrawnPicture() const { return FaceUp ? Face() : BackPicture; }
  QPoint GlowCorner() const;
  void DrawFrame(TCanvas& canvas) const;

  std::shared_ptr<const TCardRuns> FRuns;
  TCardMetrics FMetrics;
};
