#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

#include "cards/Card.h"
#include "cards/Clock.h"
#include "cards/Shuffler.h"
#include "cards/VisibleParts.h"

class TCanvas;

// A list of card indices; the first listed card is the one under the pointer.
using TIndices = std::vector<int>;
// Redraws the whole table picture and shows it (true), or only shows it (false).
using RefreshProc = std::function<void(bool)>;
using TCardArray = std::vector<std::unique_ptr<TCard>>;

// Every card of the game, their picture set and back design, the shuffle
// order, and the geometry the game needs: hit test, stacking, moving a group
// and animating it. The deck knows nothing of columns or rules.
class TDeck {
 public:
  static constexpr int DefaultCardBack = 5;
  static constexpr int32_t TopZOrder = 2147483647;

  // `ratio`: the screen's device pixel ratio the pictures are first drawn at.
  explicit TDeck(TRandom& random = TRandom::Program(), TClock& clock = TSteadyClock::Instance(),
                 double ratio = 1.0);
  ~TDeck();
  TDeck(const TDeck&) = delete;
  TDeck& operator=(const TDeck&) = delete;

  bool LargeCards() const { return FLargeCards; }
  int32_t CardBack() const { return FCardBack; }
  int32_t Packs() const { return FPacks; }
  QPoint DragOffset;
  TCardArray Cards;
  QImage SlotPicture;
  TShuffler& Shuffler() { return *FShuffler; }
  const TShuffler& Shuffler() const { return *FShuffler; }
  int CardCount() const { return static_cast<int>(Cards.size()); }
  TCard& Card(int index) { return *Cards[static_cast<size_t>(index)]; }
  const TCard& Card(int index) const { return *Cards[static_cast<size_t>(index)]; }

  void SetPacks(int32_t packs);
  void SetLargeCards(bool large);
  void SetCardBack(int32_t back);
  // Draws the pictures anew for a screen with this device pixel ratio; the
  // cards keep their positions and sizes in table pixels.
  void SetPixelRatio(double ratio);
  const TPixelScale& Scale() const { return FScale; }
  void LoadPictures();
  // How often the pictures were loaded; changing nothing loads nothing.
  int PictureLoads() const { return FPictureLoads; }

  int CardWidth() const;
  int CardHeight() const;
  QSize CardSize() const { return {CardWidth(), CardHeight()}; }
  static int RankOf(int index);
  static int SuitOf(int index);
  QString ShortName(int index) const;

  int CardAt(QPoint p);
  void Restack(TCard& card);
  void PlaceCards(QPoint p, const TIndices& cards, bool onTop);
  void AnimateCards(QPoint from, QPoint to, int steps, int delayMs, const TIndices& cards,
                    const RefreshProc& refresh);
  void SetAllVisible(bool visible);
  void ClearHighlights();

  // Painting on the table picture.
  void DrawAll(TCanvas& canvas);
  // DrawAll in two halves: first which parts of the cards on the canvas
  // show, and so which of its pixels no card body covers; then the cards.
  void FindVisible(const TCanvas& canvas);
  std::span<const Raster::TSpan> Uncovered() const { return FVisible.Uncovered(); }
  void DrawFound(TCanvas& canvas) const;
  void DrawSlot(TCanvas& canvas, int x, int y) const;
  // The same within `spans` (pixels of the canvas's piece) only.
  void DrawSlot(TCanvas& canvas, int x, int y, std::span<const Raster::TSpan> spans) const;
  void FlipCard(TCard& card, TCanvas& canvas, int steps, int delayMs, const RefreshProc& refresh);

 private:
  void CreateCards();
  bool ValidIndex(int index) const { return index >= 0 && index < CardCount(); }

  bool FLargeCards = true;
  int32_t FCardBack = DefaultCardBack;
  TPixelScale FScale;
  int32_t FPacks = 0;
  std::unique_ptr<TShuffler> FShuffler;
  TClock* FClock;
  int FPictureLoads = 0;
  std::vector<const TCard*> FDrawOrder;
  TVisibleParts FVisible;
};
