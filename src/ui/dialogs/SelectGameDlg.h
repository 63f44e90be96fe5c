#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// A game number as the player types it: decimal digits, 0 to 4294967295,
// blanks around them allowed; nullopt for anything else.
std::optional<uint32_t> ParseGameNumber(const QString& text);

// "Select Game": shows the number of the game on the table and takes the
// number of the game to deal. OK stays grey until the text is a number.
class TSelectGameDlg : public QDialog {
 public:
  explicit TSelectGameDlg(QWidget* parent = nullptr);

  // Shows the dialog modally with the current game's number (none for a
  // loaded game or before the first deal); true when it ends with OK.
  bool Execute(std::optional<uint32_t> current);
  // The number typed, valid after Execute returned true.
  uint32_t Number() const;

  QLabel* CurrentLabel = nullptr;
  QLineEdit* NumberEdit = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};
