#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Select Card to Locate": the rank and suit of the card the player looks
// for. Made once; it keeps the last choice for the next time.
class TCardFindDlg : public QDialog {
 public:
  explicit TCardFindDlg(QWidget* parent = nullptr);

  // Shows the dialog modally, centred on the screen; true when it ends with OK.
  bool Execute();
  // The chosen rank (0 Ace .. 12 King) and suit (0 Hearts .. 3 Spades).
  int Rank() const;
  int Suit() const;

  QGroupBox* RankRadio = nullptr;
  QGroupBox* SuitRadio = nullptr;
  std::array<QRadioButton*, 13> RankItems{};
  std::array<QRadioButton*, 4> SuitItems{};
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  // A radio group whose items fill four columns, each column from the top.
  template <size_t N>
  QGroupBox* MakeRadioGroup(const QString& caption, const std::array<const char*, N>& items,
                            std::array<QRadioButton*, N>& buttons, QButtonGroup*& group);

  QButtonGroup* FRanks = nullptr;
  QButtonGroup* FSuits = nullptr;
};
