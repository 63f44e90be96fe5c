#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;
class TDrawGrid;
class TGameEngine;

// "Debug Tools": the home piles, the columns (or the snapshot the next undo
// restores) and every card of the deck in grids that read the game each
// time they paint, and the pointer's place over the table. It only reads.
class TDebugDlg : public QDialog {
 public:
  TDebugDlg(TGameEngine& engine, QWidget* parent = nullptr);

  // Shows the window beside the game.
  void ShowDebugTools();
  // Written by the main window on every pointer move over the table.
  void ShowMousePosition(QPoint p);
  // Repaints every cell from the game as it is now.
  void UpdateGrids();

  QTabWidget* PageControl1 = nullptr;
  TDrawGrid* HomeGrid = nullptr;
  QSplitter* Splitter1 = nullptr;
  TDrawGrid* PileGrid = nullptr;
  TDrawGrid* DeckGrid = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* Button1 = nullptr;
  QCheckBox* UndoChk = nullptr;
  QLabel* MouseDis = nullptr;

 private:
  QWidget* MakeGameStatePage();
  QWidget* MakeDeckPage();
  QWidget* MakeButtonPanel();

  TGameEngine& FEngine;
  bool FPlaced = false;
};
