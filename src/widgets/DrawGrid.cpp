#include "widgets/DrawGrid.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

void PaintGridCell(QPainter& painter, const QRect& rect, const QString& text, bool fixed,
                   const QPalette& palette) {
  if (rect.isEmpty())
    return;
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.fillRect(rect, palette.color(fixed ? QPalette::Button : QPalette::Base));
  painter.setPen(palette.color(fixed ? QPalette::ButtonText : QPalette::Text));
  const QRect textRect = rect.adjusted(2, 2, 0, 0);
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.restore();
}

TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  SetColCount(5);
  SetRowCount(5);
  horizontalScrollBar()->setSingleStep(FDefaultColWidth);
}

void TDrawGrid::SetColCount(int count) {
  FColWidths.resize(static_cast<size_t>(std::max(count, 0)), FDefaultColWidth);
  UpdateScrollBars();
}

void TDrawGrid::SetRowCount(int count) {
  FRowCount = std::max(count, 0);
  UpdateScrollBars();
}

void TDrawGrid::SetDefaultColWidth(int width) {
  FDefaultColWidth = std::max(width, 0);
  std::fill(FColWidths.begin(), FColWidths.end(), FDefaultColWidth);
  UpdateScrollBars();
}

void TDrawGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount())
    return;
  FColWidths[static_cast<size_t>(col)] = std::max(width, 0);
  UpdateScrollBars();
}

void TDrawGrid::SetRowHeight(int height) {
  FRowHeight = std::max(height, 1);
  verticalScrollBar()->setSingleStep(FRowHeight + GridLineWidth);
  UpdateScrollBars();
}

int TDrawGrid::ColLeft(int col) const {
  int left = 0;
  for (int c = 0; c < col; ++c)
    left += ColWidth(c) + GridLineWidth;
  return left;
}

int TDrawGrid::ContentWidth() const {
  return ColLeft(ColCount());
}

int TDrawGrid::ContentHeight() const {
  return FRowCount * (FRowHeight + GridLineWidth);
}

// The fixed first row and column do not move; the others are shifted by
// the scroll bars.
QRect TDrawGrid::CellRect(int col, int row) const {
  const int dx = col > 0 ? horizontalScrollBar()->value() : 0;
  const int dy = row > 0 ? verticalScrollBar()->value() : 0;
  return {ColLeft(col) - dx, row * (FRowHeight + GridLineWidth) - dy, ColWidth(col), FRowHeight};
}

void TDrawGrid::UpdateScrollBars() {
  const QSize room = viewport()->size();
  horizontalScrollBar()->setPageStep(room.width());
  horizontalScrollBar()->setRange(0, std::max(ContentWidth() - room.width(), 0));
  verticalScrollBar()->setPageStep(room.height());
  verticalScrollBar()->setRange(0, std::max(ContentHeight() - room.height(), 0));
  viewport()->update();
}

void TDrawGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TDrawGrid::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect all = viewport()->rect();
  painter.fillRect(all, palette().color(QPalette::Dark));
  if (ColCount() == 0 || FRowCount == 0)
    return;
  // Scrolled cells show only below and right of the fixed row and column.
  const int left = ColWidth(0) + GridLineWidth;
  const int top = FRowHeight + GridLineWidth;
  const QRect body(left, top, all.width() - left, all.height() - top);
  const QRect headingRow(left, 0, all.width() - left, top);
  const QRect headingCol(0, top, left, all.height() - top);
  for (int row = 0; row < FRowCount; ++row) {
    for (int col = 0; col < ColCount(); ++col) {
      const QRect clip = row == 0 && col == 0 ? all
                         : row == 0           ? headingRow
                         : col == 0           ? headingCol
                                              : body;
      const QRect cell = CellRect(col, row);
      if (!cell.intersects(clip))
        continue;
      painter.save();
      painter.setClipRect(clip);
      PaintGridCell(painter, cell, CellText ? CellText(col, row) : QString(), row == 0 || col == 0,
                    palette());
      painter.restore();
    }
  }
}
