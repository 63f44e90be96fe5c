#pragma once

#include <QWidget>
#include <memory>

#include "ui/help/CHMHelper.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;

// The game's own help window: the pages built into the program, a contents
// list, a search over the pages, links, and back and forward. It is the
// viewer the help requests are routed to, and a window of its own beside
// the game, so it stays usable while a message box waits for an answer.
class THelpWindow : public QWidget, public THelpViewer {
 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  void HtmlHelp(const QString& helpFile, int command, const QVariant& data) override;
  // Shows the window with that page ("rules.html").
  void ShowPage(const QString& page);
  // The page on show, such as "rules.html".
  QString CurrentPage() const;
  // Lists the pages holding every word and shows the first of them.
  void Search(const QString& words);

  QToolButton* BackBtn = nullptr;
  QToolButton* ForwardBtn = nullptr;
  QToolButton* ContentsBtn = nullptr;
  QTabWidget* Tabs = nullptr;
  QListWidget* ContentsList = nullptr;
  QLineEdit* SearchEdit = nullptr;
  QListWidget* SearchResults = nullptr;
  QTextBrowser* Browser = nullptr;

 private:
  QWidget* MakeToolBar();
  QWidget* MakeContentsTab();
  QWidget* MakeSearchTab();
  void PageShown(const QUrl& url);
  void Present();
};

// The help window as the help requests' viewer, made when the first request
// arrives: building it takes a good share of the game's start-up. Closing
// help windows that were never made asks for nothing.
class TLazyHelpWindow : public THelpViewer {
 public:
  THelpWindow& Window();
  void HtmlHelp(const QString& helpFile, int command, const QVariant& data) override;

 private:
  std::unique_ptr<THelpWindow> FWindow;
};
