#include "ui/mainwindow/TableImage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "cards/Canvas.h"
#include "cards/PixelScale.h"
#include "cards/RepaintTracker.h"
#include "game/GameEngine.h"
#include "game/GameHost.h"
#include "ui/mainwindow/TableAccessible.h"

namespace {

int HeldButtons(const QMouseEvent* event) {
  int buttons = 0;
  if (event->buttons() & Qt::LeftButton)
    buttons |= mbLeft;
  if (event->buttons() & Qt::RightButton)
    buttons |= mbRight;
  if (event->buttons() & Qt::MiddleButton)
    buttons |= mbMiddle;
  return buttons;
}

}  // namespace

TTableImage::TTableImage(QWidget* parent)
    : QWidget(parent), FAnnouncer(std::make_unique<TTableAnnouncer>(*this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A resize repaints only what it uncovers: the table laid out for the new
  // size repaints the whole of it right after.
  setAttribute(Qt::WA_StaticContents);
  setMouseTracking(true);
  // The keys play on the table (Form1Keys.cpp).
  setFocusPolicy(Qt::StrongFocus);
  FFrameTimer.setSingleShot(true);
  FFrameTimer.setTimerType(Qt::PreciseTimer);
  connect(&FFrameTimer, &QTimer::timeout, this, [this] {
    if (OnFrameDue)
      OnFrameDue();
  });
}

TTableImage::~TTableImage() = default;

QPoint TTableImage::TablePoint(QPointF window) const {
  if (FScale == 1.0)
    return window.toPoint();
  return {static_cast<int>(std::floor(window.x() / FScale)),
          static_cast<int>(std::floor(window.y() / FScale))};
}

// The first window pixel whose table pixel is `table`.
QPoint TTableImage::WindowPoint(QPoint table) const {
  const TPixelScale scale(FScale);
  return {scale.End(table.x()), scale.End(table.y())};
}

QRect TTableImage::WindowArea(const QRect& table) const {
  return TPixelScale(FScale).Cover(table);
}

void TTableImage::ShowChanged(const QRegion& changed) {
  // A table laid out afresh is shown before its owner hears of the new scale.
  if (FEngine != nullptr)
    FScale = FEngine->LayoutScale();
  FAnnouncer->Update();
  FSinceShown.start();
  if (FScale == 1.0 && devicePixelRatioF() == std::floor(devicePixelRatioF())) {
    Show(changed);
    return;
  }
  // At a fractional ratio or scale the screen may round the edges of a
  // table-pixel area outward or inward; a pixel more on every side is shown,
  // so no changed pixel stays unshown. (The picture is whole everywhere.)
  QRegion grown;
  for (const QRect& area : changed)
    grown += WindowArea(area).adjusted(-1, -1, 1, 1);
  Show(grown);
}

// A change made as a paint starts is painted by it where it lies within the
// paint's region; only what lies outside waits for a paint of its own.
void TTableImage::Show(const QRegion& changed) {
  if (!FPainting) {
    repaint(changed);
    return;
  }
  const QRegion outside = changed - *FPainting;
  if (!outside.isEmpty())
    update(outside);
}

bool TTableImage::FrameDue() {
  if (FPainting)
    return true;
  const qint64 refresh = RefreshNs();
  const qint64 since = FSinceShown.isValid() ? FSinceShown.nsecsElapsed() : refresh;
  if (since >= refresh)
    return true;
  // Screen readers hear of the change at once; only its pixels wait.
  FAnnouncer->Update();
  // Pointer moves come faster than the screen refreshes: a frame of one
  // waits for the next refresh, as do the frames within an animation. The
  // last frame of anything else is shown as soon as it is done.
  if (!FInPointerMove)
    FFrameTimer.start(0);
  else if (!FFrameTimer.isActive())
    FFrameTimer.start(static_cast<int>((refresh - since + 999999) / 1000000));
  return false;
}

// A screen refreshes at least 30 times a second; one that does not say is
// taken to refresh 60 times.
qint64 TTableImage::RefreshNs() const {
  const QScreen* shownOn = screen();
  const double rate = shownOn != nullptr ? shownOn->refreshRate() : 0;
  return static_cast<qint64>(1e9 / (rate >= 30 ? rate : 60));
}

void TTableImage::CheckPixelRatio() {
  const double ratio = devicePixelRatioF();
  if (ratio == FRatio)
    return;
  FRatio = ratio;
  if (OnPixelRatio)
    OnPixelRatio(ratio);
}

void TTableImage::paintEvent(QPaintEvent* event) {
  if (OnBeforePaint) {
    const QScopedValueRollback<std::optional<QRegion>> painting(FPainting, event->region());
    OnBeforePaint();
  }
  QPainter painter(this);
  // The picture holds the screen's pixels, whatever table pixels it shows.
  const TPixelScale scale(devicePixelRatioF());
  // A new ratio is taken up after this paint: the table is repainted for it.
  if (devicePixelRatioF() != FRatio)
    QTimer::singleShot(0, this, [this] { CheckPixelRatio(); });
  const bool picture = FPicture != nullptr && !FPicture->isNull();
  // Between a resize and the next repaint of the table the picture may be
  // smaller than the window.
  if (picture && FPicture->size() != scale.Size(size()))
    painter.fillRect(event->rect(), QColor(TCanvas::TableColour));
  if (!picture && FEngine == nullptr) {
    painter.fillRect(event->rect(), QColor(TCanvas::TableColour));
    return;
  }
  // The pixels are the screen's: undo the painter's scaling and copy them
  // one to one.
  if (!scale.IsOne())
    painter.setWorldTransform(QTransform::fromScale(1 / scale.Ratio(), 1 / scale.Ratio()));
  const QRect screen(QPoint(), scale.Size(size()));
  for (const QRect& area : event->region()) {
    const QRect pixels = scale.IsOne() ? area : scale.Cover(area) & screen;
    if (picture) {
      const QRect from = pixels & FPicture->rect();
      painter.drawImage(from, *FPicture, from);
    } else
      PaintFromTable(painter, pixels);
  }
}

// With no picture kept the table's state is painted straight into the
// window's own pixels when the painter draws into a 32-bit picture (the
// raster backing store); else in bands of rows, each copied, so that even a
// whole large window needs only a small piece at a time.
void TTableImage::PaintFromTable(QPainter& painter, const QRect& pixels) const {
  QPaintEngine* engine = painter.paintEngine();
  QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
  if (device != nullptr && engine->type() == QPaintEngine::Raster &&
      device->devType() == QInternal::Image) {
    auto& window = *static_cast<QImage*>(device);
    const QTransform& transform = painter.deviceTransform();
    const QRect target = pixels.translated(transform.map(QPointF()).toPoint());
    if (window.depth() == 32 && transform.type() <= QTransform::TxTranslate &&
        window.rect().contains(target)) {
      QImage piece = PictureArea(window, target);
      FEngine->PaintPixels(piece, pixels.topLeft());
      return;
    }
  }
  constexpr int BandRows = 128;
  for (int top = pixels.top(); top <= pixels.bottom(); top += BandRows) {
    const QRect band(pixels.left(), top, pixels.width(),
                     std::min(BandRows, pixels.bottom() + 1 - top));
    QImage piece(band.size(), QImage::Format_RGB32);
    FEngine->PaintPixels(piece, band.topLeft());
    painter.drawImage(band.topLeft(), piece);
  }
}

void TTableImage::resizeEvent(QResizeEvent*) {
  if (OnResize)
    OnResize(size());
}

void TTableImage::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown)
    OnMouseDown(HeldButtons(event), TablePoint(event->position()));
}

void TTableImage::mouseMoveEvent(QMouseEvent* event) {
  const QScopedValueRollback moving(FInPointerMove, true);
  if (OnMouseMove)
    OnMouseMove(TablePoint(event->position()));
}

void TTableImage::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp)
    OnMouseUp(TablePoint(event->position()));
}

void TTableImage::keyPressEvent(QKeyEvent* event) {
  if (OnKeyPress && OnKeyPress(*event))
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

// The table looks the same with and without the focus (the engine draws
// its frame): no repaint.
void TTableImage::focusInEvent(QFocusEvent* event) {
  if (OnFocus)
    OnFocus(true, event->reason());
  FAnnouncer->Update();
}

void TTableImage::focusOutEvent(QFocusEvent* event) {
  if (OnFocus)
    OnFocus(false, event->reason());
  FAnnouncer->Update();
}
