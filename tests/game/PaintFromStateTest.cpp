// With no table picture kept, the window paints what it is shown straight
// from the table's state. It must show the very frames the kept picture
// shows: a move, the card it uncovers turning over, and the undo of both.
// A frame the window cannot show yet is held and merged into the next.
#include <gtest/gtest.h>

#include <QHash>
#include <memory>

#include "cards/Raster.h"
#include "cards/RepaintTracker.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"
#include "support/TableArranger.h"

namespace {

struct TShownTable {
  TRecordingHost Host;
  TRandom Random;
  std::unique_ptr<TGameEngine> Engine;
  QImage Screen;
  std::vector<size_t> Frames;

  TShownTable(bool keepPicture, double ratio) {
    Random.SetSeedSource([] { return 7u; });
    Engine = std::make_unique<TGameEngine>(Host, Random);
    Engine->SetPixelRatio(ratio);
    Engine->SetKeepPicture(keepPicture);
    Engine->ResizeTable(QSize(640, 480));
    Engine->EngineStart();
    ArrangeTable(*Engine, {"-2C -3D 7H 6H 5H", "8S"});
    Screen = Engine->PaintedInFull();
    // A window's screen, kept by copying each shown area from the picture
    // or by painting it from the table's state; a fingerprint of every frame.
    Host.OnShowTable = [this, keepPicture, scale = TPixelScale(ratio)] {
      for (const QRect& shown : Host.LastShown) {
        const QRect area = scale.Cover(shown) & Screen.rect();
        QImage piece = PictureArea(Screen, area);
        if (keepPicture)
          Raster::CopyOpaque(piece, -area.topLeft(), Engine->KeptPicture());
        else
          Engine->PaintPixels(piece, area.topLeft());
      }
      Frames.push_back(qHashBits(Screen.constBits(), static_cast<size_t>(Screen.sizeInBytes())));
    };
  }
  ~TShownTable() { Host.OnShowTable = nullptr; }

  void Click(int c, int r) {
    const QPoint p = Engine->SlotPoint(c, r) + QPoint(20, 10);
    Engine->TableMouseDown(mbLeft, p.x(), p.y());
    Engine->TableMouseUp(p.x(), p.y());
  }
  // 7H 6H 5H onto 8S: the three of diamonds turns over; then the undo.
  void MoveAndUndo() {
    Click(0, 2);
    Click(1, 0);
    Engine->UndoMove();
    EXPECT_EQ(Engine->Table.PileCount(0), 5);
  }
};

std::vector<size_t> ShownFrames(bool keepPicture, double ratio) {
  TShownTable table(keepPicture, ratio);
  table.MoveAndUndo();
  return table.Frames;
}

TEST(PaintFromStateTest, ShowsTheFramesTheKeptPictureShows) {
  for (const double ratio : {1.0, 1.5}) {
    const std::vector<size_t> kept = ShownFrames(true, ratio);
    // The move, twenty-one frames of the turn, and the undo's frames.
    EXPECT_GT(kept.size(), 30u) << ratio;
    EXPECT_EQ(ShownFrames(false, ratio), kept) << ratio;
  }
}

}  // namespace

namespace {

TEST(PaintFromStateTest, HeldFramesEndShowingTheTableAsItIs) {
  struct TCase {
    bool KeepPicture;
    double Ratio;
    int DueEvery;    // one frame in this many may be shown
    bool Celebrate;  // ended by holding a picture to draw on, not by a due frame
  };
  for (const TCase& c :
       {TCase{false, 1.0, 3, false}, TCase{false, 1.5, 7, false}, TCase{false, 2.0, 1000, false},
        TCase{false, 1.0, 1000, true}, TCase{true, 1.0, 3, false}}) {
    SCOPED_TRACE(testing::Message()
                 << c.KeepPicture << " " << c.Ratio << " " << c.DueEvery << " " << c.Celebrate);
    TShownTable table(c.KeepPicture, c.Ratio);
    int asked = 0;
    table.Host.OnFrameDue = [&] { return ++asked % c.DueEvery == 0; };
    table.MoveAndUndo();
    // A kept picture is painted and shown at every frame: nothing is asked.
    EXPECT_EQ(asked == 0, c.KeepPicture);
    EXPECT_EQ(table.Engine->FrameHeld(), !c.KeepPicture);
    if (c.Celebrate)
      table.Engine->HoldTablePicture();
    else
      table.Engine->ShowHeldFrame();
    EXPECT_FALSE(table.Engine->FrameHeld());
    EXPECT_EQ(table.Screen, table.Engine->PaintedInFull());
  }
}

// Where a held card flew on its way is not repainted: it was never shown
// there. Only where it was last shown and where it is now.
TEST(PaintFromStateTest, AHeldFrameRepaintsWhereTheTableWasShownAndWhereItIsNow) {
  TShownTable table(false, 1.0);
  TGameEngine& engine = *table.Engine;
  ArrangeTable(engine, {"5H", "", "", "", "", "", "6S"});
  table.Host.OnFrameDue = [] { return false; };
  table.Click(0, 0);
  table.Host.OnShowTable = nullptr;
  table.Click(6, 0);
  ASSERT_EQ(engine.Table.PileCount(6), 2);
  ASSERT_TRUE(engine.FrameHeld());
  table.Host.LastShown = QRegion();
  engine.ShowHeldFrame();
  const QRegion shown = table.Host.LastShown;
  EXPECT_TRUE(shown.intersects(engine.PlaceRect(FirstColumnPlace)));
  EXPECT_TRUE(shown.intersects(engine.Table.TopCard(6)->BoundsRect()));
  for (int c = 2; c <= 4; ++c)
    EXPECT_FALSE(shown.intersects(engine.PlaceRect(FirstColumnPlace + c))) << c;
}

}  // namespace
