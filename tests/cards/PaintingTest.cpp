#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cards/Canvas.h"
#include "cards/CardOutline.h"
#include "cards/CardResources.h"
#include "cards/Deck.h"
#include "support/QtPrinters.h"

namespace {

constexpr QRgb Table = TCanvas::TableColour;
constexpr QRgb FaceColour = 0xffff0000;
constexpr QRgb BackColour = 0xff0000ff;

QImage Solid(QSize size, QRgb colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

class PaintingTest : public ::testing::Test {
 protected:
  PaintingTest() : Deck(Random, Clock), Picture(400, 300, QImage::Format_RGB32), Canvas(Picture) {
    Deck.SetPacks(2);
    Deck.SetAllVisible(false);
    Picture.fill(Table);
  }

  // Card 0 alone on the table at (100, 100), painted in plain colours so the
  // tests can tell face from back.
  TCard& LoneCard() {
    TCard& card = Deck.Card(0);
    card.FacePicture = Solid(card.Face().size(), FaceColour);
    card.BackPicture = Solid(card.BackPicture.size(), BackColour);
    card.Position = QPoint(100, 100);
    card.Visible = true;
    return card;
  }
  QRgb At(int x, int y) const { return Picture.pixel(x, y); }
  void Redraw() {
    Picture.fill(Table);
    Deck.DrawAll(Canvas);
  }

  TRandom Random;
  TManualClock Clock;
  TDeck Deck;
  QImage Picture;
  TCanvas Canvas;
};

TEST_F(PaintingTest, PreparedShadowIsAQuarterDarkBandAndTransparentElsewhere) {
  const QImage& shadow = Deck.Card(0).ShadowPicture;
  ASSERT_EQ(shadow.format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(shadow.pixel(0, 0), qRgba(0, 0, 0, 0));  // white field
  EXPECT_EQ(shadow.pixel(82, 107), qRgba(0, 0, 0, 0));
  EXPECT_EQ(shadow.pixel(6 + 71 + 2, 60), qRgba(0, 0, 0, 64));  // right band
  EXPECT_EQ(shadow.pixel(40, 6 + 96 + 2), qRgba(0, 0, 0, 64));  // bottom band
  EXPECT_EQ(qAlpha(shadow.pixel(40, 50)), 255);                 // under the card
  EXPECT_EQ(shadow.pixel(6 + 1, 50), shadow.pixel(40, 50));
  EXPECT_EQ(shadow.pixel(6, 6), qRgba(0, 0, 0, 0));  // rounded corner stays clear
}

TEST(CardResourcesTest, PrepareShadowMapsBlackWhiteAndOthers) {
  QImage raw(3, 1, QImage::Format_RGB32);
  raw.setPixel(0, 0, qRgb(0, 0, 0));
  raw.setPixel(1, 0, qRgb(255, 255, 255));
  raw.setPixel(2, 0, qRgb(1, 2, 3));
  const QImage prepared = CardResources::PrepareShadow(raw);
  EXPECT_EQ(prepared.pixel(0, 0), qRgba(0, 0, 0, 64));
  EXPECT_EQ(prepared.pixel(1, 0), qRgba(0, 0, 0, 0));
  EXPECT_EQ(prepared.pixel(2, 0), qRgba(1, 2, 3, 255));
}

TEST(CardResourcesTest, MaskGlowAndSlotMatchTheOutline) {
  for (const bool large : {true, false}) {
    const int base = large ? 0 : CardResources::SmallBase;
    const QSize card = large ? CardOutline::LargeSize : CardOutline::SmallSize;
    const QImage mask = CardResources::Picture(base + CardResources::Mask);
    ASSERT_EQ(mask.depth(), 1);
    ASSERT_EQ(mask.size(), card);
    EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(card.width() - 1, card.height() - 1), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(card.width() / 2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(0, card.height() / 2), qRgb(0, 0, 0));

    const QImage glow = CardResources::Picture(base + CardResources::Glow);
    const int marginY = large ? 3 : 2;
    ASSERT_EQ(glow.size(), card + QSize(6, 2 * marginY));
    EXPECT_EQ(glow.pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(glow.pixel(2, marginY + 10), qRgb(255, 255, 0));
    EXPECT_EQ(glow.pixel(3, marginY), qRgb(0, 0, 0));
    EXPECT_EQ(glow.pixel(glow.width() - 4, glow.height() - 1 - marginY), qRgb(0, 0, 0));

    const QImage slot = CardResources::Picture(base + CardResources::Slot);
    EXPECT_EQ(slot.size(), card);
    EXPECT_EQ(slot.pixel(0, 0), Table);
    EXPECT_NE(slot.pixel(card.width() / 2, 0), Table);
  }
  EXPECT_TRUE(CardResources::Picture(53).isNull());
  EXPECT_TRUE(CardResources::Picture(213).isNull());
  EXPECT_TRUE(CardResources::Picture(-1).isNull());
  EXPECT_TRUE(CardResources::Picture(2000).isNull());
}

TEST_F(PaintingTest, ACardIsCopiedThroughItsMask) {
  LoneCard();
  Redraw();
  EXPECT_EQ(At(100, 100), Table);  // rounded corner
  EXPECT_EQ(At(170, 195), Table);
  EXPECT_EQ(At(101, 101), Table);
  EXPECT_EQ(At(102, 101), FaceColour);
  EXPECT_EQ(At(104, 100), FaceColour);
  EXPECT_EQ(At(135, 150), FaceColour);
  EXPECT_EQ(At(170, 150), FaceColour);
  EXPECT_EQ(At(171, 150), Table);
  EXPECT_EQ(At(99, 150), Table);
}

TEST_F(PaintingTest, AnInvisibleCardLeavesNoTrace) {
  TCard& card = LoneCard();
  card.Moving = card.Highlighted = true;
  card.Visible = false;
  Redraw();
  for (int y = 90; y < 210; y += 3)
    for (int x = 90; x < 185; x += 3)
      ASSERT_EQ(At(x, y), Table) << x << "," << y;
}

TEST_F(PaintingTest, AMovingCardCastsAQuarterShadowRightAndBelow) {
  LoneCard().Moving = true;
  Redraw();
  const QRgb shaded = qRgb(0, 96, 0);  // 128 * 191 / 255
  EXPECT_EQ(At(100 + 71 + 2, 150), shaded);
  EXPECT_EQ(At(100 + 71 + 5, 150), shaded);
  EXPECT_EQ(At(100 + 71 + 6, 150), Table);
  EXPECT_EQ(At(140, 100 + 96 + 3), shaded);
  EXPECT_EQ(At(97, 150), Table);  // nothing on the left
  EXPECT_EQ(At(140, 97), Table);  // nor above
  EXPECT_EQ(At(135, 150), FaceColour);
}

TEST_F(PaintingTest, AHighlightedCardGetsGlowAndFrameAndShowsItsBack) {
  TCard& card = LoneCard();
  card.Highlighted = true;
  card.FaceUp = false;
  Redraw();
  const QRgb glow = qRgb(128, 192, 0);        // yellow at 128 of 255 over the table
  EXPECT_EQ(At(99, 150), qRgb(255, 255, 0));  // frame
  EXPECT_EQ(At(171, 150), qRgb(255, 255, 0));
  EXPECT_EQ(At(140, 99), qRgb(255, 255, 0));
  EXPECT_EQ(At(140, 196), qRgb(255, 255, 0));
  EXPECT_EQ(At(98, 150), glow);
  EXPECT_EQ(At(97, 150), glow);
  EXPECT_EQ(At(96, 150), Table);
  EXPECT_EQ(At(173, 150), glow);
  EXPECT_EQ(At(140, 97), glow);
  EXPECT_EQ(At(140, 96), Table);
  EXPECT_EQ(At(100, 100), Table);  // the frame's fill shows in the corner
  EXPECT_EQ(At(135, 150), BackColour);
}

TEST_F(PaintingTest, TheHighlightFrameIsFilledWithTheCanvasBrush) {
  LoneCard().Highlighted = true;
  Canvas.Brush = qRgb(10, 20, 30);
  Redraw();
  EXPECT_EQ(At(100, 100), qRgb(10, 20, 30));
}

TEST_F(PaintingTest, AMovingHighlightedCardDrawsTheShadowBeforeTheGlow) {
  TCard& card = LoneCard();
  card.Moving = card.Highlighted = true;
  Redraw();
  // Shadow (0, 96, 0) under the glow at 128: the glow must come second.
  EXPECT_EQ(At(100 + 71 + 2, 150), qRgb(128, 176, 0));
  EXPECT_EQ(At(100 + 71 + 4, 150), qRgb(0, 96, 0));
}

TEST_F(PaintingTest, DrawAllPaintsInStackingOrder) {
  TCard& low = LoneCard();
  TCard& high = Deck.Card(1);
  high.FacePicture = Solid(high.Face().size(), qRgb(1, 2, 3));
  high.Position = QPoint(120, 120);
  high.Visible = true;
  low.ZOrder = 50;
  high.ZOrder = 40;  // lower index order must not matter
  Redraw();
  EXPECT_EQ(At(140, 140), FaceColour);
  low.ZOrder = 30;
  Redraw();
  EXPECT_EQ(At(140, 140), qRgb(1, 2, 3));
}

TEST_F(PaintingTest, CardsHangingOffThePictureAreClipped) {
  TCard& card = LoneCard();
  card.Moving = card.Highlighted = true;
  for (const QPoint at : {QPoint(-60, -80), QPoint(380, 280), QPoint(-500, 10), QPoint(390, -90)}) {
    card.Position = at;
    Redraw();
  }
  card.Position = QPoint(-60, -80);
  Redraw();
  EXPECT_EQ(At(5, 5), FaceColour);
}

// Any position up to the ends of int: the pictures are clipped without
// overflow, and cards animated or dragged there stay where sums still fit.
TEST_F(PaintingTest, CardsAtTheEndsOfIntAreClippedAndKeptInReach) {
  TCard& card = LoneCard();
  card.Moving = card.Highlighted = true;
  Deck.Card(1).Position = QPoint(100, 130);
  const QImage& face = card.FacePicture;
  const Raster::TMaskRuns all(face.size(), [](int, int) { return true; });
  const std::function<void(QPoint)> draws[] = {
      [&](QPoint at) { Raster::CopyOpaque(Picture, at, face); },
      [&](QPoint at) { Raster::CopyMasked(Picture, at, face, all); },
      [&](QPoint at) { Raster::BlendPremultiplied(Picture, at, face); },
      [&](QPoint at) { Raster::BlendConstant(Picture, at, face, 128, all); },
  };
  constexpr int Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();
  for (const QPoint end : {QPoint(Low, Low), QPoint(High, High), QPoint(High, 0), QPoint(0, Low),
                           QPoint(Low + 1, High - 1)}) {
    Picture.fill(Table);
    for (const auto& draw : draws)
      draw(end);
    EXPECT_EQ(At(0, 0), Table);
    EXPECT_EQ(At(399, 299), Table);
    Deck.AnimateCards(QPoint(100, 100), end, 3, 0, {0}, [this](bool) { Redraw(); });
    EXPECT_EQ(card.Position, BoundedPosition(end));
    const QPoint apart = Deck.Card(1).Position - card.Position;
    Deck.PlaceCards(end, {0, 1}, true);
    Redraw();
    EXPECT_EQ(card.Position, BoundedPosition(end));
    EXPECT_EQ(Deck.Card(1).Position - card.Position, apart);
  }
  Raster::CopyOpaque(Picture, QPoint(1 - face.width(), 0), face);  // one column inside
  EXPECT_EQ(At(0, 10), FaceColour);
  EXPECT_EQ(At(1, 10), Table);
}

TEST_F(PaintingTest, DrawSlotCopiesTheOutlineOpaquely) {
  Picture.fill(qRgb(9, 9, 9));
  Deck.DrawSlot(Canvas, 10, 20);
  EXPECT_EQ(At(10, 20), Table);  // the slot's own corner is table colour
  EXPECT_EQ(At(9, 20), qRgb(9, 9, 9));
  EXPECT_EQ(At(81, 50), qRgb(9, 9, 9));
  EXPECT_EQ(At(45, 20), Deck.SlotPicture.pixel(35, 0));
}

struct FlipFrame {
  int Width;
  QRgb Colour;
};

// The squeezed card's width and colour along its middle row.
FlipFrame MeasureFrame(const QImage& picture, const TCard& card) {
  const int y = card.Position.y() + card.Height() / 2;
  FlipFrame frame{0, Table};
  for (int x = card.Position.x(); x < card.Position.x() + card.Width(); ++x) {
    if (picture.pixel(x, y) != Table) {
      ++frame.Width;
      frame.Colour = picture.pixel(x, y);
    }
  }
  return frame;
}

TEST_F(PaintingTest, FlipShowsTheFaceUntilNinetyDegreesThenTheBack) {
  TCard& card = LoneCard();
  std::vector<FlipFrame> frames;
  int fullRedraws = 0;
  Deck.FlipCard(card, Canvas, 20, 25, [&](bool full) {
    if (full) {
      ++fullRedraws;
      Redraw();
    } else {
      frames.push_back(MeasureFrame(Picture, card));
    }
  });
  ASSERT_EQ(frames.size(), 21u);
  EXPECT_EQ(fullRedraws, 2);
  EXPECT_EQ(Clock.DelayCount(), 21);
  EXPECT_EQ(Clock.ElapsedMs(), 21 * 25);
  for (size_t i = 0; i <= 20; ++i) {
    const FlipFrame& frame = frames[i];
    // The card narrows towards the edge-on frame and widens again symmetrically.
    EXPECT_EQ(frame.Width, frames[20 - i].Width) << "frame " << i;
    if (i > 0 && i <= 10) {
      EXPECT_LE(frame.Width, frames[i - 1].Width) << "frame " << i;
    }
    EXPECT_EQ(frame.Colour, i < 10 ? FaceColour : BackColour) << "frame " << i;
  }
  EXPECT_EQ(frames[0].Width, 71);
  EXPECT_LT(frames[5].Width, frames[4].Width);
  EXPECT_EQ(frames[10].Width, 1);  // on edge: the odd middle column of a large card
  EXPECT_EQ(frames[20].Width, 71);
  EXPECT_FALSE(card.FaceUp);
  EXPECT_TRUE(card.Visible);
}

TEST_F(PaintingTest, ASmallCardOnEdgeHasNoWidth) {
  Deck.SetLargeCards(false);
  TCard& card = LoneCard();
  std::vector<FlipFrame> frames;
  Deck.FlipCard(card, Canvas, 2, 0, [&](bool full) {
    if (full)
      Redraw();
    else
      frames.push_back(MeasureFrame(Picture, card));
  });
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0].Width, 54);
  EXPECT_EQ(frames[1].Width, 0);
  EXPECT_EQ(frames[2].Width, 54);
  EXPECT_EQ(frames[2].Colour, BackColour);
}

TEST_F(PaintingTest, FlipRestoresTheTableAroundTheSqueezedCardAndEndsVisible) {
  TCard& card = LoneCard();
  card.FaceUp = false;
  card.Visible = false;
  bool sawTableBesideTheCard = false;
  Deck.FlipCard(card, Canvas, 4, 0, [&](bool full) {
    if (full) {
      Redraw();
    } else if (MeasureFrame(Picture, card).Width < 71) {
      sawTableBesideTheCard = At(101, 150) == Table;
    }
  });
  EXPECT_TRUE(sawTableBesideTheCard);
  EXPECT_TRUE(card.FaceUp);
  EXPECT_TRUE(card.Visible);
  EXPECT_EQ(At(135, 150), FaceColour);
}

}  // namespace
