#pragma once

#include <QDialog>

class QFrame;
class QListWidget;
class QPainter;
class QPushButton;

// Draws entry `n` of the back list into `rect`: filled with `background`
// (the selection colour for the chosen entry), the large back of design n
// with its corner at (18, 5) from the entry's, whatever card size the game
// uses, and the entry's number n + 1 in `text` at its top-left corner.
void PaintBackListEntry(QPainter& painter, const QRect& rect, int n, const QColor& background,
                        const QColor& text);

// "Select Card Backs": the thirteen back designs in a list, one picture per
// entry. Made once; hidden between uses.
class TCardBackDlg : public QDialog {
 public:
  static constexpr int EntryHeight = 108;

  explicit TCardBackDlg(QWidget* parent = nullptr);

  // Shows the dialog modally, centred on the screen, with design `back`
  // selected and OK focused; true when it ends with OK.
  bool Execute(int back);
  // The design of the selected entry, 0..12.
  int SelectedBack() const;

  QFrame* Bevel1 = nullptr;
  QListWidget* BackList = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};
