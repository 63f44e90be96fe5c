#include "EngineFixture.h"

namespace {

using LayoutTest = EngineTest;

TEST_F(LayoutTest, ColumnsKeepTheirFanWhileItFitsAndShrinkBeyond) {
  Engine.ResizeTable(QSize(800, 472));
  const int avail = 472 - 105 - 96 - 10;  // 261
  Arrange({"5H", "", "-KS -QS -JS -10S -9S -8S -7S 6S", "-KS -QS -JS -10S -9S -8S -7S -6S 5S"});
  EXPECT_EQ(Engine.PileStep[0], 30);
  EXPECT_EQ(Engine.PileStep[1], 30);         // an empty column counts as one card
  EXPECT_EQ(Engine.PileStep[2], 30);         // 8 x 30 fits in 261
  EXPECT_EQ(Engine.PileStep[3], avail / 9);  // 9 x 30 does not
}

TEST_F(LayoutTest, ALowTableKeepsAUsableFanAndHitsNothingBelowItsBottom) {
  Arrange({"-KS -QS -JS -10S -9S -8S -7S -6S 5S", "6H"});
  Engine.ResizeTable(QSize(800, 150));
  EXPECT_EQ(Engine.PileStep[0], TGameEngine::MinPileStep);
  EXPECT_EQ(Engine.HitTest(20, 149).Column, 0);
  // Tables lower than the columns' top, and points at or below the bottom
  // of a table: the column area is empty there.
  struct Case {
    QSize table;
    QPoint point;
  };
  for (const Case& k :
       {Case{{800, 60}, {20, 80}}, Case{{800, 60}, {100, 104}}, Case{{800, 104}, {20, 104}},
        Case{{800, 150}, {20, 150}}, Case{{0, 0}, {20, 110}}}) {
    Engine.ResizeTable(k.table);
    const TTablePos p = Engine.HitTest(k.point.x(), k.point.y());
    EXPECT_EQ(p.Column, -1) << k.table.height() << " " << k.point.y();
    EXPECT_EQ(p.Card, nullptr);
  }
  // A drop below a 60-pixel table moves nothing: the pick is cancelled.
  Engine.ResizeTable(QSize(800, 600));
  const QPoint from = PointOn(1, 0);
  Engine.TableMouseDown(mbLeft, from.x(), from.y());
  for (int i = 0; i < 12; ++i)
    Engine.TableMouseMove(from.x(), from.y() + i);
  Engine.ResizeTable(QSize(800, 60));
  Engine.TableMouseUp(20, 103);
  EXPECT_EQ(Error(), "Not A Valid Card");
  Engine.ResizeTable(QSize(800, 600));
  EXPECT_EQ(ColumnNames(1), QStringList{"6H"});
  EXPECT_EQ(ColumnNames(0).size(), 9);
}

TEST_F(LayoutTest, SmallCardsBeforeTheFirstDealMoveTheHeapAndMarkers) {
  Engine.ApplyCardSize(true);
  EXPECT_TRUE(Host.SmallCardsChecked);
  EXPECT_EQ(Engine.Deck().CardSize(), QSize(54, 72));
  EXPECT_EQ(Engine.DealRect, QRect(5, 5, 54, 72));
  EXPECT_EQ(Engine.SlotPoint(1, 0), QPoint(5 + 61, 80));
  EXPECT_EQ(Engine.HomePoint(1), QPoint(130 + 61, 5));
  for (const auto& card : Engine.Deck().Cards)
    EXPECT_LE((card->Position - QPoint(5, 5)).manhattanLength(), 6);
  // The slot markers are painted one pixel up and left of each place.
  const QImage& table = Engine.TablePicture();
  EXPECT_EQ(table.pixel(Engine.SlotPoint(0, 0) + QPoint(26, -1)),
            Engine.Deck().SlotPicture.pixel(27, 0));
  Engine.ApplyCardSize(false);
  EXPECT_EQ(Engine.PileOrigin, QPoint(5, 105));
}

TEST_F(LayoutTest, AResizeAfterAWinPutsTheCardsBackHome) {
  Arrange({"KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS"}, {"H", "H", "D", "D", "C", "C", "S"});
  Move(PointOn(0, 0), HomeCentre(7));
  ASSERT_EQ(Engine.GameState, gsWon);
  Engine.ResizeTable(QSize(1000, 700));
  for (int p = 0; p < HomePiles; ++p)
    for (int s = 0; s < HomeSlots; ++s)
      EXPECT_EQ(Engine.Table.HomeSlot(p, s)->Position, Engine.HomePoint(p));
  EXPECT_GT(Engine.Table.HomeSlot(3, 12)->ZOrder, Engine.Table.HomeSlot(3, 0)->ZOrder);
}

TEST_F(LayoutTest, ColumnAtDividesByThePitch) {
  EXPECT_EQ(Engine.ColumnAt(5), 0);
  EXPECT_EQ(Engine.ColumnAt(5 + 80), 1);
  EXPECT_EQ(Engine.ColumnAt(5 + 79), 0);
}

}  // namespace

// The window lets resize events through while cards are dealt or dragged.
TEST_F(LayoutTest, ResizesDuringADragOrADealLoseNoCard) {
  Arrange({"-KD 9S 8S", "10H", "5C", "KS", "KH", "KC", "QD", "QH", "QC", "QS"});
  const QPoint from = PointOn(0, 1), to = PointOn(1, 0);
  Engine.TableMouseDown(mbLeft, from.x(), from.y());
  for (int i = 1; i <= 13; ++i)
    Engine.TableMouseMove(from.x() + i, from.y() + i);
  Engine.ResizeTable(QSize(300, 200));
  for (int i = 1; i <= 5; ++i)
    Engine.TableMouseMove(from.x() + 3 * i, from.y() + i);
  Engine.ResizeTable(QSize(1024, 768));
  Engine.TableMouseUp(to.x(), to.y());
  ExpectEveryCardOnce();

  int rounds = 0;
  Host.OnMessages = [&] {
    if (++rounds % 7 == 0)
      Engine.ResizeTable(QSize(200 + rounds, 150 + rounds));
  };
  Engine.NewGame();
  Engine.DealRow();
  Host.OnMessages = nullptr;
  ExpectEveryCardOnce();
  Engine.ResizeTable(QSize(1024, 768));
  for (int c = 0; c < Columns; ++c)
    for (int r = 0; At(c, r) != nullptr; ++r)
      EXPECT_EQ(At(c, r)->Position, Engine.SlotPoint(c, r));
}

namespace {

// The places, fans and hit tests a screen's device pixel ratio must leave as
// they are: they are all table pixels, however finely the table is drawn.
struct TTableGeometry {
  std::vector<QPoint> Places;
  std::array<int, Columns> Steps;
  std::vector<QPoint> Cards;
  std::vector<int> Hits;
  bool operator==(const TTableGeometry&) const = default;
};

TTableGeometry GeometryOf(const TGameEngine& engine) {
  TTableGeometry g;
  for (int c = 0; c < Columns; ++c)
    g.Places.push_back(engine.SlotPoint(c, 1));
  for (int p = 0; p < HomePiles; ++p)
    g.Places.push_back(engine.HomePoint(p));
  g.Steps = engine.PileStep;
  for (const auto& card : engine.Deck().Cards)
    g.Cards.push_back(card->Position);
  for (int y = 0; y < engine.TableSize().height() + 40; y += 5)  // and below the table
    for (int x = 0; x < engine.TableSize().width(); x += 5) {
      const TTablePos p = engine.HitTest(x, y);
      g.Hits.push_back(p.Card != nullptr ? p.Card->Index : p.Column * 100 + p.Row);
    }
  return g;
}

}  // namespace

TEST_F(LayoutTest, APixelRatioDrawsFinerButKeepsEveryPlaceAndHitInTablePixels) {
  Engine.NewGame();
  Engine.DealRow();
  for (const bool small : {false, true}) {
    Engine.ApplyCardSize(small);
    Engine.SetPixelRatio(1);
    Engine.ResizeTable(QSize(800, 300));  // low enough that the columns close up
    const TTableGeometry atOne = GeometryOf(Engine);
    for (const double ratio : {1.5, 2.0}) {
      Engine.SetPixelRatio(ratio);
      Engine.ResizeTable(QSize(800, 300));
      EXPECT_EQ(Engine.Deck().CardSize(), small ? QSize(54, 72) : QSize(71, 96));
      EXPECT_EQ(Engine.TablePicture().size(), TPixelScale(ratio).Size(QSize(800, 300)));
      EXPECT_EQ(Engine.TablePicture().devicePixelRatio(), ratio);
      EXPECT_TRUE(GeometryOf(Engine) == atOne) << ratio << (small ? " small" : " large");
    }
  }
}
