// Where the stock, the home piles and the columns lie, how far each column
// fans out, and painting the whole table.

#include <algorithm>
#include <cmath>

#include "cards/Canvas.h"
#include "cards/Raster.h"
#include "game/GameEngine.h"

namespace {

struct TLayoutValues {
  int ColumnGap;
  int FanStep;
  QPoint HomeOrigin;
  QPoint PileOrigin;
};

constexpr TLayoutValues LargeLayout{9, 30, {162, 5}, {5, 105}};
constexpr TLayoutValues SmallLayout{7, 23, {130, 5}, {5, 80}};
constexpr QPoint StockOrigin{5, 5};
constexpr int BottomMargin = 10;
constexpr QSize BaseTable{801, 472};
// Fitted cards grow in eighths: a card keeps its size while the window is
// dragged a little, and every step is a whole number of device pixels per
// eight table pixels.
constexpr double ScaleSteps = 8;
constexpr double MaxLayoutScale = 8;

}  // namespace

double TGameEngine::FitScale(QSize windowTable, double screenRatio) {
  const double fit = std::min(static_cast<double>(windowTable.width()) / BaseTable.width(),
                              static_cast<double>(windowTable.height()) / BaseTable.height());
  // The card pictures are drawn at the scale times the screen's ratio.
  const double most =
      std::min(MaxLayoutScale, TPixelScale::MaxRatio / TPixelScale(screenRatio).Ratio());
  const double stepped = std::floor(std::min(fit, most) * ScaleSteps + 1e-9) / ScaleSteps;
  return std::isfinite(stepped) ? std::max(stepped, 1.0) : 1.0;
}

void TGameEngine::ApplyCardSize(bool small) {
  SmallCards = small;
  FHost.SetSmallCardsChecked(small);
  FDeck->SetLargeCards(!small);
  const TLayoutValues& values = small ? SmallLayout : LargeLayout;
  ColumnGap = values.ColumnGap;
  FanStep = values.FanStep;
  PlaceOrigins();
  if (GameState == gsNoGame)
    GatherCards();
  Relayout();
  Redraw(true);
}

// The stock, the home piles and the columns, moved right by the room a
// fitted table leaves on either side.
void TGameEngine::PlaceOrigins() {
  const TLayoutValues& values = SmallCards ? SmallLayout : LargeLayout;
  const QPoint shift(FTableShift, 0);
  StockPoint = StockOrigin + shift;
  HomeOrigin = values.HomeOrigin + shift;
  PileOrigin = values.PileOrigin + shift;
  DealRect = QRect(StockPoint, FDeck->CardSize());
}

void TGameEngine::Relayout() {
  for (int p = 0; p < HomePiles; ++p) {
    for (int s = 0; s < HomeSlots; ++s) {
      TCard* card = Table.HomeSlot(p, s);
      if (card == nullptr)
        continue;
      card->Visible = false;
      card->Position = HomePoint(p);
      card->Visible = true;
      FDeck->Restack(*card);
    }
  }
  const int avail = FTableSize.height() - PileOrigin.y() - FDeck->CardHeight() - BottomMargin;
  for (int c = 0; c < Columns; ++c) {
    const int n = Table.LastRow(c) + 1;
    const int step = avail >= n * FanStep ? FanStep : avail / n;
    // A very low table would leave no room to fan the cards at all.
    PileStep[static_cast<size_t>(c)] = std::max(step, MinPileStep);
  }
  for (int c = 0; c < Columns; ++c) {
    const int count = Table.PileCount(c);
    for (int r = 0; r < count; ++r)
      Table.Slot(c, r)->Visible = false;
    for (int r = 0; r < count; ++r) {
      TCard* card = Table.Slot(c, r);
      card->Position = SlotPoint(c, r);
      card->Visible = true;
      FDeck->Restack(*card);
    }
  }
  const TShuffler& shuffler = FDeck->Shuffler();
  for (int i = 0; i < shuffler.ShuffleIndex(); ++i)
    FDeck->Card(shuffler.DeckArray()[static_cast<size_t>(i)]).FaceUp = false;
}

void TGameEngine::Redraw(bool full) {
  if (!full) {
    // What is drawn straight on the table shows the rest of the state as it
    // is now, so a held frame goes first: the screen never mixes the two.
    if (FFrameHeld)
      ShowChanges();
    FHost.ShowTable(FullRepaints ? QRegion(TableRect()) : QRegion(FDirectArea));
    return;
  }
  // A kept picture is painted at every frame: a card turning over is drawn
  // on what it holds. Painted from the state, a frame the screen could not
  // show yet is merged into the next one.
  if (FTablePicture.isNull() && !FHost.FrameDue()) {
    FFrameHeld = true;
    return;
  }
  ShowChanges();
}

void TGameEngine::ShowHeldFrame() {
  if (FFrameHeld)
    ShowChanges();
}

void TGameEngine::ShowChanges() {
  FFrameHeld = false;
  std::vector<QRect> changed = FTracker.Changes(*FDeck, PlaceRects());
  NoteFocusFrame(changed);
  if (FRepaintAll || FullRepaints)
    changed = {TableRect()};
  FRepaintAll = false;
  QRegion shown;
  for (const QRect& area : changed) {
    const QRect inside = area & TableRect();
    if (inside.isEmpty())
      continue;
    // With no picture the window paints what it is shown from the state.
    if (!FTablePicture.isNull())
      PaintArea(FTablePicture, inside);
    shown += inside;
  }
  FHost.ShowTable(shown);
}

// Paints one area of the table as a whole repaint would: green cloth, the
// empty-place markers, the cards in stacking order, then the keyboard frame.
// Every pixel of the picture that the area touches is painted, also one the
// area only partly covers at a fractional pixel ratio.
void TGameEngine::PaintArea(QImage& picture, const QRect& area) const {
  const QRect pixels = FDeck->Scale().Cover(area) & picture.rect();
  if (pixels.isEmpty())
    return;
  QImage piece = PictureArea(picture, pixels);
  PaintPixels(piece, pixels.topLeft());
}

void TGameEngine::PaintPixels(QImage& piece, QPoint origin) const {
  TCanvas canvas(piece, origin);
  // Under a card's body nothing else shows: the cloth and the empty places
  // are painted only where no body lies.
  FDeck->FindVisible(canvas);
  const std::span<const Raster::TSpan> cloth = FDeck->Uncovered();
  Raster::FillSpans(piece, cloth, TCanvas::TableColour);
  DrawPlaces(canvas, cloth);
  FDeck->DrawFound(canvas);
  PaintFocusFrame(canvas, FFocusFrame, FDeck->Scale());
  if (FShowDirectPiece)
    Raster::CopyOpaque(piece, FDirectOrigin - origin, FDirectPiece);
}

void TGameEngine::SetKeepPicture(bool keep) {
  FKeepPicture = keep;
  FTablePicture = keep ? NewTablePicture() : QImage();
  FRepaintAll = true;
}

QImage TGameEngine::TablePicture() const {
  return FTablePicture.isNull() ? PaintedInFull() : FTablePicture;
}

QImage& TGameEngine::HoldTablePicture() {
  // The picture is drawn on from now on: a held frame is shown first, or
  // it would later be painted over what is drawn.
  ShowHeldFrame();
  if (FTablePicture.isNull())
    FTablePicture = PaintedInFull();
  return FTablePicture;
}

void TGameEngine::RepaintAll() {
  FRepaintAll = true;
  if (!FKeepPicture)
    FTablePicture = QImage();
}

QImage TGameEngine::PaintedInFull() const {
  QImage picture = NewTablePicture();
  PaintArea(picture, TableRect());
  return picture;
}

// The picture holds the screen's pixels of the window's table and carries
// the screen's ratio, so that the window shows it one to one and the
// celebration draws on it in window pixels. With fitted cards a strip
// narrower than a table pixel may lie right of and below the table.
QImage TGameEngine::NewTablePicture() const {
  QImage picture(TPixelScale(FScreenRatio).Size(FWindowSize), QImage::Format_RGB32);
  picture.setDevicePixelRatio(FScreenRatio);
  if (FDeck->Scale().Size(FTableSize) != picture.size())
    picture.fill(TCanvas::TableColour);
  return picture;
}

// Where the empty-place markers lie: one pixel up and left of each home pile
// and of each column's first slot.
std::vector<QRect> TGameEngine::PlaceRects() const {
  std::vector<QRect> places;
  const QSize size = FDeck->CardSize();
  for (int p = 0; p < HomePiles; ++p)
    places.emplace_back(HomePoint(p) - QPoint(1, 1), size);
  for (int c = 0; c < Columns; ++c)
    places.emplace_back(SlotPoint(c, 0) - QPoint(1, 1), size);
  return places;
}

void TGameEngine::DrawPlaces(TCanvas& canvas, std::span<const Raster::TSpan> uncovered) const {
  for (const QRect& place : PlaceRects())
    FDeck->DrawSlot(canvas, place.x(), place.y(), uncovered);
}

void TGameEngine::ResizeTable(QSize size) {
  FWindowSize = size.expandedTo(QSize(0, 0));
  FitTable();
}

void TGameEngine::SetPixelRatio(double ratio) {
  const double screen = TPixelScale(ratio).Ratio();
  if (screen == FScreenRatio)
    return;
  FScreenRatio = screen;
  FitTable();
}

void TGameEngine::SetFitCards(bool on) {
  if (on == FFitCards)
    return;
  FFitCards = on;
  FitTable();
}

// The table in table pixels: the window's table divided by the layout's
// scale, the cards drawn at the scale times the screen's ratio, and the
// design's 801 pixels of table centred in a wider one.
void TGameEngine::FitTable() {
  FLayoutScale = FFitCards ? FitScale(FWindowSize, FScreenRatio) : 1.0;
  const auto units = [this](int pixels) {
    return static_cast<int>(std::floor(pixels / FLayoutScale + 1e-9));
  };
  FTableSize = QSize(units(FWindowSize.width()), units(FWindowSize.height()));
  FTableShift = FFitCards ? std::max(0, (FTableSize.width() - BaseTable.width()) / 2) : 0;
  FDeck->SetPixelRatio(FLayoutScale * FScreenRatio);
  PlaceOrigins();
  // A held picture stays held, at the new size.
  if (FKeepPicture || !FTablePicture.isNull())
    FTablePicture = NewTablePicture();
  FRepaintAll = true;
  Relayout();
  Redraw(true);
}

QPoint TGameEngine::SlotPoint(int c, int r) const {
  return {PileOrigin.x() + c * (FDeck->CardWidth() + ColumnGap),
          PileOrigin.y() + r * PileStep[static_cast<size_t>(c)]};
}

QPoint TGameEngine::HomePoint(int p) const {
  return {HomeOrigin.x() + p * (FDeck->CardWidth() + ColumnGap), HomeOrigin.y()};
}

int TGameEngine::HomeAt(QPoint point) const {
  for (int p = 0; p < HomePiles; ++p)
    if (QRect(HomePoint(p), FDeck->CardSize()).contains(point))
      return p;
  return -1;
}

int TGameEngine::ColumnAt(int x) const {
  return (x - PileOrigin.x()) / (FDeck->CardWidth() + ColumnGap);
}
