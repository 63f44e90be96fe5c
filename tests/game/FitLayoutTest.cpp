// Fitted cards: the whole layout scaled to the window's table, drawn and
// hit-tested in the same table pixels.
#include <cmath>

#include "EngineFixture.h"
#include "cards/Canvas.h"

namespace {

using FitLayoutTest = EngineTest;

TEST(FitScaleTest, TheSmallerSideSetsTheScaleInEighthsFromOneUp) {
  struct Case {
    QSize window;
    double ratio, scale;
  };
  for (const Case& k :
       {Case{{801, 472}, 1, 1}, Case{{500, 300}, 1, 1}, Case{{1200, 472}, 1, 1},
        Case{{1202, 708}, 1, 1.5}, Case{{1201, 708}, 1, 1.375}, Case{{2203, 1298}, 1, 2.75},
        Case{{3000, 1000}, 1, 2}, Case{{2000, 700}, 1.5, 1.375}, Case{{16000, 9000}, 4, 4}})
    EXPECT_EQ(TGameEngine::FitScale(k.window, k.ratio), k.scale)
        << k.window.width() << " " << k.ratio;
}

// Every place keeps its table position (centred in a wider table), and the
// first and last window pixels wholly inside a card, taken back to table
// pixels as the window does, hit that card and show it.
TEST_F(FitLayoutTest, TheScaledLayoutIsDrawnWhereItIsHit) {
  Engine.SetFitCards(true);
  Arrange({"-KS -QS -JS -10S -9S -8S -7S -6S -5S -4S 3S", "", "", "", "", "", "", "", "", "QD"},
          {"S"});
  for (const bool small : {false, true})
    for (const double s : {1.0, 1.5, 2.0, 2.75})
      for (const int wider : {0, 300}) {
        Engine.ApplyCardSize(small);
        const QSize window(static_cast<int>(std::ceil(801 * s)) + wider,
                           static_cast<int>(std::ceil(472 * s)));
        Engine.ResizeTable(window);
        SCOPED_TRACE(testing::Message() << s << " " << wider << " " << small);
        ASSERT_EQ(Engine.LayoutScale(), s);
        EXPECT_EQ(Engine.TablePicture().size(), window);
        const QPoint shift((Engine.TableSize().width() - 801) / 2, 0);
        EXPECT_EQ(Engine.StockPoint, QPoint(5, 5) + shift);
        EXPECT_EQ(Engine.SlotPoint(9, 0), (small ? QPoint(554, 80) : QPoint(725, 105)) + shift);
        // The long column is fanned by the rule of a 472-pixel table.
        const int avail = 472 - Engine.PileOrigin.y() - Engine.Deck().CardHeight() - 10;
        EXPECT_EQ(Engine.PileStep[0], std::min(Engine.FanStep, avail / 11));
        const TPixelScale scale(s);
        for (const TCard* card :
             {Engine.Table.TopCard(0), Engine.Table.TopCard(9), Engine.Table.HomeSlot(0, 12)}) {
          const QRect bounds = card->BoundsRect();
          for (const int x : {bounds.left(), bounds.center().x(), bounds.right()}) {
            const QPoint pixel(scale.End(x), scale.End(bounds.center().y()));
            const QPoint table(static_cast<int>(std::floor(pixel.x() / s)),
                               static_cast<int>(std::floor(pixel.y() / s)));
            EXPECT_EQ(Engine.HitTest(table.x(), table.y()).Card, card);
            EXPECT_NE(Engine.TablePicture().pixel(pixel), TCanvas::TableColour);
          }
        }
      }
}

// At 801 x 472 the option changes no pixel, at either card size or ratio.
TEST_F(FitLayoutTest, AtTheBaseSizeFittedCardsChangeNothing) {
  Arrange({"-KS 9S 8S", "6H", "KD"}, {"C"});
  for (const double ratio : {1.0, 1.5})
    for (const bool small : {false, true}) {
      Engine.SetPixelRatio(ratio);
      Engine.ApplyCardSize(small);
      Engine.SetFitCards(false);
      Engine.ResizeTable(QSize(801, 472));
      const QImage before = Engine.TablePicture();
      Engine.SetFitCards(true);
      EXPECT_EQ(Engine.LayoutScale(), 1.0);
      EXPECT_EQ(Engine.TablePicture(), before) << ratio << small;
      EXPECT_EQ(Engine.TablePicture(), Engine.PaintedInFull());
    }
}

}  // namespace
