#pragma once

#include <QDialog>
#include <functional>

class QDialogButtonBox;
class QLabel;

// The box that tells the player why a move was refused, with OK and Help.
// Help asks for the page on the game's messages and leaves the box open;
// the box blocks only the game's window, so the help stays usable.
class TErrorBox : public QDialog {
 public:
  TErrorBox(const QString& text, std::function<void()> onHelp, QWidget* parent = nullptr);

  // The text as the game gave it, line breaks and all.
  QString Text() const { return FText; }

  QLabel* Message = nullptr;
  QDialogButtonBox* Buttons = nullptr;

 private:
  QString FText;
};
