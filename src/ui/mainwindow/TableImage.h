#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QImage;
class QKeyEvent;
class QPainter;
class QRegion;
class TGameEngine;
class TTableAnnouncer;

// The card table on the window: it shows the table picture as it is, or with
// no picture paints the engine's table straight from its state, and hands
// presses, moves and releases, in table pixels, to its owner. The
// picture holds the screen's own pixels, drawn for its device pixel ratio:
// they are shown one to one. With fitted cards a table pixel is
// LayoutScale() window pixels large.
class TTableImage : public QWidget {
 public:
  using TPressHandler = std::function<void(int buttons, QPoint point)>;
  using TPointHandler = std::function<void(QPoint point)>;

  explicit TTableImage(QWidget* parent = nullptr);
  ~TTableImage() override;

  // The picture to show while it is not null; otherwise the engine's table
  // is painted from its state.
  void SetPicture(const QImage* picture) { FPicture = picture; }
  void SetLayoutScale(double scale) { FScale = scale; }
  double LayoutScale() const { return FScale; }
  // The table pixel under a window point, the first window pixel of a table
  // pixel, and the window pixels a table area covers.
  QPoint TablePoint(QPointF window) const;
  QPoint WindowPoint(QPoint table) const;
  QRect WindowArea(const QRect& table) const;
  // Shows at once where the picture changed (table pixels).
  void ShowChanged(const QRegion& changed);
  // Whether a new frame may be shown now: not while the last one shown is
  // younger than one refresh of the screen, which could not show it yet.
  // Then OnFrameDue is called once a frame is due: after the refresh for a
  // pointer move, else as soon as events are handled again (after an
  // animation, which handles none).
  bool FrameDue();
  std::function<void()> OnFrameDue;
  // Tells the owner, through OnPixelRatio, when the widget's device pixel
  // ratio is not the one last told (at the start, and after the window
  // moved to a screen with another ratio).
  void CheckPixelRatio();

  // The engine whose table this is, for screen readers (TableAccessible.h).
  void SetEngine(const TGameEngine* engine) { FEngine = engine; }
  const TGameEngine* Engine() const { return FEngine; }

  TPressHandler OnMouseDown;
  TPointHandler OnMouseMove;
  TPointHandler OnMouseUp;
  std::function<void(QSize)> OnResize;
  std::function<void(double)> OnPixelRatio;
  // Called as a paint starts, before any pixel is painted.
  std::function<void()> OnBeforePaint;
  // A key pressed while the table has the focus; true when it was used.
  std::function<bool(const QKeyEvent& event)> OnKeyPress;
  // The table got (true) or lost the keyboard focus.
  std::function<void(bool in, Qt::FocusReason reason)> OnFocus;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Show(const QRegion& changed);
  void PaintFromTable(QPainter& painter, const QRect& pixels) const;
  qint64 RefreshNs() const;

  const QImage* FPicture = nullptr;
  double FRatio = 0;
  const TGameEngine* FEngine = nullptr;
  std::unique_ptr<TTableAnnouncer> FAnnouncer;
  double FScale = 1.0;
  QElapsedTimer FSinceShown;
  QTimer FFrameTimer;
  bool FInPointerMove = false;
  // Set while OnBeforePaint runs: the region the paint is about to paint.
  std::optional<QRegion> FPainting;
};
