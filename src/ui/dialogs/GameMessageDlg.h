#pragma once

#include <QDialog>
#include <array>

#include "game/GameHost.h"

class QLabel;
class QRadioButton;
class QStackedWidget;
class QGroupBox;
class QWidget;
class TFancyButton;

// The game's own question box in the table's greens: a message page with
// one line of text, or a choice page with three things to do with the game
// on the table. It is made once and shown for each question.
class TGameMessageDlg : public QDialog {
 public:
  explicit TGameMessageDlg(QWidget* parent = nullptr);

  // Shows page 0 (message) or 1 (choice) modally; an empty button caption
  // hides that button.
  TGameMessageResult ShowGameMessage(int page, const QString& caption, const QString& text,
                                     const QString& okCaption, const QString& cancelCaption);

  QStackedWidget* PageControl1 = nullptr;
  QLabel* MessDis = nullptr;
  QGroupBox* DealRadio = nullptr;
  std::array<QRadioButton*, 3> DealChoices{};
  QWidget* Panel1 = nullptr;
  TFancyButton* OKBtn = nullptr;
  TFancyButton* CancelBtn = nullptr;

 private:
  void MakeMessagePage();
  void MakeChoicePage();
  void MakeButtons();
  TGameMessageResult SelectedChoice() const;
};
