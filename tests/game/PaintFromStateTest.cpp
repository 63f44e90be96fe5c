// With no table picture kept, the window paints what it is shown straight
// from the table's state. It must show the very frames the kept picture
// shows: a move, the card it uncovers turning over, and the undo of both.
#include <gtest/gtest.h>

#include <QHash>

#include "cards/Raster.h"
#include "cards/RepaintTracker.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"
#include "support/TableArranger.h"

namespace {

// A window's screen, kept by copying each shown area from the picture or
// by painting it from the table's state; a fingerprint of every frame.
std::vector<size_t> ShownFrames(bool keepPicture, double ratio) {
  TRecordingHost host;
  TRandom random;
  random.SetSeedSource([] { return 7u; });
  TGameEngine engine(host, random);
  engine.SetPixelRatio(ratio);
  engine.SetKeepPicture(keepPicture);
  engine.ResizeTable(QSize(640, 480));
  engine.EngineStart();
  ArrangeTable(engine, {"-2C -3D 7H 6H 5H", "8S"});
  const TPixelScale scale(ratio);
  QImage screen = engine.PaintedInFull();
  std::vector<size_t> frames;
  host.OnShowTable = [&] {
    for (const QRect& shown : host.LastShown) {
      const QRect area = scale.Cover(shown) & screen.rect();
      QImage piece = PictureArea(screen, area);
      if (keepPicture)
        Raster::CopyOpaque(piece, -area.topLeft(), engine.KeptPicture());
      else
        engine.PaintPixels(piece, area.topLeft());
    }
    frames.push_back(qHashBits(screen.constBits(), static_cast<size_t>(screen.sizeInBytes())));
  };
  const auto click = [&engine](int c, int r) {
    const QPoint p = engine.SlotPoint(c, r) + QPoint(20, 10);
    engine.TableMouseDown(mbLeft, p.x(), p.y());
    engine.TableMouseUp(p.x(), p.y());
  };
  click(0, 2);  // 7H 6H 5H onto 8S: the three of diamonds turns over
  click(1, 0);
  engine.UndoMove();
  host.OnShowTable = nullptr;
  EXPECT_EQ(engine.Table.PileCount(0), 5);
  return frames;
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
