#pragma once

#include <QDate>
#include <QDialog>
#include <QFrame>

class QLabel;
class TFancyButton;
class TWebLinkLabel;

// "Version 1.05.3.14.11" for a program file of 14 March 2005 and the file
// version 2.0.0.11: the year in two digits, month and day without leading
// zeros, and the last component of the version.
QString VersionLine(const QDate& fileDate, const QString& fileVersion);

// The program's version, as the build gives it: "1.0.0.N".
QString ProgramVersion();

// Where the program's read-me lies as a local file: beside the installed
// program, else in the checkout it was built from.
QString ReadMeFile();

// The panel of the about box: green, with a raised inner and a lowered
// outer edge.
class TAboutPanel : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The about box: the program's picture, name, version line and credits on
// a green panel, a link to its read-me and an OK button. Made once; the
// version line is set when it is made.
class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Shows the box modally, centred on the screen.
  void Execute();

  TAboutPanel* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Version = nullptr;
  QLabel* Comments = nullptr;
  TWebLinkLabel* WebLinkLabel1 = nullptr;
  TFancyButton* FancyButton1 = nullptr;

 private:
  void MakePanel();
  QLabel* AddLabel(const QRect& place, const QString& text, const QFont& font, QColor colour);
};
