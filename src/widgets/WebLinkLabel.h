#pragma once

#include <QLabel>
#include <functional>

// Opens a document or an address with the desktop's default handler and
// answers in the codes of the system's "open" action: 32 and above mean it
// opened, below 32 say why not.
using TOpenAddress = std::function<int(const QString& address)>;

// 33 when it opened; 2 for a local file that is not there; 31 when nothing
// on the desktop takes it.
int OpenWithDesktop(const QString& address);

// The message for a failure code of the "open" action; empty for a code
// it does not name.
QString OpenErrorText(int code);

// A label that opens its caption, an address or a local file, when it is
// clicked: blue, underlined, with a hand pointer and the caption as its tool
// tip. A caption too long for the label is shown shortened in the middle.
class TWebLinkLabel : public QLabel {
 public:
  explicit TWebLinkLabel(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);

  // Opens the caption; a failure shows the standard error box with its text.
  void Click();
  // How the caption is opened: the desktop's default handler, or a test's.
  TOpenAddress Open = OpenWithDesktop;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowCaption();

  QString FCaption;
};
