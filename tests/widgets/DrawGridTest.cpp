#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "support/QtPrinters.h"
#include "widgets/DrawGrid.h"

namespace {

QPalette GridPalette() {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(200, 200, 200));
  palette.setColor(QPalette::Base, QColor(255, 255, 255));
  palette.setColor(QPalette::Text, QColor(0, 0, 0));
  palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
  return palette;
}

// The bounding box of the pixels that are neither the cell's fill nor the ground.
QRect Ink(const QImage& image, QRgb fill, QRgb ground) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != fill && image.pixel(x, y) != ground)
        box |= QRect(x, y, 1, 1);
  return box;
}

TEST(DrawGridTest, CellTextStartsTwoPixelsInAndIsClippedToTheCell) {
  const QRgb ground = qRgb(0, 0, 255);
  for (bool fixed : {false, true}) {
    QImage image(120, 50, QImage::Format_RGB32);
    image.fill(ground);
    {
      QPainter painter(&image);
      PaintGridCell(painter, QRect(10, 10, 50, 19), "WWWWWWWWWWWWWWWW", fixed, GridPalette());
    }
    const QRgb fill = fixed ? qRgb(200, 200, 200) : qRgb(255, 255, 255);
    EXPECT_EQ(image.pixel(10, 10), fill);
    EXPECT_EQ(image.pixel(59, 28), fill);
    const QRect ink = Ink(image, fill, ground);
    EXPECT_GE(ink.left(), 12);
    EXPECT_GE(ink.top(), 12);
    EXPECT_EQ(ink.right(), 59);  // the long text is cut at the cell's edge
    EXPECT_EQ(image.pixel(60, 15), ground);
  }
}

TEST(DrawGridTest, TheFirstRowAndColumnStayWhileTheRestScrolls) {
  TDrawGrid grid;
  grid.resize(200, 120);
  grid.SetColCount(11);
  grid.SetRowCount(105);
  grid.SetRowHeight(19);
  grid.SetColWidth(4, 90);
  grid.show();
  EXPECT_EQ(grid.CellRect(5, 0), QRect(4 * 51 + 91, 0, 50, 19));
  grid.verticalScrollBar()->setValue(40);
  grid.horizontalScrollBar()->setValue(30);
  EXPECT_EQ(grid.CellRect(3, 0), QRect(3 * 51 - 30, 0, 50, 19));
  EXPECT_EQ(grid.CellRect(0, 3), QRect(0, 3 * 20 - 40, 50, 19));
  EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 50, 19));
  EXPECT_EQ(grid.CellRect(2, 2), QRect(2 * 51 - 30, 2 * 20 - 40, 50, 19));
  EXPECT_EQ(grid.verticalScrollBar()->maximum(), 105 * 20 - grid.viewport()->height());
}

}  // namespace
