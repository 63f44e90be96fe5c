#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPalette;

// Draws one cell of a grid into `rect`: a fixed (heading) cell in the
// button colour, any other on the base colour, and the text clipped to the
// cell, starting 2 pixels right of and 2 pixels below its top-left corner.
void PaintGridCell(QPainter& painter, const QRect& rect, const QString& text, bool fixed,
                   const QPalette& palette);

// A grid that holds no data: every cell asks CellText for its text each
// time it is painted. The first row and column stay in place while the rest
// scrolls; a line of one pixel separates the cells.
class TDrawGrid : public QAbstractScrollArea {
 public:
  static constexpr int GridLineWidth = 1;

  explicit TDrawGrid(QWidget* parent = nullptr);

  int ColCount() const { return static_cast<int>(FColWidths.size()); }
  void SetColCount(int count);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int count);
  int DefaultColWidth() const { return FDefaultColWidth; }
  // Sets every column to this width.
  void SetDefaultColWidth(int width);
  int ColWidth(int col) const { return FColWidths[static_cast<size_t>(col)]; }
  void SetColWidth(int col, int width);
  int RowHeight() const { return FRowHeight; }
  void SetRowHeight(int height);

  // The rectangle of a cell in the viewport as it is scrolled now.
  QRect CellRect(int col, int row) const;

  std::function<QString(int col, int row)> CellText;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int ColLeft(int col) const;
  int ContentWidth() const;
  int ContentHeight() const;
  void UpdateScrollBars();

  std::vector<int> FColWidths;
  int FRowCount = 0;
  int FDefaultColWidth = 50;
  int FRowHeight = 24;
};
