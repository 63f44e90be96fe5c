#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <vector>

#include "game/GameTypes.h"

class QLabel;
class QPushButton;
class QScrollArea;
class TGameEngine;
class TIntegerSpin;

// One face-up card of the column view and where its top-left corner goes.
struct TColumnViewSpot {
  const TCard* Card;
  QPoint At;
};

// The face-up cards of column c, top slot first, laid out left to right in
// rows `pictureWidth` wide; each row starts half a card lower than the one
// before, so it covers that row's lower half. Face-down cards are left out;
// the first empty slot ends the column.
std::vector<TColumnViewSpot> ColumnViewSpots(const TTable& table, int c, QSize cardSize,
                                             int pictureWidth);

// Paints the column view of column c onto `picture`: grey, with the cards'
// faces copied opaquely. A column index outside 0..9 leaves it plain grey.
void DrawColumnView(QImage& picture, const TTable& table, int c, QSize cardSize);

// "Cards from column n": the face-up cards of one column side by side, in a
// window that stays on top beside the game. The column is chosen with the
// spin edit or by a press on the table while the window is visible.
class TColDisplayDlg : public QDialog {
 public:
  static constexpr QSize PictureSize{681, 393};

  TColDisplayDlg(TGameEngine& engine, QWidget* parent = nullptr);

  // Shows column c (0..9) as it is now; the picture is not redrawn when the
  // game changes the column.
  void DisplayColumn(int c);
  // A press on the table at x: the column there (kept within 1..10) is shown.
  void ChooseColumnAt(int x);
  // Shows the window beside the game with the spin edit's column.
  void ShowColumnView();
  const QImage& Picture() const { return FPicture; }

  QScrollArea* ScrollBox1 = nullptr;
  QLabel* Image1 = nullptr;
  QWidget* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  TIntegerSpin* ColSpin = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* OKBtn = nullptr;

 private:
  void MakePanel();
  int SpinColumn();

  TGameEngine& FEngine;
  QImage FPicture;
  bool FPlaced = false;
};
